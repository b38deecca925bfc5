# Shared by the file-system tests: a scratch folder with file systems mounted in it, the write path's
# driver under Wine in a prefix of the test's own, and cleanup on every way out. Sourced; the caller
# passes the driver and the prefix as $1 and $2, and a measurement its seed and count as $3 and $4.
set -eu
driver=$1 prefix=$2 seed=${3:-} count=${4:-}
RANDOM=${seed:-0}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C
unset DISPLAY   # the driver opens no window
[ "$(id -u)" -eq 0 ] || { echo "skipped: mounting file systems needs root" >&2; exit 77; }
for tool in wine wineserver mkfs.ext4 setfacl getfacl; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 2; }
done
[ -f "$driver" ] || { echo "no driver at $driver: build the win64 target first" >&2; exit 2; }

# The scratch folder beside the prefix, with the file systems mounted in it, gone with them.
scratch=$prefix.scratch
remove_scratch() {
    findmnt -lno TARGET | grep -F "$scratch/" | sort -r | while IFS= read -r mounted; do
        umount "$mounted" 2>/dev/null || umount -l "$mounted"
    done
    rm -rf "$scratch"
}
# The Wine server of this test's own prefix, and the drivers it runs.
end_server() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
# A run stopped half-way (by its time limit, say) leaves its Wine server and drivers running and its file
# systems mounted: they are this test's own, of its own prefix, and go before it starts again.
end_server
remove_scratch
mkdir -p "$scratch"
cleanup() { set +e; end_server; remove_scratch; }
trap cleanup EXIT
trap 'exit 1' INT TERM
# A copy, which a rebuild meanwhile leaves alone.
cp "$driver" "$scratch/"
driver=$scratch/${driver##*/}

# A fresh prefix once; reused by later runs of the same test.
if [ ! -f "$prefix/.skyvarn-fs-ready" ]; then
    echo "making the Wine prefix $prefix"
    rm -rf "$prefix"
    wineboot -i >"$scratch/wineboot.log" 2>&1 || { cat "$scratch/wineboot.log"; exit 2; }
    wineserver -w
    touch "$prefix/.skyvarn-fs-ready"
fi

# Starts this prefix's Wine server anew under the umask given, which every file it creates then gets.
server_umask() {
    end_server
    (umask "$1"; wineserver -p) || {
        echo "a Wine server of $prefix is still running: end it (WINEPREFIX=$prefix wineserver -k), then test again" >&2
        exit 2
    }
}

# mount_fs KIND DIR: a small file system at DIR in the scratch folder: ext4 with 1 KiB blocks in a 4 MiB
# image, or a 4 MiB tmpfs.
mount_fs() {
    mkdir -p "$2"
    if [ "$1" = ext4 ]; then
        truncate -s 4M "$scratch/$(basename "$2").img"
        mkfs.ext4 -q -F -b 1024 -m 0 -O ^has_journal "$scratch/$(basename "$2").img"
        mount -o loop "$scratch/$(basename "$2").img" "$2"
    else
        mount -t tmpfs -o size=4m,mode=0755 tmpfs "$2"
    fi
}

# The Windows name of a Linux path.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

drive() { wine "$driver" "$@"; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_eq() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }
same_bytes() { cmp -s "$2" "$3" || fail "$1: $2 does not hold the bytes of $3"; }
# mode, owner:group and the ACL's entries of a file, in one line
identity() { printf '%s %s' "$(stat -c '%a %U:%G %h' "$1")" "$(getfacl -cp "$1" 2>/dev/null | tr '\n' ' ')"; }
