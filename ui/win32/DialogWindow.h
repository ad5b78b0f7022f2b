// The window side of a dialog, in place of the classic framework's CDialog: modal dialogs and
// property-sheet pages each have their own dialog procedure, since the object arrives with the
// window's creation parameter in a different form for each, and both hand every message to one
// dispatch. The object is kept with the window, and each message becomes a call on the dialog
// logic; the procedure returns TRUE exactly when the handler says it handled it.
#pragma once

#include "ui/DialogLogic.h"
#include "ui/win32/Win32Dialog.h"

#include <windows.h>

namespace tarv {

class CDialog {
public:
    // dialog is the window wrapper the logic works through; each new window is attached to it.
    CDialog(DialogLogic& logic, Win32Dialog& dialog)
        : dialog_(dialog), module_(0), templateId_(0), logic_(logic)
    {
    }
    virtual ~CDialog() {}

    // Runs the dialog of templateId in module modally, owned by owner (may be null), and returns
    // the EndDialog result, or -1 when the window cannot be created.
    INT_PTR DoModal(HINSTANCE module, int templateId, HWND owner);

protected:
    // A modal dialog gets the object itself as creation parameter (DoModal's procedure); a
    // property-sheet page the sheet's copy of its page description, whose lParam is the object
    // (the procedure of page descriptions). The kind is known by the procedure, never guessed
    // from the window: a page's template may carry pop-up styles.
    static INT_PTR CALLBACK ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY to window; TRUE when handled.
    virtual INT_PTR OnNotify(HWND, const NMHDR*) { return FALSE; }

    Win32Dialog& dialog_;
    // The template the next window is created from.
    HINSTANCE module_;
    int templateId_;

private:
    // Keeps created with the window at WM_INITDIALOG, then routes every message to the object
    // kept with it.
    static INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            CDialog* created);
    INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DialogLogic& logic_;
};

}  // namespace tarv
