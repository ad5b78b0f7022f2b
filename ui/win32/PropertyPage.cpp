#include "ui/win32/PropertyPage.h"

#include <stddef.h>

namespace tarv {

// The first comctl32 (Windows 95) takes only the 40-byte description, which ends with the
// reference parent; the header's structure is longer, so the page fills only that part and
// says so in dwSize.
static const DWORD Windows95PageSize = 40;
static_assert(offsetof(PROPSHEETPAGEA, pcRefParent) + sizeof(UINT*) == Windows95PageSize,
              "every field the page sets lies within the Windows 95 description");

CPropertyPage::CPropertyPage(HINSTANCE module, int templateId, PropertyPageLogic& logic,
                             Win32Dialog& dialog)
    : CDialog(logic, dialog), logic_(logic), releaseHandler_(0)
{
    module_ = module;
    templateId_ = templateId;
    ZeroMemory(&description_, sizeof description_);
    description_.dwSize = Windows95PageSize;
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
