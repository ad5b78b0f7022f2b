// The COM class of the page library and the registration entries DllRegisterServer writes.
#pragma once

#include "registry/Registry.h"

namespace tarv {

// The class identifier in registry form, and the class's ProgID.
extern const char PropertyInterfaceClassId[];  // "{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
extern const char PropertyInterfaceProgId[];   // "PROPERTY.PROPERTYINTERFACE"

// Writes the class's entries under HKEY_CLASSES_ROOT, in this order:
//   PROPERTY.PROPERTYINTERFACE                 @ = ProgID       (kept if the key exists)
//   CLSID\{...}                                @ = ProgID       (kept if the key exists)
//   PROPERTY.PROPERTYINTERFACE\CLSID           @ = class id
//   CLSID\{...}\ProgID                         @ = ProgID
//   CLSID\{...}\InProcServer32                 @ = libraryPath  (skipped when libraryPath is null)
// No ThreadingModel and no handler key: the installer writes those. A failing entry is
// skipped and the next one is still tried; nothing is reported.
void UpdateServerRegistration(Registry& registry, const char* libraryPath);

}  // namespace tarv
