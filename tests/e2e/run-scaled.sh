#!/usr/bin/env bash
# run-scaled.sh SOURCE_DIR PREFIX ARCH E2E_TESTS: the end-to-end tests of a
# scaled display (E2eScaled.*) in a Wine prefix of their own at 144 DPI (150 %),
# on the display of the test run. The prefix's server is ended afterwards.
set -euo pipefail
source "$1/scripts/lib/session.sh"
prefix=$2
arch=$3
tests=$4
trap stop_wine EXIT

start_wine "$prefix" "$arch"
leave_windows_unmanaged
env LC_ALL=ja_JP.UTF-8 "$wine_loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
    /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null
# Wine takes the DPI when the prefix's server starts.
stop_wine
start_wine "$prefix" "$arch"
env LC_ALL=ja_JP.UTF-8 TAVIKAN_SCALED_DPI=144 "$wine_loader" "$tests" --gtest_filter='E2eScaled.*'
