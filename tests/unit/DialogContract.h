// What the headless dialog and the Win32 dialog must agree on for the operations the coming
// dialogs use. The native tests run these checks on the headless dialog, the Wine tests on the
// real controls of a modal dialog.
#pragma once

#include "tests/unit/CallSite.h"
#include "ui/Dialog.h"

namespace tarv {

// combo is an empty, unsorted combo box with an edit field.
void ExpectComboBoxBehaviour(Dialog& dialog, int combo, const CallSite& site = CallSite());
// control is a button or a static text.
void ExpectTextBehaviour(Dialog& dialog, int control, const CallSite& site = CallSite());
// first to last are three radio buttons that do not check themselves.
void ExpectRadioButtonBehaviour(Dialog& dialog, int first, int last, const CallSite& site = CallSite());
// The window is top-level and may be moved anywhere on the screen.
void ExpectWindowPlacement(Dialog& dialog, const CallSite& site = CallSite());

}  // namespace tarv
