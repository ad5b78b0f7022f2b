#include "ui/win32/Win32Dialog.h"

#include "text/Text.h"

#include <commctrl.h>

namespace tarv {

void Win32Dialog::Attach(HWND window, HINSTANCE module, int templateId)
{
    window_ = window;
    ForgetControls();
    if (module) templateControls_ = ReadDialogTemplate(module, templateId, template_, KnownControlSlots);
}

const TemplateControl* Win32Dialog::Untouched(int id) const
{
    for (int i = 0; i < knownControls_; ++i)
        if (known_[i].id == id) return 0;
    for (int i = 0; i < templateControls_; ++i)
        if (template_[i].id == id) return template_[i].trusted ? &template_[i] : 0;
    return 0;
}

HWND Win32Dialog::Control(int id)
{
    for (int i = 0; i < knownControls_; ++i)
        if (known_[i].id == id) return known_[i].window;
    const HWND control = GetDlgItem(window_, id);
    // A missing control is asked for again next time, as GetDlgItem itself would be.
    if (control && knownControls_ < KnownControlSlots) {
        known_[knownControls_].id = id;
        known_[knownControls_].window = control;
        ++knownControls_;
    }
    return control;
}

LRESULT Win32Dialog::Send(int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    // What SendDlgItemMessageA does, with the control found once.
    const HWND control = Control(id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

unsigned Win32Dialog::GetCheck(int id) { return (unsigned)Send(id, BM_GETCHECK, 0, 0); }

void Win32Dialog::SetCheck(int id, unsigned state)
{
    // A button that does not check itself when clicked starts clear and stays so until told.
    const TemplateControl* created = Untouched(id);
    if (created && state == BST_UNCHECKED && created->classAtom == ButtonClassAtom) {
        const DWORD kind = created->style & BS_TYPEMASK;
        if (kind == BS_CHECKBOX || kind == BS_RADIOBUTTON || kind == BS_3STATE) return;
    }
    Send(id, BM_SETCHECK, state, 0);
}

// Setting a text repaints the window, even to the text it shows: a window that already shows
// it is left alone. A current text longer than the buffer reads back cut, one character too
// long to equal any text short enough to be compared.
static void SetWindowTextOnce(HWND window, const char* text)
{
    char shown[256];
    const unsigned length = TextLength(text);
    if (length + 1 < sizeof shown) {
        shown[0] = 0;
        SendMessageA(window, WM_GETTEXT, sizeof shown, (LPARAM)shown);
        if (TextEquals(shown, text)) return;
    }
    SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text);
}

void Win32Dialog::SetText(int id, const char* text)
{
    // Only the program changes a button's or a static text's text.
    const TemplateControl* created = Untouched(id);
    if (created && (created->classAtom == ButtonClassAtom || created->classAtom == StaticClassAtom) &&
        TemplateTextIs(*created, text))
        return;
    const HWND control = Control(id);
    if (control) SetWindowTextOnce(control, text);
}

void Win32Dialog::GetText(int id, char* buffer, unsigned size)
{
    if (size == 0) return;
    buffer[0] = 0;
    Send(id, WM_GETTEXT, size, (LPARAM)buffer);
}

void Win32Dialog::SetUnsigned(int id, unsigned value)
{
    // The digits SetDlgItemInt would write, but only where they are not shown already.
    char digits[12];
    unsigned at = sizeof digits - 1;
    digits[at] = 0;
    do {
        digits[--at] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0);
    SetText(id, digits + at);
}

void Win32Dialog::SetCaption(const char* text) { SetWindowTextOnce(window_, text); }

void Win32Dialog::Enable(int id, bool enabled)
{
    const TemplateControl* created = Untouched(id);
    if (created && ((created->style & WS_DISABLED) == 0) == enabled) return;
    // Disabling cancels the window's mode first, even when it is disabled already.
    const HWND control = Control(id);
    if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled);
}

bool Win32Dialog::IsEnabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }

void Win32Dialog::Show(int id, bool shown)
{
    const TemplateControl* created = Untouched(id);
    if (created && ((created->style & WS_VISIBLE) != 0) == shown) return;
    ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE);
}

// A window not shown yet paints in full when it is shown: redrawing it before is a round
// trip to the server on Wine for nothing.
bool Win32Dialog::Redraws(bool redraw) { return redraw && IsWindowVisible(window_); }

void Win32Dialog::TrackbarClearTics(int id, bool redraw) { Send(id, TBM_CLEARTICS, Redraws(redraw), 0); }

void Win32Dialog::TrackbarSetTicFreq(int id, int frequency) { Send(id, TBM_SETTICFREQ, frequency, 0); }

void Win32Dialog::TrackbarSetRangeMin(int id, bool redraw, int minimum)
{
    Send(id, TBM_SETRANGEMIN, Redraws(redraw), minimum);
}

void Win32Dialog::TrackbarSetRangeMax(int id, bool redraw, int maximum)
{
    Send(id, TBM_SETRANGEMAX, Redraws(redraw), maximum);
}

void Win32Dialog::TrackbarSetPos(int id, bool redraw, int position)
{
    Send(id, TBM_SETPOS, Redraws(redraw), position);
}

int Win32Dialog::TrackbarGetPos(int id) { return (int)Send(id, TBM_GETPOS, 0, 0); }

// A drop-down combo box keeps its closed height whatever height it is moved with, and a height
// below that does not change how far its list drops.
static bool IsDropDownCombo(HWND control)
{
    char className[16];
    if (!GetClassNameA(control, className, sizeof className)) return false;
    return TextEqualsNoCase(className, "ComboBox") &&
           (GetWindowLongA(control, GWL_STYLE) & 3) != CBS_SIMPLE;
}

void Win32Dialog::MoveControl(int id, const DialogRect& dialogUnits)
{
    const TemplateControl* created = Untouched(id);
    if (created && created->x == dialogUnits.left && created->y == dialogUnits.top &&
        created->x + created->cx == dialogUnits.right && created->y + created->cy == dialogUnits.bottom)
        return;
    // Position and size are converted each on their own, as the dialog manager places a
    // template's controls, so a rectangle equal to the template's leaves its control in place.
    RECT origin = {dialogUnits.left, dialogUnits.top, 0, 0};
    RECT size = {dialogUnits.right - dialogUnits.left, dialogUnits.bottom - dialogUnits.top, 0, 0};
    MapDialogRect(window_, &origin);
    MapDialogRect(window_, &size);
    const RECT rect = {origin.left, origin.top, origin.left + size.left, origin.top + size.top};
    // A move repaints the control and what it uncovers: one already in place stays.
    const HWND control = Control(id);
    RECT now;
    if (::GetWindowRect(control, &now)) {
        MapWindowPoints(0, window_, (POINT*)&now, 2);
        const bool placed = now.left == rect.left && now.top == rect.top && now.right == rect.right;
        if (placed && now.bottom == rect.bottom) return;
        if (placed && now.bottom > rect.bottom && IsDropDownCombo(control)) return;
    }
    ::MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 TRUE);
}

bool Win32Dialog::CursorInControl(int id)
{
    POINT cursor;
    RECT rect;
    if (!GetCursorPos(&cursor)) return false;
    if (!::GetWindowRect(Control(id), &rect)) return false;
    return PtInRect(&rect, cursor) != FALSE;
}

void Win32Dialog::ComboResetContent(int id) { Send(id, CB_RESETCONTENT, 0, 0); }

int Win32Dialog::ComboAddString(int id, const char* text) { return (int)Send(id, CB_ADDSTRING, 0, (LPARAM)text); }

int Win32Dialog::ComboGetCurSel(int id) { return (int)Send(id, CB_GETCURSEL, 0, 0); }

int Win32Dialog::ComboSelectString(int id, int startIndex, const char* text)
{
    return (int)Send(id, CB_SELECTSTRING, (WPARAM)startIndex, (LPARAM)text);
}

int Win32Dialog::ComboGetLBText(int id, int index, char* buffer, unsigned size)
{
    // CB_GETLBTEXT takes no buffer size: only an item known to fit is copied.
    const LRESULT length = Send(id, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length < 0 || (unsigned long)length >= size) return ComboError;
    return (int)Send(id, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buffer);
}

int Win32Dialog::ComboFindStringExact(int id, int startIndex, const char* text)
{
    return (int)Send(id, CB_FINDSTRINGEXACT, (WPARAM)startIndex, (LPARAM)text);
}

void Win32Dialog::ComboSetCurSel(int id, int index) { Send(id, CB_SETCURSEL, (WPARAM)index, 0); }

void Win32Dialog::CheckRadioButton(int firstId, int lastId, int checkId)
{
    // The buttons change without being looked up here: their template no longer tells.
    for (int i = 0; i < templateControls_; ++i)
        if (template_[i].id >= firstId && template_[i].id <= lastId) template_[i].trusted = false;
    ::CheckRadioButton(window_, firstId, lastId, checkId);
}

void Win32Dialog::GetWindowRect(DialogRect* screen)
{
    RECT rect = {0, 0, 0, 0};
    ::GetWindowRect(window_, &rect);
    screen->left = rect.left;
    screen->top = rect.top;
    screen->right = rect.right;
    screen->bottom = rect.bottom;
}

void Win32Dialog::MoveWindow(int left, int top, int width, int height)
{
    ::MoveWindow(window_, left, top, width, height, TRUE);
}

int Win32Dialog::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Dialog::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

void Win32Dialog::EndDialog(int result) { ::EndDialog(window_, result); }

void Win32Dialog::ShowMessage(const char* text, const char* caption, unsigned style)
{
    MessageBoxA(window_, text, caption, style);
}

}  // namespace tarv
