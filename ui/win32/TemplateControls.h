// The controls a dialog template creates, read from a module's resources: until the window's
// logic changes them, the plain ones (buttons and static texts) show the template's text, stand
// at its rectangle, are unchecked and are enabled unless the template disables them.
#pragma once

#include <windows.h>

namespace tarv {

struct TemplateControl {
    int id;
    short x, y, cx, cy;    // in dialog units
    unsigned long style;
    bool plain;            // a button or a static text
    bool textKnown;        // false for an icon or a bitmap named by number
    const BYTE* title;     // the template's text in UTF-16 (little-endian), titleLength characters
    unsigned titleLength;
};

class TemplateControls {
public:
    TemplateControls() : count_(0) {}

    // Reads the controls of template templateId in module; false, with none, when the template
    // cannot be found or read, or is of the extended form, which no window here uses.
    bool Read(HINSTANCE module, int templateId);
    void Clear() { count_ = 0; }
    // The first control of that id, the one GetDlgItem finds; null for none.
    const TemplateControl* Find(int id) const;
    int Count() const { return count_; }

    // Whether control shows text as its template made it, compared character by character; a
    // text with any character beyond ASCII never counts as equal.
    static bool ShowsText(const TemplateControl& control, const char* text);

private:
    // Enough for the largest template; controls beyond are simply not known.
    static const int Slots = 64;

    TemplateControl controls_[Slots];
    int count_;
};

}  // namespace tarv
