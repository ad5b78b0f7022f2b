// The graphics clock's limits and default clocks (MHz): the installer records them in the
// product settings key, the page reads them back and keeps the clock between the limits.
#pragma once

namespace tarv {

// Each limit is chosen at installation and kept inside its own range.
struct ClockRange {
    int lowest;
    int highest;
};
const int DefaultLowerLimit = 120;
const ClockRange LowerLimitRange = {100, 140};
const int DefaultUpperLimit = 220;
const ClockRange UpperLimitRange = {200, 240};

// The clock the installer records as "DefaultClock" for every model, and the one the page
// falls back to when that value is missing.
const int InstalledDefaultClock = 166;
const int DefaultDefaultClock = 143;

inline long ClampToRange(long value, const ClockRange& range)
{
    return value < range.lowest ? range.lowest : value > range.highest ? range.highest : value;
}

}  // namespace tarv
