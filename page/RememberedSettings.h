// A copy of what the user last saved, kept under the product settings key so that a new
// display driver, which wipes the driver's keys, does not take the user's tuning with it. All
// REG_SZ text under RememberedSettingsKey:
//   "EnableClock", "Clock", "OpenGLSwapOff", "Direct3DSwapOff"   the tab's OK or Apply, as
//                                                                 decimal numbers
//   "RefreshRate"                     the adapter setting the Refresh Rates dialog wrote
//   "Rates8", "Rates16", "Rates24", "Rates32"   per colour depth, the "RefreshRate" text the
//       dialog wrote for each resolution, in mode-table order, separated by ';' (an empty
//       field remembers nothing: a resolution set back to Adapter drops out)
// Written only from what a save wrote, never from what a driver left; one set of values for
// every Voodoo5 adapter. The copy is created only under a product key that exists.
#pragma once

#include "page/refresh/ModeTable.h"
#include "registry/Registry.h"

namespace tarv {

struct RememberedSettings {
    bool unreadable;   // the registry would not tell all of it: a restore is incomplete
    bool hasSwitches;  // the tab's four values are all there
    int clockEnabled;
    int clock;
    int openGlSwapOff;
    int d3dSwapOff;
    char adapterRate[StoredRateSize];  // "0" or "-1"; empty: none remembered
    char rates[ColorDepthCount][ModeCount][StoredRateSize];  // in ColorDepths order
};

// Reads the copy; false, with nothing remembered, when there is none. What cannot be read
// counts as not remembered, and marks the copy unreadable.
bool ReadRememberedSettings(Registry& registry, RememberedSettings* copy);

// The tab's values as an apply wrote them. False when the registry refused; without a product
// key nothing is written and nothing is refused.
bool RememberSwitches(Registry& registry, int clockEnabled, int clock, int openGlSwapOff,
                      int d3dSwapOff);

// A save of the Refresh Rates dialog: the adapter setting's text and, for each colour depth it
// wrote, the text of every resolution it saved (saved[i]); the other resolutions keep what the
// copy holds. A depth other than the four is not remembered. False when the registry refused.
bool RememberRates(Registry& registry, const char* adapterRate, const int* depths,
                   int depthCount, const char (*texts)[StoredRateSize], const bool* saved);

// Deletes the copy; true when it is gone.
bool ForgetRememberedSettings(Registry& registry);

}  // namespace tarv
