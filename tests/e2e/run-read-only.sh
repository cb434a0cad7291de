#!/usr/bin/env bash
# run-read-only.sh WINE_RUN E2E_TESTS FOLDER: E2eReadOnlyFolder.* with the
# program and a tavi.ini in FOLDER, bound onto itself and remounted read-only
# (as root); unmounted afterwards, whatever happened.
set -euo pipefail
folder=$3
mountpoint -q "$folder" 2>/dev/null && umount "$folder"
rm -rf "$folder" && mkdir -p "$folder"
cp "$(dirname "$2")/tavikan.exe" "$(dirname "$2")/MHook.dll" "$folder/"
printf '[MAIN]\r\nMODE=0\r\nDATE_FORMAT=TAVI\r\n' >"$folder/tavi.ini"
mount --bind "$folder" "$folder"
trap 'umount "$folder"' EXIT
mount -o remount,bind,ro "$folder"
TAVIKAN_READ_ONLY_FOLDER="Z:${folder//\//\\}" "$1" "$2" --gtest_filter='E2eReadOnlyFolder.*'
