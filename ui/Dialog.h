// A dialog window as window logic sees it: its controls addressed by identifier, and the window
// itself. Each operation
// is one Win32 call (mostly one SendMessageA), so the logic reads like the Win32 code it
// replaces while running unchanged on a real HWND or on the headless stand-in of native tests.
#pragma once

#include "platform/MessageBox.h"

namespace tarv {

// Check-box states (BST_UNCHECKED, BST_CHECKED).
const unsigned Unchecked = 0;
const unsigned Checked = 1;

// What a combo-box message returns for no item or a failure (CB_ERR).
const int ComboError = -1;

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
    // Shows or hides a control (ShowWindow with SW_SHOW or SW_HIDE).
    virtual void Show(int id, bool shown) = 0;

    // Trackbar messages, one each: TBM_CLEARTICS, TBM_SETTICFREQ, TBM_SETRANGEMIN,
    // TBM_SETRANGEMAX, TBM_SETPOS, TBM_GETPOS.
    virtual void TrackbarClearTics(int id, bool redraw) = 0;
    virtual void TrackbarSetTicFreq(int id, int frequency) = 0;
    virtual void TrackbarSetRangeMin(int id, bool redraw, int minimum) = 0;
    virtual void TrackbarSetRangeMax(int id, bool redraw, int maximum) = 0;
    virtual void TrackbarSetPos(int id, bool redraw, int position) = 0;
    virtual int TrackbarGetPos(int id) = 0;

    // Moves a control to a rectangle given in dialog units of the window's font, place and
    // size each converted as dialog creation converts a template's (MapDialogRect), then
    // MoveWindow with repaint; a control already there is left alone.
    virtual void MoveControl(int id, const DialogRect& dialogUnits) = 0;

    // Whether the mouse cursor lies now inside the control's screen rectangle
    // (GetCursorPos, GetWindowRect, PtInRect).
    virtual bool CursorInControl(int id) = 0;

    // Combo-box messages, one each. The list is not sorted: AddString appends and returns the
    // new item's index. SelectString selects the first item after startIndex (-1: from item 0,
    // wrapping round) whose text begins with text, case ignored, and returns its index; with no
    // such item the selection stays and the result is ComboError. GetCurSel is ComboError when
    // nothing is selected.
    virtual void ComboResetContent(int id) = 0;
    virtual int ComboAddString(int id, const char* text) = 0;
    virtual int ComboGetCurSel(int id) = 0;
    virtual int ComboSelectString(int id, int startIndex, const char* text) = 0;
    // Copies the text of item index into buffer and returns its length. An item that does not
    // fit, or does not exist, is not copied: the buffer keeps what it held and the result is
    // ComboError.
    virtual int ComboGetLBText(int id, int index, char* buffer, unsigned size) = 0;
    // The first item after startIndex (-1: from item 0) whose whole text equals text, case
    // ignored as the system compares item texts; ComboError when there is none
    // (CB_FINDSTRINGEXACT). Selects nothing.
    virtual int ComboFindStringExact(int id, int startIndex, const char* text) = 0;
    // Selects item index and shows its text in the edit field; -1 selects nothing and empties
    // the field (CB_SETCURSEL). A combo's text (GetText, SetText) is its edit field's, and the
    // user typing there leaves the list with no selection.
    virtual void ComboSetCurSel(int id, int index) = 0;

    // Checks checkId and unchecks every other button from firstId to lastId (CheckRadioButton).
    virtual void CheckRadioButton(int firstId, int lastId, int checkId) = 0;

    // The window itself in screen pixels: its rectangle (GetWindowRect) and moving it
    // (MoveWindow with repaint).
    virtual void GetWindowRect(DialogRect* screen) = 0;
    virtual void MoveWindow(int left, int top, int width, int height) = 0;
    // The size of the screen in pixels (GetSystemMetrics of SM_CXSCREEN, SM_CYSCREEN).
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;

    // Ends a modal dialog once the current message is handled; its run returns result.
    virtual void EndDialog(int result) = 0;

    // ShowMessage (MessageBoxSink): a modal message box owned by this window.

protected:
    ~Dialog() {}
};

}  // namespace tarv
