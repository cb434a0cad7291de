#!/bin/sh
# check-pe-tables.sh OBJDUMP MHOOK_DLL PROGRAM
# MHook.dll must export ordinals 1..5 and no names and import only system DLLs
# (a lost -static shows up as libgcc, libstdc++ or libwinpthread); a program
# linked against its import library must import exactly those five ordinals.
objdump=$1
dll=$2
program=$3
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

dll_tables=$("$objdump" -p "$dll") || { echo "FAIL: cannot read $dll" >&2; exit 1; }

ordinals=$(printf '%s\n' "$dll_tables" | sed -n 's/^[[:space:]]*\[ *[0-9]*\] +base\[ *\([0-9]*\)\].*/\1/p' | tr '\n' ' ')
[ "$ordinals" = "1 2 3 4 5 " ] || fail "MHook.dll exports ordinals '$ordinals', expected '1 2 3 4 5 '"

names=$(printf '%s\n' "$dll_tables" | sed -n 's/^[[:space:]]*\[Name Pointer\/Ordinal\] Table[[:space:]]*//p')
[ "$names" = "00000000" ] || fail "MHook.dll exports '$names' names, expected none"

dll_imports=$(printf '%s\n' "$dll_tables" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dll_imports" ] || fail "no import table found in MHook.dll"
for imported in $dll_imports; do
    case $(printf '%s' "$imported" | tr '[:upper:]' '[:lower:]') in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll | ntdll.dll) ;;
        *) fail "MHook.dll imports $imported, which is not a system DLL" ;;
    esac
done

# The program's entries under "DLL Name: MHook.dll", up to the next blank line.
# An import by ordinal shows as "<vma> <ordinal> <none>", one by name with its name.
program_imports=$("$objdump" -p "$program" | awk '
    /DLL Name:/ { inside = ($3 == "MHook.dll"); next }
    inside && NF == 0 { inside = 0 }
    inside && $1 != "vma:" { print }')
by_ordinal=$(printf '%s\n' "$program_imports" | awk '$3 == "<none>" { print $2 }' | sort -n | tr '\n' ' ')
[ "$by_ordinal" = "1 2 3 4 5 " ] ||
    fail "the program imports MHook.dll ordinals '$by_ordinal', expected '1 2 3 4 5 '"
by_name=$(printf '%s\n' "$program_imports" | awk 'NF && $3 != "<none>"')
[ -z "$by_name" ] || fail "the program imports from MHook.dll by name: $by_name"

exit $failed
