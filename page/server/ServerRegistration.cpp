#include "page/server/ServerRegistration.h"

#include "registry/ComRegistration.h"
#include "registry/RegistryValues.h"

namespace tarv {

namespace {

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
    SetTextValue(registry, key, "", text);
    registry.CloseKey(key);
}

}  // namespace

void UpdateServerRegistration(Registry& registry, const char* libraryPath)
{
    WriteDefaultValue(registry, ProgIdText, ProgIdText, true);
    WriteDefaultValue(registry, ClassKeyPath, ProgIdText, true);
    WriteDefaultValue(registry, ProgIdClassKeyPath, ClassIdText, false);
    WriteDefaultValue(registry, ClassProgIdKeyPath, ProgIdText, false);
    if (libraryPath) WriteDefaultValue(registry, ServerKeyPath, libraryPath, false);
}

}  // namespace tarv
