// A property-sheet page in place of the classic framework's CPropertyPage: it owns the page
// description the sheet is built from, with the page procedure in it, and adds the sheet's
// notifications to the dispatch it shares with modal dialogs.
#pragma once

#include "ui/PropertyPageLogic.h"
#include "ui/win32/DialogWindow.h"

#include <windows.h>
#include <prsht.h>

namespace tarv {

class CPropertyPage : public CDialog {
public:
    CPropertyPage(HINSTANCE module, int templateId, PropertyPageLogic& logic, Win32Dialog& dialog);

    // The description handed to CreatePropertySheetPageA. Its owner may add flags and fields
    // (title, reference parent) before each creation.
    PROPSHEETPAGEA* Description() { return &description_; }

    // Called when the sheet releases a page built from this description (PSPCB_RELEASE),
    // also for a page destroyed without ever being shown.
    typedef void (*ReleaseHandler)();
    void SetReleaseHandler(ReleaseHandler handler) { releaseHandler_ = handler; }

protected:
    INT_PTR OnNotify(HWND window, const NMHDR* header) override;

private:
    static UINT CALLBACK PageCallback(HWND window, UINT message, PROPSHEETPAGEA* page);

    PROPSHEETPAGEA description_;
    PropertyPageLogic& logic_;
    ReleaseHandler releaseHandler_;
};

// The sheet that holds the page window of dialog: it is the page's parent.
class Win32PageSheet : public PageSheet {
public:
    explicit Win32PageSheet(Win32Dialog& page) : page_(page) {}
    void SetModified(bool modified) override;

private:
    Win32Dialog& page_;
};

}  // namespace tarv
