// The installer's process-wide values: decided once at start-up and read by registration,
// removal and the dialogs for the rest of the run.
#pragma once

#include "registry/AdapterDiscovery.h"
#include "registry/ClockLimits.h"
#include "registry/OsFlavor.h"

namespace tarv {
namespace installer {

const unsigned LibraryPathSize = 256;  // room for 255 characters and the terminator

// adapters and adapterCount come from AdapterList: the Voodoo5 display-class instances found
// at start-up on the Windows 95 family, empty otherwise.
struct InstallerState : AdapterList {
    int StringSetBase;  // 0 English, 35 French, 70 German
    ::tarv::OsFlavor OsFlavor;
    bool AdvancedPanelAllowed;  // the Windows 98 shell is present, or was forced
    bool Force95;               // at most one of the four is on
    bool Force98;
    bool ForceNT4;
    bool ForceNT5;
    long LowerLimit;  // 100..140 after start-up
    long UpperLimit;  // 200..240 after start-up
    char LibraryPath[LibraryPathSize];
    // The installer's own full path, for Add/Remove Programs; empty when it is longer than
    // the 255 characters a library path may have.
    char InstallerPath[LibraryPathSize];
};

// The values before start-up has decided anything.
void ResetInstallerState(InstallerState* state);

// The one set of values of a running installer.
extern InstallerState Installer;

}  // namespace installer
}  // namespace tarv
