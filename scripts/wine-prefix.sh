#!/usr/bin/env bash
# Prepares (up) or stops (down) the Wine prefix of a test run. Every Wine process of a run must start
# inside the run's one X display, so a server left from an earlier run is ended first.
set -eu
action=$1
prefix=$2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
log="$prefix.log"
mkdir -p "$(dirname "$prefix")"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
[ "$action" = down ] && exit 0
if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: run the tests under xvfb-run (scripts/test.sh does)" >&2
    exit 1
fi
# A prefix made before 32-bit Wine or Wine's fonts were installed breaks (or shows substitute fonts):
# one whose stamp does not name what is installed now is made anew.
stamp="fonts-wine copied, wine32=$([ -x /usr/lib/wine/wine ] && echo yes || echo no)"
if [ "$(cat "$prefix/.skyvarn-ready" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$prefix"
    {
        wineboot -i
        # Debian's Wine does not look for its own fonts where fonts-wine puts them: without them the
        # dialogs' "MS Sans Serif" would fall back to a much wider font, and Marlett would be missing.
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
        # Wine manages its own windows (no window manager on a virtual display: hiding would wait 2 s),
        # and a crashing test must end instead of waiting behind a crash dialog.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        wineserver -w
    } >"$log" 2>&1 || { cat "$log"; exit 1; }
    echo "$stamp" >"$prefix/.skyvarn-ready"
fi
