#!/usr/bin/env bash
# scripts/check.sh [OPTION ...] [DIR ...]: the editor's command-line twin (skyvarn-check.exe) under Wine: what
# "Build INI File" would change in each DIR's qv3server.ini (default: the current directory), as a unified
# diff or as JSON, without writing anything unless --build is given. Exit status 0: no change, 1: changes,
# 2: cannot tell or nothing written (the reason on standard error). Every argument goes to the check as it
# is, from the current directory; it runs beside an open editor if there is one, on a virtual display of its
# own when there is no display.
set -eu
source "$(dirname "$0")/lib.sh"

# The check spells paths in code page 1252: any argument that names a folder (the check alone knows which
# are its folders), and the directory the folders are named from, must be spellable, or the check would
# open another folder.
for arg in "$@"; do
    [ ! -d "$arg" ] || wine_folder "$arg"
done
wine_folder "$PWD"

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
# 0, and 1 means "changed". So an answer counts only with the line the check writes last to standard error
# when SKYVARN_CHECK_END asks for it: "<that text> <status>".
out=$(mktemp) err=$(mktemp)
remove_outputs() { rm -f "$out" "$err"; }
at_exit remove_outputs
end_mark="skyvarn-check-end-$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n')"

status=0
SKYVARN_CHECK_END=$end_mark wine "$check" "$@" >"$out" 2>"$err" || status=$?
ended=""
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        "$end_mark "*) ended=${line#"$end_mark "} ;;
        # Wine's own messages go to its log.
        wine:* | [0-9a-f][0-9a-f][0-9a-f][0-9a-f]:* | "X connection to"* | "Application tried to create a window"* | \
            "Make sure that your X server"*) echo "$line" >>"$SKYVARN_LOG" ;;
        *) echo "$line" >&2 ;;
    esac
done < <(iconv -c -f CP1252 -t UTF-8 "$err" | tr -d '\r')

# Only an answer the check vouches for counts: its last line names the status it ends with.
case "$status" in
    [012]) [ "$ended" = "$status" ] ;;
    *) false ;;
esac && { cat "$out" || die "the check's answer could not be written to standard output."; exit "$status"; }

# No answer: what the check printed all the same (a crash's report, say) goes to Wine's log.
cat "$out" >>"$SKYVARN_LOG"
length=${#check}
for arg in "$@"; do length=$((length + 1 + ${#arg})); done
if [ "$length" -ge 32767 ]; then
    die "Wine could not start the check: its command line is $length characters long, and Windows takes at most 32,767."
fi
die "the check did not start or did not finish under Wine (status $status, without the check's answer); Wine's messages are in $SKYVARN_LOG."
