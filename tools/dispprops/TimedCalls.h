// Decorators that time the calls window logic makes, by the kind of work they are: the
// Dialog, registry and string-table calls of the library's own page and dialog logic when the
// host runs it to time the phases of their opening (DialogPhases.h).
#pragma once

#include "platform/win32/Win32StringTable.h"
#include "registry/win32/Win32Registry.h"
#include "tools/dispprops/BareTemplates.h"
#include "ui/Dialog.h"

namespace dispprops {

// What a window's calls are spent on while it opens; the few calls of no phase of their own
// (the cursor, the window's own place) count with the trackbar.
enum Phase { Reading, Filling, Layout, Texts, Selections, Enabling, Trackbar, CallPhases };

// Adds the time of its own lifetime to one phase.
class Span {
public:
    Span(double* spent, Phase phase) : spent_(spent + phase), start_(bare::Now()) {}
    ~Span() { *spent_ += bare::Now() - start_; }

private:
    double* spent_;
    double start_;
};

class TimedDialog : public tarv::Dialog {
public:
    TimedDialog(tarv::Dialog& inner, double* spent) : in_(inner), spent_(spent) {}

    unsigned GetCheck(int id) override { Span s(spent_, Enabling); return in_.GetCheck(id); }
    void SetCheck(int id, unsigned state) override { Span s(spent_, Enabling); in_.SetCheck(id, state); }
    void SetText(int id, const char* text) override { Span s(spent_, Texts); in_.SetText(id, text); }
    void GetText(int id, char* buffer, unsigned size) override
    {
        Span s(spent_, Texts);
        in_.GetText(id, buffer, size);
    }
    void SetUnsigned(int id, unsigned value) override { Span s(spent_, Texts); in_.SetUnsigned(id, value); }
    void SetCaption(const char* text) override { Span s(spent_, Texts); in_.SetCaption(text); }
    void Enable(int id, bool enabled) override { Span s(spent_, Enabling); in_.Enable(id, enabled); }
    bool IsEnabled(int id) override { Span s(spent_, Enabling); return in_.IsEnabled(id); }
    void Show(int id, bool shown) override { Span s(spent_, Enabling); in_.Show(id, shown); }
    void TrackbarClearTics(int id, bool redraw) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarClearTics(id, redraw);
    }
    void TrackbarSetTicFreq(int id, int frequency) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetTicFreq(id, frequency);
    }
    void TrackbarSetRangeMin(int id, bool redraw, int minimum) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetRangeMin(id, redraw, minimum);
    }
    void TrackbarSetRangeMax(int id, bool redraw, int maximum) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetRangeMax(id, redraw, maximum);
    }
    void TrackbarSetPos(int id, bool redraw, int position) override
    {
        Span s(spent_, Trackbar);
        in_.TrackbarSetPos(id, redraw, position);
    }
    int TrackbarGetPos(int id) override { Span s(spent_, Trackbar); return in_.TrackbarGetPos(id); }
    void MoveControl(int id, const tarv::DialogRect& rect) override
    {
        Span s(spent_, Layout);
        in_.MoveControl(id, rect);
    }
    bool CursorInControl(int id) override { Span s(spent_, Trackbar); return in_.CursorInControl(id); }
    void ComboResetContent(int id) override { Span s(spent_, Filling); in_.ComboResetContent(id); }
    int ComboAddString(int id, const char* text) override
    {
        Span s(spent_, Filling);
        return in_.ComboAddString(id, text);
    }
    int ComboGetCurSel(int id) override { Span s(spent_, Selections); return in_.ComboGetCurSel(id); }
    int ComboSelectString(int id, int start, const char* text) override
    {
        Span s(spent_, Selections);
        return in_.ComboSelectString(id, start, text);
    }
    int ComboGetLBText(int id, int index, char* buffer, unsigned size) override
    {
        Span s(spent_, Selections);
        return in_.ComboGetLBText(id, index, buffer, size);
    }
    int ComboFindStringExact(int id, int start, const char* text) override
    {
        Span s(spent_, Selections);
        return in_.ComboFindStringExact(id, start, text);
    }
    void ComboSetCurSel(int id, int index) override { Span s(spent_, Selections); in_.ComboSetCurSel(id, index); }
    void CheckRadioButton(int first, int last, int check) override
    {
        Span s(spent_, Enabling);
        in_.CheckRadioButton(first, last, check);
    }
    void GetWindowRect(tarv::DialogRect* screen) override { Span s(spent_, Trackbar); in_.GetWindowRect(screen); }
    void MoveWindow(int left, int top, int width, int height) override
    {
        Span s(spent_, Trackbar);
        in_.MoveWindow(left, top, width, height);
    }
    int ScreenWidth() override { return in_.ScreenWidth(); }
    int ScreenHeight() override { return in_.ScreenHeight(); }
    void EndDialog(int result) override { in_.EndDialog(result); }
    void ShowMessage(const char* text, const char* caption, unsigned style) override
    {
        in_.ShowMessage(text, caption, style);
    }

private:
    tarv::Dialog& in_;
    double* spent_;
};

class TimedRegistry : public tarv::Registry {
public:
    explicit TimedRegistry(double* spent) : spent_(spent) {}

    tarv::RegResult OpenKey(tarv::RegHive hive, const char* path, unsigned long access,
                            tarv::RegKey* key) override
    {
        Span s(spent_, Reading);
        return in_.OpenKey(hive, path, access, key);
    }
    tarv::RegResult CreateKey(tarv::RegHive hive, const char* path, const char* keyClass,
                              unsigned long access, tarv::RegKey* key) override
    {
        Span s(spent_, Reading);
        return in_.CreateKey(hive, path, keyClass, access, key);
    }
    tarv::RegResult QueryValue(tarv::RegKey key, const char* name, unsigned long* type,
                               unsigned char* data, unsigned long* size) override
    {
        Span s(spent_, Reading);
        return in_.QueryValue(key, name, type, data, size);
    }
    tarv::RegResult SetValue(tarv::RegKey key, const char* name, unsigned long type,
                             const unsigned char* data, unsigned long size) override
    {
        Span s(spent_, Reading);
        return in_.SetValue(key, name, type, data, size);
    }
    tarv::RegResult DeleteValue(tarv::RegKey key, const char* name) override
    {
        Span s(spent_, Reading);
        return in_.DeleteValue(key, name);
    }
    tarv::RegResult DeleteKey(tarv::RegHive hive, const char* path) override
    {
        Span s(spent_, Reading);
        return in_.DeleteKey(hive, path);
    }
    tarv::RegResult CloseKey(tarv::RegKey key) override
    {
        Span s(spent_, Reading);
        return in_.CloseKey(key);
    }
    tarv::RegResult EnumKey(tarv::RegKey key, unsigned long index, char* name,
                            unsigned long size) override
    {
        Span s(spent_, Reading);
        return in_.EnumKey(key, index, name, size);
    }

private:
    tarv::Win32Registry in_;
    double* spent_;
};

class TimedStrings : public tarv::StringTable {
public:
    TimedStrings(HINSTANCE module, double* spent) : in_(module), spent_(spent) {}

    void LoadText(unsigned id, char* buffer, unsigned size) override
    {
        Span s(spent_, Texts);
        in_.LoadText(id, buffer, size);
    }

private:
    tarv::Win32StringTable in_;
    double* spent_;
};

}  // namespace dispprops
