// dispprops: a display-properties host for tests and demos (not shipped).
//
// It opens the display properties the way the Windows 98 shell does: every handler under
//   HKLM\Software\Microsoft\Windows\CurrentVersion\Controls Folder\<panel>\Shellex\PropertySheetHandlers
// names a class; the class is created through COM from its InProcServer32 registration, asked
// for IShellExtInit (Initialize with no arguments) and IShellPropSheetExt (AddPages), released,
// and the pages it added are shown in a modeless property sheet after a "Settings" page.
//
// Then it runs the steps given on the command line, in order, and logs what happened:
//   tab:TITLE        select the tab with this title
//   click:ID         a click on button ID of the current page (WM_COMMAND BN_CLICKED)
//   bmclick:ID       a click through the button itself (BM_CLICK)
//   slider:ID:POS    move trackbar ID to POS and send the page the scroll notifications a
//                    drag ends with (TB_THUMBPOSITION, TB_ENDTRACK)
//   key:ID:VK        a key press on control ID (WM_KEYDOWN/WM_KEYUP), e.g. key:1001:39 (right)
//   gesture:ID       the cursor put over control ID (SetCursorPos), then the right button
//                    pressed with the left button, Ctrl and Shift held (WM_RBUTTONDOWN)
//   apply            PSM_APPLY
//   ok | cancel      press the sheet's OK or Cancel button (PSM_PRESSBUTTON); a sheet that
//                    closes is destroyed, as a modeless sheet's owner must do
//   close            destroy the sheet window (as when its process ends it)
//   open             open the display properties again (another sheet in the same process)
//   open:PANEL       the same with the handlers of PANEL instead of --panel's, this time only
//   dump             every control of the current page: id, class, text, state, rectangle
//   canunload        DllCanUnloadNow of every handler library that is loaded
//   freeunused       CoFreeUnusedLibraries, then whether each handler library is loaded
//   register:PATH    load PATH, call its DllRegisterServer and unload it again
//   sleep:MS         keep the sheet running for MS milliseconds
//   until:PATH       keep the sheet running until the file PATH exists or the sheet closes
//   wait             keep the sheet running until the user closes it
//   mark:TEXT        write TEXT to the log
//   dlgcancel:ID     click button ID of the current page and cancel the modal dialog it opens
//                    as soon as the dialog is activated (no dlg: steps, no timer)
//   resources        log the thread's window count, the process's GDI and USER object counts
//                    (GetGuiResources) and the bytes allocated in the process heap (HeapWalk)
//   repeat:N:S1,S2.. run the steps S1, S2, .. N times without logging them, then log the
//                    median time of a whole round and of each step (QueryPerformanceCounter,
//                    no waiting for painting); a failing step stops the repeat
//   rounds:N:S1,S2.. the same, logging each round's step times as well
//   dlgphases:N      with --bare: the Refresh Rates dialog's opening, phase by phase, beside
//                    its bare template (DialogPhases.h)
//   tabphases:N      with --bare --timed-page: the same for the tab's page in new sheets
// A step may open a modal dialog (the page's "&Refresh Rates..." button does): the dlg: steps
// that follow it act on that dialog, one at a time from a timer while its modal loop runs.
// Each waits for the thread's enabled top-level dialog (not the sheet, not a message box):
//   dlg:click:ID       a click on button ID of the dialog
//   dlg:select:ID:TEXT select the item TEXT of combo box ID (CB_SETCURSEL), as the user would
//   dlg:type:ID:TEXT   type TEXT key by key over the edit field of combo box ID (TypeStep.cpp)
//   dlg:gesture:ID     the hidden gesture over control ID of the dialog
//   dlg:mark:TEXT      write TEXT to the log
//   dlg:dump           the sheet's state and every control of the dialog, with the combo
//                      boxes' selected item and item count
//   dlg:sleep:MS       leave the dialog open for MS milliseconds
//   dlg:until:PATH     leave the dialog open until the file PATH exists
// A dlg: step still waiting when its step has ended counts as failed.
// Every message box that appears is answered with OK, and its caption and text are logged.
//
// Options (before the steps): --log FILE (append the log there as well as to stdout),
// --panel Display|Device (default Display), --refuse-pages (the add-page callback says no),
// --no-open (do not open the display properties at start), --blank-page (add a blank page of
// the host's own, titled "Blank", after the handlers' pages, to compare page creation with),
// --shell-loader (the handlers' pages come from shell32's SHCreatePropSheetExtArray over the
// panel's key, as the display applet has them loaded, instead of the host's own loading),
// --bare LIBRARY (the library's own templates without their logic: BareTemplates.h),
// --timed-page (with --bare: a page "Timed", the tab's page built in the host from the
// library's resources with every call timed: DialogPhases.h).
// Posing as Windows 2000 or XP it shows the "Display" handlers' pages in an "Advanced" sheet
// over a top-level sheet with only the "Settings" page, as those systems do.
//
// Its rooms: Handlers (loading the pages), Sheet (the sheet and its message loop), SheetSteps
// (the steps on the sheet), ModalSteps (message boxes and the dlg: steps), Controls (a control
// dumped or pressed), Measurements (resources, repeat and rounds), AdvancedSheet (Windows 2000
// and XP's "Advanced" sheet), ShellLoader (shell32's own loading), BareTemplates (the library's
// templates without their logic, and waiting for a modal dialog to be painted), DialogPhases
// (the dialog's and the tab's openings timed phase by phase) with TimedCalls (the logic's calls
// timed by kind); the log is tools/common/Log.h.
#include "tools/common/Log.h"
#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/ModalSteps.h"
#include "tools/dispprops/Sheet.h"
#include "tools/dispprops/SheetSteps.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace dispprops;
using tools::Log;

int main(int argc, char** argv)
{
    hostInstance = GetModuleHandleA(nullptr);
    bool open = true;
    int first = 1;
    for (; first < argc && strncmp(argv[first], "--", 2) == 0; ++first) {
        std::string option = argv[first];
        if (option == "--log" && first + 1 < argc) {
            tools::OpenLogFile(argv[++first]);
        } else if (option == "--panel" && first + 1 < argc) {
            sheetOptions.panel = argv[++first];
        } else if (option == "--refuse-pages") {
            sheetOptions.refusePages = true;
        } else if (option == "--blank-page") {
            sheetOptions.blankPage = true;
        } else if (option == "--shell-loader") {
            sheetOptions.shellLoader = true;
        } else if (option == "--timed-page") {
            sheetOptions.timedPage = true;
        } else if (bare::TakeOption(argc, argv, &first)) {
        } else if (option == "--no-open") {
            open = false;
        } else {
            fprintf(stderr, "dispprops: unknown option %s\n", option.c_str());
            return 2;
        }
    }

    InitCommonControls();
    CoInitialize(nullptr);
    StartAnsweringMessageBoxes();

    int failures = 0;
    if (open) {
        OpenDisplayProperties();
        PumpMessages(0);
    }
    for (int i = first; i < argc; ++i) {
        if (strncmp(argv[i], "dlg:", 4) == 0) continue;  // taken with the step before them
        std::vector<std::string> modalSteps;
        for (int next = i + 1; next < argc && strncmp(argv[next], "dlg:", 4) == 0; ++next)
            modalSteps.push_back(argv[next]);
        BeginModalSteps(modalSteps);
        if (!RunStep(argv[i])) ++failures;
        failures += EndModalSteps();
    }
    failures += ModalStepFailures();

    DestroySheet();
    PumpMessages(0);
    StopAnsweringMessageBoxes();
    CoUninitialize();
    Log("done: %d step(s) failed, %d message box(es)", failures, AnsweredMessageBoxes());
    tools::CloseLogFile();
    return failures ? 1 : 0;
}
