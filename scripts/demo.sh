#!/usr/bin/env bash
# Runs the product: a simulated Windows 98 PC with one Voodoo5 5500 under Wine, the tab
# registered with the keys the installer writes, and the display properties opened on the
# "Tarvello" tab the way the Windows 98 shell opens them.
# Without $DISPLAY it runs on its own Xvfb and saves build/demo/tarvello-tab.png and, with the
# Refresh Rates dialog open over it, build/demo/refresh-rates.png; with a display the window
# stays open until it is closed.
#   demo.sh [english|french|german] [--docs]
# The language is the system language Windows runs in (English unless given); --docs also
# copies the two pictures to docs/ as tarvello-tab-LANGUAGE.png and refresh-rates-LANGUAGE.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
demo="$root/build/demo"

language=english
docs=0
for argument in "$@"; do
    case $argument in
    english | french | german) language=$argument ;;
    --docs) docs=1 ;;
    *) echo "usage: demo.sh [english|french|german] [--docs]" >&2; exit 2 ;;
    esac
done
# Wine takes the system language from the locale it starts in.
case $language in
english) export LC_ALL=C.UTF-8 ;;
french) export LC_ALL=fr_FR.UTF-8 ;;
german) export LC_ALL=de_DE.UTF-8 ;;
esac

bash scripts/setup.sh
mkdir -p "$demo"

echo "== building TARVPAGE.DLL and the display-properties host (log: build/demo/build.log)"
{
    cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" &&
        cmake --build build/windows -j 2 --target TARVPAGE dispprops
} >"$demo/build.log" 2>&1 || { tail -n 40 "$demo/build.log"; echo "build failed"; exit 1; }
dll="$root/build/windows/page/server/TARVPAGE.DLL"
host="$root/build/windows/tools/dispprops/dispprops.exe"

. scripts/lib/wine-env.sh
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    echo "== no display: Wine on a private Xvfb (the first start of a prefix takes a while)"
    wine_env_start "$demo/wine"
    export WINEPREFIX
    WINEPREFIX=$(wine_env_prefix win98)
    trap 'wine_env_stop; rm -rf "$demo/wine"' EXIT
else
    headless=0
    echo "== a fresh Wine prefix on $DISPLAY (the first start of a prefix takes a while)"
    export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX="$demo/wine/win98"
    rm -rf "$demo/wine"
    mkdir -p "$demo/wine"
    wineboot -i >/dev/null 2>&1
    trap 'set +e; wineserver -k >/dev/null 2>&1; wineserver -w; rm -rf "$demo/wine"' EXIT
fi

# Windows 98, with the PC's registry from the fixture and the tab installed in C:\TARV.
wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null
drive="$WINEPREFIX/drive_c"
mkdir -p "$drive/TARV" "$drive/demo"
cp "$dll" "$drive/TARV/TARVPAGE.DLL"
cp "$host" "$drive/demo/dispprops.exe"
cp tests/fixtures/win98-voodoo5-5500.reg tests/wine/fixtures/tarvello-tab.reg "$drive/demo/"
wine regedit /s 'C:\demo\win98-voodoo5-5500.reg'
wine regedit /s 'C:\demo\tarvello-tab.reg'

log="$drive/demo/host.log"
: >"$log"
if [ "$headless" = 0 ]; then
    echo "== the display properties are open on the Tarvello tab ($language); close them to end the demo"
    (cd "$drive/demo" && wine 'C:\demo\dispprops.exe' --log 'C:\demo\host.log' tab:Tarvello wait \
        >/dev/null 2>&1)
    tr -d '\r' <"$log"
    exit 0
fi

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
shoot tarvello-tab tab-taken
wait_for 'dialog shown'
shoot refresh-rates dialog-taken
wait "$host_pid" || true
tr -d '\r' <"$log" | grep -v '^control '
if [ "$docs" = 1 ]; then
    cp "$demo/tarvello-tab.png" "docs/tarvello-tab-$language.png"
    cp "$demo/refresh-rates.png" "docs/refresh-rates-$language.png"
    echo "copied to docs/tarvello-tab-$language.png and docs/refresh-rates-$language.png"
fi
