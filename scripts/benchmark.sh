#!/usr/bin/env bash
# Runs the benchmark program of a build under Wine on its own virtual display and prefix.
set -eu
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$build/wineprefix-bench"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -eu
    "$1/scripts/wine-prefix.sh" up "$2"
    "$1/scripts/wine-run.sh" "$2" "$3/win64/bin/benchmark.exe"
    "$1/scripts/wine-prefix.sh" down "$2"
' _ "$root" "$prefix" "$build"
