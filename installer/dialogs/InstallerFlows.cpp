#include "installer/InstallerFlows.h"

#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/Removal.h"
#include "installer/UninstallEntry.h"
#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/DialogTexts.h"
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

// Without administrator rights on Windows NT the registry refuses the installer's keys; a
// success dialog would then be a lie, so the user is told instead, in the language of the
// dialog seen last.
static void ReportRefusedChange(InstallerSystem& system, int textString)
{
    ShowSetMessage(system.strings, system.mainWindow, textString, StrNoModelCaption,
                   MessageIconError);
}

void RunInstallFlow(InstallerSystem& system, int installState)
{
    {
        ModelDialog model(system, system.dialogs.Window());
        if (!ModelChosen(system.dialogs.Run(IDD_MODEL, model))) return;
    }
    bool complete = true;
    if (DialogState.Reinstalling)
        complete = RemoveComponents(system.registry, Installer, installState);
    if (!InstallComponents(system.registry, Installer, Installer.LibraryPath,
                           Installer.LowerLimit, Installer.UpperLimit, DialogState.ModelCode,
                           DialogState.UseAdvancedPanel))
        complete = false;
    // Only the flows can read the library's version for the entry.
    if (!WriteUninstallEntry(system.registry, Installer, system.version)) complete = false;
    if (!complete) {
        ReportRefusedChange(system, StrInstallIncomplete);
        return;
    }
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
        if (!RemoveComponents(system.registry, Installer, installState)) {
            ReportRefusedChange(system, StrRemovalIncomplete);
            return;
        }
        RemovedDialog removed(system, system.dialogs.Window());
        system.dialogs.Run(IDD_REMOVED, removed);
    }
}

}  // namespace installer
}  // namespace tarv
