// A property-sheet page in place of the classic framework's CPropertyPage: it owns the page
// description the sheet is built from, keeps itself with the page window, and turns the
// window's messages into calls on the page logic.
#pragma once

#include "ui/PropertyPageLogic.h"
#include "ui/win32/Win32Dialog.h"

#include <windows.h>
#include <prsht.h>

namespace tarv {

class CPropertyPage {
public:
    // dialog is the window wrapper the logic works through; the page attaches each new page
    // window to it.
    CPropertyPage(HINSTANCE module, int templateId, PropertyPageLogic& logic, Win32Dialog& dialog);
    virtual ~CPropertyPage() {}

    // The description handed to CreatePropertySheetPageA. Its owner may add flags and fields
    // (title, reference parent) before each creation.
    PROPSHEETPAGEA* Description() { return &description_; }

    // Called when the sheet releases a page built from this description (PSPCB_RELEASE),
    // also for a page destroyed without ever being shown.
    typedef void (*ReleaseHandler)();
    void SetReleaseHandler(ReleaseHandler handler) { releaseHandler_ = handler; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEA* page);
    INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    PROPSHEETPAGEA description_;
    PropertyPageLogic& logic_;
    Win32Dialog& dialog_;
    ReleaseHandler releaseHandler_;
};

}  // namespace tarv
