#include "page/RememberedSettings.h"

#include "page/refresh/RefreshStore.h"
#include "registry/ProductSettings.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

namespace {

const char ClockValue[] = "Clock";
const char OpenGlSwapOffValue[] = "OpenGLSwapOff";
const char Direct3DSwapOffValue[] = "Direct3DSwapOff";
const char RatesValuePrefix[] = "Rates";
const char FieldSeparator[] = ";";

const int SwitchCount = 4;
const char* const SwitchValues[SwitchCount] = {EnableClockValue, ClockValue, OpenGlSwapOffValue,
                                               Direct3DSwapOffValue};

// The longest packing: every field full, with its separators.
const unsigned PackedRatesSize = MaxValueReadSize;
static_assert(ModeCount * StoredRateSize <= PackedRatesSize, "the packed rates fit one read");

void RatesValueName(int depth, char* name, unsigned size)
{
    CopyText(name, size, RatesValuePrefix);
    AppendDecimal(name, size, depth);
}

int DepthIndex(int depth)
{
    for (int d = 0; d < ColorDepthCount; ++d)
        if (ColorDepths[d] == depth) return d;
    return -1;
}

// Splits a packed text into the fields of one depth, each cut to its size.
void UnpackRates(const char* packed, char (*fields)[StoredRateSize])
{
    for (int i = 0; i < ModeCount; ++i) fields[i][0] = 0;
    int i = 0;
    unsigned length = 0;
    for (const char* at = packed; *at && i < ModeCount; ++at) {
        if (*at == FieldSeparator[0]) {
            ++i;
            length = 0;
        } else if (length + 1 < StoredRateSize) {
            fields[i][length++] = *at;
            fields[i][length] = 0;
        }
    }
}

// Joins the fields, leaving out the empty ones at the end.
void PackRates(const char (*fields)[StoredRateSize], char* packed, unsigned size)
{
    int count = ModeCount;
    while (count > 0 && !fields[count - 1][0]) --count;
    packed[0] = 0;
    for (int i = 0; i < count; ++i) {
        if (i) AppendText(packed, size, FieldSeparator);
        AppendText(packed, size, fields[i]);
    }
}

enum CopyAccess { CopyOpened, NoProductKey, CopyRefused };

// Whether the product key is there. Any answer but success or "not found" is asked again,
// since a failure to open says nothing about the key.
bool ProductKeyThere(Registry& registry)
{
    for (int asked = 0; asked < 2; ++asked) {
        RegKey key = 0;
        const RegResult result =
            registry.OpenKey(HiveLocalMachine, ProductSettingsKey, KeyQueryValue, &key);
        if (result == RegSuccess) {
            registry.CloseKey(key);
            return true;
        }
        if (result == RegFileNotFound) return false;
    }
    return false;
}

// The copy opened for reading and writing, created when it is missing, but only under a
// product key that is there: the page never creates that key.
CopyAccess OpenCopyForWriting(Registry& registry, RegKey* key)
{
    const unsigned long access = KeyQueryValue | KeySetValue;
    *key = 0;
    if (registry.OpenKey(HiveLocalMachine, RememberedSettingsKey, access, key) == RegSuccess)
        return CopyOpened;
    *key = 0;
    if (!ProductKeyThere(registry)) return NoProductKey;
    if (registry.CreateKey(HiveLocalMachine, RememberedSettingsKey, 0, access, key) == RegSuccess)
        return CopyOpened;
    *key = 0;
    return CopyRefused;
}

// The fields a depth's value holds now: empty ones when it is missing (or is not our text at
// all); false when the registry would not tell, so the value must be left alone.
bool ReadPackedRates(Registry& registry, RegKey key, const char* name,
                     char (*fields)[StoredRateSize])
{
    char packed[PackedRatesSize];
    if (!ReadTextValue(registry, key, name, packed, sizeof packed)) {
        unsigned long size = 0;
        const RegResult result = registry.QueryValue(key, name, 0, 0, &size);
        if (result != RegFileNotFound && result != RegMoreData) return false;
        packed[0] = 0;
    }
    UnpackRates(packed, fields);
    return true;
}

}  // namespace

bool ReadRememberedSettings(Registry& registry, RememberedSettings* copy)
{
    FillBytes(copy, 0, sizeof *copy);
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, RememberedSettingsKey, KeyQueryValue, &key) !=
        RegSuccess)
        return false;
    long numbers[SwitchCount];
    copy->hasSwitches = true;
    for (int i = 0; i < SwitchCount; ++i)
        if (!ReadNumberValue(registry, key, SwitchValues[i], MaxValueReadSize, &numbers[i]))
            copy->hasSwitches = false;
    if (copy->hasSwitches) {
        copy->clockEnabled = (int)numbers[0];
        copy->clock = (int)numbers[1];
        copy->openGlSwapOff = numbers[2] != 0;
        copy->d3dSwapOff = numbers[3] != 0;
    }
    char text[PackedRatesSize];
    if (ReadTextValue(registry, key, RefreshRateValue, text, sizeof text))
        CopyText(copy->adapterRate, sizeof copy->adapterRate, text);
    for (int d = 0; d < ColorDepthCount; ++d) {
        char name[16];
        RatesValueName(ColorDepths[d], name, sizeof name);
        if (ReadTextValue(registry, key, name, text, sizeof text))
            UnpackRates(text, copy->rates[d]);
    }
    registry.CloseKey(key);
    return true;
}

bool RememberSwitches(Registry& registry, int clockEnabled, int clock, int openGlSwapOff,
                      int d3dSwapOff)
{
    RegKey key;
    const CopyAccess access = OpenCopyForWriting(registry, &key);
    if (access != CopyOpened) return access == NoProductKey;
    const long numbers[SwitchCount] = {clockEnabled, clock, openGlSwapOff, d3dSwapOff};
    bool written = true;
    for (int i = 0; i < SwitchCount; ++i)
        if (SetDecimalValue(registry, key, SwitchValues[i], numbers[i]) != RegSuccess)
            written = false;
    registry.CloseKey(key);
    return written;
}

bool RememberRates(Registry& registry, const char* adapterRate, const int* depths,
                   int depthCount, const char (*texts)[StoredRateSize], const bool* saved)
{
    RegKey key;
    const CopyAccess access = OpenCopyForWriting(registry, &key);
    if (access != CopyOpened) return access == NoProductKey;
    bool written = SetTextValue(registry, key, RefreshRateValue, adapterRate) == RegSuccess;
    for (int n = 0; n < depthCount; ++n) {
        if (DepthIndex(depths[n]) < 0) continue;
        char name[16];
        RatesValueName(depths[n], name, sizeof name);
        char fields[ModeCount][StoredRateSize];
        if (!ReadPackedRates(registry, key, name, fields)) {
            written = false;
            continue;
        }
        // A text with the separator in it cannot be kept; such a resolution is not remembered.
        for (int i = 0; i < ModeCount; ++i)
            if (saved[i])
                CopyText(fields[i], StoredRateSize, FindText(texts[i], FieldSeparator) ? "" : texts[i]);
        char packed[PackedRatesSize];
        PackRates(fields, packed, sizeof packed);
        if (SetTextValue(registry, key, name, packed) != RegSuccess) written = false;
    }
    registry.CloseKey(key);
    return written;
}

bool ForgetRememberedSettings(Registry& registry)
{
    if (registry.DeleteKey(HiveLocalMachine, RememberedSettingsKey) == RegSuccess) return true;
    // The Windows 95 family does not promise one code for a key that is not there: ask again.
    return !KeyRefusedWriting(registry, RememberedSettingsKey);
}

}  // namespace tarv
