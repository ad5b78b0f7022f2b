// What the installer's dialogs remember for the whole run: the choices of the model dialog,
// whether a reinstallation is under way, where the last dialog was, and the hidden language
// cycle.
#pragma once

#include "ui/Dialog.h"

namespace tarv {
namespace installer {

struct InstallerDialogState {
    int ModelCode;          // 0 "Do not install", 1..3 the models of buttons 1001..1003
    bool UseAdvancedPanel;  // check state of the Advanced Panel box
    bool Reinstalling;      // Re&install chosen in the maintenance dialog
    DialogRect LastDialogRect;  // screen rectangle of the dialog that ended last
    int LanguageCycle;      // primary language of the last gesture step; 9 before the first
    bool LanguageCycleRequested;  // a gesture hit, taken by the next text loading
};

// The values before any dialog ran.
void ResetDialogState(InstallerDialogState* state);

// The one set of values of a running installer.
extern InstallerDialogState DialogState;

}  // namespace installer
}  // namespace tarv
