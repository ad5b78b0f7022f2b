#!/usr/bin/env bash
# Cancel writes nothing: after every kind of change on the tab, Cancel leaves the registry
# byte for byte as it was. On Windows 98 (or Me) by default, or on XP with its service keys.
# Usage: win98-cancel.sh [winme|winxp] TARVPAGE.DLL dispprops.exe
flavour=win98
case $1 in winme | winxp) flavour=$1; shift ;; esac
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin "cancel-$flavour" "$flavour"
tuned=win98-tuned.reg
[ "$(e2e_family "$flavour")" = nt ] && tuned=xp-tuned.reg
e2e_seed_pc "$flavour"
e2e_seed "$E2E_WINE_FIXTURES/tarvello-tab.reg" "$E2E_WINE_FIXTURES/$tuned"
e2e_host --no-open  # Wine settles its own display keys at the first start

save() {
    e2e_export 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services' "services-$1"
    e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' "product-$1"
    e2e_export_system "system-$1"
}
compare() {
    check_same "$1: HKLM\\System\\CurrentControlSet\\Services unchanged" services-before "services-$2"
    check_same "$1: HKLM\\Software\\Tarvello unchanged" product-before "product-$2"
    check_changes "$1: nothing else in HKLM\\System changed" system-before "system-$2" </dev/null
}
save before

e2e_host tab:Tarvello dump click:1006 click:1007 click:1009 click:1009 slider:1001:200 dump cancel
check_log_start "the stored clock is loaded" \
    'control 1001 msctls_trackbar32 pos=180 range=120..220 enabled=1'
check_log_start "the stored OpenGL switch is loaded" \
    'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL" checked=1'
check_log_start "the changes are on the page" \
    'control 1001 msctls_trackbar32 pos=200 range=120..220 enabled=1'
check_log "Cancel closes the sheet" "sheet closed"
save switches
compare "switches, clock and Cancel" switches

e2e_host tab:Tarvello click:1002 dump cancel
check_log_start "factory defaults are on the page" \
    'control 1001 msctls_trackbar32 pos=166 range=120..220 enabled=0'
save defaults
compare "factory defaults and Cancel" defaults

e2e_end
