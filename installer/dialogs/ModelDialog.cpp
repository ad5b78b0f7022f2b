#include "installer/dialogs/ModelDialog.h"

#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/DialogTexts.h"
#include "page/AboutGroup.h"
#include "resources/installer/InstallerResources.h"

namespace tarv {
namespace installer {

namespace {

const ControlText ModelTexts[] = {
    {IDC_MODEL_GROUP, StrModelGroup},      {IDC_MODEL_6000, StrModel6000},
    {IDC_MODEL_5500, StrModel5500},        {IDC_MODEL_5000, StrModel5000},
    {IDC_DO_NOT_INSTALL, StrDoNotInstall}, {IDC_OPTION_GROUP, StrOptionGroup},
    {IDC_ADVANCED_PANEL, StrAdvancedPanel}, {IdOk, StrOk},
    {IdCancel, StrCancel},
};

}  // namespace

ModelDialog::ModelDialog(InstallerSystem& system, Dialog& dialog)
    : InstallerDialog(system, dialog, IDC_VERSION_LABEL)
{
}

void ModelDialog::SetTexts()
{
    SetDialogTexts(system_.strings, dialog_, StrModelTitle, ModelTexts,
                   sizeof ModelTexts / sizeof ModelTexts[0]);
    char prefix[DialogTextSize];
    char suffix[DialogTextSize];
    LoadSetString(system_.strings, StrVersionPrefix, prefix);
    LoadSetString(system_.strings, StrVersionSuffix, suffix);
    SetVersionText(system_.version, dialog_, IDC_VERSION_LABEL, prefix, suffix);
}

bool ModelDialog::OnInitDialog()
{
    LoadTexts();
    SelectModel(ModelNone);
    DialogState.UseAdvancedPanel = false;
    dialog_.SetCheck(IDC_ADVANCED_PANEL, Unchecked);
    dialog_.Enable(IDC_ADVANCED_PANEL, Installer.AdvancedPanelAllowed);
    dialog_.Enable(IDC_OPTION_GROUP, Installer.AdvancedPanelAllowed);
    // A reinstallation opens where the maintenance dialog was.
    if (DialogState.Reinstalling)
        MoveToLastDialogPlace(dialog_);
    else
        CentreOnScreen(dialog_);
    return true;
}

bool ModelDialog::OnCommand(int id)
{
    switch (id) {
    case IDC_DO_NOT_INSTALL:
    case IDC_MODEL_5000:
    case IDC_MODEL_5500:
    case IDC_MODEL_6000:
        SelectModel(id - IDC_DO_NOT_INSTALL);
        return true;
    case IDC_ADVANCED_PANEL:
        ToggleAdvancedPanel();
        return true;
    case IdOk:
        OnOk();
        return true;
    case IdCancel:
        End(IdCancel);
        return true;
    }
    return false;
}

bool ModelDialog::OnSysCommand(unsigned command)
{
    if (command != SystemClose) return false;
    End((int)SystemClose);
    return true;
}

void ModelDialog::SelectModel(int modelCode)
{
    DialogState.ModelCode = modelCode;
    dialog_.CheckRadioButton(IDC_DO_NOT_INSTALL, IDC_MODEL_6000, IDC_DO_NOT_INSTALL + modelCode);
}

void ModelDialog::ToggleAdvancedPanel()
{
    // A plain check box: the system leaves the toggling to the dialog.
    const bool checked = dialog_.GetCheck(IDC_ADVANCED_PANEL) == Checked;
    dialog_.SetCheck(IDC_ADVANCED_PANEL, checked ? Unchecked : Checked);
    DialogState.UseAdvancedPanel = !checked;
}

void ModelDialog::OnOk()
{
    if (DialogState.ModelCode == ModelNone) {
        ShowSetMessage(system_.strings, dialog_, StrNoModelText, StrNoModelCaption,
                       MessageIconError);
        return;
    }
    End(IdOk);
}

}  // namespace installer
}  // namespace tarv
