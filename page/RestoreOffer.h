// Whether the tab offers to put back what the user last saved, and putting it back. A new
// display driver wipes its keys and writes its own defaults; the copy of the user's saves
// (RememberedSettings.h) then differs from what the boards hold.
#pragma once

#include "page/RememberedSettings.h"
#include "page/SettingsModel.h"
#include "registry/Registry.h"

namespace tarv {

// Whether the load reached a board's driver values: always on Windows NT, on the Windows 95
// family only with a Voodoo5 adapter.
bool ReachesDriverValues(const SettingsModel& loaded);

// Whether the current adapter holds something other than the copy, as the tab and the Refresh
// Rates dialog would show it: the switches as just loaded, then the adapter setting and each
// remembered rate, stopping at the first difference. A resolution whose mode key the driver
// lacks counts as no difference: there is nothing to put back there.
bool DiffersFromRemembered(Registry& registry, const SettingsModel& loaded,
                           const RememberedSettings& copy);

// Writes the copy to every Voodoo5 adapter of the model's list through the writers of the
// tab's OK and the dialog's Save; a resolution whose mode key the driver lacks is left alone
// (and stays in the copy), and so is anything the copy could not tell. The model then holds
// the switches written. False when the registry refused anything.
bool RestoreRemembered(Registry& registry, SettingsModel& settings, const RememberedSettings& copy);

}  // namespace tarv
