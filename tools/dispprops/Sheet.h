// The sheet: the modeless "Display Properties" sheet with the host's "Settings" page, the
// handlers' pages and, on request, a blank page; and the message loop that keeps it running.
#pragma once

#include "tools/dispprops/Handlers.h"

#include <windows.h>

#include <string>
#include <vector>

namespace dispprops {

struct SheetOptions {
    std::string panel = "Display";  // --panel
    bool refusePages = false;       // --refuse-pages
    bool blankPage = false;         // --blank-page
    bool shellLoader = false;       // --shell-loader: shell32 loads the handlers
    bool timedPage = false;         // --timed-page
};

extern SheetOptions sheetOptions;
extern HINSTANCE hostInstance;
extern HWND sheet;                       // null while no sheet is open
extern std::vector<Handler> handlers;    // those read by the last opening

void OpenDisplayProperties();            // open
HWND CurrentPage();
void DestroySheet();                     // close, and the end of the run

// Dispatches messages for milliseconds (INFINITE: until the sheet closes); with untilFile, only
// until that file exists or the sheet closes. A sheet closed by OK or Cancel is destroyed.
void PumpMessages(DWORD milliseconds, const char* untilFile = nullptr);

}  // namespace dispprops
