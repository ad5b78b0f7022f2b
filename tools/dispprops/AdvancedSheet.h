// Windows 2000 and XP show the "Display" panel's handlers not among the top-level display
// properties but in the sheet that Settings, Advanced... opens (the top-level sheet takes its
// handlers from "Desk" there). Posing as either, the host does the same: a top-level "Display
// Properties" sheet with only its settings page, disabled while the "Advanced" sheet with the
// handlers' pages is open over it, as under a modal dialog, and closed with it.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>

namespace dispprops {

extern const char AdvancedSheetCaption[];    // "Advanced"
extern const char AdvancedFirstPageTitle[];  // "General", the advanced sheet's own first page

// True when the system is Windows 2000 or XP (NT 5.x) and panel is "Display".
bool HandlersGoToAdvancedSheet(const std::string& panel);

// The top-level sheet with one page made from settings; null when it cannot be opened.
HWND OpenTopLevelDisplaySheet(HINSTANCE instance, const PROPSHEETPAGEA& settings);

// Disables topLevel while advanced is open and destroys it when advanced is destroyed.
void TieToAdvancedSheet(HWND advanced, HWND topLevel);

}  // namespace dispprops
