#!/bin/sh
# Klonkatron.exe needs nothing beside it: every DLL it imports is one that
# Windows itself has.
# Usage: system_imports.sh <objdump> <Klonkatron.exe>
set -eu
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
[ -n "$imports" ] || { echo "FAIL: no imports read from $2" >&2; exit 1; }
for dll in $imports; do
    case $dll in
        advapi32.dll | comctl32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | shell32.dll | \
            user32.dll | winmm.dll) ;;
        *) echo "FAIL: $2 imports $dll, which Windows does not have" >&2; exit 1 ;;
    esac
done
echo "$imports"
