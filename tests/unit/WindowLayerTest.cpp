// The headless dialog's combo boxes, radio buttons and window placement, and modal runs on it.
#include "tests/unit/DialogContract.h"
#include "ui/headless/HeadlessModalRunner.h"

#include <gtest/gtest.h>

using namespace tarv;

namespace {

TEST(HeadlessDialogTest, BehavesLikeTheRealControls)
{
    HeadlessDialog dialog;
    ExpectComboBoxBehaviour(dialog, 100);
    ExpectTextBehaviour(dialog, 101);
    ExpectRadioButtonBehaviour(dialog, 101, 103);
    ExpectWindowPlacement(dialog);
}

// A dialog that ends with its OK button's click.
struct OkDialog : DialogLogic {
    explicit OkDialog(Dialog& window) : window(window) {}
    bool OnInitDialog() override
    {
        window.SetText(1, "OK");
        return true;
    }
    bool OnCommand(int id) override
    {
        if (id != IdOk) return false;
        window.EndDialog(7);
        return true;
    }
    Dialog& window;
};

TEST(HeadlessModalRunnerTest, RunsEachDialogOnAFreshWindowUntilItEnds)
{
    HeadlessModalRunner runner;
    OkDialog logic(runner.Window());
    runner.script = [&](int templateId, HeadlessDialog& window) {
        EXPECT_EQ("OK", window.Text(1)) << "initialised first";
        EXPECT_FALSE(window.HasControl(2)) << "a fresh window";
        window.SetText(2, "left behind");
        if (templateId == 503) logic.OnCommand(IdOk);
    };
    EXPECT_EQ(7, runner.Run(503, logic));
    EXPECT_EQ(DialogNotCreated, runner.Run(504, logic)) << "never ended";
    EXPECT_EQ(7, runner.Run(503, logic));
    EXPECT_EQ((std::vector<int>{503, 504, 503}), runner.templatesRun);
}

}  // namespace
