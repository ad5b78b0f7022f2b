#include "registry/ProgIdOwnership.h"

#include "registry/ComRegistration.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

bool ProgIdIsOurs(Registry& registry)
{
    RegKey key = 0;
    if (registry.OpenKey(HiveClassesRoot, ProgIdClassKeyPath, KeyQueryValue, &key) != RegSuccess)
        return false;
    char classId[sizeof ClassIdText + 1];  // one more, so a longer text cannot read as equal
    const bool read = ReadTextValue(registry, key, "", classId, sizeof classId);
    registry.CloseKey(key);
    return read && TextEqualsNoCase(classId, ClassIdText);
}

static bool DeleteIfThere(Registry& registry, const char* path)
{
    const RegResult result = registry.DeleteKey(HiveClassesRoot, path);
    return result == RegSuccess || result == RegFileNotFound;
}

bool DeleteProgIdIfOurs(Registry& registry)
{
    if (!ProgIdIsOurs(registry)) return true;
    return DeleteIfThere(registry, ProgIdClassKeyPath) && DeleteIfThere(registry, ProgIdText);
}

}  // namespace tarv
