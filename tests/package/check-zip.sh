#!/bin/sh
# check-zip.sh CPACK CPACK_CONFIG FOLDER OBJDUMP ZIP_NAME MENU_RC MACHINE
# Makes the release zip with CPack into FOLDER and checks it: exactly
# tavikan.exe, MHook.dll, README.txt and README-ja.txt at its top, both
# programs built for MACHINE (objdump's architecture: i386 or i386:x86-64), an
# exe that imports nothing but system DLLs and MHook.dll, READMEs with Windows line ends,
# the Japanese one in UTF-8 with a byte-order mark and naming every caption of
# the tray menu in MENU_RC as the menu shows it.
cpack=$1
config=$2
folder=$3
objdump=$4
zip_name=$5
menu_rc=$6
machine=$7
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

names=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
expected="MHook.dll README-ja.txt README.txt tavikan.exe "
[ "$names" = "$expected" ] || fail "the zip holds '$names', expected '$expected'"

mkdir -p "$folder/unpacked"
unzip -q -o "$zip" -d "$folder/unpacked" || fail "cannot unpack $zip_name"
exe="$folder/unpacked/tavikan.exe"
for program in tavikan.exe MHook.dll; do
    found=$("$objdump" -f "$folder/unpacked/$program" | sed -n 's/^architecture: \([^,]*\),.*/\1/p')
    [ "$found" = "$machine" ] || fail "$program is built for '$found', expected '$machine'"
done
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

# windows_line_ends FILE: true when every line of FILE ends in CR LF.
windows_line_ends() {
    [ "$(tr -cd '\n' <"$1" | wc -c)" -gt 0 ] &&
        [ "$(tr -cd '\n' <"$1" | wc -c)" -eq "$(grep -c "$(printf '\r')\$" "$1")" ]
}

readme="$folder/unpacked/README.txt"
grep -q 'tavi.ini' "$readme" || fail "README.txt does not say where tavi.ini goes"
windows_line_ends "$readme" || fail "README.txt does not have Windows line ends"

readme_ja="$folder/unpacked/README-ja.txt"
[ "$(head -c 3 "$readme_ja" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] ||
    fail "README-ja.txt does not begin with a UTF-8 byte-order mark"
iconv -f UTF-8 -t UTF-8 "$readme_ja" >/dev/null 2>&1 || fail "README-ja.txt is not UTF-8"
windows_line_ends "$readme_ja" || fail "README-ja.txt does not have Windows line ends"
grep -q 'tavi.ini' "$readme_ja" || fail "README-ja.txt does not say where tavi.ini goes"
# The captions as the menu shows them: the & before an access key is drawn as
# the key's underline. Bare percentages stand for the steps of one submenu.
captions=$(sed -n 's/^[[:space:]]*\(MENUITEM\|POPUP\)[[:space:]]*"\([^"]*\)".*/\2/p' "$menu_rc" |
    sed 's/&//' | grep -v -x -e 'POPUP' -e '[0-9]*%')
[ -n "$captions" ] || fail "no menu captions found in $menu_rc"
missing=$(printf '%s\n' "$captions" | while IFS= read -r caption; do
    grep -qF -- "$caption" "$readme_ja" || printf ' %s' "$caption"
done)
[ -z "$missing" ] || fail "README-ja.txt does not name the menu items$missing"
exit $failed
