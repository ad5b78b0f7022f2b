#!/usr/bin/env bash
# The Refresh Rates dialog saves what its fields show, on a Windows 98 PC with Voodoo5 boards
# at 0001 and 0003 (0003 is shown). A rate typed key by key over a field stored as Optimal is
# saved as typed on both boards, and the field then shows it; the other board's rate for a
# resolution the shown board lacks (1280x1024, left over on 0001) survives every save; a rate
# of 200 the driver offers is saved as 200.
# Usage: win98-refresh-saves.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin refresh-saves win98
e2e_seed "$E2E_FIXTURES/win98-two-voodoo5.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
modes='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display'
e2e_seed_text saves <<EOF2
[$modes\0001\DEFAULT]
"RefreshRate"="0"

[$modes\0003\DEFAULT]
"RefreshRate"="0"

[$modes\0001\MODES\8\640,480]
"RefreshRate"="-1"

[$modes\0003\MODES\8\640,480]
"RefreshRate"="-1"

[$modes\0001\MODES\8\800,600]
@="60,72,75,85,100,120,160,200"

[$modes\0003\MODES\8\800,600]
@="60,72,75,85,100,120,160,200"

[$modes\0001\MODES\8\1280,1024]
@="60,75,85"
"RefreshRate"="85"
EOF2
e2e_host --no-open  # Wine settles its own display keys at the first start
e2e_export 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services' before

e2e_host tab:Tarvello click:1026 dlg:type:1024:75 dlg:dump dlg:click:1033 dlg:dump dlg:click:1 cancel
check_log_start 'typing leaves the list without a selection' \
    'control 1024 ComboBox "75" selected="<none>" items=9'
check_log_start 'the resolution 0003 lacks is disabled' 'control 1023 ComboBox "Adapter" selected="Adapter" items=4 enabled=0'
check_log_start 'after Save the field shows the saved rate' \
    'control 1024 ComboBox "75" selected="75" items=9'
check_no_log 'no step failed and no message' '^done: ([1-9]|0 step\(s\) failed, [1-9])'
e2e_export 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services' typed
check_changes 'typed 75: both boards hold 75, 0001 keeps its 1280x1024 rate' before typed <<EOF2
- [$modes\0001\MODES\8\640,480]	"RefreshRate"="-1"
+ [$modes\0001\MODES\8\640,480]	"RefreshRate"="75"
- [$modes\0003\MODES\8\640,480]	"RefreshRate"="-1"
+ [$modes\0003\MODES\8\640,480]	"RefreshRate"="75"
EOF2

e2e_host tab:Tarvello click:1026 dlg:select:1025:200 dlg:click:1 cancel
check_no_log 'no step failed and no message' '^done: ([1-9]|0 step\(s\) failed, [1-9])'
e2e_export 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services' offered
check_changes 'an offered 200 is saved as 200 on both boards' typed offered <<EOF2
+ [$modes\0001\MODES\8\800,600]	"RefreshRate"="200"
+ [$modes\0003\MODES\8\800,600]	"RefreshRate"="200"
EOF2

e2e_end
