#!/usr/bin/env bash
# Runs the benchmark program of a build under Wine on its own virtual display and prefix.
set -eu
source "$(dirname "$0")/lib.sh"
build=$1
virtual_display
"$root/scripts/wine-prefix.sh" up "$build/wineprefix-bench"
"$root/scripts/wine-run.sh" "$build/wineprefix-bench" "$build/win64/bin/benchmark.exe"
"$root/scripts/wine-prefix.sh" down "$build/wineprefix-bench"
