// The steps on the sheet and its current page (tab:, click:, slider:, apply, ok, dump, ...):
// RunStep reads one step of the command line and does it.
#pragma once

#include <windows.h>

#include <string>

namespace dispprops {

// False when the step failed (the reason is logged).
bool RunStep(const std::string& step);

// Chooses the tab titled title in the sheet; false when it has none.
bool SelectTab(HWND propertySheet, const std::string& title);

// Control id of the current page; null, logged with step's name, when there is none.
HWND PageControl(int id, const char* step);

}  // namespace dispprops
