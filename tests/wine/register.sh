#!/usr/bin/env bash
# DllRegisterServer writes exactly its five entries under HKEY_CLASSES_ROOT, the server's with
# the apartment threading model; of an existing registration it keeps the ProgID and class
# defaults and points the server entry at the library that registered. regsvr32 registers the
# same way, and regsvr32 /u takes exactly that away again, also when it is already gone.
# In Wine's WoW64 mode the export of HKEY_CLASSES_ROOT shows each class key a second time under
# Wow6432Node, where Windows shows it once: the checks of added entries expect that there.
# Usage: register.sh TARVPAGE.DLL dispprops.exe
. "$(dirname "$0")/e2e-lib.sh"

e2e_begin register win98
class='HKEY_CLASSES_ROOT\CLSID\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}'
progid='HKEY_CLASSES_ROOT\PROPERTY.PROPERTYINTERFACE'

e2e_host --no-open
e2e_export HKEY_CLASSES_ROOT classes-before
e2e_host --no-open 'register:C:\TARV\TARVPAGE.DLL'
check_log "DllRegisterServer answers S_OK" "DllRegisterServer: S_OK"
e2e_export HKEY_CLASSES_ROOT classes-after
check_class_changes "a fresh system gets exactly the five entries" classes-before classes-after <<EOF2
+ [$class]
+ [$class]	@="PROPERTY.PROPERTYINTERFACE"
+ [$class\\InProcServer32]
+ [$class\\InProcServer32]	@="C:\\\\TARV\\\\TARVPAGE.DLL"
+ [$class\\InProcServer32]	"ThreadingModel"="Apartment"
+ [$class\\ProgID]
+ [$class\\ProgID]	@="PROPERTY.PROPERTYINTERFACE"
+ [$progid]
+ [$progid]	@="PROPERTY.PROPERTYINTERFACE"
+ [$progid\\CLSID]
+ [$progid\\CLSID]	@="{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
EOF2

# Registered before with the library elsewhere, older names and the installer's threading model.
e2e_seed_text older <<EOF2
[$class]
@="Tarvello tab"

[$class\\InProcServer32]
@="C:\\\\OLD\\\\TARVPAGE.DLL"
"ThreadingModel"="Apartment"

[$progid]
@="Older name"

[$progid\\CLSID]
@="{00000000-0000-0000-0000-000000000000}"
EOF2
mkdir -p "$E2E_PREFIX/drive_c/TARV2"
cp "$E2E_DLL" "$E2E_PREFIX/drive_c/TARV2/TARVPAGE.DLL"
e2e_export HKEY_CLASSES_ROOT classes-older
e2e_host --no-open 'register:C:\TARV2\TARVPAGE.DLL'
check_log "DllRegisterServer answers S_OK again" "DllRegisterServer: S_OK"
e2e_export HKEY_CLASSES_ROOT classes-again
check_class_changes "defaults of existing keys stay, the rest is rewritten" classes-older classes-again <<EOF2
- [$class\\InProcServer32]	@="C:\\\\OLD\\\\TARVPAGE.DLL"
+ [$class\\InProcServer32]	@="C:\\\\TARV2\\\\TARVPAGE.DLL"
- [$progid\\CLSID]	@="{00000000-0000-0000-0000-000000000000}"
+ [$progid\\CLSID]	@="{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
EOF2

regsvr32() {
    (cd "$E2E_DIR" && e2e_wine regsvr32 /s "$@" >/dev/null 2>&1)
}
check "regsvr32 /u succeeds" regsvr32 /u 'C:\TARV2\TARVPAGE.DLL'
e2e_export HKEY_CLASSES_ROOT classes-unregistered
check_changes "regsvr32 /u leaves HKEY_CLASSES_ROOT as before the registration" \
    classes-before classes-unregistered </dev/null
check "regsvr32 succeeds" regsvr32 'C:\TARV\TARVPAGE.DLL'
e2e_export HKEY_CLASSES_ROOT classes-regsvr32
check_value "regsvr32 writes the apartment threading model" classes-regsvr32 \
    "[$class\\InProcServer32]" ThreadingModel '"ThreadingModel"="Apartment"'
check "regsvr32 /u succeeds" regsvr32 /u 'C:\TARV\TARVPAGE.DLL'
check "and again, with nothing left to remove" regsvr32 /u 'C:\TARV\TARVPAGE.DLL'
e2e_export HKEY_CLASSES_ROOT classes-gone
check_changes "the class is gone" classes-before classes-gone </dev/null

e2e_end
