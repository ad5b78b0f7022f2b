// A dialog window as window logic sees it: controls addressed by identifier. Each operation
// is one Win32 call (mostly one SendMessageA), so the logic reads like the Win32 code it
// replaces while running unchanged on a real HWND or on the headless stand-in of native tests.
#pragma once

#include "platform/MessageBox.h"

namespace tarv {

// Check-box states (BST_UNCHECKED, BST_CHECKED).
const unsigned Unchecked = 0;
const unsigned Checked = 1;

// Key flags of a mouse message (MK_...).
const unsigned MouseLeftButton = 0x0001;
const unsigned MouseRightButton = 0x0002;
const unsigned MouseShift = 0x0004;
const unsigned MouseControl = 0x0008;

// The hidden gesture: left button, Ctrl and Shift all held while the right button goes down.
inline bool IsHiddenGesture(unsigned keyFlags)
{
    const unsigned all = MouseLeftButton | MouseControl | MouseShift;
    return (keyFlags & all) == all;
}

// A rectangle in dialog units (or pixels, where said): right and bottom are exclusive.
struct DialogRect {
    int left;
    int top;
    int right;
    int bottom;
};

class Dialog : public MessageBoxSink {
public:
    // Buttons: BM_GETCHECK / BM_SETCHECK.
    virtual unsigned GetCheck(int id) = 0;
    virtual void SetCheck(int id, unsigned state) = 0;

    // Control texts: SetDlgItemTextA, GetDlgItemTextA, SetDlgItemInt (unsigned).
    virtual void SetText(int id, const char* text) = 0;
    virtual void GetText(int id, char* buffer, unsigned size) = 0;
    virtual void SetUnsigned(int id, unsigned value) = 0;
    // The window's own caption: SetWindowTextA.
    virtual void SetCaption(const char* text) = 0;

    // EnableWindow / IsWindowEnabled of a control.
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) = 0;

    // Trackbar messages, one each: TBM_CLEARTICS, TBM_SETTICFREQ, TBM_SETRANGEMIN,
    // TBM_SETRANGEMAX, TBM_SETPOS, TBM_GETPOS.
    virtual void TrackbarClearTics(int id, bool redraw) = 0;
    virtual void TrackbarSetTicFreq(int id, int frequency) = 0;
    virtual void TrackbarSetRangeMin(int id, bool redraw, int minimum) = 0;
    virtual void TrackbarSetRangeMax(int id, bool redraw, int maximum) = 0;
    virtual void TrackbarSetPos(int id, bool redraw, int position) = 0;
    virtual int TrackbarGetPos(int id) = 0;

    // Moves a control to a rectangle given in dialog units of the window's font
    // (MapDialogRect, then MoveWindow with repaint).
    virtual void MoveControl(int id, const DialogRect& dialogUnits) = 0;

    // Whether the mouse cursor lies now inside the control's screen rectangle
    // (GetCursorPos, GetWindowRect, PtInRect).
    virtual bool CursorInControl(int id) = 0;

    // Tells the property sheet that owns the page that it changed (PSM_CHANGED) or is
    // unchanged again (PSM_UNCHANGED).
    virtual void SetModified(bool modified) = 0;

    // ShowMessage (MessageBoxSink): a modal message box owned by this window.

protected:
    ~Dialog() {}
};

}  // namespace tarv
