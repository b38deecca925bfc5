#!/usr/bin/env bash
# A write on a full disk leaves the old file or the new one, byte for byte, with its mode, and nothing
# beside it; the write says which. On ext4 with 1 KiB blocks and on tmpfs, the file grown and shrunk by
# several sizes, with from none to enough free blocks. Usage: full_disk.sh DRIVER PREFIX
. "$(dirname "$0")/lib.sh"
server_umask 022

old=$scratch/old.bin
# A 10,220-byte file of comment lines, as hand-kept files have.
text=""
for ((line = 0; ${#text} < 10220; line++)); do text+="; comment line $line of a foreign section"$'\r\n'; done
printf '%s' "${text:0:10220}" >"$old"
declare -A outcomes=([written]=0 [refused]=0 [torn]=0)
for kind in ext4 tmpfs; do
    dir=$scratch/$kind
    mount_fs "$kind" "$dir"
    block=$([ "$kind" = ext4 ] && echo 1024 || echo 4096)
    for change in 1064 5000 0 -3000 -10000; do
        new=$scratch/new$change.bin
        head -c $((10220 + change)) /dev/urandom | base64 -w 76 | head -c $((10220 + change)) >"$new"
        need=$(((10220 + change) / block + 2))
        for free in 0 1 2 $((need - 1)) $need $((need + 1)) $((need + 2)) $((2 * need)) $((2 * need + 2)) 40; do
            [ "$free" -lt 0 ] && continue
            case=$kind/${change}bytes/${free}free
            rm -rf "${dir:?}"/*
            cp "$old" "$dir/qv3server.ini"
            chmod 640 "$dir/qv3server.ini"
            # Blocks of their own, freed one by one to leave exactly `free` of them.
            mkdir "$dir/gaps"
            for ((gap = 0; gap < 40; gap++)); do head -c "$block" /dev/zero >"$dir/gaps/$gap"; done
            dd if=/dev/zero of="$dir/filler" bs="$block" 2>/dev/null || true
            sync -f "$dir/filler"
            for ((gap = 0; gap < free; gap++)); do rm "$dir/gaps/$gap"; done
            status=0
            drive write "$(winpath "$dir/qv3server.ini")" "$(winpath "$new")" || status=$?
            # The write answers 0 for the new bytes and 1 for the old; anything else is torn.
            outcome=torn answer="$(stat -c %s "$dir/qv3server.ini") bytes, neither old nor new"
            cmp -s "$dir/qv3server.ini" "$new" && outcome=written answer=0
            cmp -s "$dir/qv3server.ini" "$old" && outcome=refused answer=1
            outcomes[$outcome]=$((outcomes[$outcome] + 1))
            expect_eq "$case: $outcome, the write's answer" "$status" "$answer"
            expect_eq "$case: mode" "$(stat -c %a "$dir/qv3server.ini")" 640
            [ -e "$dir/qv3server.ini.tmp" ] && fail "$case: a temporary file left"
        done
    done
done
echo "full_disk: ${outcomes[written]} written, ${outcomes[refused]} refused, ${outcomes[torn]} torn"
[ "${outcomes[written]}" -gt 0 ] && [ "${outcomes[refused]}" -gt 0 ] || fail "the sizes did not reach both outcomes"
[ "$failures" -eq 0 ]
