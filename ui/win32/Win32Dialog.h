// The Dialog interface over a real dialog window: one HWND, one Win32 call per operation.
#pragma once

#include "ui/Dialog.h"
#include "ui/win32/DialogTemplate.h"

#include <windows.h>

namespace tarv {

class Win32Dialog : public Dialog {
public:
    Win32Dialog() : window_(0), knownControls_(0), templateControls_(0) {}

    // The window the operations go to; the dialog procedure attaches it at WM_INITDIALOG, with
    // the template of module it was just created from, when there is one.
    void Attach(HWND window, HINSTANCE module = 0, int templateId = 0);
    HWND Window() const { return window_; }
    // The window's controls are gone (it is being destroyed): each is looked up afresh.
    void ForgetControls()
    {
        knownControls_ = 0;
        templateControls_ = 0;
    }

    unsigned GetCheck(int id) override;
    void SetCheck(int id, unsigned state) override;
    void SetText(int id, const char* text) override;
    void GetText(int id, char* buffer, unsigned size) override;
    void SetUnsigned(int id, unsigned value) override;
    void SetCaption(const char* text) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) override;
    void Show(int id, bool shown) override;
    void TrackbarClearTics(int id, bool redraw) override;
    void TrackbarSetTicFreq(int id, int frequency) override;
    void TrackbarSetRangeMin(int id, bool redraw, int minimum) override;
    void TrackbarSetRangeMax(int id, bool redraw, int maximum) override;
    void TrackbarSetPos(int id, bool redraw, int position) override;
    int TrackbarGetPos(int id) override;
    void MoveControl(int id, const DialogRect& dialogUnits) override;
    bool CursorInControl(int id) override;
    void ComboResetContent(int id) override;
    int ComboAddString(int id, const char* text) override;
    int ComboGetCurSel(int id) override;
    int ComboSelectString(int id, int startIndex, const char* text) override;
    int ComboGetLBText(int id, int index, char* buffer, unsigned size) override;
    int ComboFindStringExact(int id, int startIndex, const char* text) override;
    void ComboSetCurSel(int id, int index) override;
    void CheckRadioButton(int firstId, int lastId, int checkId) override;
    void GetWindowRect(DialogRect* screen) override;
    void MoveWindow(int left, int top, int width, int height) override;
    int ScreenWidth() override;
    int ScreenHeight() override;
    void EndDialog(int result) override;
    void ShowMessage(const char* text, const char* caption, unsigned style) override;

private:
    // Enough for every control of the largest template.
    static const int KnownControlSlots = 64;
    struct KnownControl {
        int id;
        HWND window;
    };

    // The control's window, or null. A control lives as long as its dialog, so each is looked
    // up once: on Wine every GetDlgItem asks the server for the dialog's whole child list.
    HWND Control(int id);
    LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam);
    // A control no call has reached yet, as its template gave it; null for any other. Until a
    // call finds it, it shows what the template says, and a call that would leave it so is
    // skipped without looking for it.
    const TemplateControl* Untouched(int id) const;
    bool Redraws(bool redraw);

    HWND window_;
    KnownControl known_[KnownControlSlots];
    int knownControls_;
    TemplateControl template_[KnownControlSlots];
    int templateControls_;
};

}  // namespace tarv
