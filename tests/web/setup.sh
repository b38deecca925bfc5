#!/usr/bin/env bash
# Readies the web mode's test: Debian's packages for the web mode and its browser, and playwright-core from
# npm in a folder of the build. (run.sh --web makes the test's own Wine prefix.)
set -eu
root=$1 work=$2
"$root/scripts/install-deps.sh" web browser
# A version that still runs on Debian 12's own Node (18).
version=1.61.1
if [ "$(cat "$work/node/installed" 2>/dev/null)" != "$version" ]; then
    echo "Installing playwright-core $version from npm into $work/node"
    mkdir -p "$work/node"
    npm install --prefix "$work/node" --no-audit --no-fund --loglevel=error "playwright-core@$version"
    echo "$version" >"$work/node/installed"
fi
