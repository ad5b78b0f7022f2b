#include "registry/GlideReadKey.h"

#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

static const char GlideSubkey[] = "\\glide";
static const char HardwareKey[] = "HARDWARE";

// Reads "\Device\Video0" as REG_SZ text into path (size bytes, at most MaxValueReadSize).
static bool ReadVideoDevicePath(Registry& registry, char* path, unsigned size)
{
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, VideoDeviceMapKey, KeyQueryValue, &key) != RegSuccess)
        return false;
    unsigned long type = RegNone;
    unsigned long length = size - 1;  // room for a terminator the data may lack
    const bool read = registry.QueryValue(key, PrimaryVideoDeviceValue, &type,
                                          (unsigned char*)path, &length) == RegSuccess;
    registry.CloseKey(key);
    if (!read || type != RegSz) return false;
    path[length] = 0;
    return true;
}

// Whether every name of the path is non-empty: no leading, trailing or doubled separator.
static bool NamesEveryKey(const char* path)
{
    if (path[0] == 0 || path[0] == '\\') return false;
    for (; *path; ++path)
        if (path[0] == '\\' && (path[1] == '\\' || path[1] == 0)) return false;
    return true;
}

static bool Nt4GlideReadKey(Registry& registry, char* keyPath, unsigned size)
{
    char device[MaxValueReadSize];
    if (!ReadVideoDevicePath(registry, device, sizeof device)) return false;
    const char* path = AfterPrefixNoCase(device, MachineRegistryPrefix);
    if (!path || !NamesEveryKey(path)) return false;
    const char* below = AfterPrefixNoCase(path, HardwareKey);
    if (below && (*below == 0 || *below == '\\')) return false;
    return CopyText(keyPath, size, path) && AppendText(keyPath, size, GlideSubkey) &&
           !TextEqualsNoCase(keyPath, NtGlideKey);
}

bool FindGlideReadKey(Registry& registry, OsFlavor flavour, DriverValueLocation* location)
{
    location->keyPath[0] = 0;
    location->valueName = GlideSwapIntervalValue;
    location->valueType = RegSz;
    if (flavour == WinNT5)
        return CopyText(location->keyPath, sizeof location->keyPath, Nt5GlideReadKey);
    if (flavour == WinNT4 &&
        Nt4GlideReadKey(registry, location->keyPath, sizeof location->keyPath))
        return true;
    location->keyPath[0] = 0;
    return false;
}

}  // namespace tarv
