#include "tools/dispprops/Controls.h"

#include "tools/common/Log.h"
#include "tools/common/WindowText.h"
#include "tools/dispprops/Sheet.h"

#include <commctrl.h>

#include <cstdio>

namespace dispprops {

using tools::ClassName;
using tools::Log;

std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return tools::OneLine(text);
}

void DumpChildControls(HWND parent)
{
    for (HWND control = GetWindow(parent, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        std::string line;
        char text[160];
        snprintf(text, sizeof text, "control %d %s", GetDlgCtrlID(control),
                 ClassName(control).c_str());
        line = text;
        std::string className = ClassName(control);
        if (className != "msctls_trackbar32") line += " \"" + WindowText(control) + "\"";
        LONG style = GetWindowLongA(control, GWL_STYLE);
        if (className == "Button") {
            LONG kind = style & 0x0F;
            if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
                kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
                snprintf(text, sizeof text, " checked=%d",
                         static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0)));
                line += text;
            }
        }
        if (className == "msctls_trackbar32") {
            snprintf(text, sizeof text, " pos=%d range=%d..%d",
                     static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)),
                     static_cast<int>(SendMessageA(control, TBM_GETRANGEMIN, 0, 0)),
                     static_cast<int>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0)));
            line += text;
        }
        if (className == "ComboBox") {
            int selected = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
            char item[256] = "";
            if (selected != CB_ERR &&
                SendMessageA(control, CB_GETLBTEXTLEN, selected, 0) < (LRESULT)sizeof item)
                SendMessageA(control, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(item));
            snprintf(text, sizeof text, " selected=\"%s\" items=%d",
                     selected == CB_ERR ? "<none>" : item,
                     static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0)));
            line += text;
        }
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
        snprintf(text, sizeof text, " enabled=%d visible=%d rect=%ld,%ld,%ld,%ld",
                 IsWindowEnabled(control) ? 1 : 0, IsWindowVisible(control) ? 1 : 0, box.left,
                 box.top, box.right - box.left, box.bottom - box.top);
        line += text;
        Log("%s", line.c_str());
    }
}

void Gesture(HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    POINT point = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    // Wine moves the cursor through the X server, so the new position shows up a little later,
    // later still on a busy machine, and a motion event still on its way can take it back to
    // where it was: wait until GetCursorPos has reported it for a fifth of a second, moving it
    // again every half second it is elsewhere (ten seconds at most).
    SetCursorPos(point.x, point.y);
    int steady = 0;
    int away = 0;
    for (int waited = 0; waited < 10000 && steady < 200; waited += 20) {
        POINT now;
        if (GetCursorPos(&now) && now.x == point.x && now.y == point.y) {
            steady += 20;
            away = 0;
        } else {
            steady = 0;
            away += 20;
            if (away % 500 == 0) SetCursorPos(point.x, point.y);
        }
        PumpMessages(20);
    }
    if (steady < 200) Log("gesture: the cursor never stayed over control %d", GetDlgCtrlID(control));
    HWND window = GetParent(control);
    ScreenToClient(window, &point);
    SendMessageA(window, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL,
                 MAKELPARAM(point.x, point.y));
    SendMessageA(window, WM_RBUTTONUP, MK_LBUTTON | MK_SHIFT | MK_CONTROL,
                 MAKELPARAM(point.x, point.y));
}

}  // namespace dispprops
