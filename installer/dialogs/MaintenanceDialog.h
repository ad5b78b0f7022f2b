// Dialog 504, shown when the product is already installed: Re&install ends it with 1006,
// &Remove with 1007, Cancel (also Enter: Cancel is the default button) with 2 and the close
// box with SystemClose. Only Re&install leaves Reinstalling on.
#pragma once

#include "installer/dialogs/InstallerDialog.h"

namespace tarv {
namespace installer {

class MaintenanceDialog : public InstallerDialog {
public:
    MaintenanceDialog(InstallerSystem& system, Dialog& dialog);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    bool OnSysCommand(unsigned command) override;

private:
    void SetTexts() override;
    void EndChoosing(int result, bool reinstalling);
};

}  // namespace installer
}  // namespace tarv
