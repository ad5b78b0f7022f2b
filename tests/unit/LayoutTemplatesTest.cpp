// The layout tables against the dialog templates on real windows: the English rows are the
// rectangles of the templates the windows load, the wide rows those of the French reference
// templates, whose controls follow the same order without identifiers.
#include "page/localisation/Layout.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
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

void ExpectLayouts(int loadedTemplate, const LayoutTable& english, int referenceTemplate,
                   const LayoutTable& wide)
{
    TemplateWindow loaded(loadedTemplate), reference(referenceTemplate);
    ASSERT_NE(nullptr, loaded.window);
    ASSERT_NE(nullptr, reference.window);
    ASSERT_EQ(loaded.children.size(), reference.children.size());
    int rowsSeen = 0;
    for (size_t i = 0; i < loaded.children.size(); ++i) {
        const int id = GetDlgCtrlID(loaded.children[i]);
        const int referenceId = GetDlgCtrlID(reference.children[i]);
        EXPECT_TRUE(referenceId == 0xFFFF || (referenceId == IDOK && id == IDOK)) << id;
        const ControlPlacement* narrow = RowOf(english, id);
        const ControlPlacement* broad = RowOf(wide, id);
        if (!narrow || !broad) continue;  // never moved
        ++rowsSeen;
        const struct {
            TemplateWindow& window;
            const ControlPlacement& row;
        } checks[] = {{loaded, *narrow}, {reference, *broad}};
        for (const auto& check : checks) {
            RECT expected = {check.row.x, check.row.y, check.row.x + check.row.width,
                             check.row.y + check.row.height};
            MapDialogRect(check.window.window, &expected);
            RECT actual = check.window.Place(check.window.children[i]);
            // The templates' lists are taller: they carry their drop-down height.
            if (check.row.height == 12) actual.bottom = expected.bottom;
            // Templates scale width and height, MapDialogRect both edges: a pixel apart at most.
            const int off = abs(expected.left - actual.left) + abs(expected.top - actual.top);
            const int size = abs((expected.right - expected.left) - (actual.right - actual.left)) +
                             abs((expected.bottom - expected.top) - (actual.bottom - actual.top));
            EXPECT_TRUE(off == 0 && size <= 2) << "control " << id << " in template "
                << (&check.window == &loaded ? loadedTemplate : referenceTemplate);
        }
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
