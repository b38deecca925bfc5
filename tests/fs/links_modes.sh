#!/usr/bin/env bash
# What a write keeps of the file on real file systems, whatever the Wine server's umask: the bytes, the
# mode, the owner, the access list and a second name; and what it never touches: whatever stands at the
# journal's name and is not a journal. (A settings file that is a symbolic link: kill.sh.)
# Usage: links_modes.sh DRIVER PREFIX
. "$(dirname "$0")/lib.sh"

printf '[QV3Server]\r\npassword=old\r\n' >"$scratch/old.bin"
printf '[QV3Server]\r\npassword=new, and a longer line than before\r\n' >"$scratch/new.bin"
printf 'only its owner may read this\n' >"$scratch/victim.bin"

for kind in ext4 tmpfs; do
    mount_fs "$kind" "$scratch/$kind"
    for mask in 000 002 022 077; do
        server_umask "$mask"
        dir=$scratch/$kind/umask$mask
        mkdir "$dir"
        file=$dir/qv3server.ini
        case=$kind/umask$mask

        # Modes, another user's file with an access list, and a second hard link.
        for mode in 644 604 640 600; do
            cp "$scratch/old.bin" "$file"
            chmod "$mode" "$file"
            chown nobody:nogroup "$file"
            setfacl -m u:daemon:rw "$file"
            ln -f "$file" "$dir/alias.ini"
            before=$(identity "$file")
            drive write "$(winpath "$file")" "$(winpath "$scratch/new.bin")" || fail "$case/$mode: refused"
            same_bytes "$case/$mode" "$file" "$scratch/new.bin"
            same_bytes "$case/$mode: the other name" "$dir/alias.ini" "$scratch/new.bin"
            expect_eq "$case/$mode: mode, owner, links and access list" "$(identity "$file")" "$before"
            expect_eq "$case/$mode: what is left beside it" "$(ls "$dir" | tr '\n' ' ')" "alias.ini qv3server.ini "
            rm -f "$file" "$dir/alias.ini"
        done

        # No file yet: made whole, with nothing beside it.
        drive write "$(winpath "$file")" "$(winpath "$scratch/new.bin")" || fail "$case/new: refused"
        same_bytes "$case/new" "$file" "$scratch/new.bin"
        expect_eq "$case/new: what is left beside it" "$(ls "$dir" | tr '\n' ' ')" "qv3server.ini "

        # What stands at the journal's name and is not a journal (a link, a folder, another file's second
        # name, or the operator's own note or empty file): refused, and everything stays as it was.
        # Wine shows a link to nothing as no file at all, so only the write itself finds that one.
        cp "$scratch/old.bin" "$file"
        for stale in link dangling folder hardlink note empty; do
            cp "$scratch/victim.bin" "$dir/victim.txt"
            chmod 600 "$dir/victim.txt"
            case $stale in
            link) ln -s victim.txt "$file.tmp" ;;
            dangling) ln -s nowhere.txt "$file.tmp" ;;
            folder) mkdir "$file.tmp" ;;
            hardlink) ln "$dir/victim.txt" "$file.tmp" ;;
            note) printf 'keep this: the old password\n' >"$file.tmp" ;;
            empty) : >"$file.tmp" ;;
            esac
            [ -f "$file.tmp" ] && [ ! -L "$file.tmp" ] && cp "$file.tmp" "$scratch/stale.bin"
            status=0
            reason=$(drive refusal "$(winpath "$file")") || status=$?
            expect_eq "$case/stale $stale: the dry run's answer" "$status" "$([ $stale = dangling ] && echo 0 || echo 2)"
            [ $stale = dangling ] || [[ $reason == *"qv3server.ini.tmp beside the INI file is not a journal"* ]] ||
                fail "$case/stale $stale: reason '$reason'"
            status=0
            drive write "$(winpath "$file")" "$(winpath "$scratch/new.bin")" || status=$?
            expect_eq "$case/stale $stale: the write" "$status" 1
            same_bytes "$case/stale $stale: the file" "$file" "$scratch/old.bin"
            same_bytes "$case/stale $stale: the victim" "$dir/victim.txt" "$scratch/victim.bin"
            case $stale in
            link | dangling) [ -L "$file.tmp" ] || fail "$case/stale $stale: the link went" ;;
            folder) [ -d "$file.tmp" ] || fail "$case/stale folder: the folder went" ;;
            hardlink) expect_eq "$case/stale hardlink: the victim's links" "$(stat -c %h "$dir/victim.txt")" 2 ;;
            *) same_bytes "$case/stale $stale: what stands beside" "$file.tmp" "$scratch/stale.bin" ;;
            esac
            expect_eq "$case/stale $stale: what is left" "$(ls "$dir" | tr '\n' ' ')" \
                "qv3server.ini qv3server.ini.tmp victim.txt "
            rm -rf "$file.tmp" "$dir/victim.txt" "$dir/nowhere.txt"
        done

        # A torn journal (its first bytes, the rest lost with the power) never reached the file: replaced.
        printf 'SKYVARN JOURNAL\n and the rest was lost' >"$file.tmp"
        drive write "$(winpath "$file")" "$(winpath "$scratch/new.bin")" || fail "$case/torn journal: refused"
        same_bytes "$case/torn journal" "$file" "$scratch/new.bin"
        [ -e "$file.tmp" ] && fail "$case/torn journal: still there"
        rm -f "$file"
    done
done
echo "links_modes: $failures failures"
[ "$failures" -eq 0 ]
