#!/usr/bin/env bash
# The operator's scripts as an operator runs them: tests/scripts/operator_test.sh run|check. Each part has a
# folder, a Wine prefix (SKYVARN_PREFIX) and a virtual display of its own; the editors it opens are driven
# with the keyboard through the display (xdotool).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/lib.sh"
part=$1
work="$root/build/test-scripts-$part"
export SKYVARN_PREFIX="$work/prefix"
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Runs a command with its output in NAME.out and NAME.err, and fails (returning 1) unless it ends with WANT.
expect_exit() {  # WANT NAME COMMAND ...
    local want=$1 name=$2 status=0
    shift 2
    "$@" >"$name.out" 2>"$name.err" || status=$?
    [ "$status" = "$want" ] || { fail "$name: exit status $status, expected $want"; cat "$name.err"; return 1; }
}
expect_in() { grep -qF -- "$2" "$1" || { fail "$3: no \"$2\" in:"; cat "$1"; }; }  # FILE TEXT WHAT
# The settings file of a folder: a complete one, with a description holding 0xE9 and lists holding 0xC7.
settings() {
    printf '[QV3Server]\r\nserverDesc="Caf\xe9 de la Gare"\r\nmaxPlayers=32\r\nclientTimeoutSec=120\r\npassword=secret\r\nrandomizeMap=0\r\nuseMap=VERDUN\r\nregionSize=MEDIUM\r\nlandmarkDensity=MODERATE\r\nstartDate=1917-04-15\r\nstartTime=6:30\r\nnightRate=30.0\r\ndayRate=60.0\r\ngameLengthInSeconds=3600\r\ndifficulty=VETERAN\r\ngameMode=ADVANCED\r\ngameType=TEAM_MELEE\r\ncloudsOn=1\r\ntorqueOn=1\r\nunlimitedAmmo=0\r\nrocketsAllowed=1\r\nlimitedFuel=1\r\nsecurityEnabled=1\r\nminAerosPerSide=2\r\nmaxPlaneTypes=9\r\nminKillsToScore=5\r\nhistoricAircraftDates=1\r\nhideTeamIndicators=0\r\nbalanceLandmarks=1\r\ntargetSwapTimeInSeconds=600\r\nplayersPerTarget=4\r\ntargetRegionSize=LARGE\r\ngermansDefendFirst=1\r\nendOnNoTargets=1\r\nautoRestartServer=1\r\ndeadTargetsRemoved=0\r\nautoRepairTargets=1\r\ntargetsChangeTeams=0\r\nmanuallyChooseTargets=1\r\nmanualTargetsProgress=1\r\nmanualTargetsAtATime=3\r\nfriendlyFire=0\r\nnumVoraks=2\r\nvoraksGlow=1\r\nFOKKER_EIII=1,1915-07-01,1916-12-31\r\nALBATROS_DII=1\r\nHALBERSTADT_DII=0\r\nALBATROS_DIII=1\r\nALBATROS_DV=1\r\nFOKKER_DRI=1,1917-08-01,1918-05-31\r\nPFALZ_DIII=1\r\nFOKKER_DVII=1\r\nPFALZ_DXII=0\r\nMORANE_BULLET=1\r\nNIEUPORT_11=1\r\nNIEUPORT_17=1\r\nSPAD_VII=1\r\nSPAD_XIII=1,1917-09-01,1918-11-11\r\nAIRCO_DH2=1\r\nSOPWITH_PUP=1\r\nSOPWITH_TRIPLANE=0\r\nSOPWITH_CAMEL=1\r\nSOPWITH_SNIPE=1\r\nNIEUPORT_24=1\r\nNIEUPORT_28=1\r\nSE5A=1\r\n[RegisterWith]\r\nTCP:master.example.net\r\nUDP:gr\xc7ce.example.net\r\n[Clients]\r\nCookie=alpha\r\nCookie=b\xc7ta\r\n'
}
# The editor's shown window, waited for (at most a minute and a half, the prefix being made meanwhile): Wine
# makes it some time before it shows it, and an unshown window takes no keys.
editor_window() {
    for _ in $(seq 1 450); do
        xdotool search --onlyvisible --name "^$editor_caption\$" 2>/dev/null | head -1 | grep . && return 0
        sleep 0.2
    done
    return 1
}
focus() { await $$ xdotool windowfocus --sync "$1" 2>/dev/null; }
# Presses Alt+B in the editor and waits until the file has been written (a build writes it even when its
# bytes stay the same, so its time of change moves; nanoseconds tell two builds of one second apart).
changed_since() { [ "$(stat -c %y "$1")" != "$2" ]; }  # FILE TIME
build_in_editor() {  # WINDOW FILE
    local before
    before=$(stat -c %y "$2")
    focus "$1"
    xdotool key alt+b
    await $$ changed_since "$2" "$before"
}
# The prefix is this test's own: whatever runs in it was started by this test, or by an earlier run of it
# that was stopped half-way (by its time limit, say) and left its editor running.
end_prefix() { "$root/scripts/wine-prefix.sh" down "$SKYVARN_PREFIX"; }
end_prefix
rm -rf "$work/folders"
mkdir -p "$work/folders"
cd "$work/folders"
virtual_display
at_exit end_prefix
XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1 && fail "the scripts' virtual display lets in a client without its cookie"

if [ "$part" = run ]; then
    # A first run: the prefix is made anew and says so.
    rm -rf "$SKYVARN_PREFIX"
    first="Ærø 'arena' 1"
    mkdir "$first" other "東京 server"
    settings >"$first/qv3server.ini"
    cp "$first/qv3server.ini" original.ini

    echo "- run.sh --help names the browser mode's options too"
    expect_exit 0 help "$root/scripts/run.sh" --help
    for option in --web --port --listen --cert; do expect_in help.out "$option" "run.sh --help"; done

    echo "- refused before anything starts: no display, a folder code page 1252 cannot spell, --listen without --cert"
    expect_exit 2 nodisplay env -u DISPLAY "$root/scripts/run.sh" "$first" && expect_in nodisplay.err "ssh -X" "run.sh"
    expect_exit 2 unnameable "$root/scripts/run.sh" "東京 server" && expect_in unnameable.err "東京 server" "run.sh"
    expect_exit 2 nocert "$root/scripts/run.sh" --web --listen 0.0.0.0 && expect_in nocert.err "--cert" "run.sh --web"
    [ -d "$SKYVARN_PREFIX" ] && fail "a refused run.sh prepared a prefix"

    echo "- a folder with blanks, a quote and non-ASCII letters, the first run: progress, then the editor"
    "$root/scripts/run.sh" "$PWD/$first" 2>first.err &
    first_run=$!
    if window=$(editor_window); then
        expect_in first.err "preparing the Wine prefix" "the first run's progress"
        expect_in first.err "starting Wine" "the first run's progress"
        # The editor shows that folder's values: a build without edits writes the very same bytes, the
        # 0xE9 of the description and the 0xC7 of the lists among them, into that folder's file.
        build_in_editor "$window" "$first/qv3server.ini" || fail "Alt+B did not replace $first/qv3server.ini"
        cmp -s original.ini "$first/qv3server.ini" || fail "a build without edits changed the file"

        # An edit typed but not built: Tab twice from the start reaches the description.
        focus "$window"
        xdotool key Tab Tab
        xdotool type "Typed, not built"

        echo "- a second run.sh on the same folder, given relatively, brings the editor to the front"
        # (Bounded: a second editor opened instead would wait for its operator.)
        expect_exit 0 same timeout 60 "$root/scripts/run.sh" "$first" && expect_in same.err "already open" "run.sh"

        echo "- a second run.sh on another folder names the open editor's folder and refuses"
        expect_exit 2 other timeout 60 "$root/scripts/run.sh" other && expect_in other.err "$PWD/$first" "run.sh"

        echo "- the first editor still runs with the typed edit, which a build then writes"
        [ "$(editor_window)" = "$window" ] || fail "the first editor's window is gone"
        build_in_editor "$window" "$first/qv3server.ini" || fail "the first editor no longer builds"
        grep -qa '^serverDesc="\?Typed, not built' "$first/qv3server.ini" || fail "the typed edit was lost"

        echo "- Alt+X closes the editor, and run.sh ends with status 0"
        focus "$window"
        xdotool key alt+x
        for _ in $(seq 1 300); do kill -0 "$first_run" 2>/dev/null || break; sleep 0.1; done
        if kill -0 "$first_run" 2>/dev/null; then
            fail "Alt+X did not end the editor"
        else
            wait "$first_run" || fail "run.sh ended with $? after Alt+X"
        fi
    else
        fail "the editor did not open"
        cat first.err
    fi
else
    same="same values" change="to change" missing="no file"
    mkdir "$same" "$change" "$missing" bitmap
    settings >"$same/qv3server.ini"
    settings | sed 's/^dayRate=60.0/dayRate=2000/; s/^cloudsOn=1/cloudsOn=yes/' >"$change/qv3server.ini"

    echo "- an editor open beside three checks at once: 0, 1 with its diff, 2 with its reason"
    "$root/scripts/run.sh" "$same" 2>editor.err &
    window=$(editor_window) || { fail "the editor did not open"; cat editor.err; }
    expect_exit 0 same "$root/scripts/check.sh" "$same" & a=$!
    expect_exit 1 change "$root/scripts/check.sh" "$change" & b=$!
    expect_exit 2 missing "$root/scripts/check.sh" "$missing" & c=$!
    # (Each ran in a job of its own, whose failures are counted here.)
    for job in $a $b $c; do wait "$job" || failures=$((failures + 1)); done
    [ -s same.out ] && { fail "check.sh printed a diff for the unchanged file"; cat same.out; }
    # The check's diff as it gave it, with the file's CR LF line ends (so that patch applies it).
    for line in -dayRate=2000 +dayRate=1440.0 -cloudsOn=yes +cloudsOn=1; do
        grep -qx -- "$line"$'\r' change.out || { fail "no $line in check.sh's diff:"; cat change.out; }
    done
    # The reason names the folder as it was typed, not its Wine path.
    expect_in missing.err "there is no qv3server.ini in $missing" "check.sh's reason"
    [ -n "${window:-}" ] && { [ "$(editor_window)" = "$window" ] || fail "the checks ended the open editor"; }

    echo "- one call on many folders answers in JSON, in UTF-8, a refused folder among them"
    expect_exit 2 many "$root/scripts/check.sh" --json --set maxPlayers=40 "$same" "$missing"
    expect_exit 0 got "$root/scripts/check.sh" --json --get serverDesc --get servers "$same"
    python3 - "$same" "$missing" <<'PYTHON' || fail "check.sh's JSON answers"
import json, sys
same, missing = sys.argv[1:]
many, got = json.load(open('many.out', encoding='utf-8')), json.load(open('got.out', encoding='utf-8'))
checks = [
    ([a['folder'] for a in many] == [same, missing], 'the folders as typed'),
    ((many[0]['status'], many[0]['changed'], many[0]['written']) == (1, True, False), 'the dry run changes'),
    (many[0]['changes'] == [{'section': 'QV3Server', 'key': 'maxPlayers', 'before': '32', 'after': '40'}],
     'the one change'),
    ('+maxPlayers=40' in many[0]['diff'], 'the diff'),
    (many[1]['status'] == 2 and 'there is no qv3server.ini in ' + missing in many[1]['error'], 'the refusal'),
    (got[0]['values'] == {'serverDesc': 'Caf\u00e9 de la Gare',
                          'servers': ['TCP:master.example.net', 'UDP:gr\u00c7ce.example.net']}, 'the values read'),
]
for good, what in checks:
    if not good:
        print('FAILED:', what, json.dumps(many if 'values' not in what else got, ensure_ascii=False)[:600])
sys.exit(0 if all(good for good, _ in checks) else 1)
PYTHON

    echo "- a list too long for a Windows command line: 2 and a sentence, not Wine's 1 without the check"
    long=$(printf 'TCP:s%d.n,' $(seq 1 10000))
    expect_exit 2 long "$root/scripts/check.sh" --servers "${long%,}" "$change" &&
        expect_in long.err "command line is" "check.sh with 10,000 servers"

    echo "- the same 10,000 servers from a file: read whole"
    tr , '\n' <<<"${long%,}" >servers.txt
    expect_exit 1 listed "$root/scripts/check.sh" --servers @servers.txt "$change" &&
        expect_in listed.out $'+TCP:s10000.n\r' "check.sh --servers @FILE with 10,000 servers"

    echo "- --keys alone is answered without a build while the build is current"
    expect_exit 0 keys "$root/scripts/check.sh" --keys && expect_in keys.out "maxPlayers" "check.sh --keys"
    grep -q building keys.err && fail "check.sh --keys built: $(cat keys.err)"

    echo "- the build is current only while its last build started after every file that goes into it changed"
    tree=$work/tree real_root=$root
    rm -rf "$tree"
    # (A folder stands for each file that goes into the build too: its time is what counts.)
    mkdir -p "$tree/build" "${build_inputs[@]/#/$tree/}"
    touch "$tree/settings/page.cpp"
    root=$tree
    built() { find "$tree" -exec touch -d '2 minutes ago' {} +; touch -d '1 minute ago' "$(build_stamp win32)"; }
    built; build_is_current win32 || fail "a build begun after every change is not current"
    built; touch "$tree/settings/page.cpp"; build_is_current win32 && fail "an edited source kept it current"
    built; rm "$tree/settings/page.cpp"; build_is_current win32 && fail "a removed source kept it current"
    built; rm "$(build_stamp win32)"; build_is_current win32 && fail "no build through the scripts, yet current"
    root=$real_root

    echo "- a folder code page 1252 cannot name is refused by name"
    mkdir "東京 server"
    expect_exit 2 unnameable "$root/scripts/check.sh" "東京 server" &&
        expect_in unnameable.err "東京 server" "check.sh"

    echo "- a map's bitmap opens in the desktop's own viewer (xdg-open)"
    mkdir -p bitmap/landmarks bin
    printf 'BM' >bitmap/landmarks/verdun.bmp
    printf '#!/bin/sh\necho "$@" >>"%s/opened.txt"\n' "$PWD" >bin/xdg-open
    chmod +x bin/xdg-open
    (wine_environment "$SKYVARN_PREFIX"
     cd bitmap && PATH="$work/folders/bin:$PATH" wine start 'landmarks\verdun.bmp' 2>>"$SKYVARN_LOG")
    for _ in $(seq 1 100); do [ -s opened.txt ] && break; sleep 0.1; done
    expect_in opened.txt "$PWD/bitmap/landmarks/verdun.bmp" "opening a bitmap"
fi

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))
