// Dialogs 505 and 506, the end of a run: the installation or the removal went through. Each
// opens where the dialog before it was and handles only OK and the close box, so Escape does
// nothing in them.
#pragma once

#include "installer/dialogs/DialogTexts.h"
#include "installer/dialogs/InstallerDialog.h"

namespace tarv {
namespace installer {

class OutcomeDialog : public InstallerDialog {
public:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    bool OnSysCommand(unsigned command) override;

protected:
    // texts: the two lines and OK; the first line is the hot control.
    OutcomeDialog(InstallerSystem& system, Dialog& dialog, int titleString,
                  const ControlText* texts, unsigned count);
    ~OutcomeDialog() {}

private:
    void SetTexts() override;

    int titleString_;
    const ControlText* texts_;
    unsigned count_;
};

class InstalledDialog : public OutcomeDialog {
public:
    InstalledDialog(InstallerSystem& system, Dialog& dialog);
};

class RemovedDialog : public OutcomeDialog {
public:
    RemovedDialog(InstallerSystem& system, Dialog& dialog);
};

}  // namespace installer
}  // namespace tarv
