// Modal dialogs and message boxes: every message box is answered with OK and logged; dlgcancel
// cancels the dialog a click opens; the dlg: steps after a step run on the modal dialog it
// opens, one at a time from a timer while the dialog's modal loop runs.
#pragma once

#include <string>
#include <vector>

namespace dispprops {

void StartAnsweringMessageBoxes();
void StopAnsweringMessageBoxes();
int AnsweredMessageBoxes();

// dlgcancel:ID: clicks button ID of the current page and cancels the modal dialog it opens as
// soon as the dialog is activated; false when the click opened none.
bool ClickAndCancelDialog(const std::string& argument);

// The dlg: steps that go with the next step: queued before it runs and finished after it.
void BeginModalSteps(const std::vector<std::string>& steps);
// Logs each dlg: step still waiting; returns how many there were.
int EndModalSteps();
// How many dlg: steps failed in the whole run.
int ModalStepFailures();

}  // namespace dispprops
