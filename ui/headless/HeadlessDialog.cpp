#include "ui/headless/HeadlessDialog.h"

#include <cctype>
#include <cstring>

namespace tarv {

unsigned HeadlessDialog::GetCheck(int id) { return controls_[id].check; }

void HeadlessDialog::SetCheck(int id, unsigned state) { controls_[id].check = state; }

void HeadlessDialog::SetText(int id, const char* text) { controls_[id].text = text ? text : ""; }

void HeadlessDialog::GetText(int id, char* buffer, unsigned size)
{
    if (size == 0) return;
    const std::string& text = controls_[id].text;
    size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = 0;
}

void HeadlessDialog::SetUnsigned(int id, unsigned value) { controls_[id].text = std::to_string(value); }

void HeadlessDialog::SetCaption(const char* text) { caption = text ? text : ""; }

void HeadlessDialog::Enable(int id, bool enabled) { controls_[id].enabled = enabled; }

bool HeadlessDialog::IsEnabled(int id) { return controls_[id].enabled; }

void HeadlessDialog::Show(int id, bool shown) { controls_[id].shown = shown; }

// A trackbar keeps its position inside its range whenever either changes.
void HeadlessDialog::Clamp(Trackbar& trackbar)
{
    if (trackbar.position < trackbar.rangeMin) trackbar.position = trackbar.rangeMin;
    if (trackbar.position > trackbar.rangeMax) trackbar.position = trackbar.rangeMax;
}

void HeadlessDialog::Log(int id, unsigned message, long wParam, long lParam)
{
    trackbarLog.push_back(TrackbarMessage{id, message, wParam, lParam});
}

void HeadlessDialog::TrackbarClearTics(int id, bool redraw)
{
    Log(id, TbmClearTics, redraw, 0);
    controls_[id].trackbar.clearTicsCount++;
}

void HeadlessDialog::TrackbarSetTicFreq(int id, int frequency)
{
    Log(id, TbmSetTicFreq, frequency, 0);
    controls_[id].trackbar.ticFrequency = frequency;
}

void HeadlessDialog::TrackbarSetRangeMin(int id, bool redraw, int minimum)
{
    Log(id, TbmSetRangeMin, redraw, minimum);
    Trackbar& trackbar = controls_[id].trackbar;
    trackbar.rangeMin = minimum;
    Clamp(trackbar);
}

void HeadlessDialog::TrackbarSetRangeMax(int id, bool redraw, int maximum)
{
    Log(id, TbmSetRangeMax, redraw, maximum);
    Trackbar& trackbar = controls_[id].trackbar;
    trackbar.rangeMax = maximum;
    Clamp(trackbar);
}

void HeadlessDialog::TrackbarSetPos(int id, bool redraw, int position)
{
    Log(id, TbmSetPos, redraw, position);
    Trackbar& trackbar = controls_[id].trackbar;
    trackbar.position = position;
    Clamp(trackbar);
}

int HeadlessDialog::TrackbarGetPos(int id)
{
    Log(id, TbmGetPos, 0, 0);
    return controls_[id].trackbar.position;
}

void HeadlessDialog::MoveControl(int id, const DialogRect& dialogUnits)
{
    Control& control = controls_[id];
    control.hasRect = true;
    control.rect = dialogUnits;
}

bool HeadlessDialog::CursorInControl(int id)
{
    auto found = controls_.find(id);
    if (found == controls_.end() || !found->second.hasRect) return false;
    const DialogRect& r = found->second.rect;
    return cursorX_ >= r.left && cursorX_ < r.right && cursorY_ >= r.top && cursorY_ < r.bottom;
}

void HeadlessDialog::ComboResetContent(int id)
{
    Control& combo = controls_[id];
    combo.items.clear();
    combo.selection = ComboError;
    combo.text.clear();
}

int HeadlessDialog::ComboAddString(int id, const char* text)
{
    std::vector<std::string>& items = controls_[id].items;
    items.push_back(text ? text : "");
    return (int)items.size() - 1;
}

int HeadlessDialog::ComboGetCurSel(int id) { return controls_[id].selection; }

static bool BeginsWithIgnoringCase(const std::string& text, const char* prefix)
{
    for (size_t i = 0; prefix[i]; ++i) {
        if (i >= text.size()) return false;
        if (std::tolower((unsigned char)text[i]) != std::tolower((unsigned char)prefix[i])) return false;
    }
    return true;
}

int HeadlessDialog::ComboSelectString(int id, int startIndex, const char* text)
{
    Control& combo = controls_[id];
    const int count = (int)combo.items.size();
    if (!text || count == 0) return ComboError;
    // The search starts after startIndex and wraps round to it; -1 starts at item 0.
    const int first = startIndex < 0 || startIndex >= count ? 0 : startIndex + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (BeginsWithIgnoringCase(combo.items[index], text)) {
            combo.selection = index;
            combo.text = combo.items[index];  // the edit field shows the chosen item
            return index;
        }
    }
    return ComboError;
}

int HeadlessDialog::ComboGetLBText(int id, int index, char* buffer, unsigned size)
{
    const std::vector<std::string>& items = controls_[id].items;
    if (index < 0 || index >= (int)items.size() || items[index].size() >= size) return ComboError;
    std::memcpy(buffer, items[index].c_str(), items[index].size() + 1);
    return (int)items[index].size();
}

static bool EqualIgnoringCase(const std::string& text, const char* other)
{
    return text.size() == std::strlen(other) && BeginsWithIgnoringCase(text, other);
}

int HeadlessDialog::ComboFindStringExact(int id, int startIndex, const char* text)
{
    const std::vector<std::string>& items = controls_[id].items;
    const int count = (int)items.size();
    if (!text || count == 0) return ComboError;
    const int first = startIndex < 0 || startIndex >= count ? 0 : startIndex + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (first + step) % count;
        if (EqualIgnoringCase(items[index], text)) return index;
    }
    return ComboError;
}

void HeadlessDialog::ComboSetCurSel(int id, int index)
{
    Control& combo = controls_[id];
    if (index < 0 || index >= (int)combo.items.size()) {
        combo.selection = ComboError;
        combo.text.clear();
        return;
    }
    combo.selection = index;
    combo.text = combo.items[index];
}

void HeadlessDialog::TypeInto(int id, const char* text)
{
    Control& combo = controls_[id];
    combo.text = text ? text : "";
    combo.selection = ComboError;
}

void HeadlessDialog::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int id = firstId; id <= lastId; ++id) controls_[id].check = id == checkId ? Checked : Unchecked;
}

void HeadlessDialog::GetWindowRect(DialogRect* screen) { *screen = windowRect; }

void HeadlessDialog::MoveWindow(int left, int top, int width, int height)
{
    windowRect = DialogRect{left, top, left + width, top + height};
}

void HeadlessDialog::EndDialog(int result)
{
    ended = true;
    endResult = result;
}

void HeadlessDialog::ShowMessage(const char* text, const char* caption, unsigned style)
{
    MessageRecord record{text ? text : "", caption ? caption : "", style};
    messages.push_back(record);
    if (onMessage) onMessage(record);
}

void HeadlessDialog::SetCursor(int x, int y)
{
    cursorX_ = x;
    cursorY_ = y;
}

void HeadlessDialog::PointCursorAt(int id)
{
    const DialogRect& r = controls_[id].rect;
    SetCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void HeadlessDialog::DragTrackbar(int id, int position)
{
    Trackbar& trackbar = controls_[id].trackbar;
    trackbar.position = position;
    Clamp(trackbar);
}

void HeadlessDialog::Reset()
{
    controls_.clear();
    caption.clear();
    trackbarLog.clear();
    ended = false;
    endResult = 0;
}

}  // namespace tarv
