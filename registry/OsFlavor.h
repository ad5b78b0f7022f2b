// The Windows family the product runs on; the same numbers in the page and the installer.
#pragma once

#include "platform/PlatformQueries.h"
#include "registry/Registry.h"

namespace tarv {

enum OsFlavor {
    Win9x = 1,   // Windows 95/98, and anything not recognised as NT 4 or NT 5
    WinNT4 = 2,  // Windows NT 4.0
    WinNT5 = 3   // Windows 2000
};

// The flavour from the version record alone: NT 4 and NT 5.x by major version, everything
// else (another NT major, the Windows 95 family, a failed query) Win9x.
OsFlavor FlavorFromVersion(bool versionKnown, const VersionRecord& record);

// The page's decision: the version record, then "ForceNT4", then "ForceNT5" of the product
// settings key (so "ForceNT5" wins when both are set).
OsFlavor DetectOsFlavor(PlatformQueries& platform, Registry& registry);

}  // namespace tarv
