// The library's one settings page on the running Windows system: the page logic, its window
// wrapper and the registry, system queries and version source it works with, created together
// at library initialisation (the library has no C runtime to run static constructors).
#pragma once

#include "ui/win32/PropertyPage.h"

#include <windows.h>

namespace tarv {

// Description() gives the PROPSHEETPAGEA the sheet page is created from.
typedef CPropertyPage SettingsPage;

// module holds the page's dialog template and is the module whose version the page shows.
// Null when memory runs out.
SettingsPage* CreateSettingsPage(HINSTANCE module);
void DestroySettingsPage(SettingsPage* page);

}  // namespace tarv
