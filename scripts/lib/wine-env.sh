# Sourced by the test, demo and bench scripts: how Wine runs our 32-bit programs on this
# machine, a private X display and throwaway prefixes for this run, torn down by wine_env_stop.
#   wine_env_mode        chooses the mode (below) into TARV_WINE_MODE and TARV_WINE_MODE_WHY;
#                        prints the reason and fails when no mode can start here
#   wine_env_use DIR     puts this mode's wine, wineserver and wineboot first on PATH (in DIR/bin)
#   wine_env_start DIR   wine_env_use DIR, starts Xvfb, boots DIR/template once and opens a
#                        dialog with a combo box in it (the set-up probe)
#   wine_env_prefix NAME copies the template to a fresh prefix and prints its path
#   wine_env_stop        stops every wineserver of this run and Xvfb
#
# The two modes:
#   win32  classic 32-bit Wine: the 32-bit loader on a win32 prefix; needs a kernel that runs
#          32-bit programs
#   wow64  the 64-bit loader's WoW64 mode on a win64 prefix: our 32-bit programs run inside a
#          64-bit process, with no 32-bit Linux code at all
# The first that can start is chosen; TARV_WINE_MODE=win32 or wow64 forces one. In both modes
# `wine regedit`, `wine reg` and `wine regsvr32` are the 32-bit tools, so every script sees the
# registry as our 32-bit programs do (under WoW64, HKLM\Software is their Wow6432Node).

WINE_ENV_LOADER32=/usr/lib/wine/wine
WINE_ENV_LOADER64=/usr/lib/wine/wine64
WINE_ENV_DLLS64=/usr/lib/x86_64-linux-gnu/wine/i386-windows
WINE_ENV_PROBE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/comboprobe.c

# Why a mode cannot start here; nothing when it can.
wine_env_refusal() {
    local out
    case $1 in
    win32)
        [ -x "$WINE_ENV_LOADER32" ] || { echo "the 32-bit loader $WINE_ENV_LOADER32 is not installed"; return; }
        # A kernel built or booted without 32-bit support refuses every 32-bit program.
        if ! out=$("$WINE_ENV_LOADER32" --version 2>&1); then
            echo "its 32-bit loader does not start: $(head -n 1 <<<"$out")"
        fi
        ;;
    wow64)
        [ -x "$WINE_ENV_LOADER64" ] || { echo "the 64-bit loader $WINE_ENV_LOADER64 is not installed"; return; }
        if ! out=$("$WINE_ENV_LOADER64" --version 2>&1); then
            echo "its 64-bit loader does not start: $(head -n 1 <<<"$out")"
        elif [ ! -e "$WINE_ENV_DLLS64/kernel32.dll" ]; then
            echo "the 64-bit loader finds no 32-bit Windows DLLs in $WINE_ENV_DLLS64 (scripts/setup.sh links them)"
        fi
        ;;
    *) echo "there is no Wine mode \"$1\" (win32 or wow64)" ;;
    esac
}

wine_env_mode() {
    local refusal32 refusal64
    if [ -n "${TARV_WINE_MODE_WHY:-}" ]; then return 0; fi  # chosen by the calling script
    if [ -n "${TARV_WINE_MODE:-}" ]; then
        refusal32=$(wine_env_refusal "$TARV_WINE_MODE")
        if [ -n "$refusal32" ]; then
            echo "wine: TARV_WINE_MODE=$TARV_WINE_MODE cannot start here: $refusal32" >&2
            return 1
        fi
        TARV_WINE_MODE_WHY="chosen by TARV_WINE_MODE"
    else
        refusal32=$(wine_env_refusal win32)
        if [ -z "$refusal32" ]; then
            TARV_WINE_MODE=win32
            TARV_WINE_MODE_WHY="this kernel runs 32-bit programs"
        else
            refusal64=$(wine_env_refusal wow64)
            if [ -n "$refusal64" ]; then
                echo "wine: neither mode can start here: win32, because $refusal32;" \
                    "wow64, because $refusal64" >&2
                return 1
            fi
            TARV_WINE_MODE=wow64
            TARV_WINE_MODE_WHY="win32 cannot start: $refusal32"
        fi
    fi
    export TARV_WINE_MODE TARV_WINE_MODE_WHY
}

# The line the scripts print first.
wine_env_mode_line() {
    echo "Wine mode: $TARV_WINE_MODE ($TARV_WINE_MODE_WHY)"
}

wine_env_use() {
    wine_env_mode || return 1
    local bin="$1/bin" loader server tools=
    case $TARV_WINE_MODE in
    win32) WINEARCH=win32 loader=$WINE_ENV_LOADER32 server=/usr/lib/wine/wineserver32 ;;
    wow64)
        WINEARCH=win64 loader=$WINE_ENV_LOADER64 server=/usr/lib/wine/wineserver64
        # The 64-bit prefix's own regedit, reg and regsvr32 see the 64-bit registry view.
        tools='regedit | reg | regsvr32) tool=$1; shift; set -- "C:\\windows\\syswow64\\$tool.exe" "$@" ;;'
        ;;
    esac
    mkdir -p "$bin"
    {
        echo '#!/bin/sh'
        echo "# Wine in $TARV_WINE_MODE mode; its registry tools are the 32-bit ones."
        [ -z "$tools" ] || printf 'case ${1:-} in\n%s\nesac\n' "$tools"
        echo "exec $loader \"\$@\""
    } >"$bin/wine"
    printf '#!/bin/sh\nexec %s "$@"\n' "$server" >"$bin/wineserver"
    printf '#!/bin/sh\nexec %s wineboot "$@"\n' "$loader" >"$bin/wineboot"
    chmod +x "$bin/wine" "$bin/wineserver" "$bin/wineboot"
    case ":$PATH:" in *":$bin:"*) ;; *) PATH="$bin:$PATH" ;; esac
    # The loader starts the server and its children by these, not by PATH.
    WINELOADER=$loader WINESERVER=$server
    export PATH WINEARCH WINELOADER WINESERVER WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

wine_env_start() {
    TARV_WINE_ROOT=$1
    rm -rf "$TARV_WINE_ROOT"
    mkdir -p "$TARV_WINE_ROOT"
    wine_env_use "$TARV_WINE_ROOT" || return 1

    # A display nobody else uses: the lock file tells which numbers are taken.
    local n=91
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    TARV_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries=0
    until [ -e "/tmp/.X11-unix/X${n}" ] || [ $tries -ge 50 ]; do sleep 0.1; tries=$((tries + 1)); done
    export TARV_WINE_ROOT TARV_XVFB_PID

    local template="$TARV_WINE_ROOT/template"
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
    # Wine's own fonts (fonts-wine): MS Sans Serif for dialogs and Marlett for the caption
    # buttons. This Wine does not find them in its data directory, but loads whatever lies in
    # the prefix's Fonts folder.
    if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/* "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # Windows open on a virtual desktop: without a window manager every hide would stall.
    WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\Explorer' \
        /v Desktop /d Default /f >/dev/null 2>&1
    WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\Explorer\Desktops' \
        /v Default /d 1024x768 /f >/dev/null 2>&1
    wine_env_probe "$template" || { WINEPREFIX="$template" wineserver -k >/dev/null 2>&1; return 1; }
    WINEPREFIX="$template" wineserver -w
}

# The set-up probe: a 32-bit program opens one dialog with a combo box in the template. A Wine
# set up wrongly (its 32-bit DLLs half visible to the 64-bit loader, say) can start programs yet
# fail to create combo boxes, which every test would then report as a fault of ours.
wine_env_probe() {
    local drive="$1/drive_c" out
    if ! out=$(i686-w64-mingw32-gcc -Os -s -mwindows -o "$drive/comboprobe.exe" \
            "$WINE_ENV_PROBE" 2>&1); then
        echo "wine: the set-up probe does not build: $out" >&2
        return 1
    fi
    rm -f "$drive/comboprobe.txt"
    # The desktop's explorer may end as the dialog closes, before the probe has written its
    # answer: the answer is read once every program of the prefix has ended.
    (cd "$drive" && WINEPREFIX="$1" timeout 60 wine explorer /desktop=probe,320x200 \
        'C:\comboprobe.exe' 'C:\comboprobe.txt' >/dev/null 2>&1)
    WINEPREFIX="$1" timeout 60 wineserver -w
    out=$(cat "$drive/comboprobe.txt" 2>/dev/null)
    rm -f "$drive/comboprobe.exe" "$drive/comboprobe.txt"
    if [ "$out" != "combo box created" ]; then
        echo "wine: the set-up probe failed in $TARV_WINE_MODE mode: ${out:-it never answered}" \
            "(scripts/lib/comboprobe.c); Wine cannot run the tests' dialogs like this" >&2
        return 1
    fi
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
        if [ -f "$p/system.reg" ]; then WINEPREFIX="${p%/}" wineserver -k >/dev/null 2>&1 || true; fi
    done
    if [ -n "${TARV_XVFB_PID:-}" ]; then
        kill "$TARV_XVFB_PID" 2>/dev/null || true
        wait "$TARV_XVFB_PID" 2>/dev/null || true
    fi
    TARV_XVFB_PID=
}
