#!/bin/sh
# check-pe-tables.sh OBJDUMP MHOOK_DLL PROGRAM
# MHook.dll must export ordinals 1..5 and no names and import only system DLLs
# (a lost -static shows up as libgcc, libstdc++ or libwinpthread); a program
# linked against its import library must import exactly those five ordinals and
# otherwise only system DLLs.
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

# check_system_imports FILE TABLES [EXTRA]: every imported DLL is a system DLL (or EXTRA).
check_system_imports() {
    imports=$(printf '%s\n' "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$imports" ] || fail "no import table found in $1"
    for imported in $imports; do
        case $(printf '%s' "$imported" | tr '[:upper:]' '[:lower:]') in
            kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll | ntdll.dll) ;;
            comdlg32.dll | shell32.dll | comctl32.dll | ole32.dll | shlwapi.dll) ;;
            "$3") ;;
            *) fail "$1 imports $imported, which is not a system DLL" ;;
        esac
    done
}
check_system_imports MHook.dll "$dll_tables" ""
program_tables=$("$objdump" -p "$program") || { echo "FAIL: cannot read $program" >&2; exit 1; }
check_system_imports "$(basename "$program")" "$program_tables" mhook.dll

# The program's entries under "DLL Name: MHook.dll", up to the next blank line.
# An import by ordinal shows as "<vma> <ordinal> <none>", one by name with its name;
# a 64-bit program's ordinals are padded with zeros ("000000001"), read as numbers.
program_imports=$(printf '%s\n' "$program_tables" | awk '
    /DLL Name:/ { inside = ($3 == "MHook.dll"); next }
    inside && NF == 0 { inside = 0 }
    inside && $1 != "vma:" { print }')
by_ordinal=$(printf '%s\n' "$program_imports" | awk '$3 == "<none>" { print $2 + 0 }' | sort -n | tr '\n' ' ')
[ "$by_ordinal" = "1 2 3 4 5 " ] ||
    fail "the program imports MHook.dll ordinals '$by_ordinal', expected '1 2 3 4 5 '"
by_name=$(printf '%s\n' "$program_imports" | awk 'NF && $3 != "<none>"')
[ -z "$by_name" ] || fail "the program imports from MHook.dll by name: $by_name"

exit $failed
