#include "registry/OsFlavor.h"

#include "registry/ProductSettings.h"

namespace tarv {

OsFlavor FlavorFromVersion(bool versionKnown, const VersionRecord& record)
{
    if (!versionKnown || record.platformId != PlatformWin32Nt) return Win9x;
    if (record.majorVersion == 4) return WinNT4;
    if (record.majorVersion == 5) return WinNT5;
    return Win9x;
}

OsFlavor DetectOsFlavor(PlatformQueries& platform, Registry& registry)
{
    VersionRecord record = {0, 0, 0, 0};
    bool known = platform.GetVersionRecord(&record);
    OsFlavor flavour = FlavorFromVersion(known, record);
    // Both read through one opening of the key; "ForceNT5" wins when both are set.
    RegKey key;
    if (!OpenProductSettingsForReading(registry, &key)) return flavour;
    if (ReadForceValue(registry, key, ForceNT4Value) != 0) flavour = WinNT4;
    if (ReadForceValue(registry, key, ForceNT5Value) != 0) flavour = WinNT5;
    registry.CloseKey(key);
    return flavour;
}

}  // namespace tarv
