// The library's application object: it owns the class factory and the one settings page
// from library load to unload.
#pragma once

#include "page/server/win32/ComHeaders.h"
#include "page/server/PageHandout.h"
#include "page/win32/SettingsPageModule.h"

namespace tarv {

class CPropertyInterfaceFactory;

// Plain data, so the object needs no constructor run at load (the library has no C runtime).
class CPropertyApp {
public:
    // Library initialisation at process attach; false refuses the load.
    bool InitInstance(HINSTANCE module);
    // Library termination at process detach.
    void ExitInstance();

    // The settings page's description, null before initialisation.
    PROPSHEETPAGEA* SettingsPageDescription();

    HINSTANCE instance;
    SettingsPage* settingsPage;
    // The registered factory; DllGetClassObject finds the class only while it is set.
    CPropertyInterfaceFactory* factory;
    // The title every sheet page built from the settings page points at.
    TabTitle tabTitle;
};

CPropertyApp& TheApp();

}  // namespace tarv
