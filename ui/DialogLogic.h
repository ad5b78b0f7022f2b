// What a dialog window does with the messages it receives. The window layer turns each message
// into one of these calls and returns TRUE to the system when the handler says it handled the
// message, FALSE to leave it to the default dialog handling. The logic behind them knows only
// the Dialog interface, so it runs on a real window and on the headless dialog alike.
#pragma once

namespace tarv {

// Command identifiers of the standard buttons (IDOK, IDCANCEL); Enter and Escape send them.
const int IdOk = 1;
const int IdCancel = 2;

// The close box or Alt+F4 (SC_CLOSE), as OnSysCommand receives it.
const unsigned SystemClose = 0xF060;

// Key flags of a mouse message (MK_...).
const unsigned MouseLeftButton = 0x0001;
const unsigned MouseRightButton = 0x0002;
const unsigned MouseShift = 0x0004;
const unsigned MouseControl = 0x0008;

class DialogLogic {
public:
    // The window was created (WM_INITDIALOG); true lets the system put the focus on the first
    // control with a tab stop.
    virtual bool OnInitDialog() { return true; }
    // A button was clicked, or Enter or Escape pressed (WM_COMMAND with BN_CLICKED).
    virtual bool OnCommand(int) { return false; }
    // A horizontal scroll notification (WM_HSCROLL); controlId is 0 when it does not come
    // from a control.
    virtual bool OnHScroll(int) { return false; }
    // The right mouse button went down over the window itself (WM_RBUTTONDOWN); keyFlags are
    // the MK_... flags.
    virtual bool OnRButtonDown(unsigned) { return false; }
    // A command of the window menu (WM_SYSCOMMAND), e.g. SystemClose.
    virtual bool OnSysCommand(unsigned) { return false; }

protected:
    ~DialogLogic() {}
};

}  // namespace tarv
