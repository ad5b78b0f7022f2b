// What a dialog template gives each control it creates: identifier, style, place and text. A
// control shows exactly that until the program changes it, so a change to what it already
// shows can be skipped without finding the control: on Wine each search for a control is a
// round trip to the server.
#pragma once

#include <windows.h>

namespace tarv {

struct TemplateControl {
    int id;
    DWORD style;
    short x, y, cx, cy;  // dialog units
    const WCHAR* text;   // in the loaded resource; null when the template gives a number
    WORD classAtom;      // 0x80 button, 0x82 static and so on; 0 for any other class by name
    bool trusted;        // false once the control may show something else (or shares its id)
};

const WORD ButtonClassAtom = 0x80;
const WORD StaticClassAtom = 0x82;

// Reads the controls of the DIALOG-form template templateId of module into controls, at most
// slots of them; returns how many, or 0 for a template that is missing, malformed, extended
// (DIALOGEX), gives a control creation data or holds more controls than slots.
int ReadDialogTemplate(HINSTANCE module, int templateId, TemplateControl* controls, int slots);

// Whether the template's text of control is text (ASCII alone is compared; any other
// character counts as a difference).
bool TemplateTextIs(const TemplateControl& control, const char* text);

}  // namespace tarv
