#!/usr/bin/env bash
# The release as a Voodoo5 owner gets it: scripts/release.sh run twice gives the same zip and
# floppy image; both hold exactly the built binaries and a README.TXT that Notepad on
# Windows 95 reads; installed from the unpacked folder on a Windows 98 PC with a Voodoo5 5500
# the tab loads, and removal takes away everything the installer and the tab wrote.
# Usage: release-test.sh BUILD-DIR TARVPAGE.DLL TARVINST.EXE dispprops.exe dlgdriver.exe
build=$(readlink -f "$1")
dll=$(readlink -f "$2")
exe=$(readlink -f "$3")
work=$(mktemp -d /tmp/tarv-release.XXXXXX)
mkdir "$work/zip"
# The Wine part installs the files unpacked from the zip, not the build's.
. "$(dirname "$0")/../wine/e2e-lib.sh" "$work/zip/TARVPAGE.DLL" "$4" "$work/zip/TARVINST.EXE" "$5"
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
cp "$work/zip/README.TXT" "$E2E_PREFIX/drive_c/TARV/README.TXT"
e2e_seed "$E2E_FIXTURES/win98-voodoo5-5500.reg" "$E2E_WINE_FIXTURES/handler-keys.reg"
e2e_host --no-open  # Wine settles its own display keys at the first start

save() {
    e2e_export HKEY_LOCAL_MACHINE\\Software "software-$1"
    e2e_export_system "system-$1"
}
save before

e2e_installer start: wait:1003 click:1002 click:1 wait:1015 click:1 exit
check_log "the installed dialog follows" 'dialog with 1015: "Tarvello"'
e2e_host tab:Tarvello dump click:1009 slider:1001:175 click:1006 ok
check_log 'the tab loads' 'tab "Tarvello" selected'
check_log_start "it shows the model chosen" 'control 1008 Static "Voodoo5 5500"'
check_log "OK closes the sheet" "sheet closed"

e2e_installer start: wait:1009 click:1007 wait:1017 click:1 exit
check_log "the removed dialog follows" 'dialog with 1017: "Tarvello"'
save removed
# HKEY_CLASSES_ROOT is HKLM\Software\Classes.
check_same "removal leaves HKLM\\Software as it was" software-before software-removed
instance='[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000'
check_changes "of the clock and vsync values only the tab's empty Glide key stays" \
    system-before system-removed <<EOF2
+ $instance\\Glide]
EOF2

rm -rf "$work"
e2e_end
