// Measurements: what the host counts (windows, GDI and USER objects, heap bytes) and times
// (the median of repeated steps, by QueryPerformanceCounter).
#pragma once

#include <string>

namespace dispprops {

// resources: the thread's window count, the process's GDI and USER object counts and the bytes
// allocated in the process heap, on one line also inside a repeat.
void LogResources();

// repeat:N:S1,S2..: runs the steps N times without logging them, then logs the median time of a
// round and of each step; a failing step stops it and makes it fail. With logRounds (rounds:),
// each round's step times are logged too ("round R of S1,S2..: T1 T2.."), so that steps can
// be compared round by round.
bool Repeat(const std::string& argument, bool logRounds);

}  // namespace dispprops
