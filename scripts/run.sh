#!/usr/bin/env bash
# scripts/run.sh [DIR]: builds the editor and opens the release under Wine on the qv3server.ini of DIR
# (default: the current directory); the editor edits the file of the folder it is started in.
#   --screenshot FILE   opens it on a virtual display, saves a PNG of its window to FILE and closes it
#   --web               serves it to a browser instead (scripts/web.sh), with these before or after DIR:
#     --port N          on port N of 127.0.0.1 (default: a free one), for an SSH tunnel
#     --listen ADDR --cert FILE   on ADDR, TLS only, with FILE's certificate and key (PEM)
# The editor already open on DIR is brought to the front; one open on another folder is never ended.
set -eu
source "$(dirname "$0")/lib.sh"

mode=desktop shot="" dir="" web=()
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot) [ $# -ge 2 ] || die "--screenshot needs the file to save the picture in."
                      mode=screenshot shot=$(realpath -m -- "$2"); shift 2 ;;
        --web) mode=web; shift ;;
        --port | --listen | --cert) [ $# -ge 2 ] || die "$1 needs a value; see run.sh --help."
                                    web+=("$1" "$2"); shift 2 ;;
        -h|--help) sed -n '2,8p' "$0" | cut -c3-; exit 0 ;;
        -*) die "unknown option $1; see run.sh --help." ;;
        *) [ -z "$dir" ] || die "give one folder, not two ($dir and $1)."
           dir=$1; shift ;;
    esac
done
if [ "$mode" = web ]; then
    [ -x "$root/scripts/web.sh" ] || die "the browser mode (scripts/web.sh) is not part of this copy."
    [ ${#web[@]} -eq 0 ] || read_web_options "${web[@]}"
elif [ ${#web[@]} -gt 0 ]; then
    die "${web[0]} is an option of the browser mode; give --web too."
fi
wine_folder "$dir"

if [ "$mode" = desktop ] && ! have_display; then
    die "there is no display to show the editor on: log in with ssh -X (or -Y) to bring it to your desktop, or serve it to a browser with run.sh --web."
fi

arch=$(windows_build)
build_windows "$arch"
wine_environment "$(operator_prefix)"
export SKYVARN_EXE="$root/build/$arch/bin/skyvarn-config.exe" SKYVARN_DIR="$here"
[ "$mode" = desktop ] || virtual_display
prepare_prefix

# One editor per prefix: the program itself brings an open one to the front, which is right only when
# that one edits the same file.
open=$(open_editor_folder) || true
if [ -n "$open" ] && [ "$open" != "$here" ]; then
    die "the editor is open on $open and must be closed first (Build INI File keeps its changes); then run.sh can open $shown."
fi

if [ "$mode" = web ]; then
    end_virtual_display
    exec "$root/scripts/web.sh" "${web[@]}"
fi

if [ -n "$open" ] && [ "$mode" = screenshot ]; then
    die "the editor is open on $open; close it first to take a picture of a fresh one."
fi
# The editor ends with status 1 once its window is closed (Exit, Alt+X, the close box), and with 0 when it
# handed over to one already open; any other status is Wine's own (it could not start the editor) or a
# crash's.
run_editor() {
    local status=0
    wine "$SKYVARN_EXE" 2>>"$SKYVARN_LOG" || status=$?
    [ "$status" -le 1 ] ||
        die "the editor did not end normally: Wine ended it with status $status (it could not start it, or the editor crashed); Wine's messages are in $SKYVARN_LOG."
}
if [ -n "$open" ]; then
    say "the editor is already open on $shown; bringing it to the front."
    cd "$here" && run_editor
    exit 0
fi

say "starting Wine: the editor opens on $shown."
cd "$here"
if [ "$mode" = desktop ]; then
    run_editor
    exit 0
fi

# --screenshot: the editor this script starts is the one it ends.
wine "$SKYVARN_EXE" >/dev/null 2>>"$SKYVARN_LOG" &
editor=$!
# Wine makes the window before it centres and shows it: only a shown one is the editor on the screen.
shown_window() { xdotool search --onlyvisible --name "^$editor_caption\$" 2>/dev/null | head -1; }
editor_shown() { [ -n "$(shown_window)" ]; }
if ! await "$editor" editor_shown; then
    kill "$editor" 2>/dev/null || true
    die "the editor did not open (it ended, or a minute went by); Wine's messages are in $SKYVARN_LOG."
fi
window=$(shown_window)
sleep 1  # let it paint
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { printf "%dx%d+%d+%d", w, h, x, y }')
import -window root miff:- | convert - -crop "$geometry" +repage "$shot"
kill "$editor"
wait "$editor" 2>/dev/null || true
say "saved the editor's window to $shot and closed the editor."
