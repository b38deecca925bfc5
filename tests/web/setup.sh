#!/usr/bin/env bash
# Readies the web mode's test: Debian's packages for the web mode and its browser, playwright-core from npm
# in a folder of the build, and the test's own Wine prefix, made on the suite's display.
set -eu
root=$1
work=$2
"$root/scripts/install-deps.sh" web browser
# A version that still runs on Debian 12's own Node (18).
version=1.61.1
if [ "$(cat "$work/node/installed" 2>/dev/null)" != "$version" ]; then
    echo "Installing playwright-core $version from npm into $work/node"
    mkdir -p "$work/node"
    npm install --prefix "$work/node" --no-audit --no-fund --loglevel=error "playwright-core@$version"
    echo "$version" >"$work/node/installed"
fi
"$root/scripts/wine-prefix.sh" up "$work/wineprefix"
