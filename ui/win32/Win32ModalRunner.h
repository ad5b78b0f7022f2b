// Modal dialogs on the running Windows system: DialogBoxParamA through the one dialog
// procedure, with the dialog templates of one module and one owner window.
#pragma once

#include "ui/ModalDialogRunner.h"
#include "ui/win32/Win32Dialog.h"

#include <windows.h>

namespace tarv {

class Win32ModalRunner : public ModalDialogRunner {
public:
    // owner may be null: the dialogs then have no parent.
    Win32ModalRunner(HINSTANCE module, HWND owner) : module_(module), owner_(owner) {}

    Dialog& Window() override { return window_; }
    int Run(int templateId, DialogLogic& logic) override;

private:
    HINSTANCE module_;
    HWND owner_;
    Win32Dialog window_;
};

}  // namespace tarv
