// The installer's start-up decisions, in their order: the language of the start-up texts,
// the library beside the installer, the flavour, the forced flavour, the adapters and the
// clock limits.
#pragma once

#include "installer/InstallerState.h"
#include "installer/InstallerStrings.h"
#include "platform/PlatformQueries.h"
#include "platform/StringTable.h"
#include "registry/Registry.h"

namespace tarv {
namespace installer {

enum StartupOutcome {
    StartupReady,           // every value decided; go on to the flows
    StartupLibraryMissing   // show string 18 of the start-up set and end; nothing else ran
};

// Resets state and fills it from the argument text (everything after the program name), the platform and
// the registry. When the library is missing it stops before any registry access.
StartupOutcome RunStartupDecisions(const char* arguments, PlatformQueries& platform,
                                   Registry& registry, StringTable& strings,
                                   InstallerState* state);

}  // namespace installer
}  // namespace tarv
