// The window layer on real windows under Wine: the property-page base in a modeless sheet
// built from template 501 (linked into this test program with the library's resources), the
// Win32 dialog's calls on the live controls, modal runs of a small test dialog, and the file
// version read through version.dll.
#include "page/AboutGroup.h"
#include "page/win32/Win32ModuleVersion.h"
#include "resources/page/PageResources.h"
#include "tests/unit/DialogContract.h"
#include "tests/unit/WindowLayerTest.h"
#include "ui/win32/PropertyPage.h"
#include "ui/win32/Win32Dialog.h"
#include "ui/win32/Win32ModalRunner.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <string>
#include <vector>

using namespace tarv;

// Sheet pages report their release through the page's release handler.
static int modulesReleased = 0;
static void CountRelease() { ++modulesReleased; }

namespace {

struct RecordingLogic : PropertyPageLogic {
    bool OnInitDialog() override { return Record("init"), true; }
    void OnOK() override { Record("ok"); }
    void OnCancel() override { Record("cancel"); }
    bool OnApply() override { return Record("apply"), acceptApply; }
    bool OnCommand(int id) override { return Record("command " + std::to_string(id)), true; }
    bool OnHScroll(int controlId) override { return Record("hscroll " + std::to_string(controlId)), false; }
    bool OnRButtonDown(unsigned keyFlags) override { return Record("rbutton " + std::to_string(keyFlags)), false; }
    void Record(const std::string& call) { calls.push_back(call); }
    std::vector<std::string> calls;
    bool acceptApply = true;
};

const int ApplyButton = 0x3021;

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class PropertyPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControls();
        modulesReleased = 0;
        page.SetReleaseHandler(CountRelease);
        PROPSHEETHEADERA header;
        ZeroMemory(&header, sizeof header);
        header.dwSize = PROPSHEETHEADERA_V1_SIZE;
        header.dwFlags = PSH_MODELESS;
        header.hInstance = GetModuleHandleA(0);
        header.pszCaption = "Display Properties";
        HPROPSHEETPAGE pages[1] = {CreatePropertySheetPageA(page.Description())};
        ASSERT_NE(nullptr, pages[0]);
        header.nPages = 1;
        header.phpage = pages;
        sheet = (HWND)PropertySheetA(&header);
        ASSERT_NE(nullptr, sheet);
        window = PropSheet_GetCurrentPageHwnd(sheet);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override
    {
        if (sheet) DestroyWindow(sheet);
    }
    HWND Control(int id) { return GetDlgItem(window, id); }

    RecordingLogic logic;
    Win32Dialog dialog;
    CPropertyPage page{GetModuleHandleA(0), IDD_SETTINGS_PAGE, logic, dialog};
    HWND sheet = nullptr;
    HWND window = nullptr;
};

TEST(PropertyPageDescriptionTest, IsTheFirstLayoutWithCallback)
{
    RecordingLogic logic;
    Win32Dialog dialog;
    CPropertyPage page(GetModuleHandleA(0), IDD_SETTINGS_PAGE, logic, dialog);
    PROPSHEETPAGEA* description = page.Description();
    EXPECT_EQ(40u, description->dwSize);
    EXPECT_EQ((DWORD)PSP_USECALLBACK, description->dwFlags);
    EXPECT_EQ(GetModuleHandleA(0), description->hInstance);
    EXPECT_EQ(MAKEINTRESOURCEA(501), description->pszTemplate);
    EXPECT_EQ((LPARAM)&page, description->lParam);
    EXPECT_NE(nullptr, description->pfnDlgProc);
    EXPECT_NE(nullptr, description->pfnCallback);
}

// Template 501 carries pop-up styles. A comctl32 that leaves them on the page window, rather
// than making it a child as Wine's does, still gets the page object from the description.
TEST(PropertyPageDescriptionTest, APageWindowWithPopUpStylesFindsItsObject)
{
    InitCommonControls();  // the template's trackbar
    RecordingLogic logic;
    Win32Dialog dialog;
    CPropertyPage page(GetModuleHandleA(0), IDD_SETTINGS_PAGE, logic, dialog);
    PROPSHEETPAGEA* description = page.Description();
    HWND window = CreateDialogParamA(GetModuleHandleA(0), description->pszTemplate, 0,
                                     description->pfnDlgProc, (LPARAM)description);
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(std::vector<std::string>{"init"}, logic.calls);
    EXPECT_EQ(window, dialog.Window());
    DestroyWindow(window);
}

TEST_F(PropertyPageTest, PageWindowComesFromTemplate501)
{
    EXPECT_EQ(std::vector<std::string>{"init"}, logic.calls);
    EXPECT_EQ(window, dialog.Window());
    char className[64];
    GetClassNameA(Control(IDC_CLOCK_TRACKBAR), className, sizeof className);
    EXPECT_STRCASEEQ("msctls_trackbar32", className);
    char text[64];
    GetWindowTextA(Control(IDC_FACTORY_DEFAULTS), text, sizeof text);
    EXPECT_STREQ("&Factory Defaults", text);
    EXPECT_EQ((LONG)BS_CHECKBOX, GetWindowLongA(Control(IDC_OPENGL_SWAP), GWL_STYLE) & BS_TYPEMASK);
}

// Template 501 as the page window shows it: every control, in template order, with its class,
// text, style bits and rectangle in dialog units.
TEST_F(PropertyPageTest, ControlsFollowTheTemplate)
{
    struct Row {
        int id;
        const char* className;
        const char* text;
        LONG style;
        int x, y, w, h;
    };
    // The clock's controls start disabled, as an installation leaves clock adjustment.
    const LONG group = WS_GROUP, tab = WS_TABSTOP, off = WS_DISABLED;
    const Row rows[] = {
        {1026, "Button", "&Refresh Rates...", BS_PUSHBUTTON | group | tab, 22, 178, 90, 15},
        {1062, "Button", "Voodoo5 Settings", BS_GROUPBOX, 9, 10, 236, 201},
        {1055, "Button", "Vsync", BS_GROUPBOX, 18, 25, 218, 42},
        {1006, "Button", "Don't sync buffer swaps to monitor refresh rate for &OpenGL",
         BS_CHECKBOX | group | tab, 27, 38, 205, 10},
        {1007, "Button", "Don't sync buffer swaps to monitor refresh rate for &Direct3D",
         BS_CHECKBOX | group | tab, 27, 51, 205, 10},
        {1056, "Button", "Graphics Clock", BS_GROUPBOX, 18, 78, 218, 60},
        {1009, "Button", "&Enable graphics clock adjustment", BS_CHECKBOX | group | tab, 27, 91, 130, 10},
        {1005, "Static", "166", SS_RIGHT | off, 190, 91, 19, 10},
        {1010, "Static", "Mhz", SS_LEFT | group | off, 211, 91, 19, 10},
        {1001, "msctls_trackbar32", nullptr, TBS_HORZ | TBS_AUTOTICKS | tab | off, 24, 103, 207, 20},
        {1004, "Static", "120", SS_CENTER | group | off, 23, 125, 19, 8},
        {1027, "Static", "Restart Windows after adjusting graphics clock", SS_CENTER | group | off, 44, 125, 167, 8},
        {1003, "Static", "200", SS_CENTER | group | off, 212, 125, 19, 8},
        {1057, "Static", "Installed for:", SS_RIGHT | group, 17, 149, 44, 8},
        {1008, "Static", "Voodoo5 5500", SS_LEFT | group, 64, 149, 54, 8},
        {1058, "Button", "About", BS_GROUPBOX, 132, 148, 104, 44},
        {1052, "Static", "Tarvello", SS_CENTER | group, 137, 158, 95, 9},
        {1053, "Static", nullptr, SS_CENTER | group, 137, 168, 95, 9},
        {1054, "Static", nullptr, SS_CENTER | group, 137, 178, 95, 9},
        {1002, "Button", "&Factory Defaults", BS_PUSHBUTTON | group | tab, 22, 160, 90, 15},
        // Hidden until a driver installation changed what the user saved.
        {1063, "Static", "Your Tarvello settings were changed by a driver installation.",
         SS_LEFT | group, 22, 194, 160, 16},
        {1064, "Button", "&Restore", BS_PUSHBUTTON | group | tab, 186, 195, 50, 14},
    };
    HWND child = GetWindow(window, GW_CHILD);
    for (const Row& row : rows) {
        ASSERT_NE(nullptr, child) << "missing control " << row.id;
        EXPECT_EQ(row.id, GetDlgCtrlID(child));
        char text[128];
        GetClassNameA(child, text, sizeof text);
        EXPECT_STRCASEEQ(row.className, text) << row.id;
        if (row.text) {
            GetWindowTextA(child, text, sizeof text);
            EXPECT_STREQ(row.text, text) << row.id;
        }
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const LONG always = WS_CHILD | (row.id == IDC_RESTORE_NOTE || row.id == IDC_RESTORE ? 0 : WS_VISIBLE);
        EXPECT_EQ(always | row.style, style & (WS_CHILD | WS_VISIBLE | WS_DISABLED | row.style | WS_GROUP | WS_TABSTOP)) << row.id;
        // The button or static kind is the low nibble or the alignment bits.
        if (strcmp(row.className, "Button") == 0)
            EXPECT_EQ(row.style & BS_TYPEMASK, style & BS_TYPEMASK) << row.id;
        if (strcmp(row.className, "Static") == 0)
            EXPECT_EQ(row.style & SS_TYPEMASK, style & SS_TYPEMASK) << row.id;
        // Dialog creation converts position and size each on its own.
        RECT expected = {row.x, row.y, row.w, row.h};
        MapDialogRect(window, &expected);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(0, window, (POINT*)&actual, 2);
        EXPECT_EQ(expected.left, actual.left) << row.id;
        EXPECT_EQ(expected.top, actual.top) << row.id;
        EXPECT_EQ(expected.right, actual.right - actual.left) << row.id;
        EXPECT_EQ(expected.bottom, actual.bottom - actual.top) << row.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, child) << "more controls than the template has";
}

TEST_F(PropertyPageTest, MessagesReachTheLogic)
{
    logic.calls.clear();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_OPENGL_SWAP, BN_CLICKED), (LPARAM)Control(IDC_OPENGL_SWAP));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_OPENGL_SWAP, BN_SETFOCUS), (LPARAM)Control(IDC_OPENGL_SWAP));
    SendMessageA(window, WM_HSCROLL, TB_THUMBPOSITION, (LPARAM)Control(IDC_CLOCK_TRACKBAR));
    SendMessageA(window, WM_HSCROLL, SB_LINELEFT, 0);
    SendMessageA(window, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(5, 5));
    const std::vector<std::string> expected = {"command 1006", "hscroll 1001", "hscroll 0", "rbutton 15"};
    EXPECT_EQ(expected, logic.calls);
}

TEST_F(PropertyPageTest, ApplyAndCancelReachTheLogicAndReleaseGivesTheModuleBack)
{
    logic.calls.clear();
    PropSheet_Apply(sheet);
    EXPECT_EQ(std::vector<std::string>{"apply"}, logic.calls);

    PropSheet_PressButton(sheet, PSBTN_CANCEL);  // posted, like a click
    PumpMessages();
    EXPECT_EQ((std::vector<std::string>{"apply", "cancel"}), logic.calls);
    EXPECT_EQ(0, modulesReleased);
    DestroyWindow(sheet);
    sheet = nullptr;
    EXPECT_EQ(1, modulesReleased);
}

TEST_F(PropertyPageTest, ModifiedMarkEnablesTheSheetsApplyButton)
{
    HWND apply = GetDlgItem(sheet, ApplyButton);
    ASSERT_NE(nullptr, apply);
    EXPECT_FALSE(IsWindowEnabled(apply));
    Win32PageSheet pageSheet(dialog);
    pageSheet.SetModified(true);
    EXPECT_TRUE(IsWindowEnabled(apply));
    pageSheet.SetModified(false);
    EXPECT_FALSE(IsWindowEnabled(apply));
}

TEST_F(PropertyPageTest, DialogOperationsWorkOnTheLiveControls)
{
    dialog.SetCheck(IDC_OPENGL_SWAP, Checked);
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_OPENGL_SWAP));
    dialog.SetCheck(IDC_OPENGL_SWAP, Unchecked);
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_OPENGL_SWAP));

    dialog.SetUnsigned(IDC_CLOCK_VALUE, 175);
    char text[16];
    dialog.GetText(IDC_CLOCK_VALUE, text, sizeof text);
    EXPECT_STREQ("175", text);
    dialog.SetText(IDC_MODEL, "Voodoo5 6000");
    dialog.GetText(IDC_MODEL, text, 8);
    EXPECT_STREQ("Voodoo5", text) << "cut to the buffer";

    dialog.Enable(IDC_CLOCK_UNIT, false);
    EXPECT_FALSE(dialog.IsEnabled(IDC_CLOCK_UNIT));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_CLOCK_UNIT)));
    dialog.Enable(IDC_CLOCK_UNIT, true);
    EXPECT_TRUE(dialog.IsEnabled(IDC_CLOCK_UNIT));
    dialog.Show(IDC_RESTORE, true);
    EXPECT_TRUE(GetWindowLongA(Control(IDC_RESTORE), GWL_STYLE) & WS_VISIBLE);
    dialog.Show(IDC_RESTORE, false);
    EXPECT_FALSE(GetWindowLongA(Control(IDC_RESTORE), GWL_STYLE) & WS_VISIBLE);

    dialog.TrackbarClearTics(IDC_CLOCK_TRACKBAR, true);
    dialog.TrackbarSetTicFreq(IDC_CLOCK_TRACKBAR, 2);
    dialog.TrackbarSetRangeMin(IDC_CLOCK_TRACKBAR, true, 100);
    dialog.TrackbarSetRangeMax(IDC_CLOCK_TRACKBAR, true, 240);
    dialog.TrackbarSetPos(IDC_CLOCK_TRACKBAR, true, 175);
    EXPECT_EQ(175, dialog.TrackbarGetPos(IDC_CLOCK_TRACKBAR));
    EXPECT_EQ(100, SendMessageA(Control(IDC_CLOCK_TRACKBAR), TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(240, SendMessageA(Control(IDC_CLOCK_TRACKBAR), TBM_GETRANGEMAX, 0, 0));
    dialog.TrackbarSetPos(IDC_CLOCK_TRACKBAR, true, 300);
    EXPECT_EQ(240, dialog.TrackbarGetPos(IDC_CLOCK_TRACKBAR));
}

TEST_F(PropertyPageTest, MoveControlTakesDialogUnits)
{
    // Place and size converted each on their own, as dialog creation does.
    DialogRect wide = {143, 158, 238, 167};
    dialog.MoveControl(IDC_PRODUCT_LINE, wide);
    RECT origin = {143, 158, 0, 0}, size = {95, 9, 0, 0};
    MapDialogRect(window, &origin);
    MapDialogRect(window, &size);
    RECT actual;
    GetWindowRect(Control(IDC_PRODUCT_LINE), &actual);
    MapWindowPoints(0, window, (POINT*)&actual, 2);
    EXPECT_EQ(origin.left, actual.left);
    EXPECT_EQ(origin.top, actual.top);
    EXPECT_EQ(size.left, actual.right - actual.left);
    EXPECT_EQ(size.top, actual.bottom - actual.top);
}

// A move or a text repaints the control; one already in place or showing the text is left
// alone, so it gets no message at all.
WNDPROC countedProc = nullptr;
UINT countedMessage = 0;
int countedTimes = 0;

LRESULT CALLBACK CountingProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == countedMessage) ++countedTimes;
    return CallWindowProcA(countedProc, control, message, wParam, lParam);
}

TEST_F(PropertyPageTest, AControlInPlaceOrShowingTheTextIsLeftAlone)
{
    HWND control = Control(IDC_PRODUCT_LINE);
    countedProc = (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)CountingProc);
    const DialogRect wide = {143, 158, 238, 167};
    const struct {
        UINT message;
        const char* text;  // null: the move to wide
        bool sent;
    } steps[] = {
        {WM_WINDOWPOSCHANGING, nullptr, true}, {WM_WINDOWPOSCHANGING, nullptr, false},
        {WM_SETTEXT, "Tarvello 2", true},      {WM_SETTEXT, "Tarvello 2", false},
    };
    for (const auto& step : steps) {
        countedMessage = step.message;
        countedTimes = 0;
        if (step.text)
            dialog.SetText(IDC_PRODUCT_LINE, step.text);
        else
            dialog.MoveControl(IDC_PRODUCT_LINE, wide);
        EXPECT_EQ(step.sent, countedTimes > 0) << step.message << " " << (step.text ? step.text : "");
    }
    SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)countedProc);
    char text[16];
    dialog.GetText(IDC_PRODUCT_LINE, text, sizeof text);
    EXPECT_STREQ("Tarvello 2", text);
}

TEST_F(PropertyPageTest, VersionLineOfThisProgram)
{
    // This program carries the library's version block, so it reads as version 1.0.
    Win32ModuleVersion module(GetModuleHandleA(0));
    SetVersionText(module, dialog, IDC_VERSION_LINE, "Version ", " English");
    char text[64];
    dialog.GetText(IDC_VERSION_LINE, text, sizeof text);
    EXPECT_STREQ("Version 1.0 English", text);
}

// A modal dialog run by the one dialog procedure: init checks the operations on the real
// controls, then the posted messages arrive as the logic's handlers.
struct ModalTestLogic : DialogLogic {
    explicit ModalTestLogic(Win32ModalRunner& runner) : window((Win32Dialog&)runner.Window()) {}
    bool OnInitDialog() override
    {
        ExpectComboBoxBehaviour(window, IDC_TEST_COMBO);
        ExpectTextBehaviour(window, IDC_TEST_RADIO_FIRST);
        ExpectRadioButtonBehaviour(window, IDC_TEST_RADIO_FIRST, IDC_TEST_RADIO_LAST);
        ExpectWindowPlacement(window);
        HWND self = window.Window();
        PostMessageA(self, WM_SYSCOMMAND, SC_CLOSE | 2, 0);
        PostMessageA(self, WM_COMMAND, MAKEWPARAM(IDC_TEST_COMBO, CBN_SELCHANGE), 0);
        PostMessageA(self, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    bool OnSysCommand(unsigned command) override
    {
        calls.push_back("syscommand " + std::to_string(command));
        return true;  // handled: the close box does not turn into IDCANCEL
    }
    bool OnCommand(int id) override
    {
        calls.push_back("command " + std::to_string(id));
        window.EndDialog(42);
        return true;
    }
    Win32Dialog& window;
    std::vector<std::string> calls;
};

TEST(ModalDialogTest, RunsThroughTheDialogProcedureUntilEndDialog)
{
    Win32ModalRunner runner(GetModuleHandleA(0), 0);
    ModalTestLogic logic(runner);
    EXPECT_EQ(42, runner.Run(IDD_WINDOW_LAYER_TEST, logic));
    EXPECT_EQ((std::vector<std::string>{"syscommand 61536", "command 1"}), logic.calls);
    EXPECT_EQ(DialogNotCreated, runner.Run(12345, logic)) << "no such template";
}

// The template's own header: caption, font, size and window style.
TEST(PageResourcesTest, TemplateHeader)
{
    HMODULE module = GetModuleHandleA(0);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_SETTINGS_PAGE), (LPCSTR)RT_DIALOG);
    ASSERT_NE(nullptr, found);
    const WORD* words = (const WORD*)LockResource(LoadResource(module, found));
    const DLGTEMPLATE* header = (const DLGTEMPLATE*)words;
    EXPECT_EQ((DWORD)(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT), header->style);
    EXPECT_EQ(22, header->cdit);
    EXPECT_EQ(253, header->cx);
    EXPECT_EQ(226, header->cy);
    // Menu, class and caption follow as UTF-16 texts, then the point size and the face name.
    const WORD* at = (const WORD*)(header + 1);
    EXPECT_EQ(0, *at++) << "no menu";
    EXPECT_EQ(0, *at++) << "the standard dialog class";
    std::string caption, face;
    while (*at) caption += (char)*at++;
    ++at;
    EXPECT_EQ("Tarvo", caption);
    EXPECT_EQ(8, *at++);
    while (*at) face += (char)*at++;
    EXPECT_EQ("MS Sans Serif", face);
}

// The three string sets at 1-39, 40-78 and 79-117, then groups of one string per language, in
// the system's ANSI code page.
TEST(PageResourcesTest, StringSets)
{
    HMODULE module = GetModuleHandleA(0);
    const struct {
        UINT id;
        const char* text;
    } samples[] = {
        {1, "Tarvello"}, {2, "Voodoo5 Settings"}, {19, "Author: Ansgar Lindqvist"},
        {20, "Version "}, {21, " English"}, {39, "Cancel"},
        {40, "Tarvo"}, {41, "R\xE9glages de la Voodoo5"}, {58, "Auteur: Ansgar Lindqvist"},
        {60, " Fran\xE7" "ais"}, {61, "Fr\xE9quences de rafra\xEE" "chissement"}, {78, "Annuler"},
        {79, "Tarvo"}, {95, "\xDC" "ber"}, {97, "Author: Ansgar Lindqvist"}, {99, " Deutsch"},
        {85, "G&rafik Takt Anpassung aktivieren"}, {117, "Abbruch"},
        {119, "Les r\xE9glages n'ont pas pu \xEAtre enregistr\xE9s : le registre a refus\xE9 une "
              "modification. Sous Windows NT, 2000 et XP, seul un administrateur peut les modifier."},
        {129, "Ihre Tarvello Einstellungen wurden durch eine Treiberinstallation ge\xE4ndert."},
        {131, "R\xE9&tablir"},
    };
    for (const auto& sample : samples) {
        char text[512];
        EXPECT_GT(LoadStringA(module, sample.id, text, sizeof text), 0) << sample.id;
        EXPECT_STREQ(sample.text, text) << sample.id;
    }
    char text[16];
    for (UINT id = 1; id <= 132; ++id) EXPECT_GT(LoadStringA(module, id, text, sizeof text), 0) << id;
    EXPECT_EQ(0, LoadStringA(module, 133, text, sizeof text));
    EXPECT_EQ(0, LoadStringA(module, 0, text, sizeof text));
}

TEST(ModuleVersionTest, ReadsTheFixedFileVersion)
{
    Win32ModuleVersion module(GetModuleHandleA(0));
    char path[MAX_PATH];
    ASSERT_TRUE(module.GetModulePath(path, sizeof path));
    unsigned long most = 7, least = 7;
    ASSERT_TRUE(module.ReadFileVersion(path, &most, &least));
    EXPECT_EQ(0x00010000ul, most);
    EXPECT_EQ(0ul, least);

    char tiny[4];
    EXPECT_FALSE(module.GetModulePath(tiny, sizeof tiny)) << "a cut path is no path";
}

TEST(ModuleVersionTest, FileWithoutVersionLeavesTheWordsAlone)
{
    char directory[MAX_PATH], file[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    GetTempFileNameA(directory, "tv", 0, file);  // an empty file
    Win32ModuleVersion module(GetModuleHandleA(0));
    unsigned long most = 7, least = 7;
    EXPECT_FALSE(module.ReadFileVersion(file, &most, &least));
    EXPECT_FALSE(module.ReadFileVersion("C:\\no such directory\\none.dll", &most, &least));
    EXPECT_EQ(7ul, most);
    EXPECT_EQ(7ul, least);
    DeleteFileA(file);
}

}  // namespace
