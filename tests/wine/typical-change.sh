#!/usr/bin/env bash
# The typical change on a Windows 98 (or 95 or Me) PC with one Voodoo5 5500 at instance 0000: tick
# "&Enable graphics clock adjustment", move the clock from 166 to 175, press OK. Exactly
# "EnableClock" and "Grxclock" change: the swap intervals, off, create no key.
# Usage: typical-change.sh win98|win95|winme TARVPAGE.DLL dispprops.exe
flavour=$1
shift
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin "typical-change-$flavour" "$flavour"
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start

e2e_export_system system-before
e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' product-before

e2e_host tab:Tarvello dump click:1009 slider:1001:175 dump ok
check_log "the shell got the tab" \
    "handler Tarvello {7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}: Initialize S_OK, AddPages S_OK, 1 page(s)"
check_log_start "the page shows the stored clock" 'control 1005 Static "166" enabled=0'
check_log_start "the trackbar spans the limits" \
    'control 1001 msctls_trackbar32 pos=166 range=120..220 enabled=0'
check_log_start "the model is shown" 'control 1008 Static "Voodoo5 5500" enabled=1'
check_log_start "the version line" 'control 1054 Static "Version 1.0 English" enabled=1'
check_log_start "Direct3D is offered" \
    'control 1007 Button "Don'"'"'t sync buffer swaps to monitor refresh rate for &Direct3D" checked=0 enabled=1'
check_log_start "Refresh Rates is offered" 'control 1026 Button "&Refresh Rates..." enabled=1'
check_log "the unchanged page leaves Apply off" 'page "Tarvello" apply button disabled'
check_log "a change turns Apply on" 'page "Tarvello" apply button enabled'
check_log_start "the box is ticked" \
    'control 1009 Button "&Enable graphics clock adjustment" checked=1 enabled=1'
check_log_start "the label follows the trackbar" 'control 1005 Static "175" enabled=1'
check_log "OK closes the sheet" "sheet closed"
check_no_log "no message box" '^message box'

e2e_export_system system-after
e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' product-after

instance='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000'
check_changes "exactly the typical change in HKLM\\System" system-before system-after <<EOF2
+ $instance\\DEFAULT]	"Grxclock"="175"
EOF2
copy='[HKEY_LOCAL_MACHINE\Software\Tarvello\Remembered]'
check_changes "exactly EnableClock in the product key, and the copy of the apply" product-before \
    product-after <<EOF2
- [HKEY_LOCAL_MACHINE\\Software\\Tarvello]	"EnableClock"="0"
+ [HKEY_LOCAL_MACHINE\\Software\\Tarvello]	"EnableClock"="1"
+ $copy
+ $copy	"EnableClock"="1"
+ $copy	"Clock"="175"
+ $copy	"OpenGLSwapOff"="0"
+ $copy	"Direct3DSwapOff"="0"
EOF2

e2e_end
