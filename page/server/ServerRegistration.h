// The registration entries DllRegisterServer writes for the page library's COM class (whose
// identifier and keys live in registry/ComRegistration.h).
#pragma once

#include "registry/Registry.h"

namespace tarv {

// Writes the class's entries under HKEY_CLASSES_ROOT, in this order:
//   PROPERTY.PROPERTYINTERFACE                 @ = ProgID       (kept if the key exists)
//   CLSID\{...}                                @ = ProgID       (kept if the key exists)
//   PROPERTY.PROPERTYINTERFACE\CLSID           @ = class id
//   CLSID\{...}\ProgID                         @ = ProgID
//   CLSID\{...}\InProcServer32                 @ = libraryPath  (skipped when libraryPath is null)
//                                              ThreadingModel = "Apartment" (with the path)
// No handler key: the installer writes that. A failing entry is skipped and the next one is
// still tried; nothing is reported.
void UpdateServerRegistration(Registry& registry, const char* libraryPath);

// Deletes what UpdateServerRegistration writes and nothing else, child keys first: the server
// key, the ProgID subkey and the class key, then the ProgID key and its CLSID subkey when they
// name our class. Keys already gone count as deleted. False when a key could not be deleted.
bool RemoveServerRegistration(Registry& registry);

}  // namespace tarv
