// The installer's compiled resources, linked into this program and read back through the
// resource loader: the four dialog templates byte for byte, the menu, the icon and the
// version block.
#include "resources/installer/InstallerResources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

HMODULE Self() { return GetModuleHandleA(0); }

struct Control {
    int id;
    std::string className;
    std::string text;
    DWORD style;
    short x, y, cx, cy;
};

struct Template {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string menu, windowClass, caption, face;
    int pointSize = 0;
    std::vector<Control> controls;
};

// A template text: UTF-16, or 0xFFFF and an ordinal (returned as "#n"), or 0 for none.
const WORD* ReadText(const WORD* at, std::string* text)
{
    text->clear();
    if (*at == 0xFFFF) {
        *text = "#" + std::to_string(at[1]);
        return at + 2;
    }
    while (*at) *text += (char)*at++;
    return at + 1;
}

// Windows names the standard classes by ordinal (0x80 button, 0x82 static) or by name.
std::string StandardClass(const std::string& text)
{
    if (text == "#128" || _strcmpi(text.c_str(), "Button") == 0) return "Button";
    if (text == "#130" || _strcmpi(text.c_str(), "Static") == 0) return "Static";
    return text;
}

const WORD* AlignToDword(const WORD* at) { return (const WORD*)(((UINT_PTR)at + 3) & ~(UINT_PTR)3); }

Template ReadTemplate(int id)
{
    Template result;
    HRSRC found = FindResourceA(Self(), MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    if (!found) return result;
    const BYTE* bytes = (const BYTE*)LockResource(LoadResource(Self(), found));
    DLGTEMPLATE header;
    memcpy(&header, bytes, sizeof header);
    result.style = header.style;
    result.cx = header.cx;
    result.cy = header.cy;
    const WORD* at = (const WORD*)(bytes + sizeof header);
    at = ReadText(at, &result.menu);
    at = ReadText(at, &result.windowClass);
    at = ReadText(at, &result.caption);
    if (header.style & DS_SETFONT) {
        result.pointSize = *at++;
        at = ReadText(at, &result.face);
    }
    for (int i = 0; i < header.cdit; ++i) {
        at = AlignToDword(at);
        DLGITEMTEMPLATE item;
        memcpy(&item, at, sizeof item);
        at = (const WORD*)((const BYTE*)at + sizeof item);
        Control control = {item.id, "", "", item.style, item.x, item.y, item.cx, item.cy};
        at = ReadText(at, &control.className);
        control.className = StandardClass(control.className);
        at = ReadText(at, &control.text);
        const WORD extraBytes = *at++;
        at = (const WORD*)((const BYTE*)at + extraBytes);
        result.controls.push_back(control);
    }
    return result;
}

const DWORD Shown = WS_CHILD | WS_VISIBLE, Group = WS_GROUP, Tab = WS_TABSTOP;
const DWORD Centred = SS_CENTER | Group;

struct DialogCase {
    const char* name;
    int id;
    short cx, cy;
    std::vector<Control> controls;  // in template order, which is the tab order
};

std::vector<DialogCase> DialogCases()
{
    return {
        {"Model", IDD_MODEL, 187, 111, {
            {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | Group | Tab, 121, 26, 52, 14},
            {1008, "Button", "Select Model", BS_GROUPBOX, 8, 4, 99, 63},
            {1003, "Button", "Voodoo5 6000", BS_AUTORADIOBUTTON | Group | Tab, 16, 16, 70, 10},
            {1002, "Button", "Voodoo5 5500", BS_AUTORADIOBUTTON, 16, 27, 70, 10},
            {1001, "Button", "Voodoo5 5000", BS_AUTORADIOBUTTON, 16, 38, 70, 10},
            {1000, "Button", "Do not install", BS_AUTORADIOBUTTON, 16, 49, 70, 10},
            {1005, "Button", "Option", BS_GROUPBOX, 8, 74, 171, 30},
            {1004, "Button", "Install under Advanced Panel", BS_CHECKBOX | Group | Tab, 16, 86, 160, 10},
            {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | Group | Tab, 121, 43, 52, 14},
            {1013, "Static", "Version 1.0 English", Centred | SS_CENTERIMAGE, 111, 12, 72, 10}}},
        {"Maintenance", IDD_MAINTENANCE, 185, 111, {
            {1012, "Static", "", SS_ETCHEDFRAME, 14, 13, 156, 62},
            {1009, "Static", "The Tarvello is currently", Centred, 23, 30, 138, 10},
            {1010, "Static", "installed on your system. Do you wish", Centred, 23, 40, 138, 10},
            {1011, "Static", "to reinstall or remove it.", Centred, 23, 50, 138, 10},
            {IDCANCEL, "Button", "Cancel", BS_DEFPUSHBUTTON | Group | Tab, 121, 86, 50, 14},
            {1006, "Button", "Re&install", BS_PUSHBUTTON | Group | Tab, 13, 86, 50, 14},
            {1007, "Button", "&Remove", BS_PUSHBUTTON | Group | Tab, 67, 86, 50, 14}}},
        {"Installed", IDD_INSTALLED, 185, 111, {
            {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | Tab, 67, 86, 50, 14},
            {1019, "Static", "", SS_ETCHEDFRAME, 14, 13, 156, 62},
            {1015, "Static", "The Tarvello has been", Centred, 23, 35, 138, 10},
            {1016, "Static", "successfully installed on your system.", Centred, 23, 45, 138, 10}}},
        {"Removed", IDD_REMOVED, 185, 111, {
            {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | Tab, 67, 86, 50, 14},
            {1014, "Static", "", SS_ETCHEDFRAME, 14, 13, 156, 62},
            {1017, "Static", "The Tarvello has been", Centred, 23, 35, 138, 10},
            {1018, "Static", "successfully removed from your system.", Centred, 23, 45, 138, 10}}},
    };
}

void PrintTo(const DialogCase& dialog, std::ostream* out) { *out << dialog.name; }

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class DialogTemplate : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogTemplate, HeaderAndEveryControlInOrder)
{
    const DialogCase& expected = GetParam();
    const Template actual = ReadTemplate(expected.id);
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT), actual.style);
    EXPECT_EQ(expected.cx, actual.cx);
    EXPECT_EQ(expected.cy, actual.cy);
    EXPECT_EQ("", actual.menu);
    EXPECT_EQ("", actual.windowClass);
    EXPECT_EQ("Tarvello", actual.caption);
    EXPECT_EQ(8, actual.pointSize);
    EXPECT_EQ("MS Sans Serif", actual.face);
    ASSERT_EQ(expected.controls.size(), actual.controls.size());
    for (size_t i = 0; i < expected.controls.size(); ++i) {
        const Control& want = expected.controls[i];
        const Control& got = actual.controls[i];
        EXPECT_EQ(want.id, got.id) << "control " << i;
        EXPECT_EQ(want.className, got.className) << want.id;
        EXPECT_EQ(want.text, got.text) << want.id;
        EXPECT_EQ(Shown | want.style, got.style) << want.id;
        EXPECT_EQ(want.x, got.x) << want.id;
        EXPECT_EQ(want.y, got.y) << want.id;
        EXPECT_EQ(want.cx, got.cx) << want.id;
        EXPECT_EQ(want.cy, got.cy) << want.id;
    }

    // The dialog manager builds a window from it with every control.
    HWND dialog = CreateDialogParamA(Self(), MAKEINTRESOURCEA(expected.id), 0, NoHandling, 0);
    ASSERT_NE(nullptr, dialog);
    for (const Control& control : expected.controls)
        EXPECT_NE(nullptr, GetDlgItem(dialog, control.id)) << control.id;
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(Installer, DialogTemplate, ::testing::ValuesIn(DialogCases()),
                         [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

TEST(InstallerResources, MenuHoldsFileExit)
{
    HMENU menu = LoadMenuA(Self(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(nullptr, menu);
    char text[32];
    ASSERT_EQ(1, GetMenuItemCount(menu));
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&File", text);
    HMENU file = GetSubMenu(menu, 0);
    ASSERT_NE(nullptr, file);
    ASSERT_EQ(1, GetMenuItemCount(file));
    EXPECT_EQ((UINT)IDM_EXIT, GetMenuItemID(file, 0));
    GetMenuStringA(file, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Exit", text);
    DestroyMenu(menu);
}

TEST(InstallerResources, IconIsOne32By32ImageIn16Colours)
{
    HRSRC found = FindResourceA(Self(), MAKEINTRESOURCEA(IDI_INSTALLER), (LPCSTR)RT_GROUP_ICON);
    ASSERT_NE(nullptr, found);
    // The group directory: reserved, type 1, count, then 14-byte entries.
    const BYTE* group = (const BYTE*)LockResource(LoadResource(Self(), found));
    const WORD* words = (const WORD*)group;
    EXPECT_EQ(1, words[1]);
    ASSERT_EQ(1, words[2]);
    const BYTE* entry = group + 6;
    EXPECT_EQ(32, entry[0]);
    EXPECT_EQ(32, entry[1]);
    EXPECT_EQ(16, entry[2]);
    EXPECT_EQ(4, entry[6] | entry[7] << 8) << "bits per pixel";

    EXPECT_NE(nullptr, LoadIconA(Self(), MAKEINTRESOURCEA(IDI_INSTALLER)));
}

TEST(InstallerResources, VersionBlock)
{
    char path[MAX_PATH];
    ASSERT_NE(0u, GetModuleFileNameA(Self(), path, sizeof path));
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_NE(0u, size);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", (void**)&fixed, &length));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0u, fixed->dwFileFlags);
    EXPECT_EQ((DWORD)VOS_NT_WINDOWS32, fixed->dwFileOS);
    EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);
    EXPECT_EQ(0u, fixed->dwFileSubtype);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", (void**)&translation, &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0409, translation[0]);
    EXPECT_EQ(0x04b0, translation[1]);

    const struct {
        const char* name;
        const char* value;
    } entries[] = {
        {"Comments", "Install/Uninstall Program for Tarvello Property Page"},
        {"FileDescription", "Install/Uninstall Tarvello"},
        {"FileVersion", "1.0.0.0"},
        {"ProductVersion", "1.0.0.0"},
        {"InternalName", "TARVINST"},
        {"OriginalFilename", "TARVINST.EXE"},
        {"ProductName", "Tarvello"},
        {"PrivateBuild", ""},
        {"SpecialBuild", ""},
        {"CompanyName", nullptr},  // any text
        {"LegalCopyright", nullptr},
        {"LegalTrademarks", nullptr},
    };
    for (const auto& entry : entries) {
        const std::string query = std::string("\\StringFileInfo\\040904b0\\") + entry.name;
        char* value = nullptr;
        // An empty value may come back as no value at all.
        if (!VerQueryValueA(block.data(), query.c_str(), (void**)&value, &length) || length == 0)
            value = (char*)"";
        if (entry.value)
            EXPECT_STREQ(entry.value, value) << entry.name;
        else
            EXPECT_STRNE("", value) << entry.name;
    }
}

}  // namespace
