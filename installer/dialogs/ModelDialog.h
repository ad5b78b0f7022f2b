// Dialog 503: the board model to install (or none) and the Advanced Panel option. OK ends it
// with 1 only when a model is chosen; Cancel with 2, the close box with SystemClose.
#pragma once

#include "installer/dialogs/InstallerDialog.h"

namespace tarv {
namespace installer {

class ModelDialog : public InstallerDialog {
public:
    ModelDialog(InstallerSystem& system, Dialog& dialog);

    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    bool OnSysCommand(unsigned command) override;

private:
    void SetTexts() override;
    void SelectModel(int modelCode);
    void ToggleAdvancedPanel();
    void OnOk();
};

}  // namespace installer
}  // namespace tarv
