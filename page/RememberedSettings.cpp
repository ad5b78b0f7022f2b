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

// Whether the key at path is there. Any answer but success or "not found" is asked again,
// since a failure to open says nothing about the key.
bool KeyThere(Registry& registry, const char* path)
{
    for (int asked = 0; asked < 2; ++asked) {
        RegKey key = 0;
        const RegResult result = registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &key);
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
    if (!KeyThere(registry, ProductSettingsKey)) return NoProductKey;
    if (registry.CreateKey(HiveLocalMachine, RememberedSettingsKey, 0, access, key) == RegSuccess)
        return CopyOpened;
    *key = 0;
    return CopyRefused;
}

// Reads name as text with one query, empty when the value is missing (or is too long to be
// our own). False when the registry would not tell, so that what it holds is unknown.
bool ReadCopyText(Registry& registry, RegKey key, const char* name, char* text, unsigned size)
{
    unsigned long length = size - 1;  // room for a terminator the data may lack
    const RegResult result = registry.QueryValue(key, name, 0, (unsigned char*)text, &length);
    text[result == RegSuccess && length < size ? length : 0] = 0;
    return result == RegSuccess || result == RegFileNotFound || result == RegMoreData;
}

// Reads name from the copy with a key of its own, empty when the copy or the value is missing.
// False when the registry would not tell.
bool ReadCopyTextAt(Registry& registry, const char* name, char* text, unsigned size)
{
    text[0] = 0;
    RegKey key = 0;
    const RegResult opened =
        registry.OpenKey(HiveLocalMachine, RememberedSettingsKey, KeyQueryValue, &key);
    if (opened != RegSuccess) return opened == RegFileNotFound;
    const bool read = ReadCopyText(registry, key, name, text, size);
    registry.CloseKey(key);
    return read;
}

struct CopyValue {
    const char* name;
    char text[PackedRatesSize];
};

// Sets the values of the copy. As with the driver values, a write the registry refuses (a
// user without administrator rights on Windows NT) counts only where the copy does not
// already hold that text; and a copy that is not there and cannot be made holds nothing a
// restore could put back, so it refuses nothing either.
bool StoreCopyValues(Registry& registry, const CopyValue* values, int count)
{
    RegKey key;
    const CopyAccess access = OpenCopyForWriting(registry, &key);
    if (access == NoProductKey) return true;
    bool written = true;
    for (int i = 0; i < count; ++i) {
        if (access == CopyOpened &&
            SetTextValue(registry, key, values[i].name, values[i].text) == RegSuccess)
            continue;
        if (!TextValueHoldsAt(registry, HiveLocalMachine, RememberedSettingsKey, values[i].name,
                              values[i].text))
            written = false;
    }
    if (access == CopyOpened) registry.CloseKey(key);
    return written || (access == CopyRefused && !KeyThere(registry, RememberedSettingsKey));
}

}  // namespace

bool ReadRememberedSettings(Registry& registry, RememberedSettings* copy)
{
    FillBytes(copy, 0, sizeof *copy);
    RegKey key = 0;
    const RegResult opened =
        registry.OpenKey(HiveLocalMachine, RememberedSettingsKey, KeyQueryValue, &key);
    if (opened != RegSuccess) {
        copy->unreadable = opened != RegFileNotFound;
        return copy->unreadable;
    }
    char text[PackedRatesSize];
    copy->hasSwitches = true;
    int* const switches[SwitchCount] = {&copy->clockEnabled, &copy->clock, &copy->openGlSwapOff,
                                        &copy->d3dSwapOff};
    for (int i = 0; i < SwitchCount; ++i) {
        if (!ReadCopyText(registry, key, SwitchValues[i], text, sizeof text)) copy->unreadable = true;
        if (!text[0]) copy->hasSwitches = false;
        *switches[i] = (int)ParseLeadingLong(text);
    }
    if (!ReadCopyText(registry, key, RefreshRateValue, text, sizeof text)) copy->unreadable = true;
    CopyText(copy->adapterRate, sizeof copy->adapterRate, text);
    for (int d = 0; d < ColorDepthCount; ++d) {
        char name[16];
        RatesValueName(ColorDepths[d], name, sizeof name);
        if (!ReadCopyText(registry, key, name, text, sizeof text)) copy->unreadable = true;
        UnpackRates(text, copy->rates[d]);
    }
    registry.CloseKey(key);
    return true;
}

bool RememberSwitches(Registry& registry, int clockEnabled, int clock, int openGlSwapOff,
                      int d3dSwapOff)
{
    const long numbers[SwitchCount] = {clockEnabled, clock, openGlSwapOff, d3dSwapOff};
    CopyValue values[SwitchCount];
    for (int i = 0; i < SwitchCount; ++i) {
        values[i].name = SwitchValues[i];
        FormatDecimal(values[i].text, sizeof values[i].text, numbers[i]);
    }
    return StoreCopyValues(registry, values, SwitchCount);
}

bool RememberRates(Registry& registry, const char* adapterRate, const int* depths,
                   int depthCount, const char (*texts)[StoredRateSize], const bool* saved)
{
    CopyValue values[1 + ColorDepthCount];
    int count = 0;
    values[count].name = RefreshRateValue;
    CopyText(values[count++].text, PackedRatesSize, adapterRate);
    char names[ColorDepthCount][16];
    bool readable = true;
    for (int n = 0; n < depthCount && count < 1 + ColorDepthCount; ++n) {
        if (DepthIndex(depths[n]) < 0) continue;
        RatesValueName(depths[n], names[count - 1], sizeof names[count - 1]);
        // The fields of the resolutions this save did not write stay as they are, so a value
        // that cannot be read is left alone.
        char packed[PackedRatesSize];
        if (!ReadCopyTextAt(registry, names[count - 1], packed, sizeof packed)) {
            readable = false;
            continue;
        }
        char fields[ModeCount][StoredRateSize];
        UnpackRates(packed, fields);
        // A text with the separator in it cannot be kept; such a resolution is not remembered.
        for (int i = 0; i < ModeCount; ++i)
            if (saved[i])
                CopyText(fields[i], StoredRateSize, FindText(texts[i], FieldSeparator) ? "" : texts[i]);
        values[count].name = names[count - 1];
        PackRates(fields, values[count++].text, PackedRatesSize);
    }
    return StoreCopyValues(registry, values, count) && readable;
}

bool ForgetRememberedSettings(Registry& registry)
{
    if (registry.DeleteKey(HiveLocalMachine, RememberedSettingsKey) == RegSuccess) return true;
    // The Windows 95 family does not promise one code for a key that is not there: ask again.
    return !KeyRefusedWriting(registry, RememberedSettingsKey);
}

}  // namespace tarv
