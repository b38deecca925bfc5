#!/usr/bin/env bash
# Every given Windows program may import only DLLs that Windows itself ships.
set -eu
allowed='^(kernel32|user32|gdi32|comctl32|shell32|advapi32|msvcrt|ole32|uxtheme)\.dll$'
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
