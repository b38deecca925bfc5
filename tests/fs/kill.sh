#!/usr/bin/env bash
# A measurement, not a timed test: writes killed at random moments, counting the files left torn (the
# next read completes or discards a cut-off write; neither old nor new bytes afterwards is torn). The
# settings file is a link to a file of mode 0640 with a second name, on tmpfs and on ext4 with 1 KiB
# blocks. Usage: kill.sh DRIVER PREFIX SEED COUNT (COUNT kills on each file system)
. "$(dirname "$0")/lib.sh"
server_umask 022

# Two texts of different lengths, so that kills land while the file grows and while it shrinks.
head -c 150000 /dev/urandom | base64 -w 76 >"$scratch/a.bin"
head -c 90000 /dev/urandom | base64 -w 76 >"$scratch/b.bin"
torn=0 journals=0 cut=0 kills=0 retries=0

# The Unix process of the driver started with this mark in its environment.
driver_pid() {
    local entry
    for entry in /proc/[0-9]*; do
        [ "$(cat "$entry/comm" 2>/dev/null)" = fs_driver.exe ] &&
            { tr "\\0" "\\n" <"$entry/environ"; } 2>/dev/null | grep -qx "SKYVARN_FS_ROUND=$1" &&
            { echo "${entry#/proc/}"; return; }
    done
    true
}
for kind in tmpfs ext4; do
    dir=$scratch/$kind
    mount_fs "$kind" "$dir"
    mkdir "$dir/kept"
    cp "$scratch/a.bin" "$dir/kept/server.ini"
    chmod 640 "$dir/kept/server.ini"
    ln "$dir/kept/server.ini" "$dir/kept/alias.ini"
    ln -s kept/server.ini "$dir/qv3server.ini"
    file=$(winpath "$dir/qv3server.ini")
    out=$scratch/$kind.out
    for ((round = 0; round <= count; round++)); do
        rm -f "$out"
        marker=$scratch/$kind/$round
        SKYVARN_FS_ROUND=$marker wine "$driver" churn "$file" "$(winpath "$scratch/a.bin")" \
            "$(winpath "$scratch/b.bin")" >"$out" 2>&1 &
        starter=$!
        until grep -qs '^ready' "$out" || ! kill -0 "$starter" 2>/dev/null; do sleep 0.02; done
        # Wine runs the program in a process of its own beside its starter: found by this round's mark.
        pid=$(driver_pid "$marker")
        # The previous round's kill, as this round's read found it.
        verdict=$(head -n 1 "$out" | tr -d "\r")
        case $verdict in
        a* | b*) ;;
        torn* | unreadable*) torn=$((torn + 1)); echo "round $round on $kind: $verdict" ;;
        *)
            # Wine could not start the driver (it happens, rarely, on a busy machine): the round again.
            echo "round $round on $kind: the driver did not start: $verdict"
            retries=$((retries + 1))
            [ "$retries" -le 5 ] || { fail "the driver did not start $retries times"; break; }
            [ -z "$pid" ] || kill -9 "$pid" 2>/dev/null || true
            wait "$starter" 2>/dev/null || true
            round=$((round - 1))
            continue
            ;;
        esac
        [[ $verdict == *journal* ]] && journals=$((journals + 1))
        [[ $verdict == *cut ]] && cut=$((cut + 1))
        if [ -z "$pid" ]; then
            fail "round $round on $kind: no writer running: $(tail -n 1 "$out")"
        elif [ "$round" -lt "$count" ]; then
            sleep "0.$(printf '%03d' $((RANDOM % 60)))"
            kill -9 "$pid" 2>/dev/null || fail "round $round on $kind: the writer ended: $(tail -n 1 "$out")"
            kills=$((kills + 1))
        else
            kill -9 "$pid" 2>/dev/null || true
        fi
        wait "$starter" 2>/dev/null || true
        # The new bytes left in the journal are no more open to others than the file is.
        [ ! -e "$dir/qv3server.ini.tmp" ] || expect_eq "round $round on $kind: the journal's mode for others" \
            "$(stat -c %a "$dir/qv3server.ini.tmp" | tail -c 2)" 0
    done
    wine "$driver" read "$file" "$(winpath "$scratch/last.bin")" || fail "$kind: the last read"
    expect_eq "$kind: mode, links" "$(stat -c '%a %h' "$dir/kept/server.ini")" "640 2"
    [ -L "$dir/qv3server.ini" ] || fail "$kind: the link was replaced"
    cmp -s "$dir/kept/server.ini" "$dir/kept/alias.ini" || fail "$kind: the second name differs"
done
echo "kill: seed $seed, $kills kills, $torn torn; $journals left a journal, $cut of them a file cut off mid-write, which the next read completed"
[ "$torn" -eq 0 ] && [ "$failures" -eq 0 ]
