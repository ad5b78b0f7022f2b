#include "installer/Removal.h"

#include "installer/InstallState.h"
#include "installer/ShellApproval.h"
#include "installer/UninstallEntry.h"
#include "registry/ComRegistration.h"
#include "registry/DriverValues.h"
#include "registry/GlideReadKey.h"
#include "registry/ProductSettings.h"
#include "registry/ProgIdOwnership.h"
#include "registry/SwapInterval.h"
#include "text/Text.h"

namespace tarv {
namespace installer {

// A key that is already gone counts as deleted: an earlier run that stopped half-way must
// not stop every later one at the same place.
static bool Delete(Registry& registry, RegHive hive, const char* path)
{
    const RegResult result = registry.DeleteKey(hive, path);
    return result == RegSuccess || result == RegFileNotFound;
}

// The class key, child keys first. DllRegisterServer (run by hand with regsvr32, say) adds a
// ProgID subkey, which would keep the class key from going, and the ProgID's own key; those
// go too when present (the ProgID only while it names our class: the name is generic enough
// for another program to own it), but whether they can be deleted never stops the removal.
static bool DeleteClassKeys(Registry& registry)
{
    if (!Delete(registry, HiveClassesRoot, ServerKeyPath)) return false;
    registry.DeleteKey(HiveClassesRoot, ClassProgIdKeyPath);
    if (!Delete(registry, HiveClassesRoot, ClassKeyPath)) return false;
    DeleteProgIdIfOurs(registry);
    return true;
}

// The product key, child first: the page's copy of the user's saves lives under it, and on
// Windows NT a key with a subkey cannot be deleted. Whether the child went is told by the
// parent.
static bool DeleteProductKey(Registry& registry)
{
    registry.DeleteKey(HiveLocalMachine, RememberedSettingsKey);
    return Delete(registry, HiveLocalMachine, ProductSettingsKey);
}

bool RemoveComponents(Registry& registry, const InstallerState& state, int installState)
{
    if ((installState & ProductKeyPresent) && !DeleteProductKey(registry)) return false;
    if ((installState & DisplayHandlerPresent) &&
        !Delete(registry, HiveLocalMachine, DisplayHandlerKeyPath))
        return false;
    if ((installState & DeviceHandlerPresent) &&
        !Delete(registry, HiveLocalMachine, DeviceHandlerKeyPath))
        return false;
    if ((installState & ClassKeyPresent) && !DeleteClassKeys(registry)) return false;
    if ((installState & UninstallEntryPresent) && !DeleteUninstallEntry(registry)) return false;
    // On every flavour: a flavour forced at installation may differ from this run's.
    WithdrawShellApproval(registry);

    if (state.OsFlavor == Win9x) {
        int count = state.adapterCount < 0 ? 0 : state.adapterCount;
        if (count > MaxAdapters) count = MaxAdapters;
        for (int i = 0; i < count; ++i) ResetDriverValues(registry, state.OsFlavor, state.adapters[i]);
    } else {
        ResetDriverValues(registry, state.OsFlavor, 0);
    }
    return true;
}

bool DeleteKeyIfPresent(Registry& registry, const char* keyPath)
{
    RegKey key = 0;
    const RegResult opened = registry.OpenKey(HiveLocalMachine, keyPath, KeyWriteAccess, &key);
    if (opened != RegSuccess) return opened == RegFileNotFound;
    registry.CloseKey(key);
    return registry.DeleteKey(HiveLocalMachine, keyPath) == RegSuccess;
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

// The clock goes whatever it holds; a swap interval only when it reads "0", the text the page
// writes: any other content is another program's choice.
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
        if (!GetDriverValueLocation(flavor, instance, group.settings[i], &value)) continue;
        if (group.settings[i] == GraphicsClockSetting ||
            SwapIntervalOffAt(registry, value) == ValuePresent)
            registry.DeleteValue(key, value.valueName);
    }
    registry.CloseKey(key);
}

void ResetDriverValues(Registry& registry, OsFlavor flavor, int instance)
{
    const bool nt = IsNtFlavour(flavor);
    const DriverKeyGroup* groups = nt ? NtGroups : Win9xGroups;
    for (int i = 0; i < 3; ++i) ClearGroup(registry, nt ? flavor : Win9x, instance, groups[i]);
    // On NT the page also wrote the Glide value where Glide itself reads it. On NT 4.0 that is
    // where the device map pointed then, which may have changed: its usual place goes too.
    DriverValueLocation glideReads;
    const bool found = nt && FindGlideReadKey(registry, flavor, &glideReads);
    if (found) ClearSwapIntervalOff(registry, glideReads);
    if (flavor != WinNT4 || (found && TextEqualsNoCase(glideReads.keyPath, Nt4UsualGlideReadKey)))
        return;
    CopyText(glideReads.keyPath, sizeof glideReads.keyPath, Nt4UsualGlideReadKey);
    glideReads.valueName = GlideSwapIntervalValue;
    ClearSwapIntervalOff(registry, glideReads);
}

}  // namespace installer
}  // namespace tarv
