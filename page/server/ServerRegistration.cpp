#include "page/server/ServerRegistration.h"

#include "text/Text.h"

namespace tarv {

const char PropertyInterfaceClassId[] = "{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}";
const char PropertyInterfaceProgId[] = "PROPERTY.PROPERTYINTERFACE";

namespace {

const unsigned KeyPathSize = 128;

// Sets the default value of HKEY_CLASSES_ROOT\path to text. With keepExisting, a key that is
// already there is left exactly as it is, whatever its default value.
void WriteDefaultValue(Registry& registry, const char* path, const char* text, bool keepExisting)
{
    RegKey key = 0;
    if (keepExisting && registry.OpenKey(HiveClassesRoot, path, KeyQueryValue, &key) == RegSuccess) {
        registry.CloseKey(key);
        return;
    }
    if (registry.CreateKey(HiveClassesRoot, path, 0, KeyWriteAccess, &key) != RegSuccess) return;
    registry.SetValue(key, "", RegSz, reinterpret_cast<const unsigned char*>(text),
                      TextLength(text) + 1);
    registry.CloseKey(key);
}

// "CLSID\{...}" followed by suffix (which may be empty).
void ClassKeyPath(char* path, const char* suffix)
{
    CopyText(path, KeyPathSize, "CLSID\\");
    AppendText(path, KeyPathSize, PropertyInterfaceClassId);
    AppendText(path, KeyPathSize, suffix);
}

}  // namespace

void UpdateServerRegistration(Registry& registry, const char* libraryPath)
{
    char path[KeyPathSize];

    WriteDefaultValue(registry, PropertyInterfaceProgId, PropertyInterfaceProgId, true);
    ClassKeyPath(path, "");
    WriteDefaultValue(registry, path, PropertyInterfaceProgId, true);

    CopyText(path, KeyPathSize, PropertyInterfaceProgId);
    AppendText(path, KeyPathSize, "\\CLSID");
    WriteDefaultValue(registry, path, PropertyInterfaceClassId, false);
    ClassKeyPath(path, "\\ProgID");
    WriteDefaultValue(registry, path, PropertyInterfaceProgId, false);
    if (libraryPath) {
        ClassKeyPath(path, "\\InProcServer32");
        WriteDefaultValue(registry, path, libraryPath, false);
    }
}

}  // namespace tarv
