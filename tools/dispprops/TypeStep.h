// dlg:type:ID:TEXT of the display-properties host: the user types TEXT over the edit field of
// the drop-down combo box ID, one key at a time.
#pragma once

#include <windows.h>

#include <string>

// argument is "ID:TEXT". False when the dialog has no such combo box with an edit field;
// outcome is the line to log either way.
bool TypeIntoCombo(HWND dialog, const std::string& argument, std::string* outcome);
