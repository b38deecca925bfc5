#!/usr/bin/env bash
# scripts/check.sh [OPTION ...] [DIR] [...]: what "Build INI File" would change in DIR's qv3server.ini
# (default: the current directory), as a unified diff, without writing anything. Exit status 0: no change,
# 1: changes, 2: cannot tell (the reason on standard error). Every argument but the folder goes to the
# check (skyvarn-check.exe) as it is; the check runs in the folder, under Wine, beside an open editor if
# there is one, on a virtual display of its own when there is no display.
set -eu
source "$(dirname "$0")/lib.sh"

# The folder is the first argument that is neither an option nor an option's value (the check's --set,
# --servers, --cookies and --targets take theirs after a blank too); the check is given its Wine path.
args=() dir="" value=no options=yes
for arg in "$@"; do
    if [ "$value" = yes ]; then args+=("$arg"); value=no; continue; fi
    case "$options:$arg" in
        yes:--set | yes:--servers | yes:--cookies | yes:--targets) args+=("$arg"); value=yes ;;
        yes:--) args+=("$arg"); options=no ;;
        yes:-*) args+=("$arg") ;;
        *) if [ -z "$dir" ]; then dir=$arg; else args+=("$arg"); fi ;;
    esac
done
wine_folder "$dir"

arch=$(windows_build)
build_windows "$arch"
wine_environment "$(operator_prefix)"
have_display || virtual_display
prepare_prefix

# The check names the folder by its Windows path, in code page 1252; the operator reads the path typed.
errors=$(mktemp)
status=0
windows=$(windows_path "${here%/}")
args+=("$windows")
(cd "$here" && wine "$root/build/$arch/bin/skyvarn-check.exe" "${args[@]}") 2>"$errors" || status=$?
iconv -f CP1252 -t UTF-8 "$errors" | tr -d '\r' | while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        # Wine's own messages go to its log.
        wine:* | [0-9a-f][0-9a-f][0-9a-f][0-9a-f]:* | "X connection to"* | "Application tried to create a window"* | \
            "Make sure that your X server"*) echo "$line" >>"$SKYVARN_LOG" ;;
        *) line=${line//"$windows\\"/"${shown%/}/"}; echo "${line//"$windows"/"$shown"}" >&2 ;;
    esac
done
rm -f "$errors"
case "$status" in
    0 | 1 | 2) exit "$status" ;;
    *) die "Wine could not run the check (status $status); its messages are in $SKYVARN_LOG." ;;
esac
