#!/usr/bin/env bash
# Prepares (up) or stops (down) the Wine prefix of a test run, which belongs to the tests alone. Every Wine
# process of a run must start inside the run's one X display, so a server left from an earlier run is
# ended first.
set -eu
source "$(dirname "$0")/lib.sh"
[ $# = 2 ] && { [ "$1" = up ] || [ "$1" = down ]; } && [ -n "$2" ] || die "usage: wine-prefix.sh up|down PREFIX"
action=$1
wine_environment "$2"
# Ending its server would end an operator's open editor with its unbuilt edits: never the operator's
# prefix, nor Wine's default one.
for theirs in "$root/build/wineprefix-operator" "$HOME/.wine"; do
    [ "$(realpath -m -- "$WINEPREFIX")" != "$(realpath -m -- "$theirs")" ] ||
        die "$WINEPREFIX is an operator's prefix, not a test's; this script ends every program of the prefix it is given."
done
mkdir -p "$(dirname "$WINEPREFIX")"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
[ "$action" = down ] && exit 0
have_display || die "there is no X display: run the tests under xvfb-run (scripts/test.sh does)."
prepare_prefix
