#include "registry/DriverValues.h"

#include "registry/AdapterDiscovery.h"
#include "text/Text.h"

namespace tarv {

static void InstanceSubkey(int instance, const char* subkey, char* path, unsigned size)
{
    BuildInstanceKeyPath(instance, path, size);
    AppendText(path, size, subkey);
}

bool GetDriverValueLocation(OsFlavor flavour, int instance, DriverSetting setting,
                            DriverValueLocation* location)
{
    const unsigned size = sizeof location->keyPath;
    location->keyPath[0] = 0;
    location->valueType = RegSz;
    const bool nt = IsNtFlavour(flavour);
    const char* serviceKey = flavour == WinNT4 ? Nt4ServiceKey : Nt5ServiceKey;

    switch (setting) {
    case GraphicsClockSetting:
        if (nt) {
            CopyText(location->keyPath, size, serviceKey);
            location->valueName = GraphicsClockingValue;
            location->valueType = RegDword;
        } else {
            InstanceSubkey(instance, "\\DEFAULT", location->keyPath, size);
            location->valueName = GrxclockValue;
        }
        return true;
    case GlideSwapIntervalSetting:
        if (nt)
            CopyText(location->keyPath, size, NtGlideKey);
        else
            InstanceSubkey(instance, "\\Glide", location->keyPath, size);
        location->valueName = GlideSwapIntervalValue;
        return true;
    case Ssth3SwapIntervalSetting:
        if (nt)
            CopyText(location->keyPath, size, serviceKey);
        else
            InstanceSubkey(instance, "\\D3D", location->keyPath, size);
        location->valueName = Ssth3SwapIntervalValue;
        return true;
    case NtD3DSwapIntervalSetting:
        location->valueName = Ssth3SwapIntervalValue;
        if (!nt) return false;
        CopyText(location->keyPath, size, NtD3DKey);
        return true;
    }
    location->valueName = "";
    return false;
}

}  // namespace tarv
