#!/usr/bin/env bash
# Builds the native tests and both Windows programs, then runs every test on one virtual display (one that
# never resets: a test connecting as another one leaves would find it resetting and be refused).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --preset default
