#!/usr/bin/env bash
# The installer on Windows 95: no Advanced Panel, and Cancel writes nothing; forcent4 and the
# clock limits, clamped, reach the product key; without TARVPAGE.DLL beside it the installer
# only says so, in German with forcelang(german), and touches nothing.
# Usage: installer-options.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin installer-options win95
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" "$E2E_WINE_FIXTURES/handler-keys.reg"

product='HKEY_LOCAL_MACHINE\Software\Tarvello'
display='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Controls Folder\Display\Shellex\PropertySheetHandlers\Tarvello'
# With HKLM\Software\Classes, the machine's part of HKEY_CLASSES_ROOT.
export_all() { e2e_export 'HKEY_LOCAL_MACHINE\Software' "software-$1"; }
export_all before

e2e_installer start: wait:1013 enabled:1004 enabled:1005 click:2 exit
check_log "Windows 95 offers no Advanced Panel" "enabled 1004 0"
check_log "nor its group box" "enabled 1005 0"
check_log "Cancel ends with 0" "exit code 0"
export_all cancelled
check_changes "Cancel writes nothing" software-before software-cancelled </dev/null

e2e_installer 'start:forcent4 lowerlimit(90) upperlimit(999)' wait:1013 click:1002 click:1 \
    wait:1015 click:1 exit
e2e_export "$product" product
e2e_export "$display" display
check_value "forcent4 is recorded" product "[$product]" ForceNT4 '"ForceNT4"="1"'
check_value "no other forced flavour" product "[$product]" Force95 ''
check_value "lowerlimit(90) is clamped to 100" product "[$product]" LowerLimit '"LowerLimit"="100"'
check_value "upperlimit(999) is clamped to 240" product "[$product]" UpperLimit '"UpperLimit"="240"'
check_value "the Display handler, as on NT" display "[$display]" @ \
    '@="{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"'

rm "$E2E_PREFIX/drive_c/TARV/TARVPAGE.DLL"
export_all installed
e2e_installer 'start:forcelang(german)' exit start: exit
check_log "the German not-found message" 'message box: caption "Tarvello" text "Installationsabbruch\n\nTARVPAGE.DLL NICHT GEFUNDEN : Die DLL Datei TARVPAGE.dll muss im selben Verzeichnis sein wie die TARVINST.exe"'
check_log "the English one without the option" 'message box: caption "Tarvello" text "Install Aborted\n\nTARVPAGE.DLL NOT FOUND: The TARVPAGE.dll must be in the same directory as the TARVINST.exe file for installation to complete."'
check "both runs end with 0" test "$(grep -c '^exit code 0$' "$E2E_LOG")" = 2
check_no_log "no dialog opens" '^dialog with'
export_all missing
check_changes "the registry untouched" software-installed software-missing </dev/null

e2e_end
