#!/usr/bin/env bash
# The tab loaded by the shell's own loader rather than the host's: after a real installation,
# shell32's SHCreatePropSheetExtArray over "Controls Folder\Display" (as the display applet
# calls it) creates the class, SHAddFromPropSheetExtArray has it add its page, and the typical
# change applies. (Wine's loader keeps one reference Windows releases, so this path cannot
# show the library unloading; unload.sh does that through the host's own loading.)
# Usage: shell-loader.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin shell-loader win98
e2e_seed_pc win98
e2e_seed "$E2E_WINE_FIXTURES/handler-keys.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start

e2e_installer start: wait:1013 click:1002 click:1 wait:1015 click:1 exit
check_log "installed" "exit code 0"
e2e_export_system system-before

e2e_host --shell-loader tab:Tarvello click:1009 slider:1001:175 ok
check_log "shell32 loaded the tab's page" "shell32 loader: 1 page(s)"
check_log "the sheet shows it" 'tab "Tarvello" selected'
check_log "OK closes the sheet" "sheet closed"
check_no_log "no message box" '^message box'

e2e_export_system system-after
instance='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000'
check_changes "the typical change applied" system-before system-after <<EOF2
+ $instance\\DEFAULT]	"Grxclock"="175"
EOF2

e2e_end
