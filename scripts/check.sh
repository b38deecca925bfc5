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

# --help, --version and --keys alone read no folder: with the build current and Wine at hand they are
# answered without the package check and the build.
arch=$(windows_build)
check="$root/build/$arch/bin/skyvarn-check.exe"
asks_only_about_itself() {
    [ $# -gt 0 ] || return 1
    for arg; do case $arg in --help | -h | --version | --keys) ;; *) return 1 ;; esac; done
}
if ! { asks_only_about_itself "$@" && [ -f "$check" ] && command -v wine >/dev/null && command -v Xvfb >/dev/null &&
           build_is_current "$arch"; }; then
    build_windows "$arch"
fi
wine_environment "$(operator_prefix)"
have_display || virtual_display
prepare_prefix

# Wine's status alone does not tell the check's answer from a failure: a command line longer than Windows
# takes, or a file Wine cannot load as a program, ends with 1 and nothing printed, a check killed half-way with
# 0, and 1 means "changed". So an answer counts only with what the check gives with it: 1 its diff on
# standard output, 2 its reason on standard error. A check that reports its end (asked by SKYVARN_CHECK_END,
# it writes "<that text> <status>" to standard error after all else) counts only with that line, which
# vouches for 0 too; a program that reads the variable holds its name.
out=$(mktemp) err=$(mktemp)
remove_outputs() { rm -f "$out" "$err"; }
at_exit remove_outputs
end_mark="skyvarn-check-end-$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n')"
reports_end=no
grep -qaF SKYVARN_CHECK_END "$check" && reports_end=yes

# The check names the folder by its Windows path, in code page 1252; the operator reads the path typed.
status=0
windows=$(windows_path "${here%/}")
args+=("$windows")
(cd "$here" && SKYVARN_CHECK_END=$end_mark wine "$check" "${args[@]}") >"$out" 2>"$err" || status=$?
ended="" reason=no
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        "$end_mark "*) ended=${line#"$end_mark "} ;;
        # Wine's own messages go to its log.
        wine:* | [0-9a-f][0-9a-f][0-9a-f][0-9a-f]:* | "X connection to"* | "Application tried to create a window"* | \
            "Make sure that your X server"*) echo "$line" >>"$SKYVARN_LOG" ;;
        *) [[ $line != skyvarn-check:* ]] || reason=yes
           line=${line//"$windows\\"/"${shown%/}/"}
           echo "${line//"$windows"/"$shown"}" >&2 ;;
    esac
done < <(iconv -c -f CP1252 -t UTF-8 "$err" | tr -d '\r')

case "$reports_end:$status" in
    yes:[012]) [ "$ended" = "$status" ] ;;
    no:0) true ;;
    no:1) [ -s "$out" ] ;;
    no:2) [ "$reason" = yes ] ;;
    *) false ;;
esac && { cat "$out" || die "the check's answer could not be written to standard output."; exit "$status"; }

# No answer: what the check printed all the same (a crash's report, say) goes to Wine's log.
cat "$out" >>"$SKYVARN_LOG"
length=${#check}
for arg in "${args[@]}"; do length=$((length + 1 + ${#arg})); done
if [ "$length" -ge 32767 ]; then
    die "Wine could not start the check: its command line is $length characters long, and Windows takes at most 32,767."
fi
die "the check did not start or did not finish under Wine (status $status, without the check's answer); Wine's messages are in $SKYVARN_LOG."
