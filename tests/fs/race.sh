#!/usr/bin/env bash
# A measurement, not a timed test: builds of the command-line check started together on one folder, each
# setting a key of its own, round after round; first all under one Wine server, then half of them under a
# second prefix's. Counted: changes missing from the file afterwards, answers other than "written", and
# files left beside it; none is the only right count. Usage: race.sh CHECK PREFIX SEED COUNT
display=${DISPLAY:-}
. "$(dirname "$0")/lib.sh"
export DISPLAY=$display   # the check creates its (hidden) window
[ -n "$DISPLAY" ] || { echo "no X display: run the tests under xvfb-run (scripts/test.sh does)" >&2; exit 2; }

# The second prefix: a copy of the first, with a Wine server of its own.
second=$prefix-second
rm -rf "$second"
cp -a "$prefix" "$second"
trap 'WINEPREFIX=$second wineserver -k 2>/dev/null; rm -rf "$second"; cleanup' EXIT
server_umask 022
WINEPREFIX=$second wineserver -p

keys=(serverDesc password clientTimeoutSec minKillsToScore)
lost=0 wrong=0 left=0
for servers in 1 2; do
    for ((round = 0; round < count; round++)); do
        dir=$scratch/$servers-$round
        mkdir "$dir"
        printf '[QV3Server]\r\nmaxPlayers=8\r\n' >"$dir/qv3server.ini"
        for ((writer = 0; writer < ${#keys[@]}; writer++)); do
            value=$((RANDOM % 90 + 10))
            values[writer]=$value
            [ "$servers" = 2 ] && [ $((writer % 2)) = 1 ] && use=$second || use=$prefix
            (
                status=0
                cd "$dir" && WINEPREFIX=$use wine "$driver" --build --set "${keys[writer]}=$value" \
                    >"$scratch/out$writer" 2>"$scratch/err$writer" || status=$?
                echo "$status" >"$scratch/status$writer"
            ) &
        done
        wait
        for ((writer = 0; writer < ${#keys[@]}; writer++)); do
            status=$(cat "$scratch/status$writer")
            pattern="${keys[writer]}=${values[writer]}"
            [ "${keys[writer]}" = serverDesc ] && pattern="serverDesc=\"${values[writer]}\""
            grep -q "^$pattern"$'\r'"\$" "$dir/qv3server.ini" || {
                lost=$((lost + 1)); echo "$servers server(s), round $round: $pattern lost"; }
            [ "$status" = 1 ] || {
                wrong=$((wrong + 1)); echo "$servers server(s), round $round: ${keys[writer]} answered $status: $(cat "$scratch/err$writer")"; }
        done
        extra=$(ls "$dir" | grep -vx qv3server.ini || true)
        [ -z "$extra" ] || { left=$((left + 1)); echo "$servers server(s), round $round: left beside: $extra"; }
    done
done
echo "race: seed $seed, $count rounds of ${#keys[@]} writers under one Wine server and $count under two: $lost lost, $wrong wrong answers, $left rounds left files"
[ "$lost" -eq 0 ] && [ "$wrong" -eq 0 ] && [ "$left" -eq 0 ] && [ "$failures" -eq 0 ]
