// The swap-interval values ("FX_GLIDE_SWAPINTERVAL", "SSTH3_SWAPINTERVAL") are shared with the
// driver's own tabs, whose "Vertical Sync" setting leaves the value out, writes "0" (disable) or
// "1" (enable). This product writes only "0": a value is off only when it reads "0", and only
// such a value is ever deleted, so a choice made in another program survives every apply and
// every removal.
#pragma once

#include "registry/DriverValues.h"
#include "registry/Registry.h"
#include "registry/RegistryValues.h"

namespace tarv {

// ValuePresent when the value reads "0" (up to its first zero byte, whatever its type);
// ValueAbsent when it is missing or holds anything else; ValueUnknown when the read failed.
ValuePresence SwapIntervalOffAt(Registry& registry, const DriverValueLocation& location);

// Sets "0", creating the key when it is missing. True when the value holds "0" afterwards.
bool SetSwapIntervalOff(Registry& registry, const DriverValueLocation& location);

// Deletes the value when it reads "0", through its key opened, never created. True when it is
// gone or holds another program's content; false when a "0" stays or could not be read.
bool ClearSwapIntervalOff(Registry& registry, const DriverValueLocation& location);

}  // namespace tarv
