#include "ui/win32/Win32ModalRunner.h"

#include "ui/win32/DialogWindow.h"

namespace tarv {

int Win32ModalRunner::Run(int templateId, DialogLogic& logic)
{
    // A run started from inside another gives the outer dialog its window back afterwards.
    const HWND outer = window_.Window();
    CDialog dialog(logic, window_);
    const INT_PTR result = dialog.DoModal(module_, templateId, owner_);
    window_.Attach(outer);
    return (int)result;
}

}  // namespace tarv
