#!/usr/bin/env bash
# scripts/check.sh [DIR]: what "Build INI File" would change in DIR's qv3server.ini (default: the current
# directory), as a unified diff, without writing anything. Exit status 0: no change, 1: changes, 2: cannot
# tell (the reason on standard error). Runs under Wine, on a virtual display when there is no display.
set -eu
dir=${1:-.}
if [ ! -d "$dir" ]; then
    echo "check.sh: $dir is not a directory" >&2
    exit 2
fi
here=$(cd "$dir" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >&2
cmake -S "$root" --preset default >/dev/null
cmake --build "$root/build" --target win64 >/dev/null
exe="$root/build/win64/bin/skyvarn-check.exe"
export WINEPREFIX="$root/build/wineprefix-check" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
# The prefix's Wine processes end before the display does, so that none of them complains of its loss.
run='"$1/scripts/wine-prefix.sh" up "$WINEPREFIX" >&2 || exit 2
    status=0
    (cd "$2" && wine "$3") || status=$?
    "$1/scripts/wine-prefix.sh" down "$WINEPREFIX"
    exit "$status"'
status=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    bash -c "$run" _ "$root" "$here" "$exe" || status=$?
else
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$run" _ "$root" "$here" "$exe" || status=$?
fi
exit "$status"
