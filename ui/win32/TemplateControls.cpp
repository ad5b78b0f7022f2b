#include "ui/win32/TemplateControls.h"

namespace tarv {

namespace {

// Class ordinals of the template's items.
const WORD ButtonClass = 0x0080;
const WORD StaticClass = 0x0082;

// Reads a resource from front to back and never past its end; a read past it fails and every
// later one too.
class ResourceReader {
public:
    ResourceReader(const BYTE* data, DWORD size) : data_(data), size_(size), at_(0), failed_(false) {}

    WORD Word()
    {
        if (failed_ || size_ - at_ < 2) return Fail();
        const WORD value = (WORD)(data_[at_] | (data_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | ((DWORD)Word() << 16);
    }
    short Short() { return (short)Word(); }
    // An ordinal (0xFFFF and a number, kept in *ordinal) or a string ending in a zero: the
    // string's start and length in characters, or null for an ordinal (*ordinal 0 for a string).
    const BYTE* NameOrOrdinal(unsigned* length, WORD* ordinal)
    {
        *length = 0;
        *ordinal = 0;
        const DWORD start = at_;
        const WORD first = Word();
        if (first == 0xFFFF) {
            *ordinal = Word();
            if (*ordinal == 0) *ordinal = 0xFFFF;  // still an ordinal
            return 0;
        }
        for (WORD c = first; c != 0 && !failed_; c = Word()) ++*length;
        return data_ + start;
    }
    void Skip(DWORD bytes)
    {
        if (failed_ || size_ - at_ < bytes) {
            Fail();
            return;
        }
        at_ += bytes;
    }
    void AlignToDword() { Skip((4 - (at_ & 3)) & 3); }
    bool Failed() const { return failed_; }

private:
    WORD Fail()
    {
        failed_ = true;
        return 0;
    }

    const BYTE* data_;
    DWORD size_;
    DWORD at_;
    bool failed_;
};

WORD CharacterAt(const BYTE* text, unsigned i) { return (WORD)(text[2 * i] | (text[2 * i + 1] << 8)); }

bool SameName(const BYTE* name, unsigned length, const char* ascii)
{
    unsigned i = 0;
    for (; i < length && ascii[i]; ++i) {
        WORD a = CharacterAt(name, i);
        WORD b = (BYTE)ascii[i];
        if (a >= 'a' && a <= 'z') a = (WORD)(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z') b = (WORD)(b - 'a' + 'A');
        if (a != b) return false;
    }
    return i == length && ascii[i] == 0;
}

}  // namespace

bool TemplateControls::Read(HINSTANCE module, int templateId)
{
    count_ = 0;
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), (LPCSTR)RT_DIALOG);
    const HGLOBAL loaded = found ? LoadResource(module, found) : 0;
    const BYTE* data = loaded ? (const BYTE*)LockResource(loaded) : 0;
    if (!data) return false;
    ResourceReader reader(data, SizeofResource(module, found));

    const DWORD style = reader.Dword();
    if ((style & 0xFFFF) == 1 && (style >> 16) == 0xFFFF) return false;  // DLGTEMPLATEEX
    reader.Dword();  // extended style
    const WORD items = reader.Word();
    reader.Skip(4 * 2);  // x, y, cx, cy
    unsigned length;
    WORD ordinal;
    reader.NameOrOrdinal(&length, &ordinal);  // menu
    reader.NameOrOrdinal(&length, &ordinal);  // window class
    reader.NameOrOrdinal(&length, &ordinal);  // caption
    if (style & DS_SETFONT) {
        reader.Word();  // point size
        reader.NameOrOrdinal(&length, &ordinal);
    }
    for (WORD item = 0; item < items && count_ < Slots && !reader.Failed(); ++item) {
        reader.AlignToDword();
        TemplateControl control;
        control.style = reader.Dword();
        reader.Dword();  // extended style
        control.x = reader.Short();
        control.y = reader.Short();
        control.cx = reader.Short();
        control.cy = reader.Short();
        control.id = (short)reader.Word();
        unsigned classLength;
        WORD classOrdinal;
        const BYTE* className = reader.NameOrOrdinal(&classLength, &classOrdinal);
        control.title = reader.NameOrOrdinal(&control.titleLength, &ordinal);
        control.textKnown = ordinal == 0;  // an icon or a bitmap named by number shows no text
        // Creation data: its size in bytes, then the data (as the dialog manager reads it).
        const WORD extra = reader.Word();
        reader.Skip((extra / 2) * 2);
        control.plain = classOrdinal ? classOrdinal == ButtonClass || classOrdinal == StaticClass
                                     : SameName(className, classLength, "BUTTON") ||
                                           SameName(className, classLength, "STATIC");
        if (!reader.Failed()) controls_[count_++] = control;
    }
    if (reader.Failed()) count_ = 0;
    return count_ > 0;
}

const TemplateControl* TemplateControls::Find(int id) const
{
    for (int i = 0; i < count_; ++i)
        if (controls_[i].id == id) return &controls_[i];
    return 0;
}

bool TemplateControls::ShowsText(const TemplateControl& control, const char* text)
{
    if (!control.textKnown) return false;
    unsigned i = 0;
    for (; i < control.titleLength; ++i) {
        const WORD c = CharacterAt(control.title, i);
        if (c >= 0x80 || (BYTE)text[i] != c) return false;  // also at the text's end
    }
    return text[i] == 0;
}

}  // namespace tarv
