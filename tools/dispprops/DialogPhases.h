// Where the Refresh Rates dialog's opening goes beyond its bare template: the dialog's own
// logic, linked into the host, run on template 502 of the --bare library through the same
// Win32 adapters as in the library, with every call it makes timed by kind.
#pragma once

#include <windows.h>

#include <string>

namespace dispprops {

// dlgphases:N: N rounds of the dialog and of its bare template, each run modally on the sheet
// up to shown and painted and cancelled, the two in turn and in both orders; logs the median
// of each phase. False when a run did not come up or there is no --bare library.
bool TimeDialogPhases(const std::string& argument, HWND sheet);

}  // namespace dispprops
