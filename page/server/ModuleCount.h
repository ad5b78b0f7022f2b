// The library's live-object counter: every COM object, every client reference to the class
// factory, every server lock and every sheet page built from the settings page holds the
// library loaded through it.
#pragma once

#include <windows.h>

namespace tarv {

void LockModule();
void UnlockModule();
// The counter itself, for PROPSHEETPAGEA.pcRefParent.
UINT* ModuleCounter();
LONG ModuleCount();

}  // namespace tarv
