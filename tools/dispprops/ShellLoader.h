// The shell's own loader of property-sheet handlers, as the display applet uses it: shell32's
// SHCreatePropSheetExtArray (ordinal 168), SHAddFromPropSheetExtArray (167) and
// SHDestroyPropSheetExtArray (169), exported by ordinal only on the systems the page is for.
#pragma once

#include <windows.h>
#include <prsht.h>

#include <string>

namespace dispprops {

// Has shell32 load every handler under HKLM\<the Controls Folder key>\<panel>\shellex\
// PropertySheetHandlers and add their pages through addPage; the array is destroyed again
// before the pages are shown, as the pages hold the library themselves. Returns the number of
// pages added; sets *problem (and returns 0) when shell32 lacks the entries or the array.
unsigned AddPagesThroughShell(const std::string& panel, LPFNADDPROPSHEETPAGE addPage,
                              LPARAM lParam, std::string* problem);

}  // namespace dispprops
