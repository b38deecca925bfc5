# Sourced by the scripts: how they speak, the build, the Wine environment, the display, the operator's Wine
# prefix and the running editor. Each command script reads top to bottom around these.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
me=$(basename "$0")

# Progress and refusals go to standard error, so that standard output stays the command's own answer.
say() { echo "$me: $*" >&2; }
die() { echo "$me: $*" >&2; exit 2; }

# Installs what is missing and builds one Windows build (win32 or win64), saying so first. Builds are
# serialised, as several checks may start at once; the build's own output goes to a log shown on failure.
build_windows() {
    local target=$1 log="$root/build/build.log"
    mkdir -p "$root/build"
    "$root/scripts/install-deps.sh" >&2 || die "installing the packages failed."
    say "building the editor ($target) ..."
    (
        flock 9
        { [ -f "$root/build/build.ninja" ] || cmake -S "$root" --preset default; } >"$log" 2>&1 &&
            cmake --build "$root/build" --target "$target" >>"$log" 2>&1
    ) 9>"$root/build/.build.lock" || { cat "$log" >&2; die "the build failed; its output is above and in $log."; }
}

# The release is the 32-bit program; a machine whose kernel runs no 32-bit programs has no 32-bit Wine,
# and there the 64-bit build of the same sources stands in.
windows_build() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
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

# Starts a virtual display of this script's own, ended when the script ends, and points DISPLAY at it.
virtual_display() {
    local numbers n=""
    numbers=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
    xvfb=$!
    trap end_virtual_display EXIT
    for _ in $(seq 1 100); do
        n=$(cat "$numbers")
        [ -n "$n" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numbers"
    [ -n "$n" ] || die "the virtual display (Xvfb) did not start."
    export DISPLAY=":$n"
}
end_virtual_display() {
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
    xvfb=""
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

# The programs are ANSI programs in code page 1252: a folder whose path that code page cannot spell, or
# that holds a character Windows refuses in a name, would reach them as another folder. True when the
# absolute path of a folder survives the way into Wine.
wine_can_enter() {
    case "$1" in *[\\:*?\"\<\>\|]*) return 1 ;; esac
    printf '%s' "$1" | iconv -f UTF-8 -t CP1252 >/dev/null 2>&1
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
