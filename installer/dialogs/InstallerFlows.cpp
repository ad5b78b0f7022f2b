#include "installer/InstallerFlows.h"

#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/Removal.h"
#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/MaintenanceDialog.h"
#include "installer/dialogs/ModelDialog.h"
#include "installer/dialogs/OutcomeDialogs.h"
#include "resources/installer/InstallerResources.h"

namespace tarv {
namespace installer {

static bool ModelChosen(int result)
{
    // A dialog that could not be created, or any other end, installs nothing.
    return result == IdOk && DialogState.ModelCode >= Model5000 &&
           DialogState.ModelCode <= Model6000;
}

void RunInstallFlow(InstallerSystem& system, int installState)
{
    {
        ModelDialog model(system, system.dialogs.Window());
        if (!ModelChosen(system.dialogs.Run(IDD_MODEL, model))) return;
    }
    if (DialogState.Reinstalling) RemoveComponents(system.registry, Installer, installState);
    InstallComponents(system.registry, Installer, Installer.LibraryPath, Installer.LowerLimit,
                      Installer.UpperLimit, DialogState.ModelCode, DialogState.UseAdvancedPanel);
    InstalledDialog installed(system, system.dialogs.Window());
    system.dialogs.Run(IDD_INSTALLED, installed);
}

void RunMaintenanceFlow(InstallerSystem& system, int installState)
{
    int result;
    {
        MaintenanceDialog maintenance(system, system.dialogs.Window());
        result = system.dialogs.Run(IDD_MAINTENANCE, maintenance);
    }
    if (result == IDC_REINSTALL) {
        RunInstallFlow(system, installState);
    } else if (result == IDC_REMOVE) {
        RemoveComponents(system.registry, Installer, installState);
        RemovedDialog removed(system, system.dialogs.Window());
        system.dialogs.Run(IDD_REMOVED, removed);
    }
}

}  // namespace installer
}  // namespace tarv
