# Sourced by the test and demo scripts: a private X display and a throwaway 32-bit Wine
# prefix for this run, torn down again by wine_env_stop.
#   wine_env_start DIR   creates DIR/template (booted once) and starts Xvfb
#   wine_env_prefix NAME copies the template to a fresh prefix and prints its path
#   wine_env_stop        stops every wineserver of this run and Xvfb
#   wine_can_run         whether this machine can start 32-bit Wine at all
#   wine_can_run_reason  what the kernel said when it could not

wine_env_start() {
    if ! wine_can_run; then
        echo "wine: this machine cannot execute 32-bit programs ($(wine_can_run_reason))," \
            "so 32-bit Wine cannot start here" >&2
        return 1
    fi
    TARV_WINE_ROOT=$1
    rm -rf "$TARV_WINE_ROOT"
    mkdir -p "$TARV_WINE_ROOT"
    export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

    # A display nobody else uses: the lock file tells which numbers are taken.
    local n=91
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    TARV_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries=0
    until [ -e "/tmp/.X11-unix/X${n}" ] || [ $tries -ge 50 ]; do sleep 0.1; tries=$((tries + 1)); done

    WINEPREFIX="$TARV_WINE_ROOT/template" wineboot -i >/dev/null 2>&1
    # Wine's own fonts (fonts-wine): MS Sans Serif for dialogs and Marlett for the caption
    # buttons. This Wine does not find them in its data directory, but loads whatever lies in
    # the prefix's Fonts folder.
    if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/* "$TARV_WINE_ROOT/template/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # Windows open on a virtual desktop: without a window manager every hide would stall.
    WINEPREFIX="$TARV_WINE_ROOT/template" wine reg add 'HKCU\Software\Wine\Explorer' \
        /v Desktop /d Default /f >/dev/null 2>&1
    WINEPREFIX="$TARV_WINE_ROOT/template" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' \
        /v Default /d 1024x768 /f >/dev/null 2>&1
    WINEPREFIX="$TARV_WINE_ROOT/template" wineserver -w
    export TARV_WINE_ROOT TARV_XVFB_PID
}

wine_env_prefix() {
    local prefix="$TARV_WINE_ROOT/$1"
    rm -rf "$prefix"
    cp -a "$TARV_WINE_ROOT/template" "$prefix"
    # A persistent server: without it every short test program pays for a server start.
    WINEPREFIX="$prefix" wineserver -p
    # The first program of a prefix starts Wine's background services, which keep whatever
    # output they inherit open; start them here, on /dev/null, not inside a test's pipe.
    WINEPREFIX="$prefix" wine cmd /c exit </dev/null >/dev/null 2>&1
    echo "$prefix"
}

# Safe in an exit trap and under set -e: nothing here may fail the caller.
wine_env_stop() {
    local p
    for p in "${TARV_WINE_ROOT:-/nonexistent}"/*/; do
        if [ -d "$p" ]; then WINEPREFIX="${p%/}" wineserver -k >/dev/null 2>&1 || true; fi
    done
    if [ -n "${TARV_XVFB_PID:-}" ]; then
        kill "$TARV_XVFB_PID" 2>/dev/null || true
        wait "$TARV_XVFB_PID" 2>/dev/null || true
    fi
    TARV_XVFB_PID=
}

# 32-bit Wine is a 32-bit Linux program: a kernel built or booted without 32-bit support
# refuses to execute it ("Exec format error"), whatever is installed. Any other failure is
# not this one and is left to the tests to report.
wine_can_run_reason() {
    local loader=/usr/lib/wine/wine
    [ -x "$loader" ] || return 0
    "$loader" --version 2>&1 >/dev/null | grep -o 'Exec format error' | head -n 1
}

wine_can_run() {
    [ -z "$(wine_can_run_reason)" ]
}
