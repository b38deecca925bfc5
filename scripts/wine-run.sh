#!/usr/bin/env bash
# wine-run.sh [--32-bit] PREFIX PROGRAM [ARGUMENT ...]: runs one Windows test program under Wine in the given
# prefix. Wine's own messages are kept aside and shown only when the program fails. With --32-bit the test
# drives the 32-bit release, and where 32-bit Wine cannot run it is skipped (exit status 77), saying why.
set -u
source "$(dirname "$0")/lib.sh"
if [ "$1" = --32-bit ]; then
    shift
    if ! wine32_runs; then
        echo "skipped: this test drives the 32-bit release, and 32-bit Wine does not run here (no wine32, or a kernel that runs no 32-bit programs)"
        exit 77
    fi
fi
wine_environment "$1"
shift
if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: run the tests under xvfb-run (scripts/test.sh does)" >&2
    exit 1
fi
log=$(mktemp)
wine "$@" 2>"$log"
rc=$?
if [ "$rc" -ne 0 ]; then
    echo "--- Wine's messages (exit code $rc) ---"
    cat "$log"
fi
rm -f "$log"
exit "$rc"
