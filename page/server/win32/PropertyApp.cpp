#include "page/server/win32/PropertyApp.h"

#include "page/server/ModuleCount.h"
#include "page/server/win32/ClassFactory.h"

namespace tarv {

namespace {
CPropertyApp app;  // zero until InitInstance
}

CPropertyApp& TheApp() { return app; }

bool CPropertyApp::InitInstance(HINSTANCE module)
{
    instance = module;
    factory = new CPropertyInterfaceFactory;
    settingsPage = CreateSettingsPage(module);
    if (!factory || !settingsPage) {
        ExitInstance();
        return false;
    }
    // The sheet counts its pages in the module counter, which keeps the library loaded while
    // a display-properties sheet shows the tab.
    PROPSHEETPAGEA* description = settingsPage->Description();
    description->dwFlags |= PSP_USEREFPARENT;
    description->pcRefParent = ModuleCounter();
    // Each sheet page also holds the library itself, from its successful creation in AddPages
    // until its release, so a host that ignores the reference-parent counter cannot unload
    // the code under a live page.
    settingsPage->SetReleaseHandler(UnlockModule);
    return true;
}

void CPropertyApp::ExitInstance()
{
    if (settingsPage) DestroySettingsPage(settingsPage);
    settingsPage = 0;
    delete factory;
    factory = 0;
}

PROPSHEETPAGEA* CPropertyApp::SettingsPageDescription()
{
    return settingsPage ? settingsPage->Description() : 0;
}

}  // namespace tarv

// The library's entry point; there is no C runtime to call a DllMain.
extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) return tarv::TheApp().InitInstance(module) ? TRUE : FALSE;
    if (reason == DLL_PROCESS_DETACH) tarv::TheApp().ExitInstance();
    return TRUE;
}
