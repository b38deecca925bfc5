#!/usr/bin/env bash
# Every given Windows program may import only the DLLs the README names: what Windows itself ships and the
# release needs, nothing more, so that a library linked again by mistake is caught.
set -eu
allowed='^(kernel32|user32|comctl32|uxtheme|advapi32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
    case "$(file -b "$exe")" in
        *x86-64*) objdump=x86_64-w64-mingw32-objdump ;;
        *) objdump=i686-w64-mingw32-objdump ;;
    esac
    dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $dlls; do
        if ! [[ $dll =~ $allowed ]]; then
            echo "$exe imports $dll, which Windows does not ship"
            status=1
        fi
    done
    echo "$(basename "$(dirname "$(dirname "$exe")")")/$(basename "$exe"): $(echo $dlls)"
done
exit $status
