#!/usr/bin/env bash
# Regenerates the user guide's screenshots (docs/screenshots/*.png) from the real editor on a virtual
# display: the five pages and the Add Server, Add Cookie and Target Management dialogs. (A picture of the
# editor on a folder of one's own: run.sh --screenshot FILE DIR.)
set -eu
source "$(dirname "$0")/lib.sh"
build_windows win64
out="$root/docs/screenshots"
mkdir -p "$out"
prefix="$root/build/wineprefix-shots"
virtual_display
"$root/scripts/wine-prefix.sh" up "$prefix"
"$root/scripts/wine-run.sh" "$prefix" "$root/build/win64/bin/screenshots.exe" "$out"
"$root/scripts/wine-prefix.sh" down "$prefix"
