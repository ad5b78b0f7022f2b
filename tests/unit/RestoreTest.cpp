// The copy of the user's saves through the tab's flows, on a Windows 98 PC with Voodoo5 boards
// at 0001 and 0003: a driver installation wipes the boards' values, the tab shows a line with
// a Restore button, and Restore puts every value back on both boards.
#include "page/CVDPropPage.h"

#include "platform/fake/FakePlatform.h"
#include "registry/ProductSettings.h"
#include "registry/memory/MemoryRegistry.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tests/unit/CallSite.h"
#include "tests/unit/FakeModuleVersion.h"
#include "tests/unit/RcStrings.h"
#include "ui/headless/HeadlessModalRunner.h"
#include "ui/headless/HeadlessPageSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarv;

namespace {

const std::string Display = "System\\CurrentControlSet\\Services\\Class\\Display\\";

// What 3dfx's 1.07.00 INF does to both boards: their GLIDE, D3D and MODES keys deleted, then
// its own swap interval and mode keys, the 16- and 32-bit ones without values; lacking names a
// mode key this driver does not write.
std::string InstallDriver(const std::string& lacking = "")
{
    std::string text;
    for (const char* board : {"0001", "0003"}) {
        const std::string key = "HKEY_LOCAL_MACHINE\\" + Display + board;
        text += "[-" + key + "\\GLIDE]\n[-" + key + "\\D3D]\n[-" + key + "\\MODES]\n[" + key +
                "\\GLIDE]\n\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n";
        for (const char* depth : {"8", "16", "32"})
            for (const char* resolution : {"640,480", "800,600", "1024,768"})
                if (std::string(depth) + "\\" + resolution != lacking)
                    text += "[" + key + "\\MODES\\" + depth + "\\" + resolution + "]\n" +
                            (depth[0] == '8' ? "@=\"60,72,75,85\"\n" : "");
    }
    return text;
}

class RestoreTest : public ::testing::Test {
protected:
    RestoreTest() : strings(ReadRcStrings()), page(dialog, sheet, registry, platform, version, runner, strings)
    {
        platform.PoseAsWindows98();
        std::string error;
        EXPECT_TRUE(registry.LoadRegFile(TARV_FIXTURES "/win98-two-voodoo5.reg", &error)) << error;
        Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"EnableClock\"=\"0\"\n");
    }
    void Seed(const std::string& sections)
    {
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }
    // A fresh page window; true when the restore line shows.
    bool Open(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        dialog.Reset();
        page.OnInitDialog();
        EXPECT_EQ(0, registry.OpenHandleCount());
        EXPECT_EQ(dialog.At(IDC_RESTORE_NOTE).shown, dialog.At(IDC_RESTORE).shown);
        return dialog.At(IDC_RESTORE_NOTE).shown;
    }
    // On the tab both switches and a clock of 175; in the dialog a rate at 8 bits (saved), then
    // two at 16 bits and the optimal adapter setting (OK).
    void SaveTuning(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_FALSE(Open()) << "nothing remembered yet";
        page.OnCommand(IDC_OPENGL_SWAP);
        page.OnCommand(IDC_D3D_SWAP);
        page.OnCommand(IDC_ENABLE_CLOCK);
        dialog.DragTrackbar(IDC_CLOCK_TRACKBAR, 175);
        page.OnHScroll(IDC_CLOCK_TRACKBAR);
        EXPECT_TRUE(page.OnApply());
        runner.script = [this](int, HeadlessDialog& window) {
            window.ComboSelectString(IDC_RATE_640X480, -1, "72");
            runner.running->OnCommand(IDC_SAVE);
            runner.running->OnCommand(IDC_DEPTH_16);
            window.ComboSelectString(IDC_RATE_800X600, -1, "85");
            window.ComboSelectString(IDC_RATE_1024X768, -1, "Optimal");
            runner.running->OnCommand(IDC_ADAPTER_OPTIMAL_RATE);
            runner.running->OnCommand(IdOk);
        };
        page.OnCommand(IDC_REFRESH_RATES);
        EXPECT_TRUE(dialog.messages.empty());
    }
    std::string Value(const std::string& path, const char* name)
    {
        std::vector<unsigned char> data;
        unsigned long type;
        if (!registry.GetValue(HiveLocalMachine, path.c_str(), name, &type, &data) || data.empty())
            return "<missing>";
        return std::string(data.begin(), data.end() - 1);
    }
    void ExpectTuning(const std::string& board, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        const std::string key = Display + board;
        EXPECT_EQ("175", Value(key + "\\DEFAULT", "Grxclock"));
        EXPECT_EQ("-1", Value(key + "\\DEFAULT", "RefreshRate"));
        EXPECT_EQ("0", Value(key + "\\Glide", "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_EQ("0", Value(key + "\\D3D", "SSTH3_SWAPINTERVAL"));
        EXPECT_EQ("72", Value(key + "\\MODES\\8\\640,480", "RefreshRate"));
        EXPECT_EQ("85", Value(key + "\\MODES\\16\\800,600", "RefreshRate"));
        EXPECT_EQ("-1", Value(key + "\\MODES\\16\\1024,768", "RefreshRate"));
    }

    MemoryRegistry registry;
    FakePlatform platform;
    HeadlessDialog dialog;
    HeadlessPageSheet sheet;
    FakeModuleVersion version;
    HeadlessModalRunner runner;
    FakeStringTable strings;
    CVDPropPage page;
};

TEST_F(RestoreTest, ADriverInstallationIsNoticedAndRestoreBringsEverythingBackOnBothBoards)
{
    SaveTuning();
    EXPECT_FALSE(Open()) << "the boards hold what was saved";
    Seed(InstallDriver());
    ASSERT_TRUE(Open());
    EXPECT_EQ(strings.strings[IDS_RESTORE_NOTE], dialog.Text(IDC_RESTORE_NOTE));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_D3D_SWAP));
    dialog.PointCursorAt(IDC_VERSION_LINE);  // the language gesture: French
    page.OnRButtonDown(MouseLeftButton | MouseRightButton | MouseControl | MouseShift);
    EXPECT_EQ(strings.strings[IDS_RESTORE + 1], dialog.Text(IDC_RESTORE));

    page.OnCommand(IDC_RESTORE);
    EXPECT_EQ(0, registry.OpenHandleCount());
    EXPECT_TRUE(dialog.messages.empty());
    ExpectTuning("0001");
    ExpectTuning("0003");
    EXPECT_FALSE(dialog.At(IDC_RESTORE_NOTE).shown) << "the page shows the restored state";
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_D3D_SWAP));
    const std::string restored = registry.SaveRegText();
    EXPECT_FALSE(Open());
    EXPECT_EQ(restored, registry.SaveRegText()) << "opening writes nothing";
}

TEST_F(RestoreTest, AResolutionTheNewDriverLacksIsLeftAloneAndKeptInTheCopy)
{
    SaveTuning();
    Seed(InstallDriver("16\\800,600"));
    ASSERT_TRUE(Open());
    page.OnCommand(IDC_RESTORE);
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_FALSE(registry.KeyExists(HiveLocalMachine, (Display + "0003\\MODES\\16\\800,600").c_str()));
    EXPECT_EQ("-1", Value(Display + "0003\\MODES\\16\\1024,768", "RefreshRate"));
    // In mode-table order: 640x480 at Adapter, 800x600, 960x720 not offered, 1024x768.
    EXPECT_EQ(";85;;-1", Value(RememberedSettingsKey, "Rates16"));
    EXPECT_FALSE(Open()) << "nothing left that could be put back";
}

TEST_F(RestoreTest, FactoryDefaultsForgetTheCopy)
{
    SaveTuning();
    Seed(InstallDriver());
    ASSERT_TRUE(Open());
    page.OnCommand(IDC_FACTORY_DEFAULTS);
    EXPECT_TRUE(page.OnApply());
    EXPECT_FALSE(registry.KeyExists(HiveLocalMachine, RememberedSettingsKey));
    EXPECT_FALSE(Open());
}

TEST_F(RestoreTest, AValueAnotherToolChangedShowsTheLineAndStaysUntilRestore)
{
    SaveTuning();
    // The driver's own tab turns Direct3D's vsync back on for the shown board.
    Seed("[HKEY_LOCAL_MACHINE\\" + Display + "0003\\D3D]\n\"SSTH3_SWAPINTERVAL\"=-\n");
    const std::string changed = registry.SaveRegText();
    EXPECT_TRUE(Open());
    EXPECT_TRUE(Open());
    EXPECT_EQ(changed, registry.SaveRegText()) << "nothing is put back without the button";
    page.OnCommand(IDC_RESTORE);
    EXPECT_EQ("0", Value(Display + "0003\\D3D", "SSTH3_SWAPINTERVAL"));
}

TEST_F(RestoreTest, WithoutAProductKeyNothingIsRemembered)
{
    registry.DeleteKey(HiveLocalMachine, ProductSettingsKey);
    SaveTuning();
    ExpectTuning("0003");
    EXPECT_FALSE(registry.KeyExists(HiveLocalMachine, ProductSettingsKey));
}

}  // namespace
