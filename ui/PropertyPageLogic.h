// What a property page does with the messages its window receives. The window layer turns
// each message into one of these calls; the logic behind them knows only the Dialog
// interface, so it runs on a real page window and on the headless dialog alike.
#pragma once

namespace tarv {

class PropertyPageLogic {
public:
    // The page window was created (WM_INITDIALOG); true lets the system set the focus.
    virtual bool OnInitDialog() = 0;
    // The page's changes were accepted; OnApply calls it before it reports success.
    virtual void OnOK() = 0;
    // The sheet was cancelled (PSN_RESET).
    virtual void OnCancel() = 0;
    // The sheet applies (PSN_APPLY); false keeps the sheet open on this page.
    virtual bool OnApply() = 0;
    // A button was clicked (WM_COMMAND with BN_CLICKED).
    virtual void OnCommand(int id) = 0;
    // A horizontal scroll notification (WM_HSCROLL); controlId is 0 when it does not come
    // from a control. Default processing follows.
    virtual void OnHScroll(int controlId) = 0;
    // The right mouse button went down over the window itself (WM_RBUTTONDOWN); keyFlags are
    // the MK_... flags. Default processing follows.
    virtual void OnRButtonDown(unsigned keyFlags) = 0;

protected:
    ~PropertyPageLogic() {}
};

}  // namespace tarv
