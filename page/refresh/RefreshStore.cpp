#include "page/refresh/RefreshStore.h"

#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

static const char ModesSubkey[] = "\\MODES\\";
static const char AdapterDefaultSubkey[] = "\\DEFAULT";

static const unsigned ModeReadSize = MaxValueReadSize;

void BuildModeKeyPath(int instance, int colorDepth, const char* name, char* path,
                      unsigned size)
{
    BuildInstanceKeyPath(instance, path, size);
    AppendText(path, size, ModesSubkey);
    AppendDecimal(path, size, colorDepth);
    AppendText(path, size, "\\");
    AppendText(path, size, name);
}

void BuildAdapterDefaultKeyPath(int instance, char* path, unsigned size)
{
    BuildInstanceKeyPath(instance, path, size);
    AppendText(path, size, AdapterDefaultSubkey);
}

// Reads name as text and keeps as much as fits the field; empty when it cannot be read. The
// driver's lists may be longer than the field: they are cut, never written past it.
static void ReadIntoField(Registry& registry, RegKey key, const char* name, char* field,
                          unsigned fieldSize)
{
    char text[ModeReadSize];
    ReadTextValue(registry, key, name, text, sizeof text);
    CopyText(field, fieldSize, text);
}

void ReadMode(Registry& registry, int instance, int colorDepth, ModeEntry* entry)
{
    entry->present = 0;
    entry->offeredRates[0] = 0;
    entry->storedRate[0] = 0;
    if (instance < 0) return;

    char path[RefreshKeyPathSize];
    BuildModeKeyPath(instance, colorDepth, entry->name, path, sizeof path);
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &key) != RegSuccess) return;
    entry->present = 1;
    ReadIntoField(registry, key, 0, entry->offeredRates, sizeof entry->offeredRates);
    ReadIntoField(registry, key, RefreshRateValue, entry->storedRate, sizeof entry->storedRate);
    registry.CloseKey(key);
}

bool ReadModeRate(Registry& registry, int instance, int colorDepth, const char* name, char* text,
                  unsigned size)
{
    text[0] = 0;
    char path[RefreshKeyPathSize];
    BuildModeKeyPath(instance, colorDepth, name, path, sizeof path);
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &key) != RegSuccess) return false;
    ReadIntoField(registry, key, RefreshRateValue, text, size);
    registry.CloseKey(key);
    return true;
}

AdapterSetting ReadAdapterDefault(Registry& registry, int instance)
{
    if (instance < 0) return DefaultRefreshRate;
    char path[RefreshKeyPathSize];
    BuildAdapterDefaultKeyPath(instance, path, sizeof path);
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &key) != RegSuccess)
        return DefaultRefreshRate;
    char text[ModeReadSize];
    const AdapterSetting setting =
        ReadTextValue(registry, key, RefreshRateValue, text, sizeof text)
            ? AdapterSettingFromText(text)
            : DefaultRefreshRate;
    registry.CloseKey(key);
    return setting;
}

bool KeyRefusedWriting(Registry& registry, const char* path)
{
    // Asked again for reading: systems differ in what they answer for a missing key, but none
    // opens one.
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &key) != RegSuccess) return false;
    registry.CloseKey(key);
    return true;
}

bool WriteMode(Registry& registry, int instance, int colorDepth, const char* name,
               RefreshChoice choice)
{
    char text[16];
    FormatChoiceText(choice, text, sizeof text);
    return WriteModeText(registry, instance, colorDepth, name, text);
}

bool WriteModeText(Registry& registry, int instance, int colorDepth, const char* name,
                   const char* text)
{
    char path[RefreshKeyPathSize];
    BuildModeKeyPath(instance, colorDepth, name, path, sizeof path);
    RegKey key = 0;
    RegResult result = registry.OpenKey(HiveLocalMachine, path, KeySetValue, &key);
    if (result == RegSuccess) {
        result = text[0] ? SetTextValue(registry, key, RefreshRateValue, text)
                         : registry.DeleteValue(key, RefreshRateValue);
        registry.CloseKey(key);
        if (result == RegSuccess) return true;
    } else if (!KeyRefusedWriting(registry, path)) {
        return true;  // a missing key is skipped
    }
    // Refused: done all the same when the registry already holds what was wanted.
    if (text[0]) return TextValueHoldsAt(registry, HiveLocalMachine, path, RefreshRateValue, text);
    return DeletedOrAbsent(registry, HiveLocalMachine, path, RefreshRateValue, result);
}

bool WriteAdapterDefault(Registry& registry, const AdapterList& list, AdapterSetting setting)
{
    bool written = true;
    int count = ListedInstanceCount(list);
    for (int slot = 0; slot < count; ++slot) {
        char path[RefreshKeyPathSize];
        BuildAdapterDefaultKeyPath(list.adapters[slot], path, sizeof path);
        const char* text = AdapterSettingText(setting);
        RegKey key = 0;
        bool set = false;
        if (registry.OpenKey(HiveLocalMachine, path, KeySetValue, &key) == RegSuccess) {
            set = SetTextValue(registry, key, RefreshRateValue, text) == RegSuccess;
            registry.CloseKey(key);
        } else if (!KeyRefusedWriting(registry, path)) {
            continue;  // a board without the key is skipped
        }
        if (!set && !TextValueHoldsAt(registry, HiveLocalMachine, path, RefreshRateValue, text))
            written = false;
    }
    return written;
}

int ListedInstanceCount(const AdapterList& list)
{
    int count = 0;
    while (count < MaxAdapters && list.adapters[count] >= 0) ++count;
    return count;
}

}  // namespace tarv
