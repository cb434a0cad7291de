# Shared by scripts/test and scripts/run: a private X display and a started
# Wine prefix, both cleaned up by process id when the script ends.

xvfb_pid=""
wine_loader=""
wine_server=""

# start_private_display: starts Xvfb on a free display number and exports DISPLAY.
start_private_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 20 number <"$fifo" || true
    rm -f "$fifo"
    if [[ -z "$number" ]]; then
        echo "could not start Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

stop_private_display() {
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

# require_32bit_programs: Wine runs 32-bit Windows programs in 32-bit Linux
# processes. A kernel booted without IA-32 emulation refuses to start those
# ("Exec format error"); say so at once instead of failing every test.
require_32bit_programs() {
    if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
        echo "this machine's kernel does not start 32-bit programs (/lib/ld-linux.so.2 does not run;" \
             "dmesg tells whether IA-32 emulation is off, ia32_emulation=on at boot turns it on):" \
             "Wine cannot run the 32-bit Windows programs here" >&2
        return 1
    fi
}

# start_wine PREFIX [ARCH]: starts the prefix's wineserver and background
# services before any test runs, so that no test inherits them. ARCH is win32
# (the default) or win64, for the 64-bit test twin of the build; Debian keeps
# Wine's 64-bit loader and server out of the PATH.
start_wine() {
    export WINEPREFIX="$1" WINEARCH=${2:-win32} WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ "$WINEARCH" == win64 ]]; then
        export WINELOADER=/usr/lib/wine/wine64
        wine_loader=$WINELOADER
        wine_server=/usr/lib/wine/wineserver64
    else
        require_32bit_programs || return 1
        wine_loader=wine
        wine_server=wineserver
    fi
    mkdir -p "$WINEPREFIX"
    # The locale is set for Wine alone (Shift-JIS ANSI code page), not for this shell.
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        # A new prefix: let its first-time set-up run to the end, server included.
        # Programs started while it is still settling wait many seconds for the desktop.
        env LC_ALL=ja_JP.UTF-8 "$wine_loader" wineboot -i >/dev/null 2>&1 </dev/null
        env LC_ALL=ja_JP.UTF-8 "$wine_server" -w >/dev/null 2>&1 </dev/null
    fi
    env LC_ALL=ja_JP.UTF-8 "$wine_server" -p >/dev/null 2>&1 </dev/null
    env LC_ALL=ja_JP.UTF-8 "$wine_loader" wineboot >/dev/null 2>&1 </dev/null
}

stop_wine() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        "${wine_server:-wineserver}" -k 2>/dev/null || true
        "${wine_server:-wineserver}" -w 2>/dev/null || true
    fi
}

# leave_windows_unmanaged: with no window manager on a private display, Wine
# waits about two seconds whenever a managed window is hidden or destroyed; the
# tests' windows are therefore left unmanaged (Wine draws their frames itself).
leave_windows_unmanaged() {
    env LC_ALL=ja_JP.UTF-8 "${wine_loader:-wine}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >/dev/null 2>&1 </dev/null
}
