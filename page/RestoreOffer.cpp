#include "page/RestoreOffer.h"

#include "page/refresh/RefreshChoice.h"
#include "page/refresh/RefreshStore.h"
#include "registry/DriverValues.h"
#include "text/Text.h"

namespace tarv {

static bool On(int value) { return value != 0; }

bool ReachesDriverValues(const SettingsModel& loaded)
{
    return IsNtFlavour(loaded.osFlavor) ||
           (loaded.currentAdapter >= 0 && loaded.currentAdapter < MaxAdapters);
}

static bool SwitchesDiffer(const SettingsModel& loaded, const RememberedSettings& copy)
{
    if (!copy.hasSwitches) return false;
    if (On(copy.clockEnabled) != On(loaded.clockEnabled)) return true;
    // A clock the driver no longer holds is missing, even where the default shows the same.
    if (On(copy.clockEnabled) && (!loaded.clockStored || copy.clock != loaded.currentClock))
        return true;
    if (On(copy.openGlSwapOff) != On(loaded.openGlSwapOff)) return true;
    // Windows NT has no Direct3D switch.
    return !IsNtFlavour(loaded.osFlavor) && On(copy.d3dSwapOff) != On(loaded.d3dSwapOff);
}

bool DiffersFromRemembered(Registry& registry, const SettingsModel& loaded,
                           const RememberedSettings& copy)
{
    if (!ReachesDriverValues(loaded)) return false;
    if (SwitchesDiffer(loaded, copy)) return true;
    if (IsNtFlavour(loaded.osFlavor)) return false;  // no refresh rates there

    const int instance = loaded.adapters[loaded.currentAdapter];
    if (copy.adapterRate[0] &&
        ReadAdapterDefault(registry, instance) != AdapterSettingFromText(copy.adapterRate))
        return true;
    for (int d = 0; d < ColorDepthCount; ++d) {
        for (int i = 0; i < ModeCount; ++i) {
            const char* remembered = copy.rates[d][i];
            char stored[StoredRateSize];
            if (remembered[0] &&
                ReadModeRate(registry, instance, ColorDepths[d], ModeTable[i].name, stored,
                             sizeof stored) &&
                !TextEquals(stored, remembered))
                return true;
        }
    }
    return false;
}

bool RestoreRemembered(Registry& registry, SettingsModel& settings, const RememberedSettings& copy)
{
    bool written = true;
    if (copy.hasSwitches) {
        settings.clockEnabled = copy.clockEnabled;
        settings.currentClock = copy.clock;
        settings.openGlSwapOff = On(copy.openGlSwapOff);
        settings.d3dSwapOff = On(copy.d3dSwapOff);
        if (!settings.ApplySettings(true)) written = false;
    }
    if (IsNtFlavour(settings.osFlavor)) return written;

    if (copy.adapterRate[0] &&
        !WriteAdapterDefault(registry, settings, AdapterSettingFromText(copy.adapterRate)))
        written = false;
    const int count = ListedInstanceCount(settings);
    for (int slot = 0; slot < count; ++slot)
        for (int d = 0; d < ColorDepthCount; ++d)
            for (int i = 0; i < ModeCount; ++i)
                if (copy.rates[d][i][0] &&
                    !WriteModeText(registry, settings.adapters[slot], ColorDepths[d],
                                   ModeTable[i].name, copy.rates[d][i]))
                    written = false;
    return written;
}

}  // namespace tarv
