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
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
    cd "$1"
    wine "$2" >/dev/null 2>&1 &
    for _ in $(seq 1 300); do
        id=$(xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"Skyvarn - Arena Server Configuration\".*/\1/p" | head -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "the editor did not open" >&2; exit 1; }
    sleep 1
    import -window "$id" "$3"
    wineserver -k
' _ "$here" "$exe" "$shot"
echo "$shot"
