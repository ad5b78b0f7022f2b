// The Refresh Rates dialog on the headless dialog and the in-memory registry, on a Windows 98
// PC with Voodoo5 boards at 0001 and 0003 (0003 is the one read): which item each combo box
// shows, what Save writes for one depth or all four (typed, picked or left alone), what
// Default, Cancel, a depth switch and a resolution the shown board lacks leave alone, and the
// dialog in each language.
#include "page/refresh/CRefreshRatesDialog.h"

#include "page/localisation/Layout.h"
#include "platform/fake/FakePlatform.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tests/unit/ModelTestSupport.h"
#include "tests/unit/LayoutExpectations.h"
#include "tests/unit/RcStrings.h"
#include "ui/headless/HeadlessDialog.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;

namespace {

const char ProductKey[] = "Software\\Tarvello";
const int Rate640 = IDC_RATE_640X480;
const int Rate800 = IDC_RATE_800X600;
const int Rate1024 = IDC_RATE_1024X768;

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[HKEY_LOCAL_MACHINE\\" + path + "]\n" + values + "\n";
}

std::string ModeKey(const char* instance, int depth, const char* mode)
{
    return Instance(instance, ("\\MODES\\" + std::to_string(depth) + "\\" + mode).c_str());
}

class RefreshDialogTest : public RegistryModelFixture {
protected:
    RefreshDialogTest() : strings(ReadRcStrings()), logic(window, registry, platform, strings) {}
    void SeedTwoVoodoo5(const std::string& more = "", CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegFile(TARV_FIXTURES "/win98-two-voodoo5.reg", &error)) << error;
        Seed(Section(ProductKey, "\"ColorDepth\"=\"8\"\n\"LinkAllColorDepths\"=\"0\"\n") + more);
    }
    void Open(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        window.Reset();
        EXPECT_TRUE(logic.OnInitDialog());
        ExpectAllClosed();
    }
    void Click(int id, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_TRUE(logic.OnCommand(id));
        ExpectAllClosed();
    }
    void Choose(int comboId, const char* item) { window.ComboSelectString(comboId, -1, item); }
    std::string Shown(int comboId)
    {
        const HeadlessDialog::Control& combo = window.At(comboId);
        return combo.selection == ComboError ? "<none>" : combo.items[combo.selection];
    }
    // The same value in the mode key of both adapters.
    void ExpectBoth(int depth, const char* mode, const std::string& expected,
                    CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_EQ(expected, Value(ModeKey("0001", depth, mode), "RefreshRate")) << depth;
        EXPECT_EQ(expected, Value(ModeKey("0003", depth, mode), "RefreshRate")) << depth;
    }

    HeadlessDialog window;
    FakePlatform platform;    // an English system unless a test says otherwise
    FakeStringTable strings;  // the library's string table
    CRefreshRatesDialog logic;
};

TEST_F(RefreshDialogTest, ShowsTheItemThatBeginsWithTheStoredTextAndSavesThatDepth)
{
    SeedTwoVoodoo5(Section(ModeKey("0003", 8, "640,480"), "@=\"60,72,75\"\n\"RefreshRate\"=\"7\"\n") +
                   Section(ModeKey("0003", 8, "800,600"), "\"RefreshRate\"=\"90\"\n") +
                   Section(ModeKey("0003", 8, "1024,768"), "\"RefreshRate\"=\"85\"\n") +
                   Section(ModeKey("0003", 16, "640,480"), "\"RefreshRate\"=\"-1\"\n") +
                   Section(ModeKey("0003", 16, "1024,768"), "\"RefreshRate\"=\"99\"\n"));
    Open();
    EXPECT_EQ((std::vector<std::string>{"Adapter", "Default", "Optimal", "60", "72", "75"}),
              window.At(Rate640).items);
    EXPECT_EQ("72", Shown(Rate640)) << "a stored 7 finds the first rate that begins with it";
    EXPECT_EQ("<none>", Shown(Rate800)) << "90 is not offered";
    EXPECT_EQ("85", Shown(Rate1024));
    EXPECT_EQ(Checked, window.GetCheck(IDC_DEPTH_8));
    EXPECT_FALSE(window.IsEnabled(IDC_RATE_960X720)) << "no mode key";

    Click(IDC_DEPTH_16);
    EXPECT_EQ("Optimal", Shown(Rate640));
    EXPECT_EQ("Adapter", Shown(Rate800));
    // 99 is not offered: the field shows it, not the 8-bit item, and Save keeps it.
    EXPECT_EQ("<none>", Shown(Rate1024));
    EXPECT_EQ("99", window.Text(Rate1024));
    Click(IDC_SAVE);
    EXPECT_FALSE(window.ended) << "Save keeps the dialog open";
    ExpectBoth(16, "640,480", "sz:-1");
    ExpectBoth(16, "800,600", "<missing>");
    ExpectBoth(16, "1024,768", "sz:99");
    EXPECT_EQ("sz:16", Value(ProductKey, "ColorDepth"));
    EXPECT_EQ("<missing>", Value(ModeKey("0001", 8, "640,480"), "RefreshRate")) << "only 16 bits";

    Click(IDC_DEPTH_8);
    Click(IdOk);
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(IdOk, window.endResult);
    ExpectBoth(8, "640,480", "sz:72");
    // With nothing selected the stored rate is written back.
    ExpectBoth(8, "800,600", "sz:90");
    EXPECT_EQ("sz:0", Value(Instance("0001", "\\DEFAULT"), "RefreshRate"));
}

TEST_F(RefreshDialogTest, ListsAreEmptiedAndFilledAgainOnlyForOtherItems)
{
    SeedTwoVoodoo5(Section(ModeKey("0003", 8, "640,480"), "@=\"60,75\"\n\"RefreshRate\"=\"200\"\n"));
    Open();
    EXPECT_EQ((std::vector<std::string>{"Adapter", "Default", "Optimal", "60", "75"}),
              window.At(Rate640).items);
    Choose(Rate640, "75");
    Click(IDC_DEPTH_8);
    EXPECT_EQ((std::vector<std::string>{"Adapter", "Default", "Optimal", "60", "75"}),
              window.At(Rate640).items) << "the same items, once each";
    EXPECT_EQ("<none>", Shown(Rate640)) << "200 is not offered: the choice goes, as in a new list";
    EXPECT_EQ("200", window.Text(Rate640)) << "and the field shows the stored text";

    Choose(Rate640, "75");
    Seed(Section(ModeKey("0003", 8, "640,480"), "@=\"60,72\"\n"));
    Click(IDC_DEPTH_8);
    EXPECT_EQ((std::vector<std::string>{"Adapter", "Default", "Optimal", "60", "72"}),
              window.At(Rate640).items) << "other offered rates";
    EXPECT_EQ("<none>", Shown(Rate640));
}

TEST_F(RefreshDialogTest, LinkAllWritesEveryDepthOfEveryAdapterThatHasTheModeKey)
{
    const char longItem[] = "1234567890123456789";  // longer than the stored-rate field
    SeedTwoVoodoo5(Section(Instance("0003", "\\DEFAULT"), "\"RefreshRate\"=\"-1\"\n") +
                   Section(ModeKey("0003", 8, "1024,768"), "@=\"60," + std::string(longItem) + "\"\n"));
    Open();
    EXPECT_EQ(Checked, window.GetCheck(IDC_ADAPTER_OPTIMAL_RATE));
    Click(IDC_LINK_ALL_DEPTHS);
    for (int radio : {IDC_DEPTH_8, IDC_DEPTH_16, IDC_DEPTH_24, IDC_DEPTH_32}) {
        EXPECT_EQ(Unchecked, window.GetCheck(radio));
        EXPECT_FALSE(window.IsEnabled(radio));
    }
    EXPECT_TRUE(window.IsEnabled(IDC_RATE_2048X1536));
    Choose(Rate640, "75");
    Choose(Rate800, "Optimal");
    Choose(Rate1024, longItem);
    Click(IDC_ADAPTER_DEFAULT_RATE);
    Click(IDC_SAVE);
    for (int depth : {8, 16, 32}) {
        ExpectBoth(depth, "640,480", "sz:75");
        ExpectBoth(depth, "800,600", "sz:-1");
        ExpectBoth(depth, "1024,768", "sz:60");  // a number far outside the rates
    }
    EXPECT_EQ("60", Shown(Rate1024)) << "the field shows what was written";
    EXPECT_FALSE(KeyExists(Instance("0003", "\\MODES\\24"))) << "no key is created";
    EXPECT_EQ("sz:1", Value(ProductKey, "LinkAllColorDepths"));
    EXPECT_EQ("sz:0", Value(Instance("0003", "\\DEFAULT"), "RefreshRate"));

    Click(IDC_LINK_ALL_DEPTHS);
    EXPECT_EQ(Checked, window.GetCheck(IDC_DEPTH_8));
    EXPECT_TRUE(window.IsEnabled(IDC_DEPTH_8));
    EXPECT_FALSE(window.IsEnabled(IDC_RATE_2048X1536));
}

TEST_F(RefreshDialogTest, UnsavedChoicesDefaultAndCancelWriteNothing)
{
    SeedTwoVoodoo5(Section(ModeKey("0003", 16, "640,480"), "\"RefreshRate\"=\"72\"\n") +
                   Section(Instance("0003", "\\DEFAULT"), "\"RefreshRate\"=\"-1\"\n"));
    const std::string before = registry.SaveRegText();
    Open();
    Click(IDC_DEPTH_16);
    Choose(Rate640, "100");
    Click(IDC_DEPTH_24);
    EXPECT_FALSE(window.IsEnabled(Rate640)) << "no 24-bit keys";
    Click(IDC_DEPTH_16);
    EXPECT_EQ("72", Shown(Rate640)) << "the choice was read again";

    Click(IDC_DEFAULTS);
    for (const ModeEntry& entry : ModeTable) EXPECT_EQ("Adapter", Shown(entry.comboId));
    EXPECT_EQ(Checked, window.GetCheck(IDC_ADAPTER_DEFAULT_RATE));
    EXPECT_EQ(Unchecked, window.GetCheck(IDC_ADAPTER_OPTIMAL_RATE));
    Click(IdCancel);
    EXPECT_EQ(IdCancel, window.endResult);
    EXPECT_EQ(before, registry.SaveRegText());
}

TEST_F(RefreshDialogTest, WithoutAdapterEveryRateIsDisabledAndSaveWritesTheProductKeyOnly)
{
    Seed(Section(ProductKey, "\"ColorDepth\"=\"16\"\n") +
         Section(Instance("0000"), "\"DriverDesc\"=\"Matrox Millennium G400\"\n") +
         Section(ModeKey("0000", 16, "640,480"), "@=\"60,75\"\n\"RefreshRate\"=\"75\"\n"));
    MemoryRegistry expected;
    std::string error;
    ASSERT_TRUE(expected.LoadRegText(registry.SaveRegText(), &error)) << error;
    ASSERT_TRUE(expected.LoadRegText(
        "REGEDIT4\n\n" +
            Section(ProductKey, "\"ColorDepth\"=\"16\"\n\"LinkAllColorDepths\"=\"0\"\n"),
        &error));
    Open();
    for (const ModeEntry& entry : ModeTable) {
        EXPECT_FALSE(window.IsEnabled(entry.comboId));
        EXPECT_EQ("Adapter", Shown(entry.comboId));
    }
    Click(IDC_SAVE);
    EXPECT_EQ(expected.SaveRegText(), registry.SaveRegText());
}

// Typed over, picked, or left as loaded: each resolution of both boards gets what its field
// shows, or with no choice the text read, never a rate nobody chose. One resolution per case.
TEST_F(RefreshDialogTest, EachFieldSavesWhatItShowsAndThenShowsWhatWasSaved)
{
    const struct {
        const char* offered;  // the list of the resolution on both boards
        const char* stored;   // "RefreshRate" on both boards; null for none
        const char* typed;    // typed over the field, or with picked set the item picked
        bool picked;
        const char* saved;  // on both boards afterwards
        const char* shown;  // the field afterwards
    } cases[] = {
        {"60,72,75", "-1", "75", false, "sz:75", "75"},  // the text of an item is that item
        {"60,72,75", "0", "oPTIMAL", false, "sz:-1", "Optimal"},
        {"60,72,75", nullptr, "90", false, "sz:90", "90"},  // a rate the list lacks
        {"60,72,75", "-1", "41", false, "sz:41", "41"},
        {"60,72,75", "0", " 179 ", false, "sz:179", "179"},
        {"60,72,75", "-1", "72hz", false, "sz:72", "72"},  // a rate with its unit is the item
        {"60,72,75", "0", " Optimal ", false, "sz:-1", "Optimal"},
        {"60,72,75", nullptr, "90 Hz", false, "sz:90", "90"},
        {"60,72,75", "85", "", false, "sz:85", "85"},  // emptied: the stored rate stays
        {"60,72,75", "250", nullptr, false, "sz:250", "250"},  // not offered, left alone
        {"60,75,160,200", "0", "200", true, "sz:200", "200"},   // offered beyond the range
        {"60,75,160,200", "0", "200", false, "sz:200", "200"},
        {"60,abc", "-1", "abc", true, "sz:60", "60"},  // the range rule guards other items
        {"60,75", "75", "Adapter", true, "<missing>", "Adapter"},
    };
    std::string seed;
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        for (const char* board : {"0001", "0003"})
            seed += Section(ModeKey(board, 8, ModeTable[i].name),
                            "@=\"" + std::string(cases[i].offered) + "\"\n" +
                                (cases[i].stored ? "\"RefreshRate\"=\"" + std::string(cases[i].stored) + "\"\n" : ""));
    SeedTwoVoodoo5(seed);
    Open();
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        if (cases[i].picked)
            Choose(ModeTable[i].comboId, cases[i].typed);
        else if (cases[i].typed)
            window.TypeInto(ModeTable[i].comboId, cases[i].typed);
    }
    Click(IDC_SAVE);
    EXPECT_TRUE(window.messages.empty());
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SCOPED_TRACE(std::string(ModeTable[i].name) + " " + (cases[i].typed ? cases[i].typed : "-"));
        ExpectBoth(8, ModeTable[i].name, cases[i].saved);
        char shown[32];
        window.GetText(ModeTable[i].comboId, shown, sizeof shown);
        EXPECT_STREQ(cases[i].shown, shown);
    }
    const std::string saved = registry.SaveRegText();
    Click(IdOk);
    EXPECT_EQ(saved, registry.SaveRegText()) << "a second save of the fields shown changes nothing";
}

// Typed text that is no rate (outside the rates and not offered, or no number) is named and
// nothing is written; the dialog stays open. A field typed over while its list still selects
// an item (as typing with the list open does) saves its text.
TEST_F(RefreshDialogTest, TextThatIsNoRateIsNamedAndNothingIsSaved)
{
    SeedTwoVoodoo5(Section(ModeKey("0003", 8, "640,480"), "@=\"60,72,75\"\n") +
                   Section(ModeKey("0003", 8, "800,600"), "@=\"60,75\"\n"));
    const std::string before = registry.SaveRegText();
    std::string named = strings.strings[IDS_RATE_NOT_VALID];
    named.replace(named.find("%s"), 2, "800x600");
    Open();
    Choose(Rate640, "72");
    for (const char* typed : {"180", "40", "abc", "75 Hz 2", "-1"}) {
        SCOPED_TRACE(typed);
        window.TypeInto(Rate800, typed);
        Click(IdOk);
        EXPECT_FALSE(window.ended);
        ASSERT_EQ(1u, window.messages.size());
        EXPECT_EQ(named, window.messages[0].text);
        window.messages.clear();
        EXPECT_EQ(before, registry.SaveRegText());
    }
    window.TypeInto(Rate800, "");
    window.SetText(Rate640, "85 Hz");  // the list still selects "72"
    Click(IdOk);
    EXPECT_TRUE(window.ended);
    ExpectBoth(8, "640,480", "sz:85");
}

// With link-all off the shown board (0003) lacks 1280x1024: it stays disabled, and Save
// leaves the other board's rate for it alone. Linked, it is shown and written.
TEST_F(RefreshDialogTest, AResolutionTheShownBoardLacksIsWrittenToNoBoard)
{
    const int Rate1280 = IDC_RATE_1280X1024;
    SeedTwoVoodoo5(Section(ModeKey("0001", 8, "1280,1024"), "@=\"60,75,85\"\n\"RefreshRate\"=\"85\"\n"));
    Open();
    EXPECT_FALSE(window.IsEnabled(Rate1280));
    Choose(Rate640, "75");
    Click(IdOk);
    EXPECT_EQ("sz:85", Value(ModeKey("0001", 8, "1280,1024"), "RefreshRate"));
    ExpectBoth(8, "640,480", "sz:75");

    Open();
    Click(IDC_LINK_ALL_DEPTHS);
    EXPECT_TRUE(window.IsEnabled(Rate1280));
    Choose(Rate1280, "Optimal");
    Click(IDC_SAVE);
    EXPECT_EQ("sz:-1", Value(ModeKey("0001", 8, "1280,1024"), "RefreshRate"));
}

TEST_F(RefreshDialogTest, StoredLinkAllOpensWithEveryResolutionAndNoDepthRadio)
{
    SeedTwoVoodoo5(Section(ProductKey, "\"ColorDepth\"=\"16\"\n\"LinkAllColorDepths\"=\"1\"\n"));
    Open();
    EXPECT_EQ(Checked, window.GetCheck(IDC_LINK_ALL_DEPTHS));
    for (const ModeEntry& entry : ModeTable) {
        EXPECT_TRUE(window.IsEnabled(entry.labelId)) << entry.name;
        EXPECT_TRUE(window.IsEnabled(entry.comboId)) << entry.name;
    }
    for (int radio : {IDC_DEPTH_8, IDC_DEPTH_16, IDC_DEPTH_24, IDC_DEPTH_32}) {
        EXPECT_EQ(Unchecked, window.GetCheck(radio)) << radio;
        EXPECT_FALSE(window.IsEnabled(radio)) << radio;
    }
}

// The dialog in one language: caption, texts, the special items of every list and the layout.
void ExpectLanguage(HeadlessDialog& window, FakeStringTable& strings, int base,
                    const LayoutTable& layout, CallSite site = CallSite())
{
    CallerTrace trace(site);
    const struct {
        int n;
        int id;
    } texts[] = {
        {23, IDC_RATES_GROUP}, {27, IDC_LINK_ALL_DEPTHS}, {28, IDC_DEPTH_GROUP},
        {29, IDC_DEPTH_8},     {30, IDC_DEPTH_16},        {31, IDC_DEPTH_24},
        {32, IDC_DEPTH_32},    {33, IDC_ADAPTER_GROUP},   {34, IDC_ADAPTER_DEFAULT_RATE},
        {35, IDC_ADAPTER_OPTIMAL_RATE}, {36, IDC_SAVE},   {37, IDC_DEFAULTS},
        {38, IdOk},            {39, IdCancel},
    };
    EXPECT_EQ(strings.strings[base + 22], window.caption);
    for (const auto& text : texts) EXPECT_EQ(strings.strings[base + text.n], window.Text(text.id)) << text.id;
    for (const ModeEntry& entry : ModeTable) {
        const std::vector<std::string>& items = window.At(entry.comboId).items;
        ASSERT_LE(3u, items.size()) << entry.name;
        EXPECT_EQ(strings.strings[base + 24], items[0]) << entry.name;
        EXPECT_EQ(strings.strings[base + 25], items[1]) << entry.name;
        EXPECT_EQ(strings.strings[base + 26], items[2]) << entry.name;
    }
    ExpectLayout(window, layout);
}

TEST_F(RefreshDialogTest, OpensInTheSystemLanguage)
{
    const struct {
        unsigned short systemLanguage;
        int base;
        const LayoutTable& layout;
    } systems[] = {
        {0x0409, 0, RatesLayoutEnglish},
        {0x040C, 39, RatesLayoutWide},
        {0x0407, 78, RatesLayoutWide},
        {0x0C0A, 0, RatesLayoutWide},
    };
    SeedTwoVoodoo5(Section(ModeKey("0003", 8, "640,480"), "\"RefreshRate\"=\"0\"\n"));
    for (const auto& system : systems) {
        SCOPED_TRACE(system.systemLanguage);
        platform.language = system.systemLanguage;
        Open();
        EXPECT_EQ(system.base, logic.stringBase);
        ExpectLanguage(window, strings, system.base, system.layout);
        EXPECT_EQ(strings.strings[system.base + 25], Shown(Rate640)) << "the stored 0 is Default";
    }
}

TEST_F(RefreshDialogTest, LabelGestureStepsTheLanguageAndReadsTheRatesAgain)
{
    SeedTwoVoodoo5(Section(ModeKey("0003", 16, "640,480"), "@=\"60,75\"\n\"RefreshRate\"=\"-1\"\n") +
                   Section(ModeKey("0003", 16, "800,600"), "@=\"60,75\"\n\"RefreshRate\"=\"60\"\n"));
    const std::string before = registry.SaveRegText();
    const unsigned keys = MouseLeftButton | MouseRightButton | MouseControl | MouseShift;
    Open();
    Click(IDC_DEPTH_16);
    Click(IDC_ADAPTER_OPTIMAL_RATE);
    Click(IDC_LINK_ALL_DEPTHS);
    Choose(Rate640, "75");
    Choose(Rate800, "75");
    window.PointCursorAt(IDC_LABEL_640X480);
    for (unsigned missing : {MouseLeftButton, MouseControl, MouseShift})
        logic.OnRButtonDown(keys & ~missing);
    window.PointCursorAt(IDC_LABEL_800X600);
    logic.OnRButtonDown(keys);
    ExpectLanguage(window, strings, 0, RatesLayoutEnglish);
    EXPECT_EQ("75", Shown(Rate640)) << "nothing happened yet";

    window.PointCursorAt(IDC_LABEL_640X480);
    EXPECT_FALSE(logic.OnRButtonDown(keys)) << "the default handling runs too";
    ExpectLanguage(window, strings, 39, RatesLayoutWide);
    EXPECT_EQ("Optimale", Shown(Rate640)) << "the unsaved choice is lost";
    EXPECT_EQ("60", Shown(Rate800));
    EXPECT_EQ(Checked, window.GetCheck(IDC_LINK_ALL_DEPTHS));
    EXPECT_EQ(Checked, window.GetCheck(IDC_ADAPTER_OPTIMAL_RATE));
    EXPECT_EQ(Unchecked, window.GetCheck(IDC_ADAPTER_DEFAULT_RATE));
    EXPECT_FALSE(window.IsEnabled(IDC_DEPTH_16)) << "still linked";

    logic.OnRButtonDown(keys);
    ExpectLanguage(window, strings, 78, RatesLayoutWide);
    logic.OnRButtonDown(keys);
    ExpectLanguage(window, strings, 0, RatesLayoutEnglish);
    EXPECT_EQ(before, registry.SaveRegText()) << "the gesture writes nothing";
}

}  // namespace
