#!/usr/bin/env bash
# Runs the product: a simulated Windows 98 PC with one Voodoo5 5500 under 3dfx's last driver
# (1.07.00, which describes the board only as "3dfx Voodoo Series") under Wine, TARVINST.EXE
# installing the tab, and the display properties opened on the "Tarvello" tab the way the
# Windows 98 shell opens them.
# Without $DISPLAY it runs on its own Xvfb, clicks through the installer's dialogs and saves
# build/demo/installer-*.png (one per dialog, cropped to it), build/demo/tarvello-tab.png and,
# with the Refresh Rates dialog open over it, build/demo/refresh-rates.png; with a display the
# installer and then the tab wait for the user.
#   demo.sh [english|french|german] [--docs] [--reinstall]
# The language is the system language Windows runs in (English unless given); --docs also
# copies the pictures to docs/: tarvello-tab-LANGUAGE.png, refresh-rates-LANGUAGE.png and, in
# English, installer-*.png. --reinstall has the user save a few settings after the
# installation and then installs the driver again over them, so the tab shows its restore
# line (build/demo/tarvello-tab-restore.png; with --docs docs/tarvello-tab-restore-LANGUAGE.png
# alone).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
demo="$root/build/demo"

language=english
docs=0
reinstall=0
for argument in "$@"; do
    case $argument in
    english | french | german) language=$argument ;;
    --docs) docs=1 ;;
    --reinstall) reinstall=1 ;;
    *) echo "usage: demo.sh [english|french|german] [--docs] [--reinstall]" >&2; exit 2 ;;
    esac
done
# Wine takes the system language from the locale it starts in.
case $language in
english) export LC_ALL=C.UTF-8 ;;
french) export LC_ALL=fr_FR.UTF-8 ;;
german) export LC_ALL=de_DE.UTF-8 ;;
esac

bash scripts/setup.sh
. scripts/lib/wine-env.sh
wine_env_mode || exit 1
wine_env_mode_line
mkdir -p "$demo"

echo "== building TARVPAGE.DLL, TARVINST.EXE and the tools that drive them (log: build/demo/build.log)"
{
    cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" &&
        cmake --build build/windows -j 2 --target TARVPAGE TARVINST dispprops dlgdriver
} >"$demo/build.log" 2>&1 || { tail -n 40 "$demo/build.log"; echo "build failed"; exit 1; }
dll="$root/build/windows/page/server/TARVPAGE.DLL"
installer="$root/build/windows/installer/TARVINST.EXE"
host="$root/build/windows/tools/dispprops/dispprops.exe"
driver="$root/build/windows/tools/dlgdriver/dlgdriver.exe"

if [ -z "${DISPLAY:-}" ]; then
    headless=1
    echo "== no display: Wine on a private Xvfb (the first start of a prefix takes a while)"
    # The trap first: Wine failing to start must not leave the Xvfb behind.
    trap 'wine_env_stop; rm -rf "$demo/wine"' EXIT
    wine_env_start "$demo/wine" || exit 1
    export WINEPREFIX
    WINEPREFIX=$(wine_env_prefix win98)
else
    headless=0
    echo "== a fresh Wine prefix on $DISPLAY (the first start of a prefix takes a while)"
    rm -rf "$demo/wine"
    wine_env_use "$demo/wine"
    export WINEPREFIX="$demo/wine/win98"
    trap 'set +e; wineserver -k >/dev/null 2>&1; wineserver -w; rm -rf "$demo/wine"' EXIT
    wineboot -i >/dev/null 2>&1
    wine_env_probe "$WINEPREFIX" || exit 1
fi

echo "== where the tab appears: among the display properties' tabs on Windows 95, 98, Me and"
echo "   NT 4.0 (on 98 and Me under Settings, Advanced... with \"Install under Advanced Panel\");"
echo "   under Settings, Advanced... on Windows 2000 and XP. This demo poses as Windows 98."

# Windows 98, with the PC's registry from the fixture and the product copied to C:\TARV.
wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null
drive="$WINEPREFIX/drive_c"
mkdir -p "$drive/TARV" "$drive/demo"
cp "$dll" "$drive/TARV/TARVPAGE.DLL"
cp "$installer" "$drive/TARV/TARVINST.EXE"
cp "$host" "$drive/demo/dispprops.exe"
cp "$driver" "$drive/demo/dlgdriver.exe"
cp tests/fixtures/win98-voodoo-series-1.07.reg "$drive/demo/"
wine regedit /s 'C:\demo\win98-voodoo-series-1.07.reg'

log="$drive/demo/host.log"
: >"$log"
# --reinstall: the Direct3D switch and two 16-bit rates saved, then 3dfx's 1.07.00 driver
# installed again over them (scripts/lib/driver-reinstall.sh).
. scripts/lib/driver-reinstall.sh
save_then_reinstall() {
    [ "$reinstall" = 1 ] || return 0
    echo "== the user saves a few settings; then the driver is installed again"
    (cd "$drive/demo" && wine explorer /desktop=tarvello,800x600 'C:\demo\dispprops.exe' \
        --log 'C:\demo\host.log' tab:Tarvello click:1007 click:1026 dlg:click:1029 \
        dlg:select:1024:75 dlg:select:1020:85 dlg:click:1 ok >/dev/null 2>&1)
    driver_reinstall_reg "$drive/demo/driver-reinstall.reg"
    wine regedit /s 'C:\demo\driver-reinstall.reg'
    : >"$log"
}
tab_picture=tarvello-tab
[ "$reinstall" = 1 ] && tab_picture=tarvello-tab-restore
if [ "$headless" = 0 ]; then
    echo "== the installer is open; install the tab, then the display properties open"
    (cd "$drive/TARV" && wine 'C:\TARV\TARVINST.EXE' >/dev/null 2>&1)
    save_then_reinstall
    echo "== the display properties are open on the Tarvello tab ($language); close them to end the demo"
    (cd "$drive/demo" && wine 'C:\demo\dispprops.exe' --log 'C:\demo\host.log' tab:Tarvello wait \
        >/dev/null 2>&1)
    tr -d '\r' <"$log"
    exit 0
fi

# The installer's dialogs, clicked through on a desktop of their own (no window manager runs
# on the Xvfb): install, then remove, then install again, each dialog photographed once.
# dlgdriver logs a dialog's rectangle and waits until its screenshot is taken.
shoot_dialog() {
    local name=$1 box
    for _ in $(seq 1 300); do
        box=$(tr -d '\r' <"$log" | grep -c '^rect ' || true)
        [ "$box" -ge "$2" ] && break
        kill -0 "$driver_pid" 2>/dev/null || break
        sleep 0.1
    done
    box=$(tr -d '\r' <"$log" | grep '^rect ' | sed -n "$2p" | sed 's/^rect //')
    [ -n "$box" ] || { tr -d '\r' <"$log"; echo "no $name dialog"; exit 1; }
    IFS=, read -r left top width height <<<"$box"
    sleep 0.5  # let the dialog finish painting
    import -window root -display "$DISPLAY" -crop "${width}x${height}+${left}+${top}" +repage \
        "$demo/installer-$name.png"
    touch "$drive/demo/shot-$name"
}
(cd "$drive/demo" && wine explorer /desktop=tarvello,800x600 'C:\demo\dlgdriver.exe' \
    --log 'C:\demo\host.log' --program 'C:\TARV\TARVINST.EXE' \
    start: wait:1013 click:1002 rect 'until:C:\demo\shot-model' click:1 \
    wait:1015 rect 'until:C:\demo\shot-installed' click:1 exit \
    start: wait:1009 rect 'until:C:\demo\shot-maintenance' click:1007 \
    wait:1017 rect 'until:C:\demo\shot-removed' click:1 exit \
    start: wait:1013 click:1002 click:1 wait:1015 click:1 exit >/dev/null 2>&1) &
driver_pid=$!
shoot_dialog model 1
shoot_dialog installed 2
shoot_dialog maintenance 3
shoot_dialog removed 4
wait "$driver_pid" || true
tr -d '\r' <"$log"
: >"$log"
save_then_reinstall

# On a desktop of its own: no window manager runs on the Xvfb.
(cd "$drive/demo" && wine explorer /desktop=tarvello,800x600 'C:\demo\dispprops.exe' \
    --log 'C:\demo\host.log' tab:Tarvello 'until:C:\demo\tab-taken' \
    click:1026 'dlg:mark:dialog shown' 'dlg:until:C:\demo\dialog-taken' dlg:click:2 \
    >/dev/null 2>&1) &
host_pid=$!
# wait_for LINE: the host has logged LINE (or ended).
wait_for() {
    for _ in $(seq 1 300); do
        tr -d '\r' <"$log" 2>/dev/null | grep -qx "$1" && return 0
        kill -0 "$host_pid" 2>/dev/null || break
        sleep 0.2
    done
    tr -d '\r' <"$log"
    echo "the host never logged: $1"
    exit 1
}
shoot() {
    sleep 1  # let the windows finish painting
    import -window root -display "$DISPLAY" -crop 800x600+0+0 +repage "$demo/$1.png"
    touch "$drive/demo/$2"
    echo "saved build/demo/$1.png"
}
wait_for 'tab "Tarvello" selected'
shoot "$tab_picture" tab-taken
wait_for 'dialog shown'
shoot refresh-rates dialog-taken
wait "$host_pid" || true
tr -d '\r' <"$log" | grep -v '^control '
if [ "$docs" = 1 ] && [ "$reinstall" = 1 ]; then
    cp "$demo/$tab_picture.png" "docs/$tab_picture-$language.png"
    echo "copied to docs/$tab_picture-$language.png"
elif [ "$docs" = 1 ]; then
    cp "$demo/tarvello-tab.png" "docs/tarvello-tab-$language.png"
    cp "$demo/refresh-rates.png" "docs/refresh-rates-$language.png"
    echo "copied to docs/tarvello-tab-$language.png and docs/refresh-rates-$language.png"
    if [ "$language" = english ]; then
        cp "$demo"/installer-*.png docs/
        echo "copied the installer's dialogs to docs/installer-*.png"
    fi
fi
