#!/usr/bin/env bash
# The installer on Windows NT 4.0 (or 2000 or XP, with the 3dfxvs service): no Advanced Panel;
# the tab loads through the installation, which also enters it in the shell's approved list
# and in Add/Remove Programs (Remove only); a reinstallation from another folder points the
# entry there; after the page has written its values and DllRegisterServer its entries,
# &Remove leaves no key of the product, no approval, no entry and no driver value.
# Usage: installer-nt4.sh [win2k|winxp] TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
flavour=nt40
case $1 in win2k | winxp) flavour=$1; shift ;; esac
. "$(dirname "$0")/e2e-lib.sh"

service=$(e2e_nt_service "$flavour") || exit 2
e2e_begin "installer-$flavour" "$flavour"
e2e_seed_pc "$flavour"
e2e_seed "$E2E_WINE_FIXTURES/handler-keys.reg"
e2e_host --no-open

clsid='{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}'
services='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services'
approved='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
uninstall='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
export_all() {
    e2e_export 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Controls Folder' \
        "handlers-$1"
    e2e_export 'HKEY_LOCAL_MACHINE\Software\Tarvello' "product-$1"
    e2e_export HKEY_CLASSES_ROOT "classes-$1"
    e2e_export "$services" "services-$1"
    e2e_export "$approved" "approved-$1"
    e2e_export "$uninstall" "uninstall-$1"
}
export_all before

e2e_installer start: wait:1013 enabled:1004 click:1002 click:1 wait:1015 click:1 exit
check_log "NT offers no Advanced Panel" "enabled 1004 0"
check_log "the installer ends with 0" "exit code 0"
export_all installed
entry="[$uninstall\\Tarvello]"
check_value "the Add/Remove Programs entry names the installer" uninstall-installed "$entry" \
    UninstallString '"UninstallString"="C:\\TARV\\TARVINST.EXE"'
check_value "and offers Remove only" uninstall-installed "$entry" NoModify \
    '"NoModify"=dword:00000001'
check_value "no Repair either" uninstall-installed "$entry" NoRepair '"NoRepair"=dword:00000001'

e2e_host tab:Tarvello click:1006 click:1009 slider:1001:180 ok 'register:C:\TARV\TARVPAGE.DLL'
check_log "the shell loads the tab" \
    "handler Tarvello $clsid: Initialize S_OK, AddPages S_OK, 1 page(s)"
check_log "the library registered itself" "DllRegisterServer: S_OK"
export_all tuned
check_value "the installation approved the class" approved-tuned "[$approved]" "$clsid" \
    "\"$clsid\"=\"Tarvello\""
check_value "the page wrote the clock" services-tuned "[$services\\$service\\Device0]" \
    GraphicsClocking '"GraphicsClocking"=dword:000000b4'

folder="$E2E_PREFIX/drive_c/Program Files/Tarvello"
mkdir -p "$folder"
cp "$E2E_DLL" "$folder/TARVPAGE.DLL"
cp "$E2E_INSTALLER" "$folder/TARVINST.EXE"
E2E_PROGRAM='C:\Program Files\Tarvello\TARVINST.EXE'
e2e_installer start: wait:1009 click:1006 wait:1013 click:1002 click:1 wait:1015 click:1 exit
export_all moved
check_changes "a reinstallation from another folder points the entry there" uninstall-installed \
    uninstall-moved <<EOF2
- [$uninstall\\Tarvello]	"DisplayIcon"="C:\\\\TARV\\\\TARVINST.EXE,0"
+ [$uninstall\\Tarvello]	"DisplayIcon"="C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE,0"
- [$uninstall\\Tarvello]	"UninstallString"="C:\\\\TARV\\\\TARVINST.EXE"
+ [$uninstall\\Tarvello]	"UninstallString"="\\"C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE\\""
EOF2

e2e_installer start: wait:1009 click:1007 wait:1017 text:1017 click:1 exit
check_log "the removed dialog" 'text 1017 "The Tarvello has been"'
export_all removed
check_value "removal withdrew the approval" approved-removed "[$approved]" "$clsid" ""
for part in handlers product classes uninstall; do
    check_changes "$part as before the installation" "$part-before" "$part-removed" </dev/null
done
# On 2000 and XP Glide reads the 3dfxvs service's glide key, which the page wrote too.
glide_key=
if [ "$service" = 3dfxvs ]; then
    glide_key="+ [$services\\3dfxvs\\Device0\\glide]"
    check_value "the OpenGL switch reached Glide's own key" services-tuned \
        "[$services\\3dfxvs\\Device0\\glide]" FX_GLIDE_SWAPINTERVAL '"FX_GLIDE_SWAPINTERVAL"="0"'
fi
check_changes "no driver value left, only the page's empty keys" services-before services-removed <<EOF2
+ [$services\\3Dfx]
+ [$services\\3Dfx\\Device0]
+ [$services\\3Dfx\\Device0\\Glide]
$glide_key
EOF2

e2e_end
