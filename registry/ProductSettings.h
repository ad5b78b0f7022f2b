// The product's own key under HKEY_LOCAL_MACHINE: model, clock limits and the page's and
// dialog's remembered choices, all REG_SZ decimal text (the model plain text). The page and
// the Refresh Rates dialog read it with KeyQueryValue and write only to a key that exists;
// the installer alone creates and deletes it.
#pragma once

#include "registry/ClockLimits.h"
#include "registry/Registry.h"

namespace tarv {

inline constexpr char ProductSettingsKey[] = "Software\\Tarvello";
// Its one subkey: the copy of what the user last saved (page/RememberedSettings.h). Created by
// the page only under a product key that exists; removal deletes it before its parent.
inline constexpr char RememberedSettingsKey[] = "Software\\Tarvello\\Remembered";

inline constexpr char LowerLimitValue[] = "LowerLimit";
inline constexpr char UpperLimitValue[] = "UpperLimit";
inline constexpr char ModelValue[] = "Model";
inline constexpr char DefaultClockValue[] = "DefaultClock";
inline constexpr char EnableClockValue[] = "EnableClock";
inline constexpr char ColorDepthValue[] = "ColorDepth";
inline constexpr char LinkAllColorDepthsValue[] = "LinkAllColorDepths";
inline constexpr char Force95Value[] = "Force95";
inline constexpr char Force98Value[] = "Force98";
inline constexpr char ForceNT4Value[] = "ForceNT4";
inline constexpr char ForceNT5Value[] = "ForceNT5";

// Read buffer sizes: a stored text that does not fit, terminator included, reads as missing.
const unsigned PageLoadReadSize = 256;  // the values the page reads at load
const unsigned ForceReadSize = 128;     // "ForceNT4", "ForceNT5"
const unsigned DialogReadSize = 64;     // "ColorDepth", "LinkAllColorDepths"

// Defaults of values that are missing (the clock limits and clocks in ClockLimits.h); the
// installer records the same depth.
const int DefaultColorDepth = 8;
inline constexpr char DefaultModelName[] = "Unknown";

// Opens the key for reading; false (and *key 0) when it is absent.
bool OpenProductSettingsForReading(Registry& registry, RegKey* key);

// One number from an open key (key 0 stands for a key that did not open): the parsed
// leading decimal number, or defaultValue when the value cannot be read into bufferSize bytes.
long ReadProductNumber(Registry& registry, RegKey key, const char* name, unsigned bufferSize,
                       long defaultValue);

// Opens the key, reads one number as above, closes the key.
long ReadProductSetting(Registry& registry, const char* name, unsigned bufferSize,
                        long defaultValue);

// "ForceNT4" or "ForceNT5" from the open key: 0 when the value is missing.
long ReadForceValue(Registry& registry, RegKey key, const char* name);

// Writes one number with "%d" to the existing key; nothing happens when the key is absent.
bool WriteProductSetting(Registry& registry, const char* name, long value);
bool WriteLowerLimit(Registry& registry, int value);
bool WriteUpperLimit(Registry& registry, int value);

// A limit read at load: the stored number (or the default) clamped into its range. Only
// a number that lay outside is written back, so a missing value is never written.
int LoadLowerLimit(Registry& registry, RegKey key);
int LoadUpperLimit(Registry& registry, RegKey key);

}  // namespace tarv
