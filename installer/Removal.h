// Removing an installation: the installer's keys, then the driver values the page wrote.
#pragma once

#include "installer/InstallerState.h"
#include "registry/Registry.h"

namespace tarv {
namespace installer {

// Deletes the keys named by installState (product, with the page's copy under it first,
// Display handler, Device handler, then server and class key, with the ProgID keys
// DllRegisterServer may have added, the ProgID only when it names our class, then the
// Add/Remove Programs entry) and stops at the first that exists and cannot be deleted; a key
// already gone counts as deleted. Only when all went through are the shell's approval
// withdrawn and the driver values reset: for every listed adapter on Win9x, once on NT.
// False when the removal stopped.
bool RemoveComponents(Registry& registry, const InstallerState& state, int installState);

// Deletes a key under HKEY_LOCAL_MACHINE if it can be opened for writing. False when the key
// is there but could not be opened or deleted.
bool DeleteKeyIfPresent(Registry& registry, const char* keyPath);

// Deletes the clock and swap-interval values of one adapter instance (Win9x) or of the fixed
// NT service keys and the key Glide reads on NT (instance unused). Opens existing keys only;
// missing keys and values are skipped, and a swap interval that does not read "0" stays.
void ResetDriverValues(Registry& registry, OsFlavor flavor, int instance);

}  // namespace installer
}  // namespace tarv
