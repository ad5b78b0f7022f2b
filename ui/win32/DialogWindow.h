// The window side of a dialog, in place of the classic framework's CDialog: one dialog
// procedure for modal dialogs and property-sheet pages alike. The object arrives with the
// window's creation parameter, is kept with the window, and each message becomes a call on the
// dialog logic; the procedure returns TRUE exactly when the handler says it handled it.
#pragma once

#include "ui/DialogLogic.h"
#include "ui/win32/Win32Dialog.h"

#include <windows.h>

namespace tarv {

class CDialog {
public:
    // dialog is the window wrapper the logic works through; each new window is attached to it.
    CDialog(DialogLogic& logic, Win32Dialog& dialog) : dialog_(dialog), logic_(logic) {}
    virtual ~CDialog() {}

    // Runs the dialog of templateId in module modally, owned by owner (may be null), and returns
    // the EndDialog result, or -1 when the window cannot be created.
    INT_PTR DoModal(HINSTANCE module, int templateId, HWND owner);

protected:
    // A modal dialog gets the object itself as creation parameter, a property-sheet page the
    // sheet's copy of its page description, whose lParam is the object.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY to window; TRUE when handled.
    virtual INT_PTR OnNotify(HWND, const NMHDR*) { return FALSE; }

    Win32Dialog& dialog_;

private:
    INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogLogic& logic_;
};

}  // namespace tarv
