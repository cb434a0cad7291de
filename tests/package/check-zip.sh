#!/bin/sh
# check-zip.sh CPACK CPACK_CONFIG FOLDER OBJDUMP ZIP_NAME
# Makes the release zip with CPack into FOLDER and checks it: exactly
# tavikan.exe, MHook.dll and README.txt at its top, and an exe that imports
# nothing but system DLLs and MHook.dll.
cpack=$1
config=$2
folder=$3
objdump=$4
zip_name=$5
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

rm -rf "$folder" && mkdir -p "$folder" || exit 1
"$cpack" --config "$config" -B "$folder" >"$folder/cpack.log" 2>&1 ||
    { cat "$folder/cpack.log" >&2; echo "FAIL: cpack did not make the zip" >&2; exit 1; }
zip="$folder/$zip_name"
[ -f "$zip" ] || { echo "FAIL: no $zip_name in $folder" >&2; exit 1; }

names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$names" = "MHook.dll README.txt tavikan.exe " ] ||
    fail "the zip holds '$names', expected 'MHook.dll README.txt tavikan.exe '"

mkdir -p "$folder/unpacked"
unzip -q -o "$zip" -d "$folder/unpacked" || fail "cannot unpack $zip_name"
exe="$folder/unpacked/tavikan.exe"
tables=$("$objdump" -p "$exe") || { echo "FAIL: cannot read tavikan.exe" >&2; exit 1; }
imports=$(printf '%s\n' "$tables" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || fail "no import table found in tavikan.exe"
for imported in $imports; do
    case $(printf '%s' "$imported" | tr '[:upper:]' '[:lower:]') in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll | ntdll.dll) ;;
        comdlg32.dll | shell32.dll | comctl32.dll | ole32.dll | shlwapi.dll | mhook.dll) ;;
        *) fail "tavikan.exe imports $imported, which is neither a system DLL nor MHook.dll" ;;
    esac
done
printf '%s\n' "$imports" | grep -qx 'MHook.dll' || fail "tavikan.exe does not import MHook.dll"

readme="$folder/unpacked/README.txt"
grep -q 'tavi.ini' "$readme" || fail "README.txt does not say where tavi.ini goes"
[ "$(head -c 200 "$readme" | tr -cd '\r' | wc -c)" -gt 0 ] ||
    fail "README.txt does not have Windows line ends"
exit $failed
