#include "installer/InstallerState.h"

#include "text/Text.h"

namespace tarv {
namespace installer {

// Constant-initialised, so it needs no constructor at program start.
InstallerState Installer = {EmptyAdapterList, 0, Win9x, false, false, false, false, false,
                            DefaultLowerLimit, DefaultUpperLimit, {0}, {0}};

void ResetInstallerState(InstallerState* state)
{
    state->StringSetBase = 0;
    state->OsFlavor = Win9x;
    state->AdvancedPanelAllowed = false;
    state->Force95 = false;
    state->Force98 = false;
    state->ForceNT4 = false;
    state->ForceNT5 = false;
    state->LowerLimit = DefaultLowerLimit;
    state->UpperLimit = DefaultUpperLimit;
    FillBytes(state->LibraryPath, 0, sizeof state->LibraryPath);
    FillBytes(state->InstallerPath, 0, sizeof state->InstallerPath);
    state->ResetAdapters();
}

}  // namespace installer
}  // namespace tarv
