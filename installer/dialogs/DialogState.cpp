#include "installer/dialogs/DialogState.h"

#include "installer/StartupOptions.h"

namespace tarv {
namespace installer {

// Constant-initialised, so it needs no constructor at program start.
InstallerDialogState DialogState = {0, false, false, {0, 0, 0, 0}, LanguageEnglish, false};

void ResetDialogState(InstallerDialogState* state)
{
    state->ModelCode = 0;
    state->UseAdvancedPanel = false;
    state->Reinstalling = false;
    state->LastDialogRect = DialogRect{0, 0, 0, 0};
    state->LanguageCycle = LanguageEnglish;
    state->LanguageCycleRequested = false;
}

}  // namespace installer
}  // namespace tarv
