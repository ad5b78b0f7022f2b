// The hidden gesture of the page and the installer's dialogs: the right mouse button pressed
// while the left button, Ctrl and Shift are all held.
#pragma once

#include "ui/DialogLogic.h"

namespace tarv {

inline bool IsHiddenGesture(unsigned keyFlags)
{
    const unsigned all = MouseLeftButton | MouseControl | MouseShift;
    return (keyFlags & all) == all;
}

}  // namespace tarv
