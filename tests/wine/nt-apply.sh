#!/usr/bin/env bash
# Windows NT 4.0 (nt40), 2000 (win2k) and XP (winxp): the tab offers no Direct3D switch and no
# Refresh Rates, keeps the clock as a REG_DWORD in the display service's Device0 key, and its
# OpenGL switch writes both swap-interval values.
# Usage: nt-apply.sh nt40|win2k|winxp TARVPAGE.DLL dispprops.exe
flavour=$1
shift
. "$(dirname "$0")/e2e-lib.sh"

service=$(e2e_nt_service "$flavour") || exit 2

e2e_begin "apply-$flavour" "$flavour"
e2e_seed_pc "$flavour"
e2e_seed "$E2E_WINE_FIXTURES/tarvello-tab.reg"

services='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services'
e2e_host --no-open
e2e_export "$services" services-before

e2e_host tab:Tarvello dump click:1006 click:1009 slider:1001:180 ok
case $flavour in
win2k | winxp)
    check_log "2000 and XP show the tab in the Advanced sheet" \
        "open: posing as Windows 2000 or XP, the handlers' pages go in the \"Advanced\" sheet" ;;
*) check_no_log "NT 4.0 shows it among the top-level tabs" '"Advanced" sheet' ;;
esac
check_log_start "Direct3D is not offered" \
    'control 1007 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &Direct3D" checked=0 enabled=0'
check_log_start "Refresh Rates is not offered" 'control 1026 Button "&Refresh Rates..." enabled=0'
check_log_start "OpenGL is offered" \
    'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL" checked=0 enabled=1'
check_log_start "without a stored clock the default shows" \
    'control 1001 msctls_trackbar32 pos=166 range=120..220 enabled=0'
e2e_export "$services" services-after
# Windows 2000 and XP: Glide reads its own key under the 3dfxvs service too. (NT 4.0's follows
# the name Wine itself writes under HKLM\HARDWARE\DEVICEMAP\VIDEO; the native tests show it.)
glide_key= glide_value=
if [ "$flavour" != nt40 ]; then
    glide_key="+ [$services\\3dfxvs\\Device0\\glide]"
    glide_value="$glide_key"$'\t''"FX_GLIDE_SWAPINTERVAL"="0"'
fi
check_changes "OK writes the clock as a DWORD and both swap values" services-before services-after <<EOF2
+ [$services\\3Dfx]
+ [$services\\3Dfx\\Device0]
+ [$services\\3Dfx\\Device0\\Glide]
+ [$services\\3Dfx\\Device0\\Glide]	"FX_GLIDE_SWAPINTERVAL"="0"
+ [$services\\$service\\Device0]	"GraphicsClocking"=dword:000000b4
+ [$services\\$service\\Device0]	"SSTH3_SWAPINTERVAL"="0"
$glide_key
$glide_value
EOF2

e2e_host tab:Tarvello dump click:1006 ok
check_log_start "the DWORD clock is read back" \
    'control 1001 msctls_trackbar32 pos=180 range=120..220 enabled=1'
check_log_start "the OpenGL switch is read back" \
    'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL" checked=1 enabled=1'
e2e_export "$services" services-off
check_changes "switching OpenGL off deletes both swap values" services-before services-off <<EOF2
+ [$services\\3Dfx]
+ [$services\\3Dfx\\Device0]
+ [$services\\3Dfx\\Device0\\Glide]
+ [$services\\$service\\Device0]	"GraphicsClocking"=dword:000000b4
$glide_key
EOF2

e2e_end
