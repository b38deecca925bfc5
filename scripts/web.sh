#!/usr/bin/env bash
# scripts/web.sh [--port N] [--listen ADDR --cert FILE]: serves the editor to a browser, for hosts without a
# display. run.sh --web starts it once the editor is built and its Wine prefix is ready, with WINEPREFIX,
# WINEDEBUG, WINEDLLOVERRIDES, LC_ALL, SKYVARN_EXE (the editor), SKYVARN_DIR (the folder it edits) and
# SKYVARN_LOG (where Wine's messages go) set.
#
# The editor runs on a private virtual display; x11vnc serves that display on a Unix socket in a folder only
# this user may enter; websockify serves noVNC on 127.0.0.1 and connects a browser's WebSocket to that
# socket only when it carries this run's secret. When the editor ends, or on Ctrl-C or a hang-up, every
# process this script started is ended by its id, and nothing is left listening.
set -eu
source "$(dirname "$0")/lib.sh"
read_web_options "$@"
for variable in WINEPREFIX SKYVARN_EXE SKYVARN_DIR SKYVARN_LOG; do
    [ -n "${!variable:-}" ] || die "$variable is not set; start the web mode with scripts/run.sh --web."
done
[ -d "$SKYVARN_DIR" ] || die "$SKYVARN_DIR is not a directory."
[ -f "$SKYVARN_EXE" ] || die "$SKYVARN_EXE does not exist; build it first (scripts/run.sh --web does)."

"$root/scripts/install-deps.sh" web || die "installing the packages of the web mode failed."

# The editor's display, private to this run. Each process of the run is in a session of its own, so that
# Ctrl-C and a hang-up reach only this script, which then ends them in order.
trap 'exit 130' INT
trap 'exit 129' HUP
trap 'exit 143' TERM
screen_width=1024 screen_height=768
virtual_display "${screen_width}x${screen_height}"

# Everything else of this run that others must not read lives here: the VNC socket, the secret's token file
# and the logs (which name the secret). mktemp makes the folder 0700.
private=$(mktemp -d "${TMPDIR:-/tmp}/skyvarn-web.XXXXXXXX")
case $private in
    # websockify's token file separates the target's parts with colons.
    *:*) rmdir "$private"; die "the temporary folder $private holds a colon; set TMPDIR to another." ;;
esac

editor_pid= vnc_pid= proxy_pid= wine_started=
# Runs before the display is ended (see at_exit).
finish() {
    trap '' INT HUP TERM PIPE
    stop "$editor_pid"
    # The page asks for this file when its connection closes: present, the editor has ended; missing, the
    # connection was taken over by another browser.
    [ -d "$private/www" ] && : >"$private/www/ended"
    stop "$vnc_pid"
    # A moment for the page to ask, while websockify still answers.
    [ -n "$proxy_pid" ] && sleep 1
    stop "$proxy_pid"
    # Wine's own helpers of the prefix (its server, the desktop process on this display) end a few
    # seconds after the editor unless other programs of the prefix still run; they are not ours to end.
    [ -n "$wine_started" ] && timeout 15 wineserver -w 2>/dev/null
    # A refusal (status 2) shows the end of what the helpers said.
    if [ "$exit_status" -eq 2 ]; then
        for log in "$private"/*.log; do
            [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; } >&2 2>/dev/null
        done
    fi
    rm -rf "$private"
    case $exit_status in
        0) say "the editor has ended." ;;
        129|130|143) say "stopped; the editor has ended, and what was not built is discarded." ;;
    esac
}
at_exit finish

(cd "$SKYVARN_DIR" && exec setsid wine "$SKYVARN_EXE") </dev/null >>"$SKYVARN_LOG" 2>&1 &
editor_pid=$!
wine_started=yes
# The main window's size and place once the editor has centred it; the picture is cut to it.
where() {
    local size='\([0-9]*x[0-9]*+[0-9]*+[0-9]*\)'
    xwininfo -root -tree 2>/dev/null |
        sed -n "s/^ *0x[0-9a-f]* \"$editor_caption\".* $size .*/\1/p" | head -1
}
shown() {
    [ -n "$(where)" ]
}
# The editor centres its window on the screen soon after it first shows it.
centred() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$(where)"
    [ $(((screen_width - w) / 2 - x)) -ge -1 ] && [ $(((screen_width - w) / 2 - x)) -le 1 ] &&
        [ $(((screen_height - h) / 2 - y)) -ge -1 ] && [ $(((screen_height - h) / 2 - y)) -le 1 ]
}
await "$editor_pid" shown ||
    die "the editor ended before its window opened (is it open already in this Wine prefix? Wine's messages: $SKYVARN_LOG)."
for _ in $(seq 1 50); do
    centred && break
    sleep 0.2
done
geometry=$(where)

# One viewer at a time: a new connection takes over and the old one is dropped (-nevershared -forever),
# so a browser left open elsewhere, or a dead tunnel, cannot lock the operator out. Without a display
# manager to wait for, x11vnc takes the clipboard at once instead of some 10 to 45 s into a connection.
X11VNC_AVOID_WINDOWS=never setsid x11vnc -display "$DISPLAY" -unixsock "$private/vnc.sock" \
    -rfbport 0 -rfbportv6 -1 -no6 -noipv6 -nevershared -forever -clip "$geometry" -safer -nopw \
    -desktop "Skyvarn server configuration" -o "$private/x11vnc.log" </dev/null >/dev/null 2>&1 &
vnc_pid=$!
await "$vnc_pid" test -S "$private/vnc.sock" || die "x11vnc did not start."

# The web root: noVNC as Debian ships it, and this project's page in front of it.
mkdir "$private/www"
for part in app core vendor vnc.html; do
    ln -s "/usr/share/novnc/$part" "$private/www/$part"
done
cp "$root/scripts/web-page.html" "$private/www/index.html"
secret=$(od -An -N32 -tx1 /dev/urandom | tr -d ' \n')
(umask 077 && echo "$secret: unix_socket:$private/vnc.sock" >"$private/tokens")

tls=()
scheme=http
if [ -n "$cert" ]; then
    tls=(--cert "$(cd "$(dirname "$cert")" && pwd)/$(basename "$cert")" --ssl-only)
    scheme=https
fi
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
serving() {
    grep -q 'proxying from' "$private/websockify.log"
}
# A port chosen here may be taken by another program before websockify binds it: then another is tried.
for attempt in 1 2 3 4 5; do
    chosen=${port:-$(free_port)}
    setsid websockify --web "$private/www" --token-plugin TokenFile --token-source "$private/tokens" \
        "${tls[@]}" "$listen:$chosen" </dev/null >"$private/websockify.log" 2>&1 &
    proxy_pid=$!
    if await "$proxy_pid" serving; then
        break
    fi
    wait "$proxy_pid" 2>/dev/null || true
    proxy_pid=
    if [ -n "$port" ] || [ "$attempt" -eq 5 ]; then
        die "websockify could not listen on $listen:$chosen (is the port in use? choose another with --port)."
    fi
done

# What the operator needs is this command's answer, on standard output.
host=$listen
if [ "$listen" = 127.0.0.1 ]; then
    echo "The editor of $SKYVARN_DIR is served on 127.0.0.1:$chosen. From your own machine, open a tunnel:"
    echo "ssh -N -L $chosen:127.0.0.1:$chosen $(id -un)@$(hostname)"
else
    [ "$listen" = 0.0.0.0 ] && host=$(hostname)
    echo "The editor of $SKYVARN_DIR is served on $listen:$chosen with TLS (certificate $cert)."
    echo "No tunnel is needed; the certificate must be one your browser trusts."
fi
echo "$scheme://$host:$chosen/#secret=$secret"

wait "$editor_pid" || true
editor_pid=
