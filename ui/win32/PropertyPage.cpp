#include "ui/win32/PropertyPage.h"

namespace tarv {

CPropertyPage::CPropertyPage(HINSTANCE module, int templateId, PropertyPageLogic& logic,
                             Win32Dialog& dialog)
    : logic_(logic), dialog_(dialog), releaseHandler_(0)
{
    ZeroMemory(&description_, sizeof description_);
    // The first comctl32 (Windows 95) accepts only the original structure size.
    description_.dwSize = PROPSHEETPAGEA_V1_SIZE;
    description_.dwFlags = PSP_USECALLBACK;
    description_.hInstance = module;
    description_.pszTemplate = MAKEINTRESOURCEA(templateId);
    description_.pfnDlgProc = DialogProc;
    description_.lParam = (LPARAM)this;
    description_.pfnCallback = PageCallback;
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CPropertyPage* page;
    if (message == WM_INITDIALOG) {
        // lParam is the sheet's copy of the description; its lParam is the page object.
        page = (CPropertyPage*)((PROPSHEETPAGEA*)lParam)->lParam;
        SetWindowLongA(window, DWL_USER, (LONG)page);
    } else {
        page = (CPropertyPage*)GetWindowLongA(window, DWL_USER);
    }
    if (!page) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
    return page->HandleMessage(window, message, wParam, lParam);
}

INT_PTR CPropertyPage::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        dialog_.Attach(window);
        return logic_.OnInitDialog() ? TRUE : FALSE;

    case WM_NOTIFY: {
        const NMHDR* header = (const NMHDR*)lParam;
        if (header->code == (UINT)PSN_APPLY) {
            BOOL accepted = logic_.OnApply();
            SetWindowLongA(window, DWL_MSGRESULT, accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
            return TRUE;
        }
        if (header->code == (UINT)PSN_RESET) {
            logic_.OnCancel();
            return TRUE;
        }
        return FALSE;
    }

    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        logic_.OnCommand(LOWORD(wParam));
        return TRUE;

    case WM_HSCROLL: {
        // lParam is the control that scrolled, or null for the window's own scroll bar.
        int controlId = lParam ? GetDlgCtrlID((HWND)lParam) : 0;
        logic_.OnHScroll(controlId);
        return FALSE;  // default processing follows
    }

    case WM_RBUTTONDOWN:
        logic_.OnRButtonDown((unsigned)wParam);
        return FALSE;  // default processing follows
    }
    return FALSE;
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA* page)
{
    // page is the sheet's copy of the description; its lParam is the page object.
    if (message == PSPCB_RELEASE && page) {
        CPropertyPage* self = (CPropertyPage*)page->lParam;
        if (self && self->releaseHandler_) self->releaseHandler_();
    }
    return 1;  // PSPCB_CREATE: let the page be created
}

}  // namespace tarv
