#!/usr/bin/env bash
# Builds the native tests and both Windows programs, then runs every test on one virtual display.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset default
