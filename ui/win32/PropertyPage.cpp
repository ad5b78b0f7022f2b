#include "ui/win32/PropertyPage.h"

namespace tarv {

// The first comctl32 (Windows 95) refuses any other size; the build's _WIN32_IE keeps the
// structure at it.
static_assert(sizeof(PROPSHEETPAGEA) == 40, "PROPSHEETPAGEA must keep its Windows 95 layout");

CPropertyPage::CPropertyPage(HINSTANCE module, int templateId, PropertyPageLogic& logic,
                             Win32Dialog& dialog)
    : CDialog(logic, dialog), logic_(logic), releaseHandler_(0)
{
    ZeroMemory(&description_, sizeof description_);
    // The first comctl32 (Windows 95) accepts only the original structure size.
    description_.dwSize = PROPSHEETPAGEA_V1_SIZE;
    description_.dwFlags = PSP_USECALLBACK;
    description_.hInstance = module;
    description_.pszTemplate = MAKEINTRESOURCEA(templateId);
    description_.pfnDlgProc = PageDialogProc;
    description_.lParam = (LPARAM)static_cast<CDialog*>(this);
    description_.pfnCallback = PageCallback;
}

INT_PTR CPropertyPage::OnNotify(HWND window, const NMHDR* header)
{
    if (header->code == (UINT)PSN_APPLY) {
        BOOL accepted = logic_.OnApply();
        SetWindowLongA(window, DWL_MSGRESULT, accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
    }
    if (header->code == (UINT)PSN_RESET) {
        logic_.OnReset();
        return TRUE;
    }
    return FALSE;
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA* page)
{
    // page is the sheet's copy of the description; its lParam is the page object.
    if (message == PSPCB_RELEASE && page) {
        CPropertyPage* self = static_cast<CPropertyPage*>((CDialog*)page->lParam);
        if (self && self->releaseHandler_) self->releaseHandler_();
    }
    return 1;  // PSPCB_CREATE: let the page be created
}

void Win32PageSheet::SetModified(bool modified)
{
    // wParam names the page that changed.
    HWND window = page_.Window();
    SendMessageA(GetParent(window), modified ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)window, 0);
}

}  // namespace tarv
