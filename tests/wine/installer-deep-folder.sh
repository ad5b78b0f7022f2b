#!/usr/bin/env bash
# The installer in a deep folder, whose library path is longer than the 128 characters OpenFile
# can take: it finds the library, installs, and the tab loads from there. A folder named like
# the library, or a library path over 255 characters, still gives the not-found message.
# Usage: installer-deep-folder.sh TARVPAGE.DLL dispprops.exe TARVINST.EXE dlgdriver.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin installer-deep-folder win98
e2e_seed_pc win98
e2e_seed "$E2E_WINE_FIXTURES/handler-keys.reg"
e2e_host --no-open

folder='Program Files\Retro Tools\Voodoo5 tuning for the display properties of Windows\Tarvello 1.0 for Windows 95, 98, Me, NT 4.0, 2000 and XP'
library="C:\\$folder\\TARVPAGE.DLL"
check "the library path is longer than 150 characters" test "${#library}" -gt 150
mkdir -p "$E2E_PREFIX/drive_c/${folder//\\//}"
cp "$E2E_DLL" "$E2E_PREFIX/drive_c/${folder//\\//}/TARVPAGE.DLL"
cp "$E2E_INSTALLER" "$E2E_PREFIX/drive_c/${folder//\\//}/TARVINST.EXE"

E2E_PROGRAM="C:\\$folder\\TARVINST.EXE"
e2e_installer start: wait:1013 click:1002 click:1 wait:1015 text:1016 click:1 exit
check_log "installed, with no not-found message" 'text 1016 "successfully installed on your system."'
check_no_log "no message box" '^message box'

e2e_export HKEY_CLASSES_ROOT classes
check_value "the server is the library in the deep folder" classes \
    '[HKEY_CLASSES_ROOT\CLSID\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\InProcServer32]' @ \
    "@=\"${library//\\/\\\\}\""
e2e_host tab:Tarvello
check_log "the tab loads from there" \
    "handler Tarvello {7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}: Initialize S_OK, AddPages S_OK, 1 page(s)"
check_log 'and is shown' 'tab "Tarvello" selected'

# Only a file counts: a folder of the library's name reads as missing, and so does a library
# path of 256 characters (with the installer's own, as long, still within MAX_PATH).
notfound='message box: caption "Tarvello" text "Install Aborted\n\nTARVPAGE.DLL NOT FOUND:'
install_in() {  # install_in FOLDER: the installer alone in C:\FOLDER
    mkdir -p "$E2E_PREFIX/drive_c/${1//\\//}"
    cp "$E2E_INSTALLER" "$E2E_PREFIX/drive_c/${1//\\//}/TARVINST.EXE"
    E2E_PROGRAM="C:\\$1\\TARVINST.EXE"
}
install_in 'FOLDER'
mkdir "$E2E_PREFIX/drive_c/FOLDER/TARVPAGE.DLL"
e2e_installer start: answer exit
check_log_start "a folder is no library" "$notfound"

long="LONG\\$(printf 'd%.0s' $(seq 1 235))"
install_in "$long"
cp "$E2E_DLL" "$E2E_PREFIX/drive_c/${long//\\//}/TARVPAGE.DLL"
check "this library path has 256 characters" test "$(printf 'C:\\%s\\TARVPAGE.DLL' "$long" | wc -c)" = 256
e2e_installer start: answer exit
check_log_start "a library path of 256 characters reads as missing" "$notfound"

e2e_end
