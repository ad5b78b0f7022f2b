// What the steps read from and do to one control, on the sheet's page or in a modal dialog.
#pragma once

#include <windows.h>

#include <string>

namespace dispprops {

// Text of a window, on one line.
std::string WindowText(HWND window);

// One log line per child control of parent: id, class, text, check and trackbar or combo
// state, enabled and visible, and its rectangle in parent's client coordinates.
void DumpChildControls(HWND parent);

// The right button over a control while the left button, Ctrl and Shift are held; the message
// goes to the window that holds the control, as a press over a static text does.
void Gesture(HWND control);

}  // namespace dispprops
