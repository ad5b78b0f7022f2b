// Modal dialogs opened from a child window such as a property-sheet page: each run is owned by
// the child's top-level window, which stays disabled until the dialog ends, so the sheet
// cannot be closed (destroying the page) under a running dialog.
#pragma once

#include "ui/ModalDialogRunner.h"
#include "ui/win32/Win32Dialog.h"

#include <windows.h>

namespace tarv {

class TopLevelOwnerRunner : public ModalDialogRunner {
public:
    // child is asked for its window at every run: a page gets a new one with every sheet.
    TopLevelOwnerRunner(HINSTANCE module, const Win32Dialog& child)
        : module_(module), child_(child)
    {
    }

    Dialog& Window() override { return window_; }
    int Run(int templateId, DialogLogic& logic) override;

private:
    HINSTANCE module_;
    const Win32Dialog& child_;
    Win32Dialog window_;
};

// The window itself when it is not a child, else its nearest ancestor that is not one.
HWND TopLevelWindow(HWND window);

}  // namespace tarv
