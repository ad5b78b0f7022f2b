// A dialog without a window system: every control's state lives in memory, as does the
// window's own place on a screen; message boxes and the end of a modal run are recorded for
// tests to inspect.
#pragma once

#include "ui/Dialog.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarv {

class HeadlessDialog : public Dialog {
public:
    struct Trackbar {
        int rangeMin = 0;  // a new trackbar's defaults
        int rangeMax = 100;
        int position = 0;
        int ticFrequency = 1;
        int clearTicsCount = 0;
    };
    struct Control {
        unsigned check = Unchecked;
        std::string text;
        bool enabled = true;
        bool shown = true;
        bool hasRect = false;
        DialogRect rect = {0, 0, 0, 0};  // dialog units; headless pixels are dialog units
        Trackbar trackbar;
        std::vector<std::string> items;  // a combo box's list, in adding order
        int selection = ComboError;
    };
    // One message sent to a trackbar, in the Win32 numbering (TBM_...).
    struct TrackbarMessage {
        int id;
        unsigned message;
        long wParam;
        long lParam;
    };
    struct MessageRecord {
        std::string text;
        std::string caption;
        unsigned style;
    };

    // Trackbar message numbers (WM_USER based), as the Win32 layer sends them.
    enum : unsigned {
        TbmGetPos = 0x400,
        TbmSetPos = 0x405,
        TbmSetRangeMin = 0x407,
        TbmSetRangeMax = 0x408,
        TbmClearTics = 0x409,
        TbmSetTicFreq = 0x414
    };

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
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }
    void EndDialog(int result) override;
    void ShowMessage(const char* text, const char* caption, unsigned style) override;

    // Test access.
    Control& At(int id) { return controls_[id]; }
    bool HasControl(int id) const { return controls_.count(id) != 0; }
    const std::string& Text(int id) { return controls_[id].text; }
    // Puts the cursor at a point (dialog units), or in the middle of a control's rectangle.
    void SetCursor(int x, int y);
    void PointCursorAt(int id);
    // The user drags the trackbar thumb: the position moves as the control itself would move it
    // (clamped to the range); the caller then delivers the scroll notification to the logic.
    void DragTrackbar(int id, int position);
    // The user types text into a combo box's edit field, replacing what it showed: as on
    // Windows, the list then has no selection.
    void TypeInto(int id, const char* text);
    // Forgets every control and the end of a run, as a new window of the same template would
    // start.
    void Reset();

    std::string caption;
    std::vector<MessageRecord> messages;
    std::vector<TrackbarMessage> trackbarLog;
    // Runs while a message box is "open", e.g. to move the cursor before it closes.
    std::function<void(const MessageRecord&)> onMessage;
    DialogRect windowRect = {0, 0, 0, 0};  // screen pixels
    int screenWidth = 640;
    int screenHeight = 480;
    bool ended = false;  // EndDialog was called, with endResult
    int endResult = 0;

private:
    void Log(int id, unsigned message, long wParam, long lParam);
    static void Clamp(Trackbar& trackbar);

    std::map<int, Control> controls_;
    int cursorX_ = -1;
    int cursorY_ = -1;
};

}  // namespace tarv
