#include "installer/Removal.h"

#include "installer/InstallState.h"
#include "registry/ComRegistration.h"
#include "registry/DriverValues.h"
#include "registry/ProductSettings.h"

namespace tarv {
namespace installer {

static bool Delete(Registry& registry, RegHive hive, const char* path)
{
    return registry.DeleteKey(hive, path) == RegSuccess;
}

void RemoveComponents(Registry& registry, const InstallerState& state, int installState)
{
    if ((installState & ProductKeyPresent) && !Delete(registry, HiveLocalMachine, ProductSettingsKey))
        return;
    if ((installState & DisplayHandlerPresent) &&
        !Delete(registry, HiveLocalMachine, DisplayHandlerKeyPath))
        return;
    if ((installState & DeviceHandlerPresent) &&
        !Delete(registry, HiveLocalMachine, DeviceHandlerKeyPath))
        return;
    // The class key can only go once its server subkey is gone.
    if ((installState & ClassKeyPresent) && (!Delete(registry, HiveClassesRoot, ServerKeyPath) ||
                                             !Delete(registry, HiveClassesRoot, ClassKeyPath)))
        return;

    if (state.OsFlavor == Win9x) {
        int count = state.adapterCount < 0 ? 0 : state.adapterCount;
        if (count > MaxAdapters) count = MaxAdapters;
        for (int i = 0; i < count; ++i) ResetDriverValues(registry, state.OsFlavor, state.adapters[i]);
    } else {
        ResetDriverValues(registry, state.OsFlavor, 0);
    }
}

void DeleteKeyIfPresent(Registry& registry, const char* keyPath)
{
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, keyPath, KeyWriteAccess, &key) != RegSuccess) return;
    registry.CloseKey(key);
    registry.DeleteKey(HiveLocalMachine, keyPath);
}

// The settings cleared per key, in order. On NT the clock and the SSTH3 swap interval share
// the service's key, so that key is opened once for both.
namespace {

struct DriverKeyGroup {
    DriverSetting settings[2];
    int count;
};

const DriverKeyGroup Win9xGroups[] = {
    {{GraphicsClockSetting}, 1},
    {{GlideSwapIntervalSetting}, 1},
    {{Ssth3SwapIntervalSetting}, 1},
};
const DriverKeyGroup NtGroups[] = {
    {{GraphicsClockSetting, Ssth3SwapIntervalSetting}, 2},
    {{GlideSwapIntervalSetting}, 1},
    {{NtD3DSwapIntervalSetting}, 1},
};

}  // namespace

static void ClearGroup(Registry& registry, OsFlavor flavor, int instance,
                       const DriverKeyGroup& group)
{
    DriverValueLocation location;
    if (!GetDriverValueLocation(flavor, instance, group.settings[0], &location)) return;
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, location.keyPath, KeyWriteAccess, &key) != RegSuccess)
        return;
    for (int i = 0; i < group.count; ++i) {
        DriverValueLocation value;
        if (GetDriverValueLocation(flavor, instance, group.settings[i], &value))
            registry.DeleteValue(key, value.valueName);
    }
    registry.CloseKey(key);
}

void ResetDriverValues(Registry& registry, OsFlavor flavor, int instance)
{
    const bool nt = IsNtFlavour(flavor);
    const DriverKeyGroup* groups = nt ? NtGroups : Win9xGroups;
    for (int i = 0; i < 3; ++i) ClearGroup(registry, nt ? flavor : Win9x, instance, groups[i]);
}

}  // namespace installer
}  // namespace tarv
