#!/usr/bin/env bash
# Settings survive a new driver, on the Windows 98 PC under 3dfx's 1.07.00 driver: the user
# saves the Direct3D switch (leaving OpenGL's vsync on) and two 16-bit rates; the same driver
# is installed again (its INF's deletions and defaults, as a REGEDIT4 file); the reopened tab
# says so, and its Restore puts back what was saved. The installer's removal then takes the
# copy of the saves with the product key.
# Usage: win98-driver-reinstall.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"
. "$E2E_ROOT_DIR/scripts/lib/driver-reinstall.sh"

e2e_begin driver-reinstall win98
e2e_seed "$E2E_FIXTURES/win98-voodoo-series-1.07.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start
board='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0001'
copy='[HKEY_LOCAL_MACHINE\Software\Tarvello\Remembered]'

e2e_host tab:Tarvello click:1007 click:1026 dlg:click:1029 dlg:select:1024:75 \
    dlg:select:1020:85 dlg:click:1 ok
e2e_export_system saved
e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' product-saved
check_value "the copy holds the 16-bit rates" product-saved "$copy" Rates16 '"Rates16"="75;;;85"'
check_value "and the Direct3D switch" product-saved "$copy" Direct3DSwapOff '"Direct3DSwapOff"="1"'

driver_reinstall_reg "$E2E_PREFIX/driver-reinstall.reg"
e2e_seed "$E2E_PREFIX/driver-reinstall.reg"
e2e_export_system reinstalled
check_value "the driver took the 16-bit rate" reinstalled "$board\\MODES\\16\\640,480]" RefreshRate ''

e2e_host tab:Tarvello dump bmclick:1064 dump cancel
line='control 1063 Static "Your Tarvello settings were changed by a driver installation."'
check_log_start "the reopened tab says what happened" "$line enabled=1 visible=1"
check_log_start "Restore shows the restored state without the line" "$line enabled=1 visible=0"
check_no_log "no step failed and no message" '^done: ([1-9]|0 step\(s\) failed, [1-9])'
e2e_export_system restored
# All back as saved; only the driver's own GLIDE key is new, emptied of its "0" again (the
# OpenGL switch was saved clear, which needs no key of the tab's).
check_changes "Restore puts back every value saved" saved restored <<EOF
+ $board\\GLIDE]
EOF

e2e_installer start: wait:1009 click:1007 wait:1017 text:1018 click:1 exit
check_log "removed" 'text 1018 "successfully removed from your system."'
e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' product-removed
check "the copy went with the product key" test ! -s "$E2E_DIR/product-removed.txt"

e2e_end
