#!/usr/bin/env bash
# The Refresh Rates dialog opened from the tab on a Windows 98 PC with Voodoo5 boards at 0001
# and 0003: Default then Cancel leaves the registry byte for byte as it was; rates chosen,
# saved, a depth switch, link-all and OK write exactly the expected values to both boards.
# The sheet stays disabled while the dialog runs, and the tab stays unmodified.
# Usage: win98-refresh-rates.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin refresh-rates win98
e2e_seed "$E2E_FIXTURES/win98-two-voodoo5.reg" "$E2E_WINE_FIXTURES/tarvello-tab.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start

save() {
    e2e_export 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services' "services-$1"
    e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' "product-$1"
    e2e_export_system "system-$1"
}
save before

e2e_host tab:Tarvello click:1026 dlg:dump dlg:select:1024:100 dlg:click:1051 dlg:click:1034 \
    dlg:click:2 dump cancel
check_log 'the sheet is disabled under the dialog' 'dialog "Refresh Rates", sheet disabled'
check_log_start 'the 8-bit rates of 0003 are offered' \
    'control 1024 ComboBox "Adapter" selected="Adapter" items=9 enabled=1'
check_log 'the tab is not marked modified' 'page "Tarvello" apply button disabled'
save cancelled
check_same 'Cancel: HKLM\System\CurrentControlSet\Services unchanged' services-before services-cancelled
check_same 'Cancel: HKLM\Software\Tarvello unchanged' product-before product-cancelled

# Saved at 8 bits: 640x480 at 75 and 800x600 optimal. Then 16 bits, 1024x768 at 85, link all,
# 640x480 at 72, optimal for the adapter, OK: every depth with a key gets the shown choices,
# so 800x600 (shown as Adapter at 16 bits) loses the 8-bit value saved before.
e2e_host tab:Tarvello click:1026 dlg:select:1024:75 dlg:select:1025:Optimal dlg:click:1033 \
    dlg:click:1029 dlg:select:1020:85 dlg:click:1032 dlg:select:1024:72 dlg:click:1051 \
    dlg:click:1 dump cancel
check_log 'the tab is still not marked modified' 'page "Tarvello" apply button disabled'
check_no_log 'no step failed' '^done: [1-9]'
save after

changes() {
    local instance depth modes='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display'
    for instance in 0001 0003; do
        printf '+ %s\\%s\\DEFAULT]\t"RefreshRate"="-1"\n' "$modes" "$instance"
        for depth in 8 16 32; do
            printf '+ %s\\%s\\MODES\\%s\\640,480]\t"RefreshRate"="72"\n' "$modes" "$instance" "$depth"
            printf '+ %s\\%s\\MODES\\%s\\1024,768]\t"RefreshRate"="85"\n' "$modes" "$instance" "$depth"
        done
    done
}
check_changes 'OK: the chosen rates in every depth of both boards' system-before system-after \
    < <(changes)
copy='[HKEY_LOCAL_MACHINE\Software\Tarvello\Remembered]'
check_changes 'OK: the depth shown, link-all and the copy of the save' product-before \
    product-after <<EOF2
- [HKEY_LOCAL_MACHINE\Software\Tarvello]	"ColorDepth"="8"
+ [HKEY_LOCAL_MACHINE\Software\Tarvello]	"ColorDepth"="16"
- [HKEY_LOCAL_MACHINE\Software\Tarvello]	"LinkAllColorDepths"="0"
+ [HKEY_LOCAL_MACHINE\Software\Tarvello]	"LinkAllColorDepths"="1"
+ $copy
+ $copy	"RefreshRate"="-1"
+ $copy	"Rates8"="72;;;85"
+ $copy	"Rates16"="72;;;85"
+ $copy	"Rates24"="72;;;85"
+ $copy	"Rates32"="72;;;85"
EOF2

e2e_end
