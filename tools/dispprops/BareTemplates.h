// The host's yardsticks for the bench: the tab's own templates created bare, with dialog
// procedures that do nothing, so that what the library adds on top of what Windows spends on
// the controls can be told apart; and steps that time a window up to its first painting.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace bare {

// The option "--bare LIBRARY": the templates are taken from that library. True when taken.
bool TakeOption(int argc, char** argv, int* index);

// With the option, adds the library's page template as a page titled "Bare".
void AddPages(HINSTANCE host, std::vector<HPROPSHEETPAGE>* pages);

// Runs one of the steps below on the sheet; false when the step is none of them.
//   shown:TITLE    select the tab with this title and paint the sheet at once
//   dlgshown:ID    click button ID of the current page and cancel the modal dialog it opens
//                  once it is shown and painted (when its message loop first runs idle)
//   baredialog     the library's Refresh Rates template run modally on the sheet, cancelled
//                  the same way
//   costs:N        N timings of each kind of call the tab and the dialog make, on bare copies
//                  of their templates: control moves, text settings, combo fills, the
//                  version resource read, registry reads
// *ok tells whether the step succeeded; log writes a line.
bool RunStep(const std::string& step, HWND sheet, bool* ok, void (*log)(const char*, ...));

// The library given with --bare, or null.
HMODULE Library();

// The title of the bare page.
extern const char BarePageTitle[];

// When a bare template last received WM_INITDIALOG (Now).
double LastInitTime();

// Milliseconds from QueryPerformanceCounter.
double Now();

// The next modal dialog owned by owner is cancelled once it is shown and painted (when its
// message loop first runs idle). CancelledAtIdle, after the run, tells whether it was, and
// when (Now).
void ArmIdleCancel(HWND owner);
bool CancelledAtIdle(double* when);

// The times (Now) of one modal run: started, WM_INITDIALOG received and handled, shown and
// painted, and gone again once cancelled (0 for a window that is not closed).
struct ModalTimes {
    double start;
    double init;
    double initDone;
    double shown;
    double closed;
};

// Template 502 of the library run bare and modally on owner, cancelled once shown and
// painted; false when it never came up.
bool TimeBareDialog(HWND owner, ModalTimes* times);

}  // namespace bare
