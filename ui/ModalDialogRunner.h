// Runs a dialog modally: the window is created from a dialog template, the logic handles its
// messages until it calls EndDialog, and the run returns that result. The logic works through
// Window(), which shows the dialog of the run in progress.
#pragma once

#include "ui/Dialog.h"
#include "ui/DialogLogic.h"

namespace tarv {

// What a run returns when the dialog cannot be created.
const int DialogNotCreated = -1;

class ModalDialogRunner {
public:
    // The dialog the logic of a run works on; build the logic with it before Run.
    virtual Dialog& Window() = 0;
    // Creates the dialog from templateId, runs it and returns its EndDialog result.
    virtual int Run(int templateId, DialogLogic& logic) = 0;

protected:
    ~ModalDialogRunner() {}
};

}  // namespace tarv
