// Where the opening of the Refresh Rates dialog and of the tab's page goes beyond their bare
// templates: their own logic, linked into the host, run on templates 502 and 501 of the --bare
// library through the same Win32 adapters as in the library, with every call timed by kind.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace dispprops {

// The title of the timed copy of the tab's page.
extern const char TimedPageTitle[];

// With --bare, adds the timed copy of the tab's page (--timed-page).
void AddTimedPage(std::vector<HPROPSHEETPAGE>* pages);

// tabphases:N: N times a new sheet, in which the timed page and the bare page 501 are chosen
// and painted, in turn and in both orders; logs the median of each phase. False when the sheet
// or either page is missing.
bool TimePagePhases(const std::string& argument);

// dlgphases:N: N rounds of the dialog and of its bare template, each run modally on the sheet
// up to shown and painted and cancelled, the two in turn and in both orders; logs the median
// of each phase. False when a run did not come up or there is no --bare library.
bool TimeDialogPhases(const std::string& argument, HWND sheet);

}  // namespace dispprops
