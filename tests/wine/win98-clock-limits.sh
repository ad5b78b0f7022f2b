#!/usr/bin/env bash
# A stored clock outside the installed limits is reported when the tab opens and written back
# clamped to every Voodoo5 adapter at once (two boards, at 0001 and 0003; the page reads 0003).
# On Windows 98 by default, or on Me; on XP the one clock is the 3dfxvs service's REG_DWORD.
# Usage: win98-clock-limits.sh [winme|winxp] TARVPAGE.DLL dispprops.exe
flavour=win98
case $1 in winme | winxp) flavour=$1; shift ;; esac
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin "clock-limits-$flavour" "$flavour"
family=$(e2e_family "$flavour")
if [ "$family" = nt ]; then
    e2e_seed_pc "$flavour"
else
    e2e_seed "$E2E_FIXTURES/win98-two-voodoo5.reg"
fi
e2e_seed "$E2E_WINE_FIXTURES/tarvello-tab.reg"

display='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display'
device='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\3dfxvs\Device0'
above='message box: caption "Tarvo" text "The Graphics Clock in presently set to 250 Mhz which is above the Upper Limit of 220 Mhz and will be reset to the Upper Limit now. You will need to restart Windows after exiting Display Properties."'

# Sets EnableClock and the stored clocks: the two adapters' texts, or on NT the DWORD (given
# in hex) of the one device.
stored() {
    if [ "$family" = nt ]; then
        e2e_seed_text stored <<EOF2
[HKEY_LOCAL_MACHINE\\Software\\Tarvello]
"EnableClock"="$1"

[$device]
"GraphicsClocking"=dword:$4
EOF2
        return
    fi
    e2e_seed_text stored <<EOF2
[HKEY_LOCAL_MACHINE\\Software\\Tarvello]
"EnableClock"="$1"

[$display\\0001\\DEFAULT]
"Grxclock"="$2"

[$display\\0003\\DEFAULT]
"Grxclock"="$3"
EOF2
}
# clocks_are WHAT MHZ (empty: deleted everywhere)
clocks_are() {
    if [ "$family" = nt ]; then
        e2e_export "$device" device
        check_value "$1" device "[$device]" GraphicsClocking \
            "${2:+$(printf '"GraphicsClocking"=dword:%08x' "$2")}"
        return
    fi
    local line=${2:+\"Grxclock\"=\"$2\"}
    e2e_export "$display" display
    check_value "$1: 0001" display "[$display\\0001\\DEFAULT]" Grxclock "$line"
    check_value "$1: 0003" display "[$display\\0003\\DEFAULT]" Grxclock "$line"
    check_value "$1: the other make's adapter is left alone" display "[$display\\0000\\DEFAULT]" \
        Grxclock ""
}

stored 1 190 250 000000fa
e2e_host tab:Tarvello dump cancel
check_log "250 MHz is reported as above the upper limit" "$above"
check_log "one message only" "done: 0 step(s) failed, 1 message box(es)"
check_log_start "the trackbar stands at the upper limit" \
    'control 1001 msctls_trackbar32 pos=220 range=120..220 enabled=1'
clocks_are "220 is written back although the sheet was cancelled" 220

stored 1 190 abc 00000000
e2e_host tab:Tarvello dump cancel
check_log "a clock of abc (a zero DWORD on NT) reads as 0, below the lower limit" 'message box: caption "Tarvo" text "The Graphics Clock in presently set to 0 Mhz which is below the Lower Limit of 120 Mhz and will be reset to the Lower Limit now. You will need to restart Windows after exiting Display Properties."'
check_log_start "the trackbar stands at the lower limit" \
    'control 1001 msctls_trackbar32 pos=120 range=120..220 enabled=1'
clocks_are "120 is written back" 120

stored 0 190 250 000000fa
e2e_host tab:Tarvello dump cancel
check_log "with adjustment off the same message" "$above"
check_log_start "the trackbar shows 220, disabled" \
    'control 1001 msctls_trackbar32 pos=220 range=120..220 enabled=0'
clocks_are "with adjustment off the clock is deleted on every adapter" ''

e2e_end
