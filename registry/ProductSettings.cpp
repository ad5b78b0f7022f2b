#include "registry/ProductSettings.h"

#include "registry/RegistryValues.h"

namespace tarv {

bool OpenProductSettingsForReading(Registry& registry, RegKey* key)
{
    *key = 0;
    if (registry.OpenKey(HiveLocalMachine, ProductSettingsKey, KeyQueryValue, key) == RegSuccess)
        return true;
    *key = 0;
    return false;
}

long ReadProductNumber(Registry& registry, RegKey key, const char* name, unsigned bufferSize,
                       long defaultValue)
{
    long value = defaultValue;
    if (key == 0 || !ReadNumberValue(registry, key, name, bufferSize, &value))
        return defaultValue;
    return value;
}

long ReadProductSetting(Registry& registry, const char* name, unsigned bufferSize,
                        long defaultValue)
{
    RegKey key;
    if (!OpenProductSettingsForReading(registry, &key)) return defaultValue;
    long value = ReadProductNumber(registry, key, name, bufferSize, defaultValue);
    registry.CloseKey(key);
    return value;
}

long ReadForceValue(Registry& registry, RegKey key, const char* name)
{
    return ReadProductNumber(registry, key, name, ForceReadSize, 0);
}

bool WriteProductSetting(Registry& registry, const char* name, long value)
{
    return OpenKeyAndSetDecimal(registry, HiveLocalMachine, ProductSettingsKey, name, value);
}

bool WriteLowerLimit(Registry& registry, int value)
{
    return WriteProductSetting(registry, LowerLimitValue, value);
}

bool WriteUpperLimit(Registry& registry, int value)
{
    return WriteProductSetting(registry, UpperLimitValue, value);
}

// Parsed numbers saturate at the 32-bit range, so they always fit an int.
static int LoadLimit(Registry& registry, RegKey key, const char* name, int defaultValue,
                     const ClockRange& range, bool (*writeBack)(Registry&, int))
{
    long stored = ReadProductNumber(registry, key, name, PageLoadReadSize, defaultValue);
    int limit = (int)ClampToRange(stored, range);
    if (limit != stored) writeBack(registry, limit);
    return limit;
}

int LoadLowerLimit(Registry& registry, RegKey key)
{
    return LoadLimit(registry, key, LowerLimitValue, DefaultLowerLimit, LowerLimitRange,
                     WriteLowerLimit);
}

int LoadUpperLimit(Registry& registry, RegKey key)
{
    return LoadLimit(registry, key, UpperLimitValue, DefaultUpperLimit, UpperLimitRange,
                     WriteUpperLimit);
}

}  // namespace tarv
