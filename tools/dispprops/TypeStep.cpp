#include "tools/dispprops/TypeStep.h"

#include <cstdlib>

bool TypeIntoCombo(HWND dialog, const std::string& argument, std::string* outcome)
{
    const int id = atoi(argument.c_str());
    const size_t colon = argument.find(':');
    const std::string text = colon == std::string::npos ? "" : argument.substr(colon + 1);
    HWND combo = GetDlgItem(dialog, id);
    HWND edit = combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
    if (!edit) {
        *outcome = "dlg:type: no edit field in combo box " + std::to_string(id);
        return false;
    }
    // As a click into the field and a select-all would leave it: focus, whole text selected,
    // so the first key replaces it. Each key goes to the edit child, which tells the combo box
    // of every change as the keyboard would.
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : text) {
        const SHORT key = VkKeyScanA(c);
        const UINT virtualKey = LOBYTE(key);
        const LPARAM down = 1 | (static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16);
        SendMessageA(edit, WM_KEYDOWN, virtualKey, down);
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), down);
        SendMessageA(edit, WM_KEYUP, virtualKey, down | 0xC0000000);
    }
    *outcome = "dialog: typed \"" + text + "\" into " + std::to_string(id);
    return true;
}
