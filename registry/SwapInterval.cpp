#include "registry/SwapInterval.h"

namespace tarv {

// The page's read buffer for driver values; longer content is no "0".
static const unsigned SwapIntervalReadSize = 256;

ValuePresence SwapIntervalOffAt(Registry& registry, const DriverValueLocation& location)
{
    return TextValueAt(registry, HiveLocalMachine, location.keyPath, location.valueName,
                       SwapIntervalOffText, SwapIntervalReadSize);
}

bool SetSwapIntervalOff(Registry& registry, const DriverValueLocation& location)
{
    return CreateKeyAndSetText(registry, HiveLocalMachine, location.keyPath, location.valueName,
                               SwapIntervalOffText);
}

bool ClearSwapIntervalOff(Registry& registry, const DriverValueLocation& location)
{
    const ValuePresence off = SwapIntervalOffAt(registry, location);
    if (off != ValuePresent) return off == ValueAbsent;
    return OpenKeyAndDeleteValue(registry, HiveLocalMachine, location.keyPath,
                                 location.valueName);
}

}  // namespace tarv
