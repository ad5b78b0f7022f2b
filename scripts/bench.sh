#!/usr/bin/env bash
# Figures of the product, printed as Markdown tables: the size of both binaries; the time the
# display properties take to open and close with the tab and without it, the tab's page window
# against a blank page and the Refresh Rates dialog (medians of 20 timings in the
# display-properties host under Wine, on a private Xvfb); the registry calls of the page and
# the dialog on one- and two-adapter Windows 98 PCs and one under 3dfx's 1.07.00 driver
# (counted natively by tools/regcount); and DllCanUnloadNow once the sheet has closed. Not a
# test: timings depend on the machine's load.
#   bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bench="$root/build/bench"
rounds=20

bash scripts/setup.sh >/dev/null
mkdir -p "$bench"
echo "building (log: build/bench/build.log)" >&2
{
    cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" &&
        cmake --build build/windows -j 2 --target TARVPAGE TARVINST dispprops &&
        cmake -S . -B build/native -DTARV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug &&
        cmake --build build/native -j 2 --target regcount
} >"$bench/build.log" 2>&1 || { tail -n 40 "$bench/build.log"; echo "build failed" >&2; exit 1; }
dll="$root/build/windows/page/server/TARVPAGE.DLL"
installer="$root/build/windows/installer/TARVINST.EXE"
host="$root/build/windows/tools/dispprops/dispprops.exe"
regcount="$root/build/native/tools/regcount/regcount"

echo "starting Wine on a private Xvfb" >&2
. scripts/lib/wine-env.sh
wine_env_start "$bench/wine"
trap 'wine_env_stop; rm -rf "$bench/wine"' EXIT
export WINEPREFIX
WINEPREFIX=$(wine_env_prefix win98)
wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null
drive="$WINEPREFIX/drive_c"
mkdir -p "$drive/TARV" "$drive/bench"
cp "$dll" "$drive/TARV/TARVPAGE.DLL"
cp "$host" "$drive/bench/dispprops.exe"
cp tests/fixtures/win98-voodoo5-5500.reg tests/wine/fixtures/tarvello-tab.reg "$drive/bench/"
wine regedit /s 'C:\bench\win98-voodoo5-5500.reg'
wine regedit /s 'C:\bench\tarvello-tab.reg'

# run_host NAME STEP...: one host process on a desktop of its own; its log in $bench/NAME.log.
run_host() {
    local name=$1; shift
    echo "timing: $name" >&2
    : >"$drive/bench/host.log"
    (cd "$drive/bench" && timeout 300 wine explorer /desktop=bench,800x600 \
        'C:\bench\dispprops.exe' --log 'C:\bench\host.log' --no-open "$@" >/dev/null 2>&1) || true
    tr -d '\r' <"$drive/bench/host.log" >"$bench/$name.log"
}
# median NAME N STEP: the median of STEP (or "round") in the Nth repeat line of a log.
median() {
    local line
    line=$(grep '^repeat ' "$bench/$1.log" | sed -n "$2p")
    if [ "$3" = round ]; then
        sed -E 's/.*: median ([0-9.]+) ms a round.*/\1/' <<<"$line"
    else
        STEP=$3 awk '{ n = split($0, parts, ", "); for (i = 2; i <= n; i++)
            if (index(parts[i], ENVIRON["STEP"] " ") == 1) { split(parts[i], f, " "); print f[2] } }' <<<"$line"
    fi
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

# A few warm-up rounds first: the first opening also loads the library and comctl32's classes.
run_host with-tab repeat:3:open,cancel "repeat:$rounds:open,cancel"
run_host without-tab --panel NoHandlers repeat:3:open,cancel "repeat:$rounds:open,cancel"
run_host pages --blank-page repeat:3:open,tab:Tarvello,tab:Blank,cancel \
    "repeat:$rounds:open,tab:Tarvello,cancel" "repeat:$rounds:open,tab:Blank,cancel" \
    open tab:Tarvello repeat:3:dlgcancel:1026 "repeat:$rounds:dlgcancel:1026" cancel canunload

with=$(median with-tab 2 round)
without=$(median without-tab 2 round)
tab=$(median pages 2 tab:Tarvello)
blank=$(median pages 3 tab:Blank)
dialog=$(median pages 5 dlgcancel:1026)
unload=$(sed -n 's/^DllCanUnloadNow Tarvello: //p' "$bench/pages.log" | tail -n 1)

cat <<TABLE
| Figure | Value |
|---|---|
| TARVPAGE.DLL | $(stat -c %s "$dll") bytes |
| TARVINST.EXE | $(stat -c %s "$installer") bytes |
| Display properties opened and closed, with the tab (median of $rounds) | $with ms |
| The same without the tab | $without ms |
| Ratio with / without | $(ratio "$with" "$without") |
| The tab's page window created (median of $rounds) | $tab ms |
| A blank page window of the same size created | $blank ms |
| Ratio tab / blank | $(ratio "$tab" "$blank") |
| Refresh Rates dialog opened and cancelled (median of $rounds) | $dialog ms |
| DllCanUnloadNow after the sheet has closed | ${unload:-not logged} |

| Registry calls | PC | open | create | query | set | delete value | delete key | close | enum | total |
|---|---|---|---|---|---|---|---|---|---|---|
TABLE
"$regcount" "one Voodoo5 5500" resources/page/TarvPage.rc tests/fixtures/win98-voodoo5-5500.reg \
    tests/wine/fixtures/tarvello-tab.reg
"$regcount" "two Voodoo5" resources/page/TarvPage.rc tests/fixtures/win98-two-voodoo5.reg \
    tests/wine/fixtures/tarvello-tab.reg
"$regcount" "3dfx 1.07.00" resources/page/TarvPage.rc tests/fixtures/win98-voodoo-series-1.07.reg \
    tests/wine/fixtures/tarvello-tab.reg
