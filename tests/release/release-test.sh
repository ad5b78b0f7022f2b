#!/usr/bin/env bash
# The release as a Voodoo5 owner gets it: scripts/release.sh run twice gives the same zip and
# floppy image; both hold exactly the built binaries and a README.TXT that Notepad on
# Windows 95 reads; installed from the unpacked folder on a Windows 98 PC with a Voodoo5 5500
# the tab loads, and removal takes away everything the installer and the tab wrote.
# Usage: release-test.sh BUILD-DIR TARVPAGE.DLL TARVINST.EXE dispprops.exe dlgdriver.exe
build=$(readlink -f "$1")
dll=$(readlink -f "$2")
exe=$(readlink -f "$3")
driver=$(readlink -f "$5")
. "$(dirname "$0")/../wine/e2e-lib.sh" "$dll" "$4"

work=$(mktemp -d /tmp/tarv-release.XXXXXX)
trap 'e2e_stop; rm -rf "$work"' EXIT
names='README.TXT TARVINST.EXE TARVPAGE.DLL'

echo "== two runs of scripts/release.sh"
for run in 1 2; do
    TARV_BUILD_DIR=$build bash "$E2E_ROOT_DIR/scripts/release.sh" --out "$work/dist$run" \
        >"$work/release$run.log" 2>&1 || { cat "$work/release$run.log"; check "release run $run" false; }
done
zip="$work/dist1/tarvello-1.0.zip"
img="$work/dist1/tarvello-1.0.img"
check "a second run gives the same zip" cmp "$zip" "$work/dist2/tarvello-1.0.zip"
check "a second run gives the same floppy image" cmp "$img" "$work/dist2/tarvello-1.0.img"

echo "== the zip"
mkdir "$work/zip"
unzip -q "$zip" -d "$work/zip"
check "the zip holds exactly the three files" \
    test "$(cd "$work/zip" && ls | sort | xargs)" = "$names"
check "TARVPAGE.DLL is the built one" cmp "$work/zip/TARVPAGE.DLL" "$dll"
check "TARVINST.EXE is the built one" cmp "$work/zip/TARVINST.EXE" "$exe"

echo "== the floppy image"
export MTOOLS_SKIP_CHECK=1
check "a 1.44 MB image" test "$(stat -c %s "$img")" = 1474560
check "a FAT12 file system" test "$(dd if="$img" bs=1 skip=54 count=8 2>/dev/null)" = "FAT12   "
check "labelled TARVELLO" grep -q '^ Volume in drive : is TARVELLO *$' <(mdir -i "$img" ::)
mkdir "$work/img"
check "the image holds exactly the three files" \
    test "$(mdir -b -i "$img" :: | sed 's#^::/##' | sort | xargs)" = "$names"
for name in $names; do
    mcopy -n -i "$img" "::$name" "$work/img/$name"
    check "$name on the floppy is the one in the zip" cmp "$work/img/$name" "$work/zip/$name"
done

echo "== README.TXT for Notepad"
readme="$work/zip/README.TXT"
check "every line ends in CRLF" \
    perl -0777 -ne 'exit(/(?<!\r)\n/ || !/\r\n\z/ || /\r(?!\n)/ ? 1 : 0)' "$readme"
check "no UTF-8 sequences" perl -0777 -ne 'exit(/[\xC2-\xF4][\x80-\xBF]/ ? 1 : 0)' "$readme"
check "code page 1252 with its accents and umlauts" \
    perl -0777 -ne 'exit(/Fran\xE7ais/ && /\xFCr/ && /\x84Tarvello\x93/ ? 0 : 1)' "$readme"
check "every byte a character of code page 1252" iconv -f CP1252 -t UTF-8 -o /dev/null "$readme"
check "no line longer than 78 characters" \
    perl -ne 's/\r\n\z//; exit 1 if length > 78' "$readme"

echo "== installing from the unpacked folder"
e2e_begin release win98
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg"
cp "$driver" "$E2E_DIR/dlgdriver.exe"
cp -r "$work/zip" "$E2E_PREFIX/drive_c/TARVELLO"
e2e_host --no-open  # Wine settles its own display keys at the first start

save() {
    e2e_export HKEY_LOCAL_MACHINE\\Software "software-$1"
    e2e_export HKEY_CLASSES_ROOT "classes-$1"
    e2e_export_system "system-$1"
}
# The installer's dialogs, driven on a desktop of their own like the host.
drive() {
    E2E_LOG="$E2E_DIR/driver.log"
    : >"$E2E_LOG"
    (cd "$E2E_DIR" && timeout 60 env WINEPREFIX="$E2E_PREFIX" wine explorer /desktop=tarv,800x600 \
        'C:\e2e\dlgdriver.exe' --log 'C:\e2e\driver.log' --program 'C:\TARVELLO\TARVINST.EXE' \
        "$@" >/dev/null 2>&1)
    tr -d '\r' <"$E2E_LOG" | sed 's/^/    | /'
}
save before

drive start: wait:1003 enabled:1004 click:1002 click:1 wait:1015 click:1 exit
check_log "the Advanced Panel option is offered on Windows 98" "enabled 1004 1"
check_log "the installed dialog follows" 'dialog with 1015: "Tarvello"'
check_log "the installer ends" "exit code 0"
e2e_export 'HKEY_CLASSES_ROOT\CLSID' classes-installed
check_value "the tab is registered from the unpacked folder" classes-installed \
    '[HKEY_CLASSES_ROOT\CLSID\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\InProcServer32]' @ \
    '@="C:\\TARVELLO\\TARVPAGE.DLL"'

E2E_LOG="$E2E_DIR/host.log"
e2e_host tab:Tarvello dump click:1009 slider:1001:175 click:1006 ok
check_log 'the tab loads' 'tab "Tarvello" selected'
check_log_start "it shows the model chosen" 'control 1008 Static "Voodoo5 5500"'
check_log "OK closes the sheet" "sheet closed"

drive start: wait:1009 click:1007 wait:1017 click:1 exit
check_log "the removed dialog follows" 'dialog with 1017: "Tarvello"'
save removed
# RegCreateKeyExA made the handler key's parents, which removal leaves, empty.
folder='[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Controls Folder\Display'
check_changes "removal leaves of HKLM\\Software only the handler key's empty parents" \
    software-before software-removed <<EOF2
+ $folder]
+ $folder\\Shellex]
+ $folder\\Shellex\\PropertySheetHandlers]
EOF2
check_same "removal leaves HKEY_CLASSES_ROOT as it was" classes-before classes-removed
instance='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000'
check_changes "of the clock and vsync values only the tab's empty keys stay" \
    system-before system-removed <<EOF2
+ $instance\\D3D]
+ $instance\\Glide]
EOF2

rm -rf "$work"
e2e_end
