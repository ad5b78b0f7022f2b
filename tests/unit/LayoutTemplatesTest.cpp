// The layout tables against the dialog templates on real windows: the English rows are the
// rectangles of the templates the windows load, the wide rows those of the French reference
// templates, whose controls follow the same order without identifiers.
#include "page/localisation/Layout.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "ui/win32/DialogTemplate.h"
#include "ui/win32/Win32Dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

using namespace tarv;

namespace {

INT_PTR CALLBACK QuietProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct TemplateWindow {
    explicit TemplateWindow(int id)
        : window(CreateDialogParamA(GetModuleHandleA(0), MAKEINTRESOURCEA(id), 0, QuietProcedure, 0))
    {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
    }
    ~TemplateWindow() { DestroyWindow(window); }
    // A child's rectangle in the dialog's client pixels.
    RECT Place(HWND child)
    {
        RECT rect;
        ::GetWindowRect(child, &rect);
        MapWindowPoints(0, window, (POINT*)&rect, 2);
        return rect;
    }
    HWND window;
    std::vector<HWND> children;
};

const ControlPlacement* RowOf(const LayoutTable& table, int id)
{
    for (int i = 0; i < table.count; ++i)
        if (table.rows[i].id == id) return &table.rows[i];
    return nullptr;
}

// How far a control's list drops, in pixels; 0 for a control without one.
int DropHeight(HWND control)
{
    RECT dropped = {0, 0, 0, 0};
    SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
    return dropped.bottom - dropped.top;
}

// Counts the moves the controls are sent: a control left in place is not even asked.
std::vector<std::pair<HWND, WNDPROC>> countedControls;
int movesSent = 0;

LRESULT CALLBACK CountMoves(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGING) ++movesSent;
    for (const auto& counted : countedControls)
        if (counted.first == control) return CallWindowProcA(counted.second, control, message, wParam, lParam);
    return DefWindowProcA(control, message, wParam, lParam);
}

bool SamePlace(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Through the window layer, the English table leaves every control of the loaded template where
// the dialog manager put it, lists dropping as far as before; the wide table then puts each one
// exactly where the reference template has its counterpart.
void ExpectLayouts(int loadedTemplate, const LayoutTable& english, int referenceTemplate,
                   const LayoutTable& wide)
{
    TemplateWindow loaded(loadedTemplate), reference(referenceTemplate);
    ASSERT_NE(nullptr, loaded.window);
    ASSERT_NE(nullptr, reference.window);
    ASSERT_EQ(loaded.children.size(), reference.children.size());
    std::vector<RECT> created;
    std::vector<int> drops;
    for (HWND child : loaded.children) {
        created.push_back(loaded.Place(child));
        drops.push_back(DropHeight(child));
    }
    Win32Dialog dialog;
    dialog.Attach(loaded.window);
    countedControls.clear();
    for (HWND child : loaded.children)
        countedControls.push_back({child, (WNDPROC)SetWindowLongPtrA(child, GWLP_WNDPROC, (LONG_PTR)CountMoves)});
    movesSent = 0;
    ApplyLayout(dialog, english);
    EXPECT_EQ(0, movesSent);
    for (size_t i = 0; i < loaded.children.size(); ++i) {
        HWND child = loaded.children[i];
        EXPECT_TRUE(SamePlace(created[i], loaded.Place(child))) << "moved: " << GetDlgCtrlID(child);
        EXPECT_EQ(drops[i], DropHeight(child)) << GetDlgCtrlID(child);
    }
    ApplyLayout(dialog, wide);
    int rowsSeen = 0;
    for (size_t i = 0; i < loaded.children.size(); ++i) {
        const int id = GetDlgCtrlID(loaded.children[i]);
        const int referenceId = GetDlgCtrlID(reference.children[i]);
        EXPECT_TRUE(referenceId == 0xFFFF || (referenceId == IDOK && id == IDOK)) << id;
        const bool moved = RowOf(english, id) != nullptr;
        EXPECT_EQ(moved, RowOf(wide, id) != nullptr) << id;
        if (!moved) continue;
        ++rowsSeen;
        EXPECT_TRUE(SamePlace(reference.Place(reference.children[i]), loaded.Place(loaded.children[i])))
            << "control " << id << " not where template " << referenceTemplate << " has it";
        EXPECT_EQ(drops[i], DropHeight(loaded.children[i])) << id;
    }
    EXPECT_EQ(english.count, rowsSeen);
}

TEST(LayoutTemplatesTest, SettingsPage)
{
    ExpectLayouts(IDD_SETTINGS_PAGE, PageLayoutEnglish, IDD_SETTINGS_PAGE_WIDE, PageLayoutWide);
}

TEST(LayoutTemplatesTest, RefreshRatesDialog)
{
    ExpectLayouts(IDD_REFRESH_RATES, RatesLayoutEnglish, IDD_REFRESH_RATES_WIDE, RatesLayoutWide);
}

// What the template reader takes from each template is what the dialog manager made of it; a
// control whose identifier others share is never relied on.
TEST(LayoutTemplatesTest, TemplateReaderAgreesWithTheCreatedControls)
{
    const HMODULE module = GetModuleHandleA(0);
    TemplateControl controls[64];
    for (int id : {IDD_SETTINGS_PAGE, IDD_REFRESH_RATES, IDD_SETTINGS_PAGE_WIDE, IDD_REFRESH_RATES_WIDE}) {
        SCOPED_TRACE(id);
        TemplateWindow created(id);
        const bool wide = id == IDD_SETTINGS_PAGE_WIDE || id == IDD_REFRESH_RATES_WIDE;  // French texts
        const int count = ReadDialogTemplate(module, id, controls, 64);
        ASSERT_EQ((int)created.children.size(), count);
        for (int i = 0; i < count; ++i) {
            const TemplateControl& control = controls[i];
            const HWND child = created.children[i];
            EXPECT_EQ(GetDlgCtrlID(child), control.id);
            const DWORD states = WS_VISIBLE | WS_DISABLED;
            EXPECT_EQ(GetWindowLongA(child, GWL_STYLE) & states, control.style & states) << control.id;
            char text[128], className[32];
            GetWindowTextA(child, text, sizeof text);
            GetClassNameA(child, className, sizeof className);
            RECT origin = {control.x, control.y, 0, 0}, size = {control.cx, control.cy, 0, 0};
            MapDialogRect(created.window, &origin);
            MapDialogRect(created.window, &size);
            const RECT place = {origin.left, origin.top, origin.left + size.left, origin.top + size.top};
            // A combo box's closed height is its own.
            if (_stricmp(className, "ComboBox") != 0)
                EXPECT_TRUE(SamePlace(place, created.Place(child))) << control.id;
            const bool buttonOrStatic = _stricmp(className, "Button") == 0 || _stricmp(className, "Static") == 0;
            EXPECT_EQ(buttonOrStatic, control.classAtom == ButtonClassAtom || control.classAtom == StaticClassAtom)
                << control.id;
            if (buttonOrStatic && !wide) EXPECT_TRUE(TemplateTextIs(control, text)) << text;
            bool shared = false;
            for (int j = 0; j < count; ++j) shared = shared || (j != i && controls[j].id == control.id);
            EXPECT_EQ(!shared, control.trusted) << control.id;
        }
    }
    EXPECT_EQ(0, ReadDialogTemplate(module, 12345, controls, 64)) << "no such template";
    EXPECT_EQ(0, ReadDialogTemplate(module, IDD_SETTINGS_PAGE, controls, 3)) << "more controls than slots";
}

}  // namespace
