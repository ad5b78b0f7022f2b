#!/usr/bin/env bash
# Figures of the product, printed as Markdown tables: the size of both binaries; the time the
# display properties take to open with the tab and without any handler, the tab's page window
# and the Refresh Rates dialog up to shown and painted, each beside its own template created
# bare (dialog procedures that do nothing), each pair in the same host process and the same
# rounds, with the ratios (medians of 40 timings in the display-properties host under Wine, on
# a private Xvfb); the dialog's and the tab's openings phase by phase beside their bare
# templates; what moves, texts, combo fills, the version resource and registry calls cost on
# the bare templates; the registry calls of the page and the dialog on one- and two-adapter
# Windows 98 PCs and one under 3dfx's 1.07.00 driver (counted natively by tools/regcount);
# and DllCanUnloadNow once the sheet has closed. Not a test: timings depend on the machine's
# load and on the Wine mode (scripts/lib/wine-env.sh), which are printed with them.
#   bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bench="$root/build/bench"
rounds=40

bash scripts/setup.sh >/dev/null
. scripts/lib/wine-env.sh
wine_env_mode
wine_env_mode_line
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
# The trap first: Wine failing to start must not leave the Xvfb behind.
trap 'wine_env_stop; rm -rf "$bench/wine"' EXIT
wine_env_start "$bench/wine"
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

# A few warm-up rounds first: the first opening also loads the library and comctl32's classes.
# Every pair is timed in the same process and rounds, in both orders: the sheet with the tab
# and without any handler; the tab and the dialog up to shown and painted, each beside its own
# template created bare (--bare: the same library's templates with dialog procedures that do
# nothing); then the same openings phase by phase, with the library's own page and dialog logic
# built into the host and every call they make timed (--timed-page, dlgphases, tabphases).
sheet_steps=open,cancel,open:NoHandlers,cancel,open:NoHandlers,cancel,open,cancel
page_steps=open,shown:Tarvello,shown:Bare,cancel,open,shown:Bare,shown:Tarvello,cancel
dialog_steps=dlgshown:1026,baredialog,baredialog,dlgshown:1026
run_host sheets repeat:3:open,cancel,open:NoHandlers,cancel "rounds:$rounds:$sheet_steps"
run_host pages --bare 'C:\TARV\TARVPAGE.DLL' repeat:3:open,shown:Tarvello,shown:Bare,cancel \
    "rounds:$rounds:$page_steps" open shown:Tarvello repeat:3:dlgshown:1026,baredialog \
    "rounds:$rounds:$dialog_steps" "dlgphases:$rounds" cancel canunload "costs:$rounds"
run_host tabs --bare 'C:\TARV\TARVPAGE.DLL' --timed-page tabphases:3 "tabphases:$rounds"

# mean_of NAME N STEP: the mean of the medians of STEP where it appears twice in a repeat line.
mean_of() { median "$@" | awk '{ sum += $1; n++ } END { if (n) printf "%.3f", sum / n }'; }
# paired NAME STEPS NUM DEN: round by round, the time of the steps at the positions NUM over
# that of those at DEN (1-based, "a+b"), and the median of these ratios: a round that the
# machine slowed down slows both sides.
paired() {
    sed -n "s/^round [0-9]* of $2: //p" "$bench/$1.log" |
        awk -v num="$3" -v den="$4" '{ a = 0; b = 0; n = split(num, p, "+"); for (i = 1; i <= n; i++) a += $p[i]
            n = split(den, q, "+"); for (i = 1; i <= n; i++) b += $q[i]; if (b > 0) print a / b }' |
        sort -g | awk '{ v[NR] = $1 } END { if (NR) printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; else print "n/a" }'
}

with=$(mean_of sheets 2 open)
without=$(mean_of sheets 2 open:NoHandlers)
tab=$(mean_of pages 2 shown:Tarvello)
bare_page=$(mean_of pages 2 shown:Bare)
dialog=$(mean_of pages 4 dlgshown:1026)
bare_dialog=$(mean_of pages 4 baredialog)
unload=$(sed -n 's/^DllCanUnloadNow Tarvello: //p' "$bench/pages.log" | tail -n 1)
costs=$(sed -n 's/^costs (median of [0-9]*, ms): //p' "$bench/pages.log" | tail -n 1)
load=$(cut -d' ' -f1-3 /proc/loadavg)

# phases LOG WHAT: the last phase line "phases of WHAT (median of N, ms): ..." of a log.
phases() { sed -n "s/^phases of $2 (median of [0-9]*, ms): //p" "$bench/$1.log" | tail -n 1; }
# phase_rows MINE BARE: one row a phase, with both times and the difference; phases neither
# window spends anything on are left out.
phase_rows() {
    paste -d '|' <(tr ',' '\n' <<<"${1:-not logged 0}") <(tr ',' '\n' <<<"${2:-not logged 0}") |
        awk -F'|' '{ name = $1; sub(/^ */, "", name); n = split(name, w, " "); mine = w[n]
            sub(/ [^ ]*$/, "", name); m = split($2, b, " "); bare = b[m]
            if (mine + 0 != 0 || bare + 0 != 0)
                printf "| %s | %.3f | %.3f | %.3f |\n", name, mine, bare, mine - bare }'
}

cat <<TABLE
| Figure | Value |
|---|---|
| TARVPAGE.DLL | $(stat -c %s "$dll") bytes |
| TARVINST.EXE | $(stat -c %s "$installer") bytes |
| Display properties opened, with the tab (median of $rounds) | $with ms |
| The same without any handler, in the same process and rounds | $without ms |
| Ratio with / without, round by round (median) | $(paired sheets "$sheet_steps" 1+7 3+5) |
| The tab's page window created, shown and painted (median of $rounds) | $tab ms |
| Its template 501 as a bare page (a dialog procedure that does nothing) | $bare_page ms |
| Ratio tab / bare template, round by round (median) | $(paired pages "$page_steps" 2+7 3+6) |
| Refresh Rates dialog, click to shown and painted, cancelled (median of $rounds) | $dialog ms |
| Its template 502 run modally bare, the same way | $bare_dialog ms |
| Ratio dialog / bare template, round by round (median) | $(paired pages "$dialog_steps" 1+4 2+3) |
| DllCanUnloadNow after the sheet has closed | ${unload:-not logged} |
| Load average while measured (1, 5, 15 min) | $load |
| Wine mode | $TARV_WINE_MODE |

| The dialog's opening by phase (median of $rounds, ms) | dialog | bare template 502 | beyond it |
|---|---|---|---|
$(phase_rows "$(phases pages 'the dialog')" "$(phases pages 'its bare template 502')")

| The tab's opening by phase (median of $rounds, ms) | tab | bare template 501 | beyond it |
|---|---|---|---|
$(phase_rows "$(phases tabs 'the tab')" "$(phases tabs 'its bare template 501')")

| What the calls cost on the bare templates (median of $rounds, ms) |
|---|
$(tr ',' '\n' <<<"${costs:-not logged}" | sed -E 's/^ *(.*) ([0-9.]+)$/| \1: \2 |/')

| Registry calls | PC | open | create | query | set | delete value | delete key | close | enum | total |
|---|---|---|---|---|---|---|---|---|---|---|
TABLE
"$regcount" "one Voodoo5 5500" resources/page/TarvPage.rc tests/fixtures/win98-voodoo5-5500.reg \
    tests/wine/fixtures/tarvello-tab.reg
"$regcount" "two Voodoo5" resources/page/TarvPage.rc tests/fixtures/win98-two-voodoo5.reg \
    tests/wine/fixtures/tarvello-tab.reg
"$regcount" "3dfx 1.07.00" resources/page/TarvPage.rc tests/fixtures/win98-voodoo-series-1.07.reg \
    tests/wine/fixtures/tarvello-tab.reg
