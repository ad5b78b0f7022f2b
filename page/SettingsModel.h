// The clock and vsync settings behind the settings page: loaded from the product settings key
// and the Voodoo5 driver values, written back to every adapter when the sheet applies. The
// page owns one model, calls BeginLoad then LoadSettings at each dialog initialisation, lets
// the trackbar and check boxes set the fields directly, and calls ApplySettings(true) on apply.
#pragma once

#include "platform/MessageBox.h"
#include "platform/PlatformQueries.h"
#include "registry/AdapterDiscovery.h"
#include "registry/OsFlavor.h"
#include "registry/Registry.h"

namespace tarv {

const unsigned ModelNameSize = 80;  // 79 characters and the terminator
inline constexpr char LimitMessageCaption[] = "Tarvo";

// adapters, adapterCount and currentAdapter come from AdapterList; on Windows NT the list
// stays empty (count 0, current -1, every slot -1).
class SettingsModel : public AdapterList {
public:
    // messages shows the two clock-limit messages; the page owns the boxes it shows.
    SettingsModel(Registry& registry, MessageBoxSink& messages);

    // Starts a fresh load: the flavour, the three switches cleared, the adapter list emptied
    // and, on the Windows 95 family, filled by discovery. LoadSettings follows.
    void BeginLoad(PlatformQueries& platform);
    // Reads the product settings and driver values; repairs stored limits and a driver
    // clock outside them (rewriting the driver values at once, then telling the user; a
    // refused repair is left to the page to tell, in clockRepairRefused).
    void LoadSettings();
    // "EnableClock" first when asked, then the driver values of every adapter. False when the
    // registry refused any of them (the others are still written).
    bool ApplySettings(bool writeEnableClock);
    // Every driver value of one adapter instance; on Windows NT the fixed keys. False when any
    // was refused.
    bool ApplyToInstance(int instance);
    // Adjustment off, the default clock, both swap switches off. Nothing is written.
    void RestoreFactoryDefaults();
    // On keeps the clock; off returns it to defaultClock.
    void SetClockEnabled(bool on);

    int osFlavor;
    int lowerLimit;
    int upperLimit;
    int defaultClock;
    int currentClock;
    bool clockStored;   // the driver held the clock at the last load
    int clockEnabled;   // the stored number, not reduced to 0 or 1
    int openGlSwapOff;  // 1: Glide/OpenGL swaps do not wait for the refresh
    int d3dSwapOff;     // 1: Direct3D swaps do not wait (Windows 95 family only)
    char modelName[ModelNameSize];
    // Set by LoadSettings when the registry refused the repair of a clock outside the limits
    // (then no limit message was shown): the clock stored, and the limit it was to become.
    bool clockRepairRefused;
    int unrepairedClock;
    int repairLimit;

private:
    void ReadSwapSwitches();
    void ReadCurrentClock();
    void CheckClockLimits();
    void ShowLimitMessage(const char* format, int clock, int limit);

    Registry& registry_;
    MessageBoxSink& messages_;
    // Set while a load's limit repair runs after a swap interval could not be read: the
    // repair then rewrites the clock only, so a refused read never deletes a user's setting.
    bool keepSwapIntervals_;
};

}  // namespace tarv
