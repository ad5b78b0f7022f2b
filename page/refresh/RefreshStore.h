// The refresh rates of the Windows 95 family's display modes, kept under each adapter's
// display-class instance key in HKEY_LOCAL_MACHINE:
//   <instance>\MODES\<depth>\<width,height>  default value: the offered rates (read only);
//                                            "RefreshRate": the stored choice
//   <instance>\DEFAULT                       "RefreshRate": the adapter setting
// Every operation opens only keys that exist (it never creates one) and closes what it opened
// before it returns. A key that does not exist reads as absent and is skipped when writing;
// the writers tell whether the registry refused anything, so the dialog can say so.
#pragma once

#include "page/refresh/ModeTable.h"
#include "page/refresh/RefreshChoice.h"
#include "registry/AdapterDiscovery.h"
#include "registry/Registry.h"

namespace tarv {

inline constexpr char RefreshRateValue[] = "RefreshRate";

// Fits the longest mode key path of any instance, depth and table name.
const unsigned RefreshKeyPathSize = 128;

void BuildModeKeyPath(int instance, int colorDepth, const char* name, char* path,
                      unsigned size);
void BuildAdapterDefaultKeyPath(int instance, char* path, unsigned size);

// Fills the entry's present flag, offered rates and stored rate from the instance's mode key.
// A negative instance stands for no adapter and reads as an absent key.
void ReadMode(Registry& registry, int instance, int colorDepth, ModeEntry* entry);

// The mode key's "RefreshRate" text alone (empty when missing, cut to size); false when the
// mode key is not there.
bool ReadModeRate(Registry& registry, int instance, int colorDepth, const char* name, char* text,
                  unsigned size);

// OptimalRefreshRate only when "RefreshRate" is exactly "-1".
AdapterSetting ReadAdapterDefault(Registry& registry, int instance);

// Adapter deletes "RefreshRate"; every other choice sets it. Nothing happens when the mode
// key does not exist. False when the key or the registry refused the change and the value
// does not already hold what was wanted (absent, for Adapter).
bool WriteMode(Registry& registry, int instance, int colorDepth, const char* name,
               RefreshChoice choice);
// The same with the "RefreshRate" text itself: empty deletes the value.
bool WriteModeText(Registry& registry, int instance, int colorDepth, const char* name,
                   const char* text);

// Sets "RefreshRate" in the default key of every adapter of the list that has one; false
// when any of them refused and held another text.
bool WriteAdapterDefault(Registry& registry, const AdapterList& list, AdapterSetting setting);

// Whether a key of HKEY_LOCAL_MACHINE that did not open for writing is there all the same, so
// that the registry refused it; a missing key is no refusal, it is simply skipped.
bool KeyRefusedWriting(Registry& registry, const char* path);

// How many leading slots of the list hold an instance: writes go to these, in order.
int ListedInstanceCount(const AdapterList& list);

}  // namespace tarv
