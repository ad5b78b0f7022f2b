#include "installer/dialogs/MaintenanceDialog.h"

#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/DialogTexts.h"
#include "resources/installer/InstallerResources.h"

namespace tarv {
namespace installer {

namespace {

const ControlText MaintenanceTexts[] = {
    {IDC_MAINTENANCE_LINE1, StrMaintenanceLine1}, {IDC_MAINTENANCE_LINE2, StrMaintenanceLine2},
    {IDC_MAINTENANCE_LINE3, StrMaintenanceLine3}, {IDC_REINSTALL, StrReinstall},
    {IDC_REMOVE, StrRemove},                      {IdCancel, StrCancel},
};

}  // namespace

MaintenanceDialog::MaintenanceDialog(InstallerSystem& system, Dialog& dialog)
    : InstallerDialog(system, dialog, IDC_MAINTENANCE_LINE1)
{
}

void MaintenanceDialog::SetTexts()
{
    SetDialogTexts(system_.strings, dialog_, StrMaintenanceTitle, MaintenanceTexts,
                   sizeof MaintenanceTexts / sizeof MaintenanceTexts[0]);
}

bool MaintenanceDialog::OnInitDialog()
{
    LoadTexts();
    CentreOnScreen(dialog_);
    return true;
}

bool MaintenanceDialog::OnCommand(int id)
{
    switch (id) {
    case IDC_REINSTALL:
        EndChoosing(IDC_REINSTALL, true);
        return true;
    case IDC_REMOVE:
        EndChoosing(IDC_REMOVE, false);
        return true;
    case IdCancel:
        EndChoosing(IdCancel, false);
        return true;
    }
    return false;
}

bool MaintenanceDialog::OnSysCommand(unsigned command)
{
    if (command != SystemClose) return false;
    EndChoosing((int)SystemClose, false);
    return true;
}

void MaintenanceDialog::EndChoosing(int result, bool reinstalling)
{
    DialogState.Reinstalling = reinstalling;
    End(result);
}

}  // namespace installer
}  // namespace tarv
