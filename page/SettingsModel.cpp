#include "page/SettingsModel.h"

#include "registry/DriverValues.h"
#include "registry/GlideReadKey.h"
#include "registry/OsFlavor.h"
#include "registry/ProductSettings.h"
#include "registry/RegistryValues.h"
#include "registry/SwapInterval.h"
#include "text/Text.h"

namespace tarv {

// The same English texts in every language of the page.
static const char BelowLowerLimitMessage[] =
    "The Graphics Clock in presently set to %d Mhz which is below the Lower Limit of %d Mhz "
    "and will be reset to the Lower Limit now. You will need to restart Windows after exiting "
    "Display Properties.";
static const char AboveUpperLimitMessage[] =
    "The Graphics Clock in presently set to %d Mhz which is above the Upper Limit of %d Mhz "
    "and will be reset to the Upper Limit now. You will need to restart Windows after exiting "
    "Display Properties.";

static DriverValueLocation Locate(int flavour, int instance, DriverSetting setting)
{
    DriverValueLocation location;
    GetDriverValueLocation((OsFlavor)flavour, instance, setting, &location);
    return location;
}

SettingsModel::SettingsModel(Registry& registry, MessageBoxSink& messages)
    : osFlavor(Win9x),
      lowerLimit(DefaultLowerLimit),
      upperLimit(DefaultUpperLimit),
      defaultClock(DefaultDefaultClock),
      currentClock(DefaultDefaultClock),
      clockStored(false),
      clockEnabled(0),
      openGlSwapOff(0),
      d3dSwapOff(0),
      clockRepairRefused(false),
      unrepairedClock(0),
      repairLimit(0),
      registry_(registry),
      messages_(messages),
      keepSwapIntervals_(false)
{
    ResetAdapters();
    CopyText(modelName, sizeof modelName, DefaultModelName);
}

void SettingsModel::BeginLoad(PlatformQueries& platform)
{
    osFlavor = DetectOsFlavor(platform, registry_);
    clockStored = false;
    clockEnabled = 0;
    openGlSwapOff = 0;
    d3dSwapOff = 0;
    clockRepairRefused = false;
    ResetAdapters();
    if (!IsNtFlavour(osFlavor)) FindAdapterInstances(registry_, AdapterMarker, this);
}

void SettingsModel::LoadSettings()
{
    RegKey key;
    bool open = OpenProductSettingsForReading(registry_, &key);
    lowerLimit = LoadLowerLimit(registry_, key);
    upperLimit = LoadUpperLimit(registry_, key);
    defaultClock = (int)ReadProductNumber(registry_, key, DefaultClockValue, PageLoadReadSize,
                                          DefaultDefaultClock);
    // A model of 80 to 255 characters is cut to the field; a longer one does not fit the
    // read buffer and counts as missing.
    char model[PageLoadReadSize];
    if (open && ReadTextValue(registry_, key, ModelValue, model, sizeof model))
        CopyText(modelName, sizeof modelName, model);
    else
        CopyText(modelName, sizeof modelName, DefaultModelName);
    clockEnabled = (int)ReadProductNumber(registry_, key, EnableClockValue, PageLoadReadSize, 0);
    if (open) registry_.CloseKey(key);

    if (!IsNtFlavour(osFlavor) && (currentAdapter < 0 || currentAdapter >= MaxAdapters)) {
        // No Voodoo5 adapter: nothing to read, but the page still shows a clock.
        currentClock = defaultClock;
        return;
    }
    ReadCurrentClock();
    // The switches are read before the limit check, so that its repair writes the stored
    // swap intervals back instead of deleting them.
    ReadSwapSwitches();
    CheckClockLimits();
    keepSwapIntervals_ = false;
}

void SettingsModel::ReadCurrentClock()
{
    int instance = IsNtFlavour(osFlavor) ? 0 : adapters[currentAdapter];
    DriverValueLocation clock = Locate(osFlavor, instance, GraphicsClockSetting);
    currentClock = defaultClock;
    clockStored = false;
    if (!IsNtFlavour(osFlavor)) {
        long value;
        clockStored = ReadNumberValueAt(registry_, HiveLocalMachine, clock.keyPath,
                                        clock.valueName, PageLoadReadSize, &value);
        if (clockStored) currentClock = (int)value;
        return;
    }
    // Only a REG_DWORD of at least four bytes is a clock; anything else the driver would not
    // take either, so it counts as missing.
    RegKey key;
    if (registry_.OpenKey(HiveLocalMachine, clock.keyPath, KeyQueryValue, &key) != RegSuccess)
        return;
    unsigned char data[PageLoadReadSize];
    unsigned long type = RegNone;
    unsigned long size = sizeof data;
    if (registry_.QueryValue(key, clock.valueName, &type, data, &size) == RegSuccess &&
        type == RegDword && size >= 4) {
        currentClock = (int)((unsigned long)data[0] | ((unsigned long)data[1] << 8) |
                             ((unsigned long)data[2] << 16) | ((unsigned long)data[3] << 24));
        clockStored = true;
    }
    registry_.CloseKey(key);
}

// Only a "0", the one text this page writes, shows a switch on: the driver's own tab writes
// "1" for vsync on, and that is not ours to show as off.
static int SwitchFrom(Registry& registry, const DriverValueLocation& location, bool* unknown)
{
    const ValuePresence off = SwapIntervalOffAt(registry, location);
    if (off == ValueUnknown) *unknown = true;
    return off == ValuePresent ? 1 : 0;
}

void SettingsModel::ReadSwapSwitches()
{
    int instance = IsNtFlavour(osFlavor) ? 0 : adapters[currentAdapter];
    bool unknown = false;
    openGlSwapOff = SwitchFrom(registry_, Locate(osFlavor, instance, GlideSwapIntervalSetting),
                               &unknown);
    // On NT the switch is also on when the value stands where Glide itself reads it.
    DriverValueLocation glideReads;
    if (IsNtFlavour(osFlavor) && openGlSwapOff == 0 &&
        FindGlideReadKey(registry_, (OsFlavor)osFlavor, &glideReads))
        openGlSwapOff = SwitchFrom(registry_, glideReads, &unknown);
    d3dSwapOff = 0;
    if (!IsNtFlavour(osFlavor))
        d3dSwapOff = SwitchFrom(registry_, Locate(osFlavor, instance, Ssth3SwapIntervalSetting),
                                &unknown);
    keepSwapIntervals_ = unknown;
}

void SettingsModel::CheckClockLimits()
{
    const char* message;
    int limit;
    if (currentClock < lowerLimit) {
        message = BelowLowerLimitMessage;
        limit = lowerLimit;
    } else if (currentClock > upperLimit) {
        message = AboveUpperLimitMessage;
        limit = upperLimit;
    } else {
        return;
    }
    // The repair is written before anything is said, so that a refused one (a user without
    // administrator rights on Windows NT) never claims a reset that did not happen; the page
    // says that one in its own language once its texts are chosen.
    const int stored = currentClock;
    currentClock = limit;
    if (ApplySettings(false)) {
        ShowLimitMessage(message, stored, limit);
        return;
    }
    clockRepairRefused = true;
    unrepairedClock = stored;
    repairLimit = limit;
}

void SettingsModel::ShowLimitMessage(const char* format, int clock, int limit)
{
    char text[512];
    const long numbers[2] = {clock, limit};
    FormatMessageText(text, sizeof text, format, numbers, 2, 0, 0);
    messages_.ShowMessage(text, LimitMessageCaption, MessageOk);
}

// A product key that is not there is left uncreated, as at load; only a key that exists and
// refuses the value counts as refused.
static bool EnableClockWritten(Registry& registry, int clockEnabled)
{
    if (WriteProductSetting(registry, EnableClockValue, clockEnabled)) return true;
    RegKey key;
    if (!OpenProductSettingsForReading(registry, &key)) return true;
    registry.CloseKey(key);
    return false;
}

bool SettingsModel::ApplySettings(bool writeEnableClock)
{
    bool written = !writeEnableClock || EnableClockWritten(registry_, clockEnabled);
    if (IsNtFlavour(osFlavor)) return ApplyToInstance(0) && written;
    if (currentAdapter == -1) return written;
    for (int slot = 0; slot < MaxAdapters && adapters[slot] != -1; ++slot)
        if (!ApplyToInstance(adapters[slot])) written = false;
    return written;
}

// Each value is written or deleted on its own; a key that cannot be opened or created skips
// only that value. A delete never creates a key, and leaves alone what is not its "0".
static bool SetOrClearSwapInterval(Registry& registry, const DriverValueLocation& location,
                                   bool off)
{
    return off ? SetSwapIntervalOff(registry, location) : ClearSwapIntervalOff(registry, location);
}

bool SettingsModel::ApplyToInstance(int instance)
{
    if (currentClock < lowerLimit)
        currentClock = lowerLimit;
    else if (currentClock > upperLimit)
        currentClock = upperLimit;

    const bool nt = IsNtFlavour(osFlavor);
    DriverValueLocation clock = Locate(osFlavor, instance, GraphicsClockSetting);
    bool written;
    if (clockEnabled == 0)
        written = OpenKeyAndDeleteValue(registry_, HiveLocalMachine, clock.keyPath,
                                        clock.valueName);
    else if (nt)
        written = CreateKeyAndSetDword(registry_, HiveLocalMachine, clock.keyPath,
                                       clock.valueName, (unsigned long)currentClock);
    else
        written = CreateKeyAndSetDecimal(registry_, HiveLocalMachine, clock.keyPath,
                                         clock.valueName, currentClock);

    if (keepSwapIntervals_) return written;
    if (!SetOrClearSwapInterval(registry_, Locate(osFlavor, instance, GlideSwapIntervalSetting),
                                openGlSwapOff == 1))
        written = false;
    // On NT the Direct3D value sits in the clock's key and follows the OpenGL switch.
    if (!SetOrClearSwapInterval(registry_, Locate(osFlavor, instance, Ssth3SwapIntervalSetting),
                                (nt ? openGlSwapOff : d3dSwapOff) == 1))
        written = false;
    // And on NT the OpenGL switch once more where Glide itself reads it.
    DriverValueLocation glideReads;
    if (nt && FindGlideReadKey(registry_, (OsFlavor)osFlavor, &glideReads) &&
        !SetOrClearSwapInterval(registry_, glideReads, openGlSwapOff == 1))
        written = false;
    return written;
}

void SettingsModel::RestoreFactoryDefaults()
{
    clockEnabled = 0;
    currentClock = defaultClock;
    openGlSwapOff = 0;
    d3dSwapOff = 0;
}

void SettingsModel::SetClockEnabled(bool on)
{
    if (on) {
        clockEnabled = 1;
    } else {
        clockEnabled = 0;
        currentClock = defaultClock;
    }
}

}  // namespace tarv
