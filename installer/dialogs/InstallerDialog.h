// What the installer's four dialogs share: their texts from the current string set, the
// language gesture over one static text, their place on the screen, and remembering that
// place when they end.
#pragma once

#include "installer/InstallerFlows.h"
#include "ui/Dialog.h"
#include "ui/DialogLogic.h"

namespace tarv {
namespace installer {

// Moves the window, keeping its size, to the middle of the screen (odd pixels are dropped).
void CentreOnScreen(Dialog& window);

// Moves the window, keeping its size, to the top-left corner of LastDialogRect.
void MoveToLastDialogPlace(Dialog& window);

class InstallerDialog : public DialogLogic {
public:
    // The gesture over the hot control steps the language of this dialog. The message counts
    // as handled whether or not it was the gesture.
    bool OnRButtonDown(unsigned keyFlags) override;

protected:
    InstallerDialog(InstallerSystem& system, Dialog& dialog, int hotControl)
        : system_(system), dialog_(dialog), hotControl_(hotControl)
    {
    }
    ~InstallerDialog() {}

    // Chooses the string set, then sets the dialog's texts from it.
    void LoadTexts();
    // Stores the window's rectangle in LastDialogRect, then ends the dialog with result.
    void End(int result);

    InstallerSystem& system_;
    Dialog& dialog_;

private:
    // The caption and control texts from the current set.
    virtual void SetTexts() = 0;

    int hotControl_;
};

}  // namespace installer
}  // namespace tarv
