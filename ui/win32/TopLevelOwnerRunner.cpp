#include "ui/win32/TopLevelOwnerRunner.h"

#include "ui/win32/DialogWindow.h"

namespace tarv {

// GetAncestor is not there on Windows 95; the parent chain of child windows is.
HWND TopLevelWindow(HWND window)
{
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(window);
        if (!parent) break;
        window = parent;
    }
    return window;
}

int TopLevelOwnerRunner::Run(int templateId, DialogLogic& logic)
{
    CDialog dialog(logic, window_);
    const INT_PTR result = dialog.DoModal(module_, templateId, TopLevelWindow(child_.Window()));
    window_.Attach(0);
    return (int)result;
}

}  // namespace tarv
