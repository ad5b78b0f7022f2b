// The installer's dialogs in the order a run shows them: the installation flow (model dialog,
// installation, installed dialog) and the maintenance flow (reinstall, remove or cancel).
// Start-up hands over to one of the two and exits when it returns.
#pragma once

#include "installer/InstallerStrings.h"
#include "page/AboutGroup.h"
#include "platform/MessageBox.h"
#include "platform/PlatformQueries.h"
#include "platform/StringTable.h"
#include "registry/Registry.h"
#include "ui/ModalDialogRunner.h"

namespace tarv {
namespace installer {

// What the flows work with. dialogs runs the templates of the installer's own module, owned by
// the hidden main window; mainWindow owns the message boxes shown between dialogs; version
// reads the installer's own file, for the version label, and the library's, for the
// Add/Remove Programs entry.
struct InstallerSystem {
    Registry& registry;
    PlatformQueries& platform;
    StringTable& strings;
    ModuleVersionSource& version;
    ModalDialogRunner& dialogs;
    MessageBoxSink& mainWindow;
};

// installState as DetectInstallState found it at start-up; 0 for the installation flow.
void RunInstallFlow(InstallerSystem& system, int installState);
void RunMaintenanceFlow(InstallerSystem& system, int installState);

}  // namespace installer
}  // namespace tarv
