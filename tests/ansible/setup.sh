#!/usr/bin/env bash
# Readies the Ansible collection's tests: Debian's ansible-core, and a Wine prefix of the tests' own made
# headless as the README tells an operator (the scripts make it, then its graphics driver becomes the null
# driver), so that the module runs the program without any X display.
set -eu
root=$1 work=$2
"$root/scripts/install-deps.sh" ansible
mkdir -p "$work"
prefix="$work/wineprefix"
export SKYVARN_PREFIX=$prefix
# check.sh makes the prefix once (its stamp tells); --keys needs no settings file.
"$root/scripts/check.sh" --keys >/dev/null
if ! grep -qi '^"Graphics"="null"' "$prefix/user.reg"; then
    echo "Setting the null graphics driver in $prefix"
    WINEPREFIX=$prefix WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f
fi
# The prefix's server writes the registry to user.reg as it ends, a few seconds after its last program;
# its running desktop would also still use the driver it started with.
WINEPREFIX=$prefix wineserver -w
grep -qi '^"Graphics"="null"' "$prefix/user.reg"
# The collection as Ansible finds it: ansible_collections/NAMESPACE/NAME under a collections path.
mkdir -p "$work/collections/ansible_collections/skyvarn"
ln -sfn "$root/ansible" "$work/collections/ansible_collections/skyvarn/config"
