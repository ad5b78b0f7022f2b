#include "tools/dispprops/AdvancedSheet.h"

namespace dispprops {

const char AdvancedSheetCaption[] = "Advanced";
const char AdvancedFirstPageTitle[] = "General";

namespace {

const char TopLevelProperty[] = "dispprops.topLevel";
const char ProcedureProperty[] = "dispprops.procedure";

// The advanced sheet's procedure in front of its own: its top-level sheet goes with it. The
// two are not owner and owned, so destroying one inside the other's destruction is safe.
LRESULT CALLBACK AdvancedSheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC own = reinterpret_cast<WNDPROC>(GetPropA(window, ProcedureProperty));
    if (message == WM_NCDESTROY) {
        HWND topLevel = static_cast<HWND>(GetPropA(window, TopLevelProperty));
        RemovePropA(window, TopLevelProperty);
        RemovePropA(window, ProcedureProperty);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        if (topLevel) DestroyWindow(topLevel);
    }
    return CallWindowProcA(own, window, message, wParam, lParam);
}

}  // namespace

bool HandlersGoToAdvancedSheet(const std::string& panel)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return panel == "Display" && GetVersionExA(&version) &&
           version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5;
}

HWND OpenTopLevelDisplaySheet(HINSTANCE instance, const PROPSHEETPAGEA& settings)
{
    HPROPSHEETPAGE page = CreatePropertySheetPageA(&settings);
    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_MODELESS;
    header.hInstance = instance;
    header.pszCaption = "Display Properties";
    header.nPages = 1;
    header.phpage = &page;
    return reinterpret_cast<HWND>(PropertySheetA(&header));
}

void TieToAdvancedSheet(HWND advanced, HWND topLevel)
{
    EnableWindow(topLevel, FALSE);
    SetPropA(advanced, TopLevelProperty, topLevel);
    SetPropA(advanced, ProcedureProperty,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(advanced, GWLP_WNDPROC)));
    SetWindowLongPtrA(advanced, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AdvancedSheetProc));
}

}  // namespace dispprops
