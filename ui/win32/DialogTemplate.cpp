#include "ui/win32/DialogTemplate.h"

namespace tarv {

namespace {

// Little-endian words from the resource, never past its end; a read past it marks the whole
// template unreadable.
class TemplateReader {
public:
    TemplateReader(const BYTE* base, DWORD size) : base_(base), size_(size), at_(0), ok_(true) {}

    bool Ok() const { return ok_; }
    WORD Peek() const { return at_ + 2 <= size_ ? (WORD)(base_[at_] | base_[at_ + 1] << 8) : 0; }
    WORD Word()
    {
        if (at_ + 2 > size_) {
            ok_ = false;
            return 0;
        }
        const WORD word = Peek();
        at_ += 2;
        return word;
    }
    DWORD Dword()
    {
        const WORD low = Word();
        return low | (DWORD)Word() << 16;
    }
    void Skip(DWORD bytes)
    {
        if (bytes > size_ - at_) ok_ = false;
        else at_ += bytes;
    }
    // Items start on a double word from the template's start.
    void AlignDword() { Skip(((at_ + 3) & ~3u) - at_); }
    // A terminated string of wide characters; null when it runs past the end.
    const WCHAR* String()
    {
        const WCHAR* text = (const WCHAR*)(base_ + at_);
        while (ok_ && Word() != 0) {
        }
        return ok_ ? text : 0;
    }
    // A name or a number: nothing (0), 0xFFFF and a number, or a string.
    void NameOrNumber(const WCHAR** name, WORD* number)
    {
        *name = 0;
        *number = 0;
        const WORD first = Word();
        if (first == 0xFFFF) *number = Word();
        else if (first != 0) {
            at_ -= 2;
            *name = String();
        }
    }

private:
    const BYTE* base_;
    DWORD size_;
    DWORD at_;
    bool ok_;
};

const DWORD ExtendedTemplateMark = 0xFFFF0001;  // version 1 and signature 0xFFFF

// Whether a wide class name is the ASCII name given, without regard to case.
bool IsClassName(const WCHAR* name, const char* upper)
{
    for (; *upper; ++name, ++upper) {
        const WCHAR c = *name >= 'a' && *name <= 'z' ? (WCHAR)(*name - 32) : *name;
        if (c != (WCHAR)*upper) return false;
    }
    return *name == 0;
}

// A class given by the name of a system class (as resource compilers write "BUTTON") is that
// class's number.
WORD ClassAtomOf(const WCHAR* name, WORD number)
{
    if (!name) return number;
    if (IsClassName(name, "BUTTON")) return ButtonClassAtom;
    if (IsClassName(name, "STATIC")) return StaticClassAtom;
    return 0;
}

}  // namespace

int ReadDialogTemplate(HINSTANCE module, int templateId, TemplateControl* controls, int slots)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : 0;
    const BYTE* base = loaded ? (const BYTE*)LockResource(loaded) : 0;
    if (!base) return 0;
    TemplateReader reader(base, SizeofResource(module, found));

    const DWORD style = reader.Dword();
    if (style == ExtendedTemplateMark) return 0;
    reader.Dword();  // extended style
    const int count = reader.Word();
    reader.Skip(4 * sizeof(WORD));  // the dialog's place
    const WCHAR* name;
    WORD number;
    reader.NameOrNumber(&name, &number);  // menu
    reader.NameOrNumber(&name, &number);  // class
    reader.String();                      // caption
    if (style & DS_SETFONT) {
        reader.Word();
        reader.String();
    }
    if (count > slots) return 0;

    for (int i = 0; i < count; ++i) {
        TemplateControl& control = controls[i];
        reader.AlignDword();
        control.style = reader.Dword();
        reader.Dword();  // extended style
        control.x = (short)reader.Word();
        control.y = (short)reader.Word();
        control.cx = (short)reader.Word();
        control.cy = (short)reader.Word();
        control.id = reader.Word();
        reader.NameOrNumber(&name, &number);
        control.classAtom = ClassAtomOf(name, number);
        reader.NameOrNumber(&control.text, &number);
        // Creation data is counted differently by different readers: a template that has
        // any is not relied on.
        if (reader.Word() != 0) return 0;
        control.trusted = true;
        for (int j = 0; j < i; ++j)
            if (controls[j].id == control.id) controls[j].trusted = control.trusted = false;
    }
    return reader.Ok() ? count : 0;
}

bool TemplateTextIs(const TemplateControl& control, const char* text)
{
    if (!control.text) return false;
    unsigned i = 0;
    for (; text[i]; ++i) {
        const unsigned char c = (unsigned char)text[i];
        if (c >= 0x80 || control.text[i] != c) return false;
    }
    return control.text[i] == 0;
}

}  // namespace tarv
