// Whether HKEY_CLASSES_ROOT\PROPERTY.PROPERTYINTERFACE is the page library's: the name is
// generic enough that another program may own a key of that name.
#pragma once

#include "registry/Registry.h"

namespace tarv {

// True when the ProgID's CLSID subkey names the page library's class identifier (letter case
// aside). A missing or unreadable subkey, or any other identifier, makes it someone else's.
bool ProgIdIsOurs(Registry& registry);

// Deletes the ProgID key and its CLSID subkey, child first, when they are ours; a foreign or
// absent ProgID is left alone. False only when ours could not be deleted.
bool DeleteProgIdIfOurs(Registry& registry);

}  // namespace tarv
