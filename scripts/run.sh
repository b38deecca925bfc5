#!/usr/bin/env bash
# Builds the editor and opens it under Wine in the current directory, where it edits qv3server.ini.
# Without a display it runs on a virtual one, saves a screenshot of the window and prints its path.
set -eu
here=$(pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" --preset default >/dev/null
cmake --build "$root/build" --target win64 >/dev/null
exe="$root/build/win64/bin/skyvarn-config.exe"
export WINEPREFIX="$root/build/wineprefix-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    cd "$here"
    exec wine "$exe" 2>/dev/null
fi
shot="$root/build/skyvarn-config.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -eu
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        # No window manager here: Wine draws the frames itself.
        wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
    fi
    cd "$1"
    wine "$2" >/dev/null 2>&1 &
    where() {
        xwininfo -root -tree | sed -n "s/^ *0x[0-9a-f]* \"Skyvarn - Arena Server Configuration\".* \([0-9]*x[0-9]*+[0-9]*+[0-9]*\) .*/\1/p" | head -1
    }
    for _ in $(seq 1 300); do
        [ -n "$(where)" ] && break
        sleep 0.1
    done
    [ -n "$(where)" ] || { echo "the editor did not open" >&2; exit 1; }
    sleep 1  # let it centre itself and paint
    geometry=$(where)
    import -window root miff:- | convert - -crop "$geometry" +repage "$3"
    wineserver -k
' _ "$here" "$exe" "$shot"
echo "$shot"
