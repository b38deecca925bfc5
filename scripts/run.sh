#!/usr/bin/env bash
# scripts/run.sh [DIR]: builds the editor and opens the release under Wine on the qv3server.ini of DIR
# (default: the current directory); the editor edits the file of the directory it is started in.
# Without a display it runs on a virtual one, saves a screenshot of the window and prints its path.
set -eu
# --- web mode: run.sh --web [--port N] [--listen ADDR --cert FILE] [DIR] (scripts/web.sh does the serving)
web=()
if [ "${1:-}" = --web ]; then
    shift
    web=(--web)
    while [ $# -gt 0 ]; do
        case $1 in
            --port|--listen|--cert) [ $# -ge 2 ] || { echo "run.sh: $1 needs a value" >&2; exit 2; }
                                    web+=("$1" "$2"); shift 2 ;;
            *) break ;;
        esac
    done
fi
# --- end of the web mode's options
dir=${1:-.}
if [ ! -d "$dir" ]; then
    echo "run.sh: $dir is not a directory; give the folder that holds (or is to hold) qv3server.ini" >&2
    exit 2
fi
here=$(cd "$dir" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" --preset default >/dev/null
cmake --build "$root/build" --target win32 >/dev/null
exe="$root/build/win32/bin/skyvarn-config.exe"
export WINEPREFIX="$root/build/wineprefix-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
# --- web mode: the prefix is prepared on a display of its own, which then ends, before web.sh starts its own
if [ ${#web[@]} -gt 0 ]; then
    [ -f "$WINEPREFIX/.skyvarn-ready" ] ||
        xvfb-run -a -s "-screen 0 640x480x24" "$root/scripts/wine-prefix.sh" up "$WINEPREFIX"
    export SKYVARN_EXE="$exe" SKYVARN_DIR="$here" SKYVARN_LOG="$root/build/web.log"
    exec "$root/scripts/web.sh" "${web[@]:1}"
fi
# --- end of the web mode
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    "$root/scripts/wine-prefix.sh" up "$WINEPREFIX"
    cd "$here"
    exec wine "$exe" 2>/dev/null
fi
shot="$root/build/skyvarn-config.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -eu
    "$4/scripts/wine-prefix.sh" up "$WINEPREFIX"
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
' _ "$here" "$exe" "$shot" "$root"
echo "$shot"
