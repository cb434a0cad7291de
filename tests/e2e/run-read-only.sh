#!/usr/bin/env bash
# run-read-only.sh WINE_RUN E2E_TESTS WORK_DIR: the end-to-end test of a
# program folder that refuses every write (E2eReadOnlyFolder.*). A folder
# with tavikan.exe, MHook.dll and a tavi.ini is bound onto itself and the
# binding remounted read-only (as root), the test runs the program from there,
# and the folder is unmounted afterwards, whatever happened.
set -euo pipefail
wine_run=$1
tests=$2
work=$3
folder="$work/read-only"
mounted=""
unmount() {
    if [[ -n "$mounted" ]]; then
        umount "$folder" || true
    fi
}
trap unmount EXIT

if mountpoint -q "$folder" 2>/dev/null; then
    umount "$folder"
fi
rm -rf "$folder"
mkdir -p "$folder"
cp "$(dirname "$tests")/tavikan.exe" "$(dirname "$tests")/MHook.dll" "$folder/"
printf '[MAIN]\r\nMODE=0\r\nDATE_FORMAT=TAVI\r\n' >"$folder/tavi.ini"
mount --bind "$folder" "$folder"
mounted=yes
mount -o remount,bind,ro "$folder"
TAVIKAN_READ_ONLY_FOLDER="Z:${folder//\//\\}" "$wine_run" "$tests" \
    --gtest_filter='E2eReadOnlyFolder.*'
