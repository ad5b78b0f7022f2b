// The layout tables against the dialog templates on real windows: the English rows are the
// rectangles of the templates the windows load, the wide rows those of the French reference
// templates, whose controls follow the same order without identifiers.
#include "page/localisation/Layout.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
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

}  // namespace
