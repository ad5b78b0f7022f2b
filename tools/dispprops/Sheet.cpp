#include "tools/dispprops/Sheet.h"

#include "tools/common/Log.h"
#include "tools/dispprops/AdvancedSheet.h"
#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/DialogPhases.h"

#include <commctrl.h>
#include <prsht.h>

namespace dispprops {

using tools::Log;

SheetOptions sheetOptions;
HINSTANCE hostInstance = nullptr;
HWND sheet = nullptr;
std::vector<Handler> handlers;

namespace {

// Dialog templates in DispProps.rc.
const int SettingsPageTemplate = 100;
const int BlankPageTemplate = 101;

INT_PTR CALLBACK SettingsPageProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// A modeless sheet that has been closed by OK or Cancel reports no current page; its owner
// destroys it then.
void DestroyClosedSheet()
{
    if (sheet && !CurrentPage()) {
        DestroyWindow(sheet);
        sheet = nullptr;
        Log("sheet closed");
    }
}

}  // namespace

void OpenDisplayProperties()
{
    if (sheet) {
        Log("open: the display properties are already open");
        return;
    }
    std::vector<HPROPSHEETPAGE> pages;
    PROPSHEETPAGEA settings = {};
    settings.dwSize = PROPSHEETPAGEA_V1_SIZE;
    settings.hInstance = hostInstance;
    settings.pszTemplate = MAKEINTRESOURCEA(SettingsPageTemplate);
    settings.pfnDlgProc = SettingsPageProc;
    const bool advanced = HandlersGoToAdvancedSheet(sheetOptions.panel);
    HWND topLevel = advanced ? OpenTopLevelDisplaySheet(hostInstance, settings) : nullptr;
    if (advanced) {
        Log("open: posing as Windows 2000 or XP, the handlers' pages go in the \"%s\" sheet",
            AdvancedSheetCaption);
        settings.dwFlags |= PSP_USETITLE;
        settings.pszTitle = AdvancedFirstPageTitle;
    }
    pages.push_back(CreatePropertySheetPageA(&settings));

    handlers = ReadHandlers(sheetOptions.panel);
    if (sheetOptions.shellLoader) {
        CollectPagesThroughShell(sheetOptions.panel, sheetOptions.refusePages, &pages);
    } else {
        for (const Handler& handler : handlers)
            CollectPages(handler, sheetOptions.refusePages, &pages);
    }
    if (sheetOptions.blankPage) {
        PROPSHEETPAGEA blank = settings;
        blank.dwFlags = PSP_USETITLE;
        blank.pszTemplate = MAKEINTRESOURCEA(BlankPageTemplate);
        blank.pszTitle = "Blank";
        pages.push_back(CreatePropertySheetPageA(&blank));
    }
    bare::AddPages(hostInstance, &pages);
    if (sheetOptions.timedPage) AddTimedPage(&pages);

    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_MODELESS;
    header.hInstance = hostInstance;
    header.pszCaption = advanced ? AdvancedSheetCaption : "Display Properties";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    if (!sheet) {
        Log("open: PropertySheet failed");
        if (topLevel) DestroyWindow(topLevel);
        return;
    }
    if (topLevel) TieToAdvancedSheet(sheet, topLevel);
    // Centred on the screen, where the shell puts the display properties.
    RECT box;
    GetWindowRect(sheet, &box);
    SetWindowPos(sheet, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (box.right - box.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (box.bottom - box.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Log("open: sheet with %u page(s)", static_cast<unsigned>(pages.size()));
}

HWND CurrentPage() { return sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr; }

void DestroySheet()
{
    if (sheet) DestroyWindow(sheet);
    sheet = nullptr;
}

void PumpMessages(DWORD milliseconds, const char* untilFile)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            if (sheet && PropSheet_IsDialogMessage(sheet, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        DestroyClosedSheet();
        if (untilFile && (!sheet || GetFileAttributesA(untilFile) != INVALID_FILE_ATTRIBUTES))
            return;
        DWORD elapsed = GetTickCount() - start;
        if (milliseconds != INFINITE && elapsed >= milliseconds) return;
        if (milliseconds == INFINITE && !sheet) return;
        DWORD wait = milliseconds == INFINITE ? 100 : milliseconds - elapsed;
        if (wait > 100) wait = 100;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

}  // namespace dispprops
