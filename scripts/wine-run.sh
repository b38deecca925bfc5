#!/usr/bin/env bash
# Runs one Windows test program under Wine in the project's prefix. Wine's own messages are kept aside
# and shown only when the program fails.
set -u
source "$(dirname "$0")/lib.sh"
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
