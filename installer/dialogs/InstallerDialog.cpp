#include "installer/dialogs/InstallerDialog.h"

#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/DialogTexts.h"
#include "page/HiddenGesture.h"

namespace tarv {
namespace installer {

void CentreOnScreen(Dialog& window)
{
    DialogRect rect;
    window.GetWindowRect(&rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    window.MoveWindow((window.ScreenWidth() - width) / 2, (window.ScreenHeight() - height) / 2,
                      width, height);
}

void MoveToLastDialogPlace(Dialog& window)
{
    DialogRect rect;
    window.GetWindowRect(&rect);
    window.MoveWindow(DialogState.LastDialogRect.left, DialogState.LastDialogRect.top,
                      rect.right - rect.left, rect.bottom - rect.top);
}

bool InstallerDialog::OnRButtonDown(unsigned keyFlags)
{
    if (IsHiddenGesture(keyFlags) && dialog_.CursorInControl(hotControl_)) {
        DialogState.LanguageCycleRequested = true;
        LoadTexts();
    }
    return true;
}

void InstallerDialog::LoadTexts()
{
    ChooseDialogStringSet(system_.platform);
    SetTexts();
}

void InstallerDialog::End(int result)
{
    // The next dialog of the run opens where this one was, also after a drag.
    dialog_.GetWindowRect(&DialogState.LastDialogRect);
    dialog_.EndDialog(result);
}

}  // namespace installer
}  // namespace tarv
