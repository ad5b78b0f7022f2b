#include "page/server/ServerRegistration.h"

#include "registry/ComRegistration.h"
#include "registry/ProgIdOwnership.h"
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

void WriteServerThreadingModel(Registry& registry)
{
    RegKey key = 0;
    if (registry.OpenKey(HiveClassesRoot, ServerKeyPath, KeySetValue, &key) != RegSuccess) return;
    SetTextValue(registry, key, ThreadingModelValue, ApartmentThreading);
    registry.CloseKey(key);
}

}  // namespace

void UpdateServerRegistration(Registry& registry, const char* libraryPath)
{
    WriteDefaultValue(registry, ProgIdText, ProgIdText, true);
    WriteDefaultValue(registry, ClassKeyPath, ProgIdText, true);
    WriteDefaultValue(registry, ProgIdClassKeyPath, ClassIdText, false);
    WriteDefaultValue(registry, ClassProgIdKeyPath, ProgIdText, false);
    if (libraryPath) {
        WriteDefaultValue(registry, ServerKeyPath, libraryPath, false);
        // Without it the object lives in the main apartment, and the shell cannot marshal its
        // interfaces to the thread that shows the sheet: the tab would not appear.
        WriteServerThreadingModel(registry);
    }
}

// A key already gone counts as deleted.
static bool DeleteClassesRootKey(Registry& registry, const char* path)
{
    const RegResult result = registry.DeleteKey(HiveClassesRoot, path);
    return result == RegSuccess || result == RegFileNotFound;
}

bool RemoveServerRegistration(Registry& registry)
{
    // Child keys first: Windows NT does not delete a key that still has subkeys. Each is tried
    // whatever happened to the one before, so as much as possible goes.
    bool removed = DeleteClassesRootKey(registry, ServerKeyPath);
    removed = DeleteClassesRootKey(registry, ClassProgIdKeyPath) && removed;
    removed = DeleteClassesRootKey(registry, ClassKeyPath) && removed;
    removed = DeleteProgIdIfOurs(registry) && removed;
    return removed;
}

}  // namespace tarv
