// The page library's COM class and the registry keys that make the shell load it: used by the
// library's exports, its DllRegisterServer and the installer. The class identifier is spelled
// once, as text; its binary fields and every key path are derived from that text when the
// code is compiled, so nothing here needs a constructor at load.
#pragma once

namespace tarv {

inline constexpr char ClassIdText[] = "{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}";
inline constexpr char ProgIdText[] = "PROPERTY.PROPERTYINTERFACE";

// The class identifier's fields in GUID order, without any Windows header; the Win32 code
// turns it into a CLSID.
struct ClassIdFields {
    unsigned long data1;
    unsigned short data2;
    unsigned short data3;
    unsigned char data4[8];
};

namespace com_registration_detail {

constexpr unsigned HexDigit(char c)
{
    return c >= '0' && c <= '9'   ? unsigned(c - '0')
           : c >= 'A' && c <= 'F' ? unsigned(c - 'A' + 10)
           : c >= 'a' && c <= 'f' ? unsigned(c - 'a' + 10)
                                  : 0x100;  // not a digit: poisons the value (see below)
}

constexpr unsigned long Hex(const char* text, unsigned digits)
{
    unsigned long value = 0;
    for (unsigned i = 0; i < digits; ++i) value = value * 16 + HexDigit(text[i]);
    return value;
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": offsets of the groups in the text.
constexpr ClassIdFields ParseClassId(const char* text)
{
    ClassIdFields id = {Hex(text + 1, 8), (unsigned short)Hex(text + 10, 4),
                        (unsigned short)Hex(text + 15, 4), {}};
    id.data4[0] = (unsigned char)Hex(text + 20, 2);
    id.data4[1] = (unsigned char)Hex(text + 22, 2);
    for (unsigned i = 0; i < 6; ++i) id.data4[2 + i] = (unsigned char)Hex(text + 25 + 2 * i, 2);
    return id;
}

// A text whose digits and dashes sit where ParseClassId reads them.
constexpr bool IsClassIdText(const char* text)
{
    for (unsigned i = 0; i < 38; ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        const bool ok = i == 0 ? text[i] == '{' : i == 37 ? text[i] == '}'
                        : dash ? text[i] == '-'
                               : HexDigit(text[i]) < 16;
        if (!ok) return false;
    }
    return text[38] == 0;
}

template <unsigned Size>
struct KeyPath {
    char text[Size];
};

// Two texts joined into one, terminator included, at compile time.
template <unsigned A, unsigned B>
constexpr KeyPath<A + B - 1> Join(const char (&first)[A], const char (&second)[B])
{
    KeyPath<A + B - 1> joined = {};
    for (unsigned i = 0; i + 1 < A; ++i) joined.text[i] = first[i];
    for (unsigned i = 0; i < B; ++i) joined.text[A - 1 + i] = second[i];
    return joined;
}

inline constexpr auto ClassKey = Join("CLSID\\", ClassIdText);
inline constexpr auto ServerKey = Join(ClassKey.text, "\\InProcServer32");
inline constexpr auto ClassProgIdKey = Join(ClassKey.text, "\\ProgID");
inline constexpr auto ProgIdClassKey = Join(ProgIdText, "\\CLSID");

}  // namespace com_registration_detail

static_assert(com_registration_detail::IsClassIdText(ClassIdText),
              "the class identifier must be a braced GUID text");
inline constexpr ClassIdFields ClassId = com_registration_detail::ParseClassId(ClassIdText);

// HKEY_CLASSES_ROOT
inline constexpr const char* ClassKeyPath = com_registration_detail::ClassKey.text;
inline constexpr const char* ServerKeyPath = com_registration_detail::ServerKey.text;
inline constexpr const char* ClassProgIdKeyPath = com_registration_detail::ClassProgIdKey.text;
inline constexpr const char* ProgIdClassKeyPath = com_registration_detail::ProgIdClassKey.text;
inline constexpr char ThreadingModelValue[] = "ThreadingModel";
inline constexpr char ApartmentThreading[] = "Apartment";

// HKEY_LOCAL_MACHINE: the shell's property-sheet handlers of the Display control panel and,
// on the Windows 98 shell, of the advanced display properties.
inline constexpr char DisplayHandlerKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Display\\Shellex\\"
    "PropertySheetHandlers\\Tarvello";
inline constexpr char DeviceHandlerKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Device\\Shellex\\"
    "PropertySheetHandlers\\Tarvello";

// HKEY_LOCAL_MACHINE: the shell's approved extensions. Where an administrator's policy makes
// the shell (Windows NT 4.0 with the desktop update, 2000, XP) load only the classes listed
// here, the value named by the class identifier lets it load the page.
inline constexpr char ApprovedKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
inline constexpr char ApprovedValueData[] = "Tarvello";

// Class strings of the keys the installer creates: the product and handler keys, and the
// server key.
inline constexpr char InstallKeyClass[] = "Tarvello";
inline constexpr char ServerKeyClass[] = "Tarvellus";

}  // namespace tarv
