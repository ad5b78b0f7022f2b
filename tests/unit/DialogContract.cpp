#include "tests/unit/DialogContract.h"

#include <string>

namespace tarv {

void ExpectComboBoxBehaviour(Dialog& dialog, int combo, const CallSite& site)
{
    CallerTrace trace(site);
    dialog.ComboResetContent(combo);
    const char* items[] = {"60", "72", "75", "Optimal"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(i, dialog.ComboAddString(combo, items[i])) << "appended";
    EXPECT_EQ(ComboError, dialog.ComboGetCurSel(combo)) << "nothing selected after a fill";

    // Prefix, case ignored, the first match counting from item 0; no match keeps the selection.
    const struct {
        int start;
        const char* text;
        int result;
        int selected;
    } selections[] = {
        {-1, "7", 1, 1},   {-1, "oPTI", 3, 3}, {-1, "8", ComboError, 3}, {-1, "6", 0, 0},
        {-1, "720", ComboError, 0}, {1, "7", 2, 2}, {2, "7", 1, 1},  // after start, wrapping round
    };
    for (const auto& s : selections) {
        EXPECT_EQ(s.result, dialog.ComboSelectString(combo, s.start, s.text)) << s.start << " " << s.text;
        EXPECT_EQ(s.selected, dialog.ComboGetCurSel(combo)) << s.start << " " << s.text;
    }
    dialog.ComboSelectString(combo, -1, "opt");
    char shown[16];
    dialog.GetText(combo, shown, sizeof shown);
    EXPECT_STREQ("Optimal", shown) << "the edit field shows the chosen item";

    // Whole texts, case ignored, selecting nothing. No selection empties the field, and a text
    // set on the field leaves the list without one.
    EXPECT_EQ(3, dialog.ComboFindStringExact(combo, -1, "oPTIMAL"));
    EXPECT_EQ(ComboError, dialog.ComboFindStringExact(combo, -1, "7"));
    dialog.ComboSetCurSel(combo, -1);
    dialog.GetText(combo, shown, sizeof shown);
    EXPECT_STREQ("", shown);
    dialog.SetText(combo, "90");
    dialog.GetText(combo, shown, sizeof shown);
    EXPECT_STREQ("90", shown);
    EXPECT_EQ(ComboError, dialog.ComboGetCurSel(combo));

    // Item texts are copied only whole, never past the buffer.
    std::string buffer(16, '#');
    EXPECT_EQ(2, dialog.ComboGetLBText(combo, 1, &buffer[0], 3));
    EXPECT_EQ(std::string("72\0#", 4), buffer.substr(0, 4));
    buffer.assign(16, '#');
    EXPECT_EQ(7, dialog.ComboGetLBText(combo, 3, &buffer[0], 8));
    EXPECT_STREQ("Optimal", buffer.c_str());
    buffer.assign(16, '#');
    EXPECT_EQ(ComboError, dialog.ComboGetLBText(combo, 3, &buffer[0], 7)) << "one short";
    EXPECT_EQ(ComboError, dialog.ComboGetLBText(combo, 4, &buffer[0], 16)) << "no such item";
    EXPECT_EQ(ComboError, dialog.ComboGetLBText(combo, ComboError, &buffer[0], 16)) << "no selection";
    EXPECT_EQ(std::string(16, '#'), buffer) << "refused items leave the buffer alone";

    dialog.ComboResetContent(combo);
    EXPECT_EQ(ComboError, dialog.ComboGetCurSel(combo));
    EXPECT_EQ(ComboError, dialog.ComboSelectString(combo, -1, ""));
    EXPECT_EQ(ComboError, dialog.ComboGetLBText(combo, 0, &buffer[0], 16));
}

void ExpectTextBehaviour(Dialog& dialog, int control, const CallSite& site)
{
    CallerTrace trace(site);
    char shown[16];
    for (unsigned value : {0u, 4294967295u}) {
        dialog.SetUnsigned(control, value);
        dialog.GetText(control, shown, sizeof shown);
        EXPECT_EQ(std::to_string(value), shown) << "unsigned, every digit";
    }
}

void ExpectRadioButtonBehaviour(Dialog& dialog, int first, int last, const CallSite& site)
{
    CallerTrace trace(site);
    // Checked through its group and then cleared on its own, a button shows clear.
    dialog.CheckRadioButton(first, last, last);
    dialog.SetCheck(last, Unchecked);
    EXPECT_EQ(Unchecked, dialog.GetCheck(last));
    for (int checked : {first + 1, last, first}) {
        dialog.CheckRadioButton(first, last, checked);
        for (int id = first; id <= last; ++id)
            EXPECT_EQ(id == checked ? Checked : Unchecked, dialog.GetCheck(id)) << id << " with " << checked;
    }
}

void ExpectWindowPlacement(Dialog& dialog, const CallSite& site)
{
    CallerTrace trace(site);
    EXPECT_GT(dialog.ScreenWidth(), 300);
    EXPECT_GT(dialog.ScreenHeight(), 200);
    dialog.MoveWindow(10, 20, 300, 200);
    DialogRect rect = {0, 0, 0, 0};
    dialog.GetWindowRect(&rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(310, rect.right);
    EXPECT_EQ(220, rect.bottom);
}

}  // namespace tarv
