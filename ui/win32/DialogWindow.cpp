#include "ui/win32/DialogWindow.h"

#include <prsht.h>

namespace tarv {

INT_PTR CDialog::DoModal(HINSTANCE module, int templateId, HWND owner)
{
    module_ = module;
    templateId_ = templateId;
    return DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, ModalDialogProc,
                           (LPARAM)this);
}

INT_PTR CALLBACK CDialog::ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // DoModal passes the object itself.
    CDialog* created = message == WM_INITDIALOG ? (CDialog*)lParam : 0;
    return Dispatch(window, message, wParam, lParam, created);
}

INT_PTR CALLBACK CDialog::PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The sheet passes its copy of the page description, whose lParam is the object.
    const PROPSHEETPAGEA* page = (const PROPSHEETPAGEA*)lParam;
    CDialog* created = message == WM_INITDIALOG && page ? (CDialog*)page->lParam : 0;
    return Dispatch(window, message, wParam, lParam, created);
}

INT_PTR CDialog::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          CDialog* created)
{
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = created;
        SetWindowLongA(window, DWL_USER, (LONG)self);
    } else {
        self = (CDialog*)GetWindowLongA(window, DWL_USER);
    }
    if (!self) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
    return self->HandleMessage(window, message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        dialog_.Attach(window, module_, templateId_);
        return logic_.OnInitDialog() ? TRUE : FALSE;

    case WM_COMMAND:
        // Only clicks count; Enter and Escape arrive as clicks of IDOK and IDCANCEL.
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        return logic_.OnCommand(LOWORD(wParam)) ? TRUE : FALSE;

    case WM_HSCROLL:
        // lParam is the control that scrolled, or null for the window's own scroll bar.
        return logic_.OnHScroll(lParam ? GetDlgCtrlID((HWND)lParam) : 0) ? TRUE : FALSE;

    case WM_RBUTTONDOWN:
        return logic_.OnRButtonDown((unsigned)wParam) ? TRUE : FALSE;

    case WM_SYSCOMMAND:
        // The system uses the low four bits itself.
        return logic_.OnSysCommand((unsigned)wParam & 0xFFF0) ? TRUE : FALSE;

    case WM_NOTIFY:
        return OnNotify(window, (const NMHDR*)lParam);

    case WM_NCDESTROY:
        // Its controls are gone; their handles may soon name other windows.
        dialog_.ForgetControls();
        return FALSE;
    }
    return FALSE;
}

}  // namespace tarv
