#!/usr/bin/env bash
# A Windows 98 PC as today's drivers leave it. First 3dfx's 1.07.00 driver alone: one Voodoo5
# 5500 at instance 0001 described as "3dfx Voodoo Series" and found through its binding in
# Enum\PCI; the Refresh Rates dialog lists the driver's own rates and its Optimal policy, with
# nothing to choose at 24 bits. Then a second Voodoo5 under a community driver ("Voodoo 5") at
# 0003 and a Voodoo3 at 0002: the typical change reaches both Voodoo5 boards and not the
# Voodoo3, and the installer's removal resets both boards' values.
# Usage: win98-today-drivers.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin today-drivers win98
e2e_seed "$E2E_FIXTURES/win98-voodoo-series-1.07.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start
e2e_export_system system-before

echo "-- the Refresh Rates dialog on the 1.07.00 board"
e2e_host tab:Tarvello click:1026 dlg:dump dlg:select:1024:160 dlg:select:1018:65 \
    dlg:select:1014:72 dlg:click:1030 dlg:dump dlg:click:2 cancel
check_no_log "every rate of the driver's table can be chosen" '^(dlg:|done: [1-9])'
check_log_start "640x480 offers its eight rates" 'control 1024 ComboBox "Adapter" selected="Adapter" items=11'
check_log_start "1600x1200 offers its seven" 'control 1018 ComboBox "Adapter" selected="Adapter" items=10'
check_log_start "2048x1536 offers its two" 'control 1017 ComboBox "Adapter" selected="Adapter" items=5'
check "the driver's Optimal policy is shown" grep -qE '^control 1051 Button ".*" checked=1' "$E2E_LOG"
check "at 24 bits every resolution is disabled" test "$(grep -cE \
    '^control 10(1[1-9]|2[0-5]) ComboBox .* enabled=0' "$E2E_LOG")" = 15
e2e_export_system system-cancelled
check_changes "Cancel writes nothing" system-before system-cancelled </dev/null

echo "-- a second board under a community driver, and a Voodoo3"
e2e_seed "$E2E_FIXTURES/win98-community-driver.reg"
e2e_export_system system-both
e2e_host tab:Tarvello click:1006 click:1007 click:1009 slider:1001:175 ok
check_log "OK closes the sheet" "sheet closed"
e2e_export_system system-tuned
changes() {
    local number class='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display'
    for number in 0001 0003; do
        printf '+ %s\\%s\\DEFAULT]\t"Grxclock"="175"\n' "$class" "$number"
        printf '+ %s\\%s\\Glide]\n' "$class" "$number"
        printf '+ %s\\%s\\Glide]\t"FX_GLIDE_SWAPINTERVAL"="0"\n' "$class" "$number"
        printf '+ %s\\%s\\D3D]\n' "$class" "$number"
        printf '+ %s\\%s\\D3D]\t"SSTH3_SWAPINTERVAL"="0"\n' "$class" "$number"
    done
}
check_changes "the change reaches both Voodoo5 boards and not the Voodoo3" system-both \
    system-tuned < <(changes)

echo "-- removal"
e2e_installer start: wait:1009 click:1007 wait:1017 text:1018 click:1 exit
check_log "removed" 'text 1018 "successfully removed from your system."'
e2e_export_system system-removed
check_changes "both boards reset, only the page's empty keys left" system-both system-removed \
    < <(changes | grep -v -e '"' -e DEFAULT)

e2e_end
