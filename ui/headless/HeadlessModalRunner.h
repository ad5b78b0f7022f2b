// Modal dialogs without a window system: a run starts a fresh headless window, initialises the
// logic and hands the dialog to a script, the test's stand-in for the user, which clicks by
// calling the logic's handlers until one of them ends the dialog. Runs do not nest.
#pragma once

#include "ui/ModalDialogRunner.h"
#include "ui/headless/HeadlessDialog.h"

#include <functional>
#include <vector>

namespace tarv {

class HeadlessModalRunner : public ModalDialogRunner {
public:
    // Called once per run with the template and the open dialog.
    typedef std::function<void(int templateId, HeadlessDialog& window)> Script;

    explicit HeadlessModalRunner(Script script = Script()) : script(script) {}

    Dialog& Window() override { return window; }
    // The EndDialog result; -1 when the script left the dialog open.
    int Run(int templateId, DialogLogic& logic) override;

    Script script;
    HeadlessDialog window;
    // The logic of the run in progress, for scripts that click through it; null between runs.
    DialogLogic* running = nullptr;
    std::vector<int> templatesRun;
};

}  // namespace tarv
