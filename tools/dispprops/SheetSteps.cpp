#include "tools/dispprops/SheetSteps.h"

#include "tools/common/Log.h"
#include "tools/dispprops/Controls.h"
#include "tools/dispprops/DialogPhases.h"
#include "tools/dispprops/Measurements.h"
#include "tools/dispprops/ModalSteps.h"
#include "tools/dispprops/BareTemplates.h"
#include "tools/dispprops/Sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>

namespace dispprops {

using tools::Log;
using tools::LogAlways;

namespace {

std::string TabTitle(HWND tabs, int index)
{
    char text[128] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

void DumpControls()
{
    HWND page = CurrentPage();
    if (!page) {
        Log("dump: no sheet");
        return;
    }
    HWND tabs = PropSheet_GetTabControl(sheet);
    int current = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    HWND applyButton = GetDlgItem(sheet, 0x3021);
    Log("page \"%s\" apply button %s", TabTitle(tabs, current).c_str(),
        applyButton && IsWindowEnabled(applyButton) ? "enabled" : "disabled");
    DumpChildControls(page);
}

}  // namespace

bool SelectTab(HWND propertySheet, const std::string& title)
{
    HWND tabs = propertySheet ? PropSheet_GetTabControl(propertySheet) : nullptr;
    if (!tabs) return false;
    int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (TabTitle(tabs, i) == title) {
            PropSheet_SetCurSel(propertySheet, nullptr, i);
            return true;
        }
    }
    return false;
}

HWND PageControl(int id, const char* step)
{
    HWND page = CurrentPage();
    HWND control = page ? GetDlgItem(page, id) : nullptr;
    if (!control) Log("%s: no control %d on the current page", step, id);
    return control;
}

bool RunStep(const std::string& step)
{
    std::string verb = step.substr(0, step.find(':'));
    std::string argument = step.find(':') == std::string::npos ? "" : step.substr(step.find(':') + 1);
    if (verb == "tab") {
        if (!SelectTab(sheet, argument)) {
            Log("tab: no tab \"%s\"", argument.c_str());
            return false;
        }
        Log("tab \"%s\" selected", argument.c_str());
    } else if (verb == "click" || verb == "bmclick") {
        int id = atoi(argument.c_str());
        HWND control = PageControl(id, "click");
        if (!control) return false;
        if (verb == "click")
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(control));
        else
            SendMessageA(control, BM_CLICK, 0, 0);
        Log("clicked %d", id);
    } else if (verb == "slider") {
        int id = atoi(argument.c_str());
        int position = atoi(argument.substr(argument.find(':') + 1).c_str());
        HWND control = PageControl(id, "slider");
        if (!control) return false;
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        SendMessageA(CurrentPage(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(control));
        SendMessageA(CurrentPage(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                     reinterpret_cast<LPARAM>(control));
        Log("slider %d moved to %d", id, position);
    } else if (verb == "key") {
        int id = atoi(argument.c_str());
        int key = atoi(argument.substr(argument.find(':') + 1).c_str());
        HWND control = PageControl(id, "key");
        if (!control) return false;
        SetFocus(control);
        SendMessageA(control, WM_KEYDOWN, key, 1);
        SendMessageA(control, WM_KEYUP, key, 0xC0000001);
        Log("key %d on %d", key, id);
    } else if (verb == "gesture") {
        int id = atoi(argument.c_str());
        HWND control = PageControl(id, "gesture");
        if (!control) return false;
        Gesture(control);
        Log("gesture over %d", id);
    } else if (verb == "apply") {
        if (!sheet) return false;
        LRESULT result = SendMessageA(sheet, PSM_APPLY, 0, 0);
        Log("apply: %s", result ? "accepted" : "refused");
    } else if (verb == "ok" || verb == "cancel") {
        if (!sheet) return false;
        int button = verb == "ok" ? PSBTN_OK : PSBTN_CANCEL;
        PropSheet_PressButton(sheet, button);
        Log("pressed %s", verb == "ok" ? "OK" : "Cancel");
        PumpMessages(0);
    } else if (verb == "close") {
        DestroySheet();
        Log("sheet destroyed");
    } else if (verb == "open") {
        // open:PANEL reads that panel's handlers for this opening only.
        const std::string panel = sheetOptions.panel;
        if (!argument.empty()) sheetOptions.panel = argument;
        OpenDisplayProperties();
        sheetOptions.panel = panel;
    } else if (verb == "dump") {
        DumpControls();
    } else if (verb == "canunload") {
        CanUnloadNow(handlers);
    } else if (verb == "freeunused") {
        FreeUnusedLibraries(handlers);
    } else if (verb == "register") {
        RegisterServer(argument);
    } else if (verb == "sleep") {
        PumpMessages(static_cast<DWORD>(atoi(argument.c_str())));
    } else if (verb == "until") {
        PumpMessages(INFINITE, argument.c_str());
    } else if (verb == "wait") {
        PumpMessages(INFINITE);
    } else if (verb == "mark") {
        Log("%s", argument.c_str());
    } else if (verb == "dlgcancel") {
        if (!ClickAndCancelDialog(argument)) return false;
    } else if (verb == "resources") {
        LogResources();
    } else if (verb == "repeat" || verb == "rounds") {
        if (!Repeat(argument, verb == "rounds")) return false;
    } else if (verb == "dlgphases") {
        if (!TimeDialogPhases(argument, sheet)) return false;
    } else if (verb == "tabphases") {
        if (!TimePagePhases(argument)) return false;
    } else if (bool done = false; bare::RunStep(step, sheet, &done, Log)) {
        if (!done) return false;
    } else {
        LogAlways("unknown step \"%s\"", step.c_str());
        return false;
    }
    PumpMessages(0);
    return true;
}

}  // namespace dispprops
