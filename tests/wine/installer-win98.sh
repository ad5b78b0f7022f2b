#!/usr/bin/env bash
# The installer on a Windows 98 PC with one Voodoo5 5500: a fresh installation writes exactly
# its keys and the shell loads the tab through them; a second run offers maintenance, where
# Enter, and Re&install then Cancel, change nothing; reinstalling under the Advanced Panel from
# another folder moves the handler to the Device panel, resets the driver values and points
# the Add/Remove Programs entry there; after DllRegisterServer has added its entries, &Remove,
# started by the shell from that entry, leaves the registry as it was before the installation.
# On Windows 98 by default, or on Me, which offers the Advanced Panel too.
# In Wine's WoW64 mode the export of HKEY_CLASSES_ROOT shows the class a second time under
# Wow6432Node, where Windows shows it once: the check of the installed class expects that there.
# Usage: installer-win98.sh [winme] TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
flavour=win98
case $1 in winme) flavour=$1; shift ;; esac
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin "installer-$flavour" "$flavour"
e2e_seed_pc "$flavour"
e2e_seed "$E2E_WINE_FIXTURES/handler-keys.reg"
handlers='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Controls Folder'
uninstall='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
e2e_host --no-open  # Wine settles its own display keys at the first start

export_all() {
    e2e_export "$handlers" "handlers-$1"
    e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' "product-$1"
    e2e_export HKEY_CLASSES_ROOT "classes-$1"
    e2e_export_system "system-$1"
    e2e_export "$uninstall" "uninstall-$1"
}
export_all before

clsid='{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}'
class="HKEY_CLASSES_ROOT\\CLSID\\$clsid"
display="$handlers\\Display\\Shellex\\PropertySheetHandlers\\Tarvello"
device="$handlers\\Device\\Shellex\\PropertySheetHandlers\\Tarvello"
product='HKEY_LOCAL_MACHINE\Software\Tarvello'
instance='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000'

echo "-- a fresh installation"
e2e_installer start: wait:1013 checked:1000 enabled:1004 enabled:1005 click:1 answer text:1013 \
    click:1003 click:1000 click:1 answer click:1002 move:40:30 click:1 wait:1015 rect text:1015 \
    text:1016 click:1 exit
check_log "Do not install is chosen at first" "checked 1000 1"
check_log "$flavour offers the Advanced Panel" "enabled 1004 1"
check_log "its group box too" "enabled 1005 1"
check "OK without a model shows the error twice" test "$(grep -c '^message box: caption "Install Error" text "You must select a Voodoo5 model to install"$' "$E2E_LOG")" = 2
check_log "the model dialog stays open after the error" 'text 1013 "Version 1.0 English"'
check_log_start "the installed dialog opens where the model dialog was dragged" "rect 40,30,"
check_log "installed, line 1" 'text 1015 "The Tarvello has been"'
check_log "installed, line 2" 'text 1016 "successfully installed on your system."'
check_log "the installer ends with 0" "exit code 0"
export_all installed
check_changes "the Display handler" handlers-before handlers-installed <<EOF2
+ [$display]
+ [$display]	@="$clsid"
EOF2
check_changes "the product key" product-before product-installed <<EOF2
+ [$product]
+ [$product]	"ColorDepth"="8"
+ [$product]	"DefaultClock"="166"
+ [$product]	"EnableClock"="0"
+ [$product]	"LinkAllColorDepths"="0"
+ [$product]	"LowerLimit"="120"
+ [$product]	"Model"="Voodoo5 5500"
+ [$product]	"UpperLimit"="220"
EOF2
check_class_changes "the class and its server beside the installer" classes-before classes-installed <<EOF2
+ [$class]
+ [$class\\InProcServer32]
+ [$class\\InProcServer32]	@="C:\\\\TARV\\\\TARVPAGE.DLL"
+ [$class\\InProcServer32]	"ThreadingModel"="Apartment"
EOF2
check_changes "nothing in HKLM\\System" system-before system-installed </dev/null
check_changes "the Add/Remove Programs entry names the installer" uninstall-before \
    uninstall-installed <<EOF2
+ [$uninstall\\Tarvello]
+ [$uninstall\\Tarvello]	"DisplayIcon"="C:\\\\TARV\\\\TARVINST.EXE,0"
+ [$uninstall\\Tarvello]	"DisplayName"="Tarvello"
+ [$uninstall\\Tarvello]	"DisplayVersion"="1.0"
+ [$uninstall\\Tarvello]	"Publisher"="Tarvello"
+ [$uninstall\\Tarvello]	"UninstallString"="C:\\\\TARV\\\\TARVINST.EXE"
EOF2
check "Wine's Add/Remove Programs lists it" grep -qx 'Tarvello|||Tarvello' \
    <(e2e_wine uninstaller --list | tr -d '\r')

echo "-- the tab through that registration, tuned"
e2e_host tab:Tarvello click:1006 click:1007 click:1009 slider:1001:175 ok
check_log "the shell loads the tab" \
    "handler Tarvello $clsid: Initialize S_OK, AddPages S_OK, 1 page(s)"
export_all tuned
check_value "the page wrote the clock" system-tuned "[$instance\\DEFAULT]" Grxclock '"Grxclock"="175"'

echo "-- maintenance: Enter, and Re&install then Cancel, change nothing"
e2e_installer start: wait:1009 text:1009 key:13 exit start: wait:1009 rect click:1006 wait:1013 \
    rect click:2 exit
check_log "the maintenance dialog" 'text 1009 "The Tarvello is currently"'
corner=$(grep -m1 '^rect ' "$E2E_LOG" | cut -d, -f1-2)
check "the model dialog opens where the maintenance dialog was" \
    test "$(grep -c "^$corner," "$E2E_LOG")" = 2
check "both runs end with 0" test "$(grep -c '^exit code 0$' "$E2E_LOG")" = 2
export_all cancelled
for part in handlers product classes system uninstall; do
    check_changes "$part unchanged" "$part-tuned" "$part-cancelled" </dev/null
done

echo "-- Re&install under the Advanced Panel, from another folder"
folder="$E2E_PREFIX/drive_c/Program Files/Tarvello"
mkdir -p "$folder"
cp "$E2E_DLL" "$folder/TARVPAGE.DLL"
cp "$E2E_INSTALLER" "$folder/TARVINST.EXE"
E2E_PROGRAM='C:\Program Files\Tarvello\TARVINST.EXE'
e2e_installer start: wait:1009 click:1006 wait:1013 click:1004 checked:1004 click:1004 \
    checked:1004 click:1004 click:1001 click:1 wait:1015 click:1 exit
check_log "the box ticks" "checked 1004 1"
check_log "and clears again" "checked 1004 0"
export_all advanced
check_changes "the Device handler replaces the Display one" handlers-tuned handlers-advanced <<EOF2
- [$display]
- [$display]	@="$clsid"
+ [$device]
+ [$device]	@="$clsid"
EOF2
check_changes "the product key starts afresh, without the copy of the tab's apply" \
    product-tuned product-advanced <<EOF2
- [$product]	"EnableClock"="1"
+ [$product]	"EnableClock"="0"
- [$product]	"Model"="Voodoo5 5500"
+ [$product]	"Model"="Voodoo5 5000"
- [$product\Remembered]
- [$product\Remembered]	"EnableClock"="1"
- [$product\Remembered]	"Clock"="175"
- [$product\Remembered]	"OpenGLSwapOff"="1"
- [$product\Remembered]	"Direct3DSwapOff"="1"
EOF2
check_changes "the entry follows the installer, quoted for the command line" uninstall-tuned \
    uninstall-advanced <<EOF2
- [$uninstall\\Tarvello]	"DisplayIcon"="C:\\\\TARV\\\\TARVINST.EXE,0"
+ [$uninstall\\Tarvello]	"DisplayIcon"="C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE,0"
- [$uninstall\\Tarvello]	"UninstallString"="C:\\\\TARV\\\\TARVINST.EXE"
+ [$uninstall\\Tarvello]	"UninstallString"="\\"C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE\\""
EOF2
check_changes "the driver values are reset" system-tuned system-advanced <<EOF2
- [$instance\\DEFAULT]	"Grxclock"="175"
- [$instance\\D3D]	"SSTH3_SWAPINTERVAL"="0"
- [$instance\\Glide]	"FX_GLIDE_SWAPINTERVAL"="0"
EOF2

echo "-- &Remove after DllRegisterServer"
e2e_host --panel Device tab:Tarvello click:1006 click:1007 click:1009 slider:1001:180 ok \
    'register:C:\Program Files\Tarvello\TARVPAGE.DLL'
check_log "the advanced panel loads the tab" \
    "handler Tarvello $clsid: Initialize S_OK, AddPages S_OK, 1 page(s)"
check_log "the library registered itself" "DllRegisterServer: S_OK"
# Add/Remove Programs runs the entry's command line as it stands.
e2e_export "$uninstall" uninstall-registered
e2e_installer "shell:$(reg_text uninstall-registered "[$uninstall\\Tarvello]" UninstallString)" \
    wait:1009 click:1007 wait:1017 text:1017 text:1018 click:1 exit
check_log "the shell starts the installer in its folder" \
    'started with ""C:\Program Files\Tarvello\TARVINST.EXE""'
check_log "removed, line 2" 'text 1018 "successfully removed from your system."'
export_all removed
for part in handlers product classes uninstall; do
    check_changes "$part as before the installation" "$part-before" "$part-removed" </dev/null
done
check_changes "no driver value left, only the page's empty keys" system-before system-removed <<EOF2
+ [$instance\\D3D]
+ [$instance\\Glide]
EOF2

e2e_end
