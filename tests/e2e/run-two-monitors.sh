#!/usr/bin/env bash
# run-two-monitors.sh SOURCE_DIR PREFIX ARCH E2E_TESTS LOG_DIR: the end-to-end
# tests of a desk with two monitors (E2eTwoMonitors*) on a private Xorg server
# of their own (dummy video driver, two screens joined by Xinerama, as
# xorg-two-monitors.conf lays them out) and a Wine prefix of their own. The
# server and the prefix's Wine server are ended by process id afterwards.
set -euo pipefail
source "$1/scripts/lib/session.sh"
prefix=$2
arch=$3
tests=$4
log_dir=$5
xorg_pid=""

stop_xorg() {
    if [[ -n "$xorg_pid" ]]; then
        kill "$xorg_pid" 2>/dev/null || true
        wait "$xorg_pid" 2>/dev/null || true
    fi
}
trap 'stop_wine; stop_xorg' EXIT

number=50
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do
    number=$((number + 1))
done
mkdir -p "$log_dir"
Xorg ":$number" -config "$(dirname "$0")/xorg-two-monitors.conf" -noreset -nolisten tcp \
    -novtswitch -sharevts -logfile "$log_dir/xorg-two-monitors.log" \
    </dev/null >/dev/null 2>&1 &
xorg_pid=$!
export DISPLAY=":$number"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$xorg_pid" 2>/dev/null || { echo "Xorg ended; see $log_dir" >&2; exit 1; }
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xorg did not answer on $DISPLAY" >&2; exit 1; }

start_wine "$prefix" "$arch"
leave_windows_unmanaged
# Without the video-mode extension: Wine 8's 64-bit side crashes listing the
# second screen's modes through it (in its desktop process) and then knows only
# one monitor. The setting takes effect when the prefix's server starts anew.
env LC_ALL=ja_JP.UTF-8 "$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXVidMode \
    /d N /f >/dev/null 2>&1 </dev/null
stop_wine
start_wine "$prefix" "$arch"
env LC_ALL=ja_JP.UTF-8 TAVIKAN_TWO_MONITORS=1 "$wine_loader" "$tests" \
    --gtest_filter='*E2eTwoMonitors*'
