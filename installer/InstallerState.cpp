#include "installer/InstallerState.h"

#include "text/Text.h"

namespace tarv {
namespace installer {

// Constant-initialised, so it needs no constructor at program start.
InstallerState Installer = {
    0, Win9x, false, false, false, false, false, 120, 220, {0},
    {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 0};

void ResetInstallerState(InstallerState* state)
{
    state->StringSetBase = 0;
    state->OsFlavor = Win9x;
    state->AdvancedPanelAllowed = false;
    state->Force95 = false;
    state->Force98 = false;
    state->ForceNT4 = false;
    state->ForceNT5 = false;
    state->LowerLimit = 120;
    state->UpperLimit = 220;
    FillBytes(state->LibraryPath, 0, sizeof state->LibraryPath);
    for (int i = 0; i < MaxAdapters; ++i) state->adapters[i] = -1;
    state->adapterCount = 0;
}

}  // namespace installer
}  // namespace tarv
