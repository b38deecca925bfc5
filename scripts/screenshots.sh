#!/usr/bin/env bash
# Regenerates the user guide's screenshots (docs/screenshots/*.png) from the real editor on a virtual
# display: the five pages and the Add Server, Add Cookie and Target Management dialogs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" --preset default >/dev/null
cmake --build "$root/build" --target win64 >/dev/null
out="$root/docs/screenshots"
mkdir -p "$out"
prefix="$root/build/wineprefix-shots"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -eu
    "$1/scripts/wine-prefix.sh" up "$2"
    "$1/scripts/wine-run.sh" "$2" "$1/build/win64/bin/screenshots.exe" "$3"
    "$1/scripts/wine-prefix.sh" down "$2"
' _ "$root" "$prefix" "$out"
