# Sourced by the scripts: how they speak, the build, the Wine environment, the display, the operator's Wine
# prefix and the running editor. Each command script reads top to bottom around these.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
me=$(basename "$0")

# Progress and refusals go to standard error, so that standard output stays the command's own answer. After
# a hang-up the terminal is gone, and that must not stop a script's tidying.
say() { echo "$me: $*" >&2 || true; }
die() { say "$@"; exit 2; }

# The main window's caption, as resources/resource.h gives it to the programs: how the scripts and their
# tests find the editor's window.
editor_caption='Skyvarn - Arena Server Configuration'

# Tidying when the script ends, however it ends (done, refused, Ctrl-C): the functions given run once, the
# one given last first, with $exit_status holding the status the script ends with.
exit_actions=()
at_exit() {
    exit_actions=("$1" "${exit_actions[@]}")
    trap 'exit_status=$?; run_exit_actions' EXIT
}
run_exit_actions() {
    local action
    set +e
    for action in "${exit_actions[@]}"; do "$action"; done
}

# Waits (at most about 60 s) until the command given after the process id succeeds, while that process
# lives.
await() {
    local pid=$1
    shift
    for _ in $(seq 1 600); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Ends one process this script started, by its id, and reaps it; one that ignores SIGTERM gets SIGKILL.
stop() {
    local pid=$1 state
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do
        state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1)
        [ -z "$state" ] || [ "$state" = Z ] && break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Installs what is missing and builds one Windows build (win32 or win64), saying so first. Builds are
# serialised, as several checks may start at once; the build's own output goes to a log shown on failure.
build_windows() {
    local target=$1 log="$root/build/build.log" stamp
    stamp=$(build_stamp "$1")
    mkdir -p "$root/build"
    "$root/scripts/install-deps.sh" >&2 || die "installing the packages failed."
    say "building the editor ($target) ..."
    (
        flock 9
        # Made as the build starts: what was changed before then is in what the build makes.
        rm -f "$stamp"
        touch "$stamp.new"
        { [ -f "$root/build/build.ninja" ] || cmake -S "$root" --preset default; } >"$log" 2>&1 &&
            cmake --build "$root/build" --target "$target" >>"$log" 2>&1 &&
            mv -f "$stamp.new" "$stamp"
    ) 9>"$root/build/.build.lock" || { cat "$log" >&2; die "the build failed; its output is above and in $log."; }
}
# The time the last build of a Windows build through these scripts started.
build_stamp() { echo "$root/build/.built-$1"; }

# True when the last build of a Windows build through these scripts started after every file it reads last
# changed (the sources, resources and CMake files; adding or removing one changes its folder's time too), so
# that building again would change nothing. A change in the second the build started counts as later. Asked
# under the build's lock, so that a build under way is waited for.
build_inputs=(app settings targets registration check resources cmake CMakeLists.txt CMakePresets.json)
build_is_current() {
    local stamp newer
    stamp=$(build_stamp "$1")
    newer=$(
        exec 9>>"$root/build/.build.lock"
        flock -s 9
        [ -f "$stamp" ] || exit 1
        cd "$root" && find "${build_inputs[@]}" \
            -newermt "@$(stat -c %Y "$stamp")" -print -quit
    ) && [ -z "$newer" ]
}

# The release is the 32-bit program; a machine whose kernel runs no 32-bit programs has no 32-bit Wine,
# and there the 64-bit build of the same sources stands in.
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
windows_build() {
    if wine32_runs; then echo win32; else echo win64; fi
}

# Wine runs in a UTF-8 locale: under C it cannot enter a folder with non-ASCII letters in its name. C.UTF-8
# is present on every Debian system; with it the programs get Windows code page 1252.
wine_environment() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
    export SKYVARN_LOG="$1.log"
}

# The operator's one prefix, shared by run.sh and check.sh; tests name prefixes of their own.
operator_prefix() { realpath -m -- "${SKYVARN_PREFIX:-$root/build/wineprefix-operator}"; }

# True when DISPLAY names an X display that answers.
have_display() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

# Starts a virtual display of this script's own (WIDTHxHEIGHT, 1280x1024 unless given), ended when the script
# ends, and points DISPLAY at it. It takes the first free number and admits only holders of its cookie, kept
# in a folder only this user may enter; it runs in a session of its own, so that Ctrl-C reaches only the
# script, which then ends it. It never resets: by default an X server resets when its last client leaves, and
# a client that connects just then is refused (2 in 300 quick connections beside a polling xdotool).
virtual_display() {
    local cookie
    display_folder=$(mktemp -d "${TMPDIR:-/tmp}/skyvarn-display.XXXXXXXX")
    at_exit end_virtual_display
    export XAUTHORITY="$display_folder/Xauthority"
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
    setsid Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset -auth "$XAUTHORITY" \
        3>"$display_folder/number" </dev/null >"$display_folder/Xvfb.log" 2>&1 &
    xvfb=$!
    await "$xvfb" grep -q '^[0-9]' "$display_folder/number" ||
        { tail -n 20 "$display_folder/Xvfb.log" >&2; die "the virtual display (Xvfb) did not start."; }
    export DISPLAY=":$(head -1 "$display_folder/number")"
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
}
end_virtual_display() {
    stop "${xvfb:-}"
    xvfb=""
    [ -z "${display_folder:-}" ] || rm -rf "$display_folder"
    display_folder=""
}

# The Wine server of a prefix works in a folder named after the prefix's device and inode (in a temporary
# folder of its own on Debian): a process working there is that server. Found through /proc, without
# starting one.
prefix_in_use() {
    local name cwd
    name=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX" 2>/dev/null || echo 0 0))
    for cwd in /proc/[0-9]*/cwd; do
        case "$(readlink "$cwd" 2>/dev/null)" in */"$name") return 0 ;; esac
    done
    return 1
}

# The folder of the editor that runs in this prefix, if one does: the process of skyvarn-config.exe whose
# WINEPREFIX is ours works in the folder it was started in.
open_editor_folder() {
    local pid
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        case "$(head -zn1 "/proc/$pid/cmdline" 2>/dev/null | tr -d '\0')" in
            *skyvarn-config.exe) ;;
            *) continue ;;
        esac
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        readlink "/proc/$pid/cwd" && return 0
    done
    return 1
}

# The folder a script works in, named by the operator (the current directory when empty): sets `shown`, the
# folder as typed, for messages, and `here`, its physical path. The programs are ANSI programs in code page
# 1252: a folder whose path that code page cannot spell, or that holds a character Windows refuses in a
# name, would reach them as another folder, and is refused.
wine_folder() {
    shown=${1:-$PWD}
    [ "$shown" = / ] || shown=${shown%/}
    [ -d "${1:-.}" ] || die "$shown is not a folder; give the folder that holds (or is to hold) qv3server.ini."
    here=$(cd -- "${1:-.}" && pwd -P) || die "cannot enter the folder $shown."
    case "$here" in
        *[\\:*?\"\<\>\|]*) ;;
        *) printf '%s' "$here" | iconv -f UTF-8 -t CP1252 >/dev/null 2>&1 && return 0 ;;
    esac
    die "Wine cannot open $shown under that name (the editor and the check spell paths in Windows code page 1252, without \\ : * ? \" < > |); rename the folder or use another."
}

# A folder's Windows path as the programs see it (drive Z: is the root) and back again for messages.
windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

# Makes the prefix once, with Wine's own fonts and the settings the programs need, and says so. A prefix
# made for another Wine or before 32-bit Wine came is made anew, unless a program of it still runs.
prepare_prefix() {
    local stamp wine_version started
    wine_version=$(wine --version 2>/dev/null)
    stamp="$wine_version, fonts-wine copied, wine32=$([ -x /usr/lib/wine/wine ] && echo yes || echo no), bmp viewer"
    [ "$(cat "$WINEPREFIX/.skyvarn-ready" 2>/dev/null)" = "$stamp" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ "$(cat "$WINEPREFIX/.skyvarn-ready" 2>/dev/null)" = "$stamp" ] && exit 0
        if [ -d "$WINEPREFIX" ] && prefix_in_use; then
            die "the Wine prefix $WINEPREFIX was made for another Wine and a program of it still runs; close it, then try again."
        fi
        started=$SECONDS
        say "preparing the Wine prefix $WINEPREFIX (once; about half a minute) ..."
        rm -rf "$WINEPREFIX"
        make_prefix >>"$SKYVARN_LOG" 2>&1 || die "preparing the Wine prefix failed; Wine's messages are in $SKYVARN_LOG."
        echo "$stamp" >"$WINEPREFIX/.skyvarn-ready"
        say "the Wine prefix is ready ($((SECONDS - started)) s, $(du -sm --apparent-size "$WINEPREFIX" | cut -f1) MB of which $(own_megabytes) MB its own)."
    ) 9>"$WINEPREFIX.lock" || exit 2
}

make_prefix() {
    wineboot -i &&
        # Debian's Wine does not look for its own fonts where fonts-wine puts them: without them the
        # dialogs' "MS Sans Serif" would fall back to a much wider font, and Marlett would be missing.
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" &&
        # Wine manages its own windows (with no window manager, hiding one would wait 2 s for it), and a
        # crashing program ends instead of waiting behind a crash dialog.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f &&
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
        # Bitmaps open in the desktop's own viewer: winebrowser hands the file to xdg-open.
        wine reg add 'HKCR\.bmp' /ve /d skyvarn.bitmap /f &&
        wine reg add 'HKCR\skyvarn.bitmap\shell\open\command' /ve /d 'C:\windows\system32\winebrowser.exe "%1"' /f &&
        share_wine_files
}

# wineboot copies each of Wine's 1.2 GB of Windows libraries into the prefix. Where the prefix lies on the
# file system of Wine's own files, each copy that is still byte for byte Wine's file becomes a second name
# of it. Installing another Wine replaces its files under new names, so the prefix's keep the old bytes.
share_wine_files() {
    local file lib twin
    find "$WINEPREFIX/drive_c/windows" -type f -links 1 -print0 | while IFS= read -r -d '' file; do
        for lib in /usr/lib/*-linux-gnu/wine/*-windows; do
            twin="$lib/${file##*/}"
            if [ -f "$twin" ] && cmp -s "$file" "$twin"; then
                ln -f "$twin" "$file" 2>/dev/null
                break
            fi
        done
    done
    return 0
}

# The megabytes of the prefix that are no other file's names.
own_megabytes() {
    find "$WINEPREFIX" -type f -links 1 -printf '%s\n' | awk '{ s += $1 } END { printf "%d", s / 1048576 }'
}

# The browser mode's options, as run.sh --web and web.sh take them: sets port (empty: a free one), listen
# and cert, or refuses them.
read_web_options() {
    port="" listen=127.0.0.1 cert=""
    while [ $# -gt 0 ]; do
        case $1 in
            --port | --listen | --cert) [ $# -ge 2 ] || die "$1 needs a value (--port N, --listen ADDR, --cert FILE)." ;;&
            --port) port=$2; shift 2 ;;
            --listen) listen=$2; shift 2 ;;
            --cert) cert=$2; shift 2 ;;
            *) die "unknown option $1 of the browser mode (its options: --port N, --listen ADDR --cert FILE)." ;;
        esac
    done
    if [ -n "$port" ] && ! { [[ $port =~ ^[0-9]+$ ]] && [ "$port" -ge 1 ] && [ "$port" -le 65535 ]; }; then
        die "--port takes a number from 1 to 65535, not '$port'."
    fi
    # Plain HTTP is for the loopback address only, where the SSH tunnel carries it; anywhere else the secret
    # would cross the network in the clear.
    if [ "$listen" != 127.0.0.1 ] && [ -z "$cert" ]; then
        die "--listen $listen needs --cert FILE (a PEM file with the certificate and its key)."
    fi
    [ -z "$cert" ] || [ -r "$cert" ] || die "cannot read the certificate $cert."
}
