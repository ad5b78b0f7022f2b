#include "tools/dispprops/ModalSteps.h"

#include "tools/common/Log.h"
#include "tools/common/WindowText.h"
#include "tools/dispprops/Controls.h"
#include "tools/dispprops/Sheet.h"
#include "tools/dispprops/SheetSteps.h"
#include "tools/dispprops/TypeStep.h"

#include <windows.h>

#include <cstdlib>

namespace dispprops {

using tools::ClassName;
using tools::Log;
using tools::LogAlways;

namespace {

// ---- message boxes -------------------------------------------------------------------------

HHOOK cbtHook = nullptr;
int messageBoxCount = 0;
bool cancelNextDialog = false;  // dlgcancel: the next modal dialog is cancelled when activated

// A message box is a dialog whose text sits in the static 0xFFFF.
bool IsMessageBox(HWND window)
{
    return ClassName(window) == "#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsMessageBox(window) && !GetPropA(window, "dispprops.answered")) {
            SetPropA(window, "dispprops.answered", reinterpret_cast<HANDLE>(1));
            ++messageBoxCount;
            LogAlways("message box: caption \"%s\" text \"%s\"", WindowText(window).c_str(),
                      WindowText(GetDlgItem(window, 0xFFFF)).c_str());
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        } else if (cancelNextDialog && !IsMessageBox(window) && ClassName(window) == "#32770" &&
                   !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
            cancelNextDialog = false;
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// ---- dlg: steps ----------------------------------------------------------------------------

std::vector<std::string> modalSteps;  // dlg: steps still to run, first at the front
DWORD modalStepStart = 0;             // when the front step began waiting (sleep)
UINT_PTR modalStepTimer = 0;
int modalFailures = 0;

BOOL CALLBACK FindModalDialog(HWND window, LPARAM lParam)
{
    if (window != sheet && IsWindowVisible(window) && IsWindowEnabled(window) &&
        ClassName(window) == "#32770" && !IsMessageBox(window)) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

// The thread's enabled top-level dialog: not the sheet, not a message box.
HWND ModalDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModalDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs the front dlg: step on dialog; false while it is still waiting.
bool RunModalStep(HWND dialog, const std::string& step)
{
    std::string rest = step.substr(4);
    std::string verb = rest.substr(0, rest.find(':'));
    std::string argument = rest.find(':') == std::string::npos ? "" : rest.substr(rest.find(':') + 1);
    if (verb == "click") {
        int id = atoi(argument.c_str());
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            Log("dlg:click: no control %d in the dialog", id);
            ++modalFailures;
            return true;
        }
        Log("dialog: clicked %d", id);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    } else if (verb == "select") {
        int id = atoi(argument.c_str());
        std::string text = argument.find(':') == std::string::npos
                               ? ""
                               : argument.substr(argument.find(':') + 1);
        HWND combo = GetDlgItem(dialog, id);
        int index = combo ? static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, -1,
                                                          reinterpret_cast<LPARAM>(text.c_str())))
                          : CB_ERR;
        if (index == CB_ERR) {
            Log("dlg:select: no item \"%s\" in combo box %d", text.c_str(), id);
            ++modalFailures;
            return true;
        }
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        Log("dialog: selected \"%s\" in %d", text.c_str(), id);
    } else if (verb == "gesture") {
        int id = atoi(argument.c_str());
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            Log("dlg:gesture: no control %d in the dialog", id);
            ++modalFailures;
            return true;
        }
        Gesture(control);
        Log("dialog: gesture over %d", id);
    } else if (verb == "type") {
        std::string outcome;
        if (!TypeIntoCombo(dialog, argument, &outcome)) ++modalFailures;
        Log("%s", outcome.c_str());
    } else if (verb == "mark") {
        Log("%s", argument.c_str());
    } else if (verb == "dump") {
        Log("dialog \"%s\", sheet %s", WindowText(dialog).c_str(),
            sheet && IsWindowEnabled(sheet) ? "enabled" : "disabled");
        DumpChildControls(dialog);
    } else if (verb == "sleep") {
        if (!modalStepStart) modalStepStart = GetTickCount();
        if (GetTickCount() - modalStepStart < static_cast<DWORD>(atoi(argument.c_str())))
            return false;
    } else if (verb == "until") {
        if (GetFileAttributesA(argument.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    } else {
        Log("unknown step \"%s\"", step.c_str());
        ++modalFailures;
    }
    return true;
}

void CALLBACK ModalStepTimer(HWND, UINT, UINT_PTR, DWORD)
{
    static bool running = false;  // a step's own messages may dispatch the timer again
    if (running || modalSteps.empty()) return;
    HWND dialog = ModalDialog();
    if (!dialog) return;
    running = true;
    std::string step = modalSteps.front();
    if (RunModalStep(dialog, step)) {
        modalSteps.erase(modalSteps.begin());
        modalStepStart = 0;
    }
    running = false;
}

}  // namespace

void StartAnsweringMessageBoxes()
{
    cbtHook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void StopAnsweringMessageBoxes() { UnhookWindowsHookEx(cbtHook); }

int AnsweredMessageBoxes() { return messageBoxCount; }

bool ClickAndCancelDialog(const std::string& argument)
{
    int id = atoi(argument.c_str());
    HWND control = PageControl(id, "dlgcancel");
    if (!control) return false;
    cancelNextDialog = true;
    SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
    bool cancelled = !cancelNextDialog;
    cancelNextDialog = false;
    if (!cancelled) LogAlways("dlgcancel: clicking %d opened no dialog", id);
    Log("clicked %d, its dialog cancelled", id);
    return cancelled;
}

void BeginModalSteps(const std::vector<std::string>& steps)
{
    modalSteps = steps;
    modalStepTimer = modalSteps.empty() ? 0 : SetTimer(nullptr, 0, 50, ModalStepTimer);
}

int EndModalSteps()
{
    if (modalStepTimer) KillTimer(nullptr, modalStepTimer);
    modalStepTimer = 0;
    for (const std::string& step : modalSteps) Log("%s: no dialog to run it on", step.c_str());
    int left = static_cast<int>(modalSteps.size());
    modalSteps.clear();
    return left;
}

int ModalStepFailures() { return modalFailures; }

}  // namespace dispprops
