// The settings page on the headless dialog: what each flavour shows after initialisation, the
// check boxes, the trackbar, factory defaults, the modified mark, apply, cancel, the texts and
// layout of each language and the hidden gestures.
#include "page/CVDPropPage.h"

#include "page/localisation/Layout.h"

#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeStringTable.h"
#include "registry/memory/MemoryRegistry.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tests/unit/CallSite.h"
#include "tests/unit/FakeModuleVersion.h"
#include "tests/unit/LayoutExpectations.h"
#include "tests/unit/RcStrings.h"
#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessModalRunner.h"
#include "ui/headless/HeadlessPageSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarv;

namespace {

const char ProductKey[] = "Software\\Tarvello";
const char Instance0[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const char Instance1[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0001";
const char Nt4Key[] = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
const char Nt5Key[] = "SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0";
const char NtGlideKey[] = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\Glide";

const unsigned AllGestureKeys = MouseLeftButton | MouseRightButton | MouseControl | MouseShift;

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[HKEY_LOCAL_MACHINE\\" + path + "]\n" + values + "\n";
}

std::string Product(int lower, int upper, int enableClock, int defaultClock = 166)
{
    return Section(ProductKey, "\"LowerLimit\"=\"" + std::to_string(lower) + "\"\n" +
                                   "\"UpperLimit\"=\"" + std::to_string(upper) + "\"\n" +
                                   "\"Model\"=\"Voodoo5 5500\"\n" +
                                   "\"DefaultClock\"=\"" + std::to_string(defaultClock) + "\"\n" +
                                   "\"EnableClock\"=\"" + std::to_string(enableClock) + "\"\n");
}

std::string Voodoo5(const char* instance, const std::string& clock = "")
{
    std::string text = Section(instance, "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n");
    if (!clock.empty()) text += Section(std::string(instance) + "\\DEFAULT", "\"Grxclock\"=\"" + clock + "\"\n");
    return text;
}

std::string Swap(const char* instance, const char* subkey, const char* name)
{
    return Section(std::string(instance) + subkey, std::string("\"") + name + "\"=\"0\"\n");
}

class PageTest : public ::testing::Test {
protected:
    PageTest() : strings(ReadRcStrings()), page(dialog, sheet, registry, platform, version, runner, strings)
    {
        platform.PoseAsWindows98();
    }

    void Seed(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }
    // A typical Windows 98 PC: one Voodoo5 5500 at 0000, limits 120..220.
    void SeedWin98(int enableClock, const std::string& clock = "", CallSite site = CallSite())
    {
        CallerTrace trace(site);
        Seed(Product(120, 220, enableClock) + Voodoo5(Instance0, clock));
    }
    // The sheet creates the page window: a fresh window of template 501.
    void Open(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        dialog.Reset();
        EXPECT_TRUE(page.OnInitDialog());
        ExpectAllClosed();
    }
    void Click(int id, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        page.OnCommand(id);
        ExpectAllClosed();
    }
    void MoveTrackbar(int position)
    {
        dialog.DragTrackbar(IDC_CLOCK_TRACKBAR, position);
        page.OnHScroll(IDC_CLOCK_TRACKBAR);
    }
    void ExpectAllClosed(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
    }

    std::string Value(const std::string& path, const char* name)
    {
        unsigned long type = 0;
        std::vector<unsigned char> data;
        if (!registry.GetValue(HiveLocalMachine, path.c_str(), name, &type, &data))
            return "<missing>";
        if (type == RegSz && !data.empty() && data.back() == 0)
            return std::string(data.begin(), data.end() - 1);
        if (type == RegDword && data.size() == 4)
            return "dword:" + std::to_string(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24);
        return "type " + std::to_string(type);
    }
    HeadlessDialog::Trackbar& Trackbar() { return dialog.At(IDC_CLOCK_TRACKBAR).trackbar; }
    bool ClockControlsEnabled(bool enabled)
    {
        for (int id : {IDC_CLOCK_TRACKBAR, IDC_CLOCK_VALUE, IDC_CLOCK_UNIT, IDC_LOWER_LIMIT,
                       IDC_UPPER_LIMIT, IDC_RESTART_NOTE})
            if (dialog.IsEnabled(id) != enabled) return false;
        return true;
    }

    MemoryRegistry registry;
    FakePlatform platform;
    HeadlessDialog dialog;
    HeadlessPageSheet sheet;
    FakeModuleVersion version;  // the library's own file: version 1.0.0.0 unless a test says otherwise
    HeadlessModalRunner runner;
    FakeStringTable strings;  // the library's string table
    CVDPropPage page;
};

TEST_F(PageTest, Windows98ShowsTheStoredSettings)
{
    SeedWin98(1, "175");
    Seed(Swap(Instance0, "\\Glide", "FX_GLIDE_SWAPINTERVAL"));
    Open();

    EXPECT_EQ(Checked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_D3D_SWAP));
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(dialog.IsEnabled(IDC_D3D_SWAP));
    EXPECT_TRUE(dialog.IsEnabled(IDC_REFRESH_RATES));
    EXPECT_TRUE(dialog.IsEnabled(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(ClockControlsEnabled(true));

    // The trackbar is set up in this order, each message redrawing.
    const std::vector<std::vector<long>> expected = {
        {HeadlessDialog::TbmClearTics, 1, 0},      {HeadlessDialog::TbmSetTicFreq, 2, 0},
        {HeadlessDialog::TbmSetRangeMin, 1, 120},  {HeadlessDialog::TbmSetRangeMax, 1, 220},
        {HeadlessDialog::TbmSetPos, 1, 175}};
    std::vector<std::vector<long>> sent;
    for (const auto& m : dialog.trackbarLog) {
        EXPECT_EQ(IDC_CLOCK_TRACKBAR, m.id);
        sent.push_back({(long)m.message, m.wParam, m.lParam});
    }
    EXPECT_EQ(expected, sent);
    EXPECT_EQ(175, Trackbar().position);

    EXPECT_EQ("175", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ("120", dialog.Text(IDC_LOWER_LIMIT));
    EXPECT_EQ("220", dialog.Text(IDC_UPPER_LIMIT));
    EXPECT_EQ("Voodoo5 5500", dialog.Text(IDC_MODEL));
    EXPECT_EQ("Version 1.0 English", dialog.Text(IDC_VERSION_LINE));
    ASSERT_EQ(1u, version.readFrom.size());
    EXPECT_EQ("C:\\WINDOWS\\SYSTEM\\TARVPAGE.DLL", version.readFrom[0]);

    EXPECT_EQ(0, sheet.changedCount);
    EXPECT_TRUE(dialog.messages.empty());
}

TEST_F(PageTest, AdjustmentOffDisablesOnlyTheClockControls)
{
    SeedWin98(0, "175");
    Seed(Swap(Instance0, "\\D3D", "SSTH3_SWAPINTERVAL"));
    Open();
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(dialog.IsEnabled(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(ClockControlsEnabled(false));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_D3D_SWAP));
    // The stored clock is shown even though adjustment is off.
    EXPECT_EQ(175, Trackbar().position);
}

TEST_F(PageTest, AnyNonZeroEnableClockShowsTheBoxChecked)
{
    SeedWin98(2, "175");
    Open();
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(ClockControlsEnabled(true));
}

class PageNtTest : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(PageNtTest, DisablesDirect3DAndRefreshRates)
{
    const bool nt4 = GetParam() == WinNT4;
    if (nt4)
        platform.PoseAsNt4();
    else
        platform.PoseAsWindows2000();
    Seed(Product(120, 220, 1) +
         Section(nt4 ? Nt4Key : Nt5Key, "\"GraphicsClocking\"=dword:000000b4\n"
                                        "\"SSTH3_SWAPINTERVAL\"=\"0\"\n") +
         Section(NtGlideKey, "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n"));
    Open();

    EXPECT_EQ(GetParam(), page.settings.osFlavor);
    EXPECT_FALSE(dialog.IsEnabled(IDC_D3D_SWAP));
    EXPECT_FALSE(dialog.IsEnabled(IDC_REFRESH_RATES));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_D3D_SWAP));
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_TRUE(dialog.IsEnabled(IDC_OPENGL_SWAP));
    EXPECT_TRUE(ClockControlsEnabled(true));
    EXPECT_EQ(180, Trackbar().position);
    EXPECT_EQ("180", dialog.Text(IDC_CLOCK_VALUE));
}

INSTANTIATE_TEST_SUITE_P(Flavours, PageNtTest, ::testing::Values((int)WinNT4, (int)WinNT5));

TEST_F(PageTest, CheckBoxesToggleThemselvesAndMarkTheSheetOnce)
{
    SeedWin98(0);
    Open();
    Click(IDC_OPENGL_SWAP);
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(1, page.settings.openGlSwapOff);
    Click(IDC_OPENGL_SWAP);
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(0, page.settings.openGlSwapOff);
    // Undone by hand, but the sheet's Apply stays available.
    EXPECT_TRUE(sheet.sheetModified);
    EXPECT_TRUE(page.modifiedSignalled);

    Click(IDC_D3D_SWAP);
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_D3D_SWAP));
    EXPECT_EQ(1, page.settings.d3dSwapOff);
    EXPECT_EQ(1, sheet.changedCount);
    EXPECT_EQ(0, sheet.unchangedCount);
}

TEST_F(PageTest, TrackbarNotificationsSetTheClock)
{
    SeedWin98(1, "175");
    Open();
    // A notification from elsewhere only refreshes the label.
    dialog.SetText(IDC_CLOCK_VALUE, "");
    page.OnHScroll(0);
    page.OnHScroll(IDC_ENABLE_CLOCK);
    EXPECT_EQ(0, sheet.changedCount);
    EXPECT_EQ("175", dialog.Text(IDC_CLOCK_VALUE));

    MoveTrackbar(200);
    EXPECT_EQ(200, page.settings.currentClock);
    EXPECT_EQ("200", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ(1, sheet.changedCount);
    // The notification that ends a drag without moving counts too, but marks nothing twice.
    page.OnHScroll(IDC_CLOCK_TRACKBAR);
    EXPECT_EQ(200, page.settings.currentClock);
    EXPECT_EQ(1, sheet.changedCount);
    EXPECT_EQ("175", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock")) << "nothing written before apply";
}

TEST_F(PageTest, SwitchingAdjustmentOffReturnsToTheDefaultClock)
{
    SeedWin98(1, "175");
    Open();
    MoveTrackbar(200);
    Click(IDC_ENABLE_CLOCK);
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_EQ(0, page.settings.clockEnabled);
    EXPECT_EQ(166, page.settings.currentClock);
    EXPECT_EQ(166, Trackbar().position);
    EXPECT_EQ("166", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_TRUE(ClockControlsEnabled(false));
    EXPECT_TRUE(dialog.IsEnabled(IDC_ENABLE_CLOCK));

    Click(IDC_ENABLE_CLOCK);
    EXPECT_EQ(Checked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_EQ(1, page.settings.clockEnabled);
    EXPECT_EQ(166, Trackbar().position);
    EXPECT_TRUE(ClockControlsEnabled(true));
    EXPECT_EQ(1, sheet.changedCount);
}

TEST_F(PageTest, FactoryDefaultsResetTheControlsAndMarkTheSheet)
{
    SeedWin98(0);
    Open();
    EXPECT_EQ(0, sheet.changedCount);
    Click(IDC_FACTORY_DEFAULTS);
    EXPECT_EQ(1, sheet.changedCount) << "marked even when nothing differs";

    Click(IDC_OPENGL_SWAP);
    Click(IDC_D3D_SWAP);
    Click(IDC_ENABLE_CLOCK);
    MoveTrackbar(210);
    Click(IDC_FACTORY_DEFAULTS);
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_D3D_SWAP));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_ENABLE_CLOCK));
    EXPECT_TRUE(ClockControlsEnabled(false));
    EXPECT_EQ(166, Trackbar().position);
    EXPECT_EQ("166", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ(0, page.settings.openGlSwapOff);
    EXPECT_EQ(0, page.settings.d3dSwapOff);
    EXPECT_EQ(1, sheet.changedCount);
}

TEST_F(PageTest, ApplyWritesTheTypicalChangeAndClearsTheMark)
{
    SeedWin98(0, "166");
    Seed(Swap(Instance0, "\\Glide", "FX_GLIDE_SWAPINTERVAL") + Swap(Instance0, "\\D3D", "SSTH3_SWAPINTERVAL"));
    Open();
    Click(IDC_OPENGL_SWAP);
    Click(IDC_D3D_SWAP);
    Click(IDC_ENABLE_CLOCK);
    MoveTrackbar(175);
    EXPECT_TRUE(page.OnApply());
    ExpectAllClosed();

    EXPECT_EQ("1", Value(ProductKey, "EnableClock"));
    EXPECT_EQ("175", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock"));
    EXPECT_EQ("<missing>", Value(std::string(Instance0) + "\\Glide", "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_EQ("<missing>", Value(std::string(Instance0) + "\\D3D", "SSTH3_SWAPINTERVAL"));
    EXPECT_FALSE(page.modifiedSignalled);
    EXPECT_FALSE(sheet.sheetModified);
    EXPECT_EQ(1, sheet.unchangedCount);

    // The next change tells the sheet again.
    MoveTrackbar(180);
    EXPECT_EQ(2, sheet.changedCount);
}

TEST_F(PageTest, ApplyWithoutChangesRewritesTheLoadedState)
{
    // A clock left behind while adjustment is off goes at the first apply.
    Seed(Product(120, 220, 0) + Voodoo5(Instance0, "175") + Voodoo5(Instance1, "180"));
    Open();
    EXPECT_TRUE(page.OnApply());
    ExpectAllClosed();
    EXPECT_EQ("0", Value(ProductKey, "EnableClock"));
    EXPECT_EQ("<missing>", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock"));
    EXPECT_EQ("<missing>", Value(std::string(Instance1) + "\\DEFAULT", "Grxclock"));
    EXPECT_EQ(1, sheet.unchangedCount);
}

TEST_F(PageTest, CancelAfterChangesWritesNothing)
{
    SeedWin98(1, "175");
    Seed(Swap(Instance0, "\\Glide", "FX_GLIDE_SWAPINTERVAL"));
    Open();
    const std::string before = registry.SaveRegText();
    Click(IDC_OPENGL_SWAP);
    Click(IDC_D3D_SWAP);
    MoveTrackbar(200);
    Click(IDC_FACTORY_DEFAULTS);
    page.OnCancel();
    ExpectAllClosed();
    EXPECT_EQ(before, registry.SaveRegText());
    EXPECT_FALSE(sheet.sheetModified);
    EXPECT_FALSE(page.modifiedSignalled);
    page.OnOK();
    EXPECT_EQ(before, registry.SaveRegText());
}

TEST_F(PageTest, ClockAboveTheLimitIsReportedBeforeThePageShows)
{
    SeedWin98(1, "250");
    size_t trackbarMessagesAtBox = 99;
    dialog.onMessage = [&](const HeadlessDialog::MessageRecord&) {
        trackbarMessagesAtBox = dialog.trackbarLog.size();
    };
    Open();
    ASSERT_EQ(1u, dialog.messages.size());
    EXPECT_EQ("The Graphics Clock in presently set to 250 Mhz which is above the Upper Limit of 220 "
              "Mhz and will be reset to the Upper Limit now. You will need to restart Windows after "
              "exiting Display Properties.",
              dialog.messages[0].text);
    EXPECT_EQ("Tarvo", dialog.messages[0].caption);
    EXPECT_EQ(MessageOk, dialog.messages[0].style);
    EXPECT_EQ(0u, trackbarMessagesAtBox) << "the box comes before the controls are set up";
    EXPECT_EQ(220, Trackbar().position);
    EXPECT_EQ("220", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ("220", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock"));
    EXPECT_EQ(0, sheet.changedCount) << "the repair is not a change of the user's";
}

// The same with the reset refused: said once, in the page's language, with both numbers.
TEST_F(PageTest, ARefusedClockRepairIsSaidInThePagesLanguage)
{
    platform.language = 0x0407;  // German
    SeedWin98(1, "250");
    registry.DenyOnKey(HiveLocalMachine, (std::string(Instance0) + "\\DEFAULT").c_str(),
                       MemoryRegistry::DenyWrite);
    Open();
    std::string expected = strings.strings[IDS_CLOCK_NOT_RESET + 2];
    expected.replace(expected.find("%d"), 2, "250");
    expected.replace(expected.find("%d"), 2, "220");
    ASSERT_EQ(1u, dialog.messages.size());
    EXPECT_EQ(expected, dialog.messages[0].text);
    EXPECT_EQ(strings.strings[2 * IDS_SET_SIZE + IDS_TAB_TITLE], dialog.messages[0].caption);
}

TEST_F(PageTest, ReopeningStartsAfreshFromTheRegistry)
{
    SeedWin98(1, "175");
    Open();
    Click(IDC_OPENGL_SWAP);
    MoveTrackbar(200);
    page.OnCancel();

    Seed(Section(std::string(Instance0) + "\\DEFAULT", "\"Grxclock\"=\"190\"\n"));
    Open();
    EXPECT_EQ(190, Trackbar().position);
    EXPECT_EQ("190", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ(Unchecked, dialog.GetCheck(IDC_OPENGL_SWAP));
    EXPECT_EQ(0, page.settings.openGlSwapOff);
    EXPECT_FALSE(page.modifiedSignalled);

    const int changedBefore = sheet.changedCount;
    Click(IDC_OPENGL_SWAP);
    EXPECT_EQ(changedBefore + 1, sheet.changedCount);
}

TEST_F(PageTest, ClockExactlyAtALimitLoadsSilentlyAndWritesNothing)
{
    for (const char* clock : {"120", "220"}) {
        SCOPED_TRACE(clock);
        SeedWin98(1, clock);
        const std::string before = registry.SaveRegText();
        Open();
        EXPECT_TRUE(dialog.messages.empty());
        EXPECT_EQ(std::stoi(clock), Trackbar().position);
        EXPECT_EQ(before, registry.SaveRegText());
    }
}

// A user without administrator rights: the clock's key refuses writes. The rest is written,
// the page says so once in its own language, and the sheet stays open and modified.
TEST_F(PageTest, ARefusedApplyIsSaidInThePagesLanguageAndKeepsTheSheetOpen)
{
    platform.language = 0x040C;  // French
    SeedWin98(1, "175");
    registry.DenyOnKey(HiveLocalMachine, (std::string(Instance0) + "\\DEFAULT").c_str(),
                       MemoryRegistry::DenyWrite);
    Open();
    Click(IDC_OPENGL_SWAP);
    MoveTrackbar(190);
    EXPECT_FALSE(page.OnApply()) << "the sheet is told to stay open";
    ExpectAllClosed();
    ASSERT_EQ(1u, dialog.messages.size());
    EXPECT_EQ(strings.strings[IDS_NOT_SAVED + 1], dialog.messages[0].text);
    EXPECT_EQ(strings.strings[IDS_SET_SIZE + IDS_TAB_TITLE], dialog.messages[0].caption);
    EXPECT_EQ("175", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock"));
    EXPECT_EQ("0", Value(std::string(Instance0) + "\\Glide", "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_TRUE(sheet.sheetModified);
    EXPECT_TRUE(page.modifiedSignalled);

    page.OnReset();  // Cancel
    EXPECT_FALSE(sheet.sheetModified);
}

TEST_F(PageTest, ASwapIntervalUnreadableAtLoadStillTakesTheUsersChangeAtApply)
{
    SeedWin98(0, "166");
    const std::string glide = std::string(Instance0) + "\\Glide";
    Seed(Section(glide));
    registry.DenyOnKey(HiveLocalMachine, glide.c_str(), MemoryRegistry::DenyRead);
    Open();
    Click(IDC_OPENGL_SWAP);
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ("0", Value(glide, "FX_GLIDE_SWAPINTERVAL"));
}

TEST_F(PageTest, WidestLimitsGiveATrackbarOf141Positions)
{
    Seed(Product(100, 240, 1) + Voodoo5(Instance0, "150"));
    Open();
    EXPECT_EQ(141, Trackbar().rangeMax - Trackbar().rangeMin + 1);
    EXPECT_EQ(2, Trackbar().ticFrequency);
    EXPECT_EQ("100", dialog.Text(IDC_LOWER_LIMIT));
    EXPECT_EQ("240", dialog.Text(IDC_UPPER_LIMIT));
}

TEST_F(PageTest, WithoutAVoodoo5ThePageStillWorks)
{
    Seed(Product(120, 220, 1));
    Open();
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(166, Trackbar().position);
    EXPECT_TRUE(dialog.IsEnabled(IDC_D3D_SWAP));
    Click(IDC_ENABLE_CLOCK);  // off
    EXPECT_TRUE(page.OnApply());
    ExpectAllClosed();
    EXPECT_EQ("0", Value(ProductKey, "EnableClock"));
    EXPECT_FALSE(registry.KeyExists(HiveLocalMachine, (std::string(Instance0) + "\\DEFAULT").c_str()));
}

TEST_F(PageTest, CreditMessageNeedsAllThreeKeysOverTheProductLine)
{
    SeedWin98(0);
    Open();
    dialog.PointCursorAt(IDC_PRODUCT_LINE);
    for (unsigned missing : {MouseLeftButton, MouseControl, MouseShift}) {
        page.OnRButtonDown(AllGestureKeys & ~missing);
        EXPECT_TRUE(dialog.messages.empty()) << "shown without key " << missing;
    }
    dialog.SetCursor(10, 10);
    page.OnRButtonDown(AllGestureKeys);
    EXPECT_TRUE(dialog.messages.empty()) << "shown outside the product line";

    dialog.PointCursorAt(IDC_PRODUCT_LINE);
    page.OnRButtonDown(AllGestureKeys);
    ASSERT_EQ(1u, dialog.messages.size());
    const HeadlessDialog::MessageRecord& box = dialog.messages[0];
    EXPECT_EQ("Tarvello", box.caption);
    EXPECT_EQ(MessageOk, box.style);
    const std::string& text = box.text;
    const size_t first = text.find('\n');
    const size_t second = text.find('\n', first + 1);
    ASSERT_NE(std::string::npos, second);
    EXPECT_EQ(std::string::npos, text.find('\n', second + 1)) << "three lines";
    EXPECT_NE(std::string::npos, text.substr(0, first).find("imitation"));
    EXPECT_NE(std::string::npos, text.substr(first, second - first).find("Tarvello"));
    EXPECT_NE(std::string::npos, text.substr(second).find("3dfx newsgroup"));
    EXPECT_EQ(0, sheet.changedCount);
}

// What the page shows in one language: its string set on every control, the settings' own
// texts, and every control of the layout at its rectangle.
void ExpectLanguage(HeadlessDialog& dialog, FakeStringTable& strings, int base,
                    const LayoutTable& layout, CallSite site = CallSite())
{
    CallerTrace trace(site);
    const struct {
        int n;
        int id;
    } texts[] = {
        {2, IDC_SETTINGS_GROUP},  {3, IDC_VSYNC_GROUP},       {4, IDC_OPENGL_SWAP},
        {5, IDC_D3D_SWAP},        {6, IDC_CLOCK_GROUP},       {7, IDC_ENABLE_CLOCK},
        {9, IDC_CLOCK_UNIT},      {11, IDC_RESTART_NOTE},     {13, IDC_INSTALLED_FOR},
        {15, IDC_FACTORY_DEFAULTS}, {16, IDC_REFRESH_RATES},  {17, IDC_ABOUT_GROUP},
        {18, IDC_PRODUCT_LINE},   {19, IDC_AUTHOR_LINE},
    };
    for (const auto& text : texts) EXPECT_EQ(strings.strings[base + text.n], dialog.Text(text.id)) << text.id;
    EXPECT_EQ("Version 1.0" + strings.strings[base + 21], dialog.Text(IDC_VERSION_LINE));
    EXPECT_EQ("175", dialog.Text(IDC_CLOCK_VALUE));
    EXPECT_EQ("Voodoo5 5500", dialog.Text(IDC_MODEL));
    EXPECT_EQ("120", dialog.Text(IDC_LOWER_LIMIT));
    EXPECT_EQ("220", dialog.Text(IDC_UPPER_LIMIT));
    // The tab title belongs to the sheet: the page never sets a caption.
    EXPECT_EQ("", dialog.caption);
    ExpectLayout(dialog, layout);
}

TEST_F(PageTest, OpensInTheSystemLanguage)
{
    const struct {
        unsigned short systemLanguage;
        int base;
        const LayoutTable& layout;
    } systems[] = {
        {0x0409, 0, PageLayoutEnglish},
        {0x040C, 39, PageLayoutWide},
        {0x0407, 78, PageLayoutWide},
        {0x0C0A, 0, PageLayoutWide},  // Spanish: English texts, laid out wide
    };
    SeedWin98(1, "175");
    for (const auto& system : systems) {
        SCOPED_TRACE(system.systemLanguage);
        platform.language = system.systemLanguage;
        Open();
        EXPECT_EQ(system.base, page.stringBase);
        ExpectLanguage(dialog, strings, system.base, system.layout);
    }
}

TEST_F(PageTest, VersionLineGestureStepsFrenchGermanEnglish)
{
    SeedWin98(1, "175");
    platform.language = 0x0407;
    Open();
    // Without all three keys, or beside the line, nothing changes.
    dialog.PointCursorAt(IDC_VERSION_LINE);
    for (unsigned missing : {MouseLeftButton, MouseControl, MouseShift})
        page.OnRButtonDown(AllGestureKeys & ~missing);
    dialog.PointCursorAt(IDC_AUTHOR_LINE);
    page.OnRButtonDown(AllGestureKeys);
    ExpectLanguage(dialog, strings, 78, PageLayoutWide);

    const struct {
        int base;
        const LayoutTable& layout;
    } steps[] = {{39, PageLayoutWide}, {78, PageLayoutWide}, {0, PageLayoutEnglish}, {39, PageLayoutWide}};
    for (const auto& step : steps) {
        dialog.PointCursorAt(IDC_VERSION_LINE);
        EXPECT_FALSE(page.OnRButtonDown(AllGestureKeys)) << "the default handling runs too";
        EXPECT_EQ(step.base, page.stringBase);
        ExpectLanguage(dialog, strings, step.base, step.layout);
    }
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(0, sheet.changedCount);

    // A new window starts in the system language with the cycle at English again.
    platform.language = 0x0409;
    Open();
    ExpectLanguage(dialog, strings, 0, PageLayoutEnglish);
    dialog.PointCursorAt(IDC_VERSION_LINE);
    page.OnRButtonDown(AllGestureKeys);
    EXPECT_EQ("Version 1.0 Fran\xE7" "ais", dialog.Text(IDC_VERSION_LINE));
    ExpectLanguage(dialog, strings, 39, PageLayoutWide);
}

TEST_F(PageTest, RefreshRatesButtonRunsTheDialogAndLeavesThePageAlone)
{
    SeedWin98(1, "175");
    Seed(Section(std::string(Instance0) + "\\MODES\\8\\640,480", "@=\"60,75\"\n"));
    Open();
    MoveTrackbar(180);
    int result = 0;
    runner.script = [&](int templateId, HeadlessDialog& window) {
        EXPECT_EQ(IDD_REFRESH_RATES, templateId);
        window.ComboSelectString(IDC_RATE_640X480, -1, "75");
        runner.running->OnCommand(IdOk);
        result = window.endResult;
    };
    Click(IDC_REFRESH_RATES);

    EXPECT_EQ(IdOk, result);
    EXPECT_EQ("75", Value(std::string(Instance0) + "\\MODES\\8\\640,480", "RefreshRate"));
    EXPECT_EQ(1, sheet.changedCount);
    EXPECT_TRUE(page.modifiedSignalled);
    EXPECT_EQ(180, page.settings.currentClock);
    EXPECT_EQ("175", Value(std::string(Instance0) + "\\DEFAULT", "Grxclock")) << "the page wrote nothing";
}

}  // namespace
