#!/usr/bin/env bash
# The driver's own "Vertical Sync" tab set to "Enable" on a Windows 98 PC as 3dfx's 1.07.00
# driver leaves it: "FX_GLIDE_SWAPINTERVAL" holds "1". The tab shows the OpenGL box clear, and
# OK leaves the value, and everything else in HKLM\System, as it was.
# Usage: win98-foreign-vsync.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin foreign-vsync win98
e2e_seed "$E2E_FIXTURES/win98-voodoo-series-1.07.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
glide='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0001\Glide]'
e2e_seed_text vsync-enabled <<EOF2
$glide
"FX_GLIDE_SWAPINTERVAL"="1"
EOF2
e2e_host --no-open  # Wine settles its own display keys at the first start
e2e_export_system system-before

e2e_host tab:Tarvello dump ok
check_log_start "the OpenGL box shows clear" \
    'control 1006 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &OpenGL" checked=0'
check_log "OK closes the sheet" "sheet closed"
check_no_log "no message box" '^message box'
e2e_export_system system-after
check_value "the driver's \"1\" stays" system-after "$glide" FX_GLIDE_SWAPINTERVAL \
    '"FX_GLIDE_SWAPINTERVAL"="1"'
check_changes "OK changes nothing in HKLM\\System" system-before system-after </dev/null

e2e_end
