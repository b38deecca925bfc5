#!/usr/bin/env bash
# scripts/install-deps.sh [web] [browser] [ansible]: installs, from Debian's packages, whatever the build and
# the tests need and this machine lacks: the compilers, 64- and 32-bit Wine (the release is the 32-bit
# program) with Wine's own fonts, a virtual display, and the desktop's opener of files (xdg-open, for View
# Bitmap). With `web` instead what serves the editor to a browser (scripts/web.sh), with `browser` what its
# test drives, with `ansible` what runs the Ansible collection's test: only when asked, as most users never
# need them.
set -eu
build=(cmake ninja-build g++ googletest file
       g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
       binutils-mingw-w64-i686 wine wine64 fonts-wine xvfb xauth x11-utils imagemagick patch
       acl e2fsprogs xdg-utils xdotool)
packages=()
what=""
for group in "$@"; do
    case $group in
        web) packages+=(xvfb xauth x11-utils x11vnc websockify novnc python3)
             what=" for the web mode" ;;
        browser) packages+=(chromium openssl)
                 # Node's own packages bring npm; Debian's npm would pull Debian's nodejs over them.
                 command -v npm >/dev/null || packages+=(npm)
                 what=" for the web mode's test" ;;
        ansible) packages+=(ansible-core)
                 what=" for the Ansible collection's test" ;;
        *) echo "install-deps.sh: unknown group $group (groups: web, browser, ansible)" >&2; exit 2 ;;
    esac
done
[ $# -eq 0 ] && packages=("${build[@]}")

# The release is a 32-bit program. Wine runs it with its 32-bit part, which needs a kernel that runs
# 32-bit Linux programs; some virtual machines' kernels do not, and there an installed wine32 would stop
# every Wine program (Debian's wine prefers it). A 93-byte 32-bit program that only exits tells.
runs_32bit() {
    local probe
    probe=$(mktemp)
    printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=1
    rm -f "$probe"
    return $status
}
if [ $# -eq 0 ] && runs_32bit; then
    packages+=(wine32:i386)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "$(basename "$0"): installing${what}: ${missing[*]} (a minute or more) ..." >&2
# wine32 is a package of the i386 architecture, which a fresh machine does not have yet.
if [[ " ${missing[*]}" == *:i386* ]]; then
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
