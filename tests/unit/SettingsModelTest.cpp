// The clock and vsync model: load, limit repair, apply to every adapter and to the NT keys.
#include "page/SettingsModel.h"

#include "platform/fake/FakePlatform.h"
#include "tests/unit/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarv;

namespace {

struct RecordingMessages : MessageBoxSink {
    struct Shown {
        std::string text, caption;
        unsigned style;
    };
    void ShowMessage(const char* text, const char* caption, unsigned style) override
    {
        shown.push_back({text, caption, style});
    }
    std::vector<Shown> shown;
};

const char ProductKey[] = "Software\\Tarvello";
const char Nt4Key[] = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
const char Nt5Key[] = "SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0";
const char NtGlideKey[] = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\Glide";
const char NtD3DKey[] = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\D3D";

// What the installer leaves for a Voodoo5 5500 with default limits.
const char InstalledProductKey[] =
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
    "\"LowerLimit\"=\"120\"\n\"UpperLimit\"=\"220\"\n\"Model\"=\"Voodoo5 5500\"\n"
    "\"DefaultClock\"=\"166\"\n\"EnableClock\"=\"0\"\n\"ColorDepth\"=\"8\"\n"
    "\"LinkAllColorDepths\"=\"0\"\n\n";

std::string Voodoo5At(const char* number)
{
    return "[HKEY_LOCAL_MACHINE\\" + Instance(number) +
           "]\n\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n";
}

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[HKEY_LOCAL_MACHINE\\" + path + "]\n" + values + "\n";
}

std::string EnableClock(int on)
{
    return Section(ProductKey, "\"EnableClock\"=\"" + std::to_string(on) + "\"\n");
}

class SettingsModelTest : public RegistryModelFixture {
protected:
    // The page's dialog initialisation: fresh flavour and adapters, then the load.
    void Load(CallSite site = CallSite())
    {
        model.BeginLoad(platform);
        ExpectAllClosed(site);
        model.LoadSettings();
        ExpectAllClosed(site);
    }
    void Apply(bool writeEnableClock = true, CallSite site = CallSite())
    {
        model.ApplySettings(writeEnableClock);
        ExpectAllClosed(site);
    }
    std::string Message(size_t index) const
    {
        return index < messages.shown.size() ? messages.shown[index].text : "<none>";
    }

    FakePlatform platform;  // Windows 98 unless a test poses otherwise
    RecordingMessages messages;
    SettingsModel model{registry, messages};
};

TEST_F(SettingsModelTest, TypicalChangeOnWindows98)
{
    Seed(InstalledProductKey + Voodoo5At("0000"));
    Load();
    EXPECT_EQ(Win9x, model.osFlavor);
    EXPECT_EQ(166, model.currentClock);
    EXPECT_EQ(0, model.clockEnabled);
    EXPECT_STREQ("Voodoo5 5500", model.modelName);
    EXPECT_TRUE(messages.shown.empty());

    model.SetClockEnabled(true);
    model.currentClock = 175;
    Apply();
    // The clock set; no \Glide or \D3D key is created only to delete from it.
    EXPECT_EQ(R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Software]

[HKEY_LOCAL_MACHINE\Software\Tarvello]
"ColorDepth"="8"
"DefaultClock"="166"
"EnableClock"="1"
"LinkAllColorDepths"="0"
"LowerLimit"="120"
"Model"="Voodoo5 5500"
"UpperLimit"="220"

[HKEY_LOCAL_MACHINE\System]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000]
"DriverDesc"="3dfx Voodoo5 5500 AGP"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Display\0000\DEFAULT]
"Grxclock"="175"

)",
              registry.SaveRegText());
}

TEST_F(SettingsModelTest, ClockAboveTheUpperLimitIsReportedAndRepairedOnEveryAdapter)
{
    for (int enabled : {1, 0}) {
        SCOPED_TRACE(enabled ? "adjustment on" : "adjustment off");
        messages.shown.clear();
        Seed(InstalledProductKey + EnableClock(enabled) + Voodoo5At("0000") + Voodoo5At("0003") +
             Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"180\"\n") +
             Section(Instance("0003", "\\DEFAULT"), "\"Grxclock\"=\"250\"\n"));
        Load();
        ASSERT_EQ(1u, messages.shown.size());
        EXPECT_EQ("The Graphics Clock in presently set to 250 Mhz which is above the Upper Limit "
                  "of 220 Mhz and will be reset to the Upper Limit now. You will need to restart "
                  "Windows after exiting Display Properties.",
                  Message(0));
        EXPECT_EQ("Tarvo", messages.shown[0].caption);
        EXPECT_EQ(0u, messages.shown[0].style);  // OK only, no icon
        EXPECT_EQ(220, model.currentClock);
        const std::string expected = enabled ? "sz:220" : "<missing>";
        EXPECT_EQ(expected, Value(Instance("0000", "\\DEFAULT"), "Grxclock"));
        EXPECT_EQ(expected, Value(Instance("0003", "\\DEFAULT"), "Grxclock"));
        EXPECT_EQ("sz:" + std::to_string(enabled), Value(ProductKey, "EnableClock"));
    }
}

TEST_F(SettingsModelTest, UnreadableOrMissingClock)
{
    Seed(InstalledProductKey + Voodoo5At("0000") +
         Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"abc\"\n"));
    Load();
    EXPECT_EQ("The Graphics Clock in presently set to 0 Mhz which is below the Lower Limit of "
              "120 Mhz and will be reset to the Lower Limit now. You will need to restart Windows "
              "after exiting Display Properties.",
              Message(0));
    EXPECT_EQ(120, model.currentClock);

    // No clock stored: the default clock, no message, nothing written.
    messages.shown.clear();
    Seed("[-HKEY_LOCAL_MACHINE\\" + Instance("0000", "\\DEFAULT") + "]\n");
    const std::string before = registry.SaveRegText();
    Load();
    EXPECT_EQ(166, model.currentClock);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(before, registry.SaveRegText());
}

TEST_F(SettingsModelTest, ReadsTheLastAdapterAndWritesAll)
{
    Seed(InstalledProductKey + EnableClock(1) + Voodoo5At("0000") + Voodoo5At("0001") +
         Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"150\"\n") +
         Section(Instance("0001", "\\DEFAULT"), "\"Grxclock\"=\"180\"\n") +
         Section(Instance("0001", "\\D3D"), "\"SSTH3_SWAPINTERVAL\"=\"0\"\n"));
    Load();
    EXPECT_EQ(180, model.currentClock);
    EXPECT_EQ(0, model.openGlSwapOff);
    EXPECT_EQ(1, model.d3dSwapOff);
    model.openGlSwapOff = 1;
    Apply();
    for (const char* number : {"0000", "0001"}) {
        SCOPED_TRACE(number);
        EXPECT_EQ("sz:180", Value(Instance(number, "\\DEFAULT"), "Grxclock"));
        EXPECT_EQ("sz:0", Value(Instance(number, "\\Glide"), "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_EQ("sz:0", Value(Instance(number, "\\D3D"), "SSTH3_SWAPINTERVAL"));
    }
}

TEST_F(SettingsModelTest, LimitRepairKeepsStoredSwapIntervals)
{
    Seed(InstalledProductKey + EnableClock(1) + Voodoo5At("0000") +
         Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"250\"\n") +
         Section(Instance("0000", "\\Glide"), "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n") +
         Section(Instance("0000", "\\D3D"), "\"SSTH3_SWAPINTERVAL\"=\"0\"\n"));
    Load();
    EXPECT_EQ(1u, messages.shown.size());
    EXPECT_EQ("sz:220", Value(Instance("0000", "\\DEFAULT"), "Grxclock"));
    EXPECT_EQ("sz:0", Value(Instance("0000", "\\Glide"), "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_EQ("sz:0", Value(Instance("0000", "\\D3D"), "SSTH3_SWAPINTERVAL"));
    EXPECT_EQ(1, model.openGlSwapOff);
    EXPECT_EQ(1, model.d3dSwapOff);

    // The same on NT, where the SSTH3 value follows the OpenGL switch.
    platform.PoseAsWindows2000();
    Seed(Section(Nt5Key, "\"GraphicsClocking\"=dword:00000050\n") +
         Section(NtGlideKey, "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n"));
    Load();
    EXPECT_EQ(120, model.currentClock);
    EXPECT_EQ("dword:120", Value(Nt5Key, "GraphicsClocking"));
    EXPECT_EQ("sz:0", Value(NtGlideKey, "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_EQ("sz:0", Value(Nt5Key, "SSTH3_SWAPINTERVAL"));
    EXPECT_EQ(1, model.openGlSwapOff);
    EXPECT_EQ(0, model.d3dSwapOff);
}

TEST_F(SettingsModelTest, NtClockIsAFourByteDword)
{
    Seed(InstalledProductKey + EnableClock(1) + Section(Nt4Key, "\"GraphicsClocking\"=dword:000000af\n"));
    platform.PoseAsNt4();
    Load();
    EXPECT_EQ(WinNT4, model.osFlavor);
    EXPECT_EQ(-1, model.currentAdapter);
    EXPECT_EQ(175, model.currentClock);
    model.currentClock = 190;
    Apply();
    EXPECT_EQ("dword:190", Value(Nt4Key, "GraphicsClocking"));
    EXPECT_EQ("<missing>", Value(NtGlideKey, "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_FALSE(KeyExists(NtGlideKey));

    // Anything but a REG_DWORD of four bytes or more counts as no clock.
    for (const char* stored : {"\"175\"", "hex:af,00,00,00", "hex(4):af,00"}) {
        SCOPED_TRACE(stored);
        Seed(Section(Nt4Key, std::string("\"GraphicsClocking\"=") + stored + "\n"));
        Load();
        EXPECT_EQ(166, model.currentClock);
    }
}

TEST_F(SettingsModelTest, Windows2000OpenGlSwitchWritesBothSwapValues)
{
    Seed(InstalledProductKey + Section(NtD3DKey, "\"Other\"=\"x\"\n"));
    platform.PoseAsWindows2000();
    Load();
    model.openGlSwapOff = 1;
    model.d3dSwapOff = 0;
    Apply();
    EXPECT_EQ("sz:0", Value(NtGlideKey, "FX_GLIDE_SWAPINTERVAL"));
    EXPECT_EQ("sz:0", Value(Nt5Key, "SSTH3_SWAPINTERVAL"));
    EXPECT_EQ("<missing>", Value(Nt5Key, "GraphicsClocking"));
    EXPECT_EQ("<missing>", Value(NtD3DKey, "SSTH3_SWAPINTERVAL"));
    EXPECT_EQ("sz:x", Value(NtD3DKey, "Other"));
    EXPECT_FALSE(KeyExists(Nt4Key));
}

// Glide reads its own key on NT: Windows 2000's 3dfxvs service, NT 4.0's the device the
// hardware tree names for "\Device\Video0". The switch goes there as well as to the 3Dfx
// service's key, reads back on from either, and goes off from both.
TEST_F(SettingsModelTest, NtOpenGlSwitchAlsoGoesWhereGlideReadsIt)
{
    const std::string voodoo5Glide = "System\\CurrentControlSet\\Services\\Voodoo5\\Device0\\glide";
    const std::string deviceMap = "HARDWARE\\DEVICEMAP\\VIDEO";
    auto video0 = [&](const std::string& data) {
        return Section(deviceMap, "\"\\\\Device\\\\Video0\"=" + data + "\n");
    };
    const struct Case {
        const char* what;
        bool nt4;
        std::string seed;
        std::string glideReads;  // empty: the 3Dfx service's key alone
    } cases[] = {
        {"Windows 2000", false, "", std::string(Nt5Key) + "\\glide"},
        {"NT 4.0 with the Voodoo5 service named", true,
         video0("\"\\\\REGISTRY\\\\Machine\\\\System\\\\CurrentControlSet\\\\Services\\\\Voodoo5\\\\Device0\""),
         voodoo5Glide},
        {"NT 4.0, prefix in another case", true,
         video0("\"\\\\Registry\\\\MACHINE\\\\System\\\\CurrentControlSet\\\\Services\\\\Voodoo5\\\\Device0\""),
         voodoo5Glide},
        {"NT 4.0 without the value", true, Section(deviceMap), ""},
        {"NT 4.0, value not text", true, video0("hex:41,42,00"), ""},
        {"NT 4.0, not a \\REGISTRY\\Machine\\ path", true,
         video0("\"System\\\\CurrentControlSet\\\\Services\\\\Voodoo5\\\\Device0\""), ""},
        {"NT 4.0, a path under HARDWARE", true,
         video0("\"\\\\REGISTRY\\\\Machine\\\\HARDWARE\\\\DEVICEMAP\""), ""},
        {"NT 4.0, a path ending in a separator", true,
         video0("\"\\\\REGISTRY\\\\Machine\\\\System\\\\CurrentControlSet\\\\Services\\\\Voodoo5\\\\Device0\\\\\""), ""},
        {"NT 4.0, a path with an empty name", true,
         video0("\"\\\\REGISTRY\\\\Machine\\\\System\\\\\\\\Services\\\\Voodoo5\\\\Device0\""), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Seed("[-HKEY_LOCAL_MACHINE\\SYSTEM]\n[-HKEY_LOCAL_MACHINE\\HARDWARE]\n");
        Seed(InstalledProductKey + c.seed);
        if (c.nt4)
            platform.PoseAsNt4();
        else
            platform.PoseAsWindows2000();
        Load();
        model.openGlSwapOff = 1;
        Apply();
        EXPECT_EQ("sz:0", Value(NtGlideKey, "FX_GLIDE_SWAPINTERVAL"));
        const std::string glideReads = c.glideReads.empty() ? voodoo5Glide : c.glideReads;
        EXPECT_EQ(c.glideReads.empty() ? "<missing>" : "sz:0",
                  Value(glideReads, "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_FALSE(KeyExists(deviceMap + "\\glide"));
        EXPECT_FALSE(KeyExists("HARDWARE\\DEVICEMAP\\glide"));

        // The value in either key alone shows the switch on.
        Seed(Section(NtGlideKey, "\"FX_GLIDE_SWAPINTERVAL\"=-\n"));
        Load();
        EXPECT_EQ(c.glideReads.empty() ? 0 : 1, model.openGlSwapOff);
        Apply();
        Seed(Section(NtGlideKey, "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n"));
        if (!c.glideReads.empty())
            Seed(Section(c.glideReads, "\"FX_GLIDE_SWAPINTERVAL\"=-\n"));
        Load();
        EXPECT_EQ(1, model.openGlSwapOff);

        model.openGlSwapOff = 0;
        Apply();
        EXPECT_EQ("<missing>", Value(NtGlideKey, "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_EQ("<missing>", Value(glideReads, "FX_GLIDE_SWAPINTERVAL"));
    }
}

TEST_F(SettingsModelTest, FactoryDefaultsThenApplyDeleteEverything)
{
    const char* numbers[] = {"0000", "0001"};
    std::string seed = InstalledProductKey + EnableClock(1);
    for (const char* number : numbers)
        seed += Voodoo5At(number) +
                Section(Instance(number, "\\DEFAULT"), "\"Grxclock\"=\"200\"\n") +
                Section(Instance(number, "\\Glide"), "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n") +
                Section(Instance(number, "\\D3D"), "\"SSTH3_SWAPINTERVAL\"=\"0\"\n");
    Seed(seed);
    Load();
    EXPECT_EQ(200, model.currentClock);
    model.RestoreFactoryDefaults();
    EXPECT_EQ(166, model.currentClock);
    Apply();
    EXPECT_EQ("sz:0", Value(ProductKey, "EnableClock"));
    for (const char* number : numbers) {
        SCOPED_TRACE(number);
        EXPECT_EQ("<missing>", Value(Instance(number, "\\DEFAULT"), "Grxclock"));
        EXPECT_EQ("<missing>", Value(Instance(number, "\\Glide"), "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_EQ("<missing>", Value(Instance(number, "\\D3D"), "SSTH3_SWAPINTERVAL"));
    }
}

TEST_F(SettingsModelTest, WithoutProductKeyOrAdapters)
{
    // No product key: defaults, and an apply writes driver values but no "EnableClock".
    Seed(Voodoo5At("0000"));
    Load();
    EXPECT_EQ(120, model.lowerLimit);
    EXPECT_EQ(220, model.upperLimit);
    EXPECT_EQ(143, model.defaultClock);
    EXPECT_EQ(143, model.currentClock);
    EXPECT_STREQ("Unknown", model.modelName);
    model.clockEnabled = 1;
    Apply();
    EXPECT_FALSE(KeyExists(ProductKey));
    EXPECT_EQ("sz:143", Value(Instance("0000", "\\DEFAULT"), "Grxclock"));

    // An empty key and no Voodoo5: the defaults, and only "EnableClock" is ever written.
    Seed("[-HKEY_LOCAL_MACHINE\\" + Instance("0000") + "]\n\n" + Section(ProductKey));
    model.currentClock = 999;
    const std::string before = registry.SaveRegText();
    Load();
    EXPECT_EQ(-1, model.currentAdapter);
    EXPECT_EQ(143, model.currentClock);
    EXPECT_EQ(0, model.clockEnabled);
    EXPECT_EQ(before, registry.SaveRegText());
    model.SetClockEnabled(true);
    Apply();
    EXPECT_EQ("sz:1", Value(ProductKey, "EnableClock"));
    EXPECT_FALSE(KeyExists(InstanceKey + std::string("0000")));
}

TEST_F(SettingsModelTest, StoredLimitsAreRepairedAtLoad)
{
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"LowerLimit\"=\"90\"\n\"UpperLimit\"=\"250\"\n");
    Load();
    EXPECT_EQ(100, model.lowerLimit);
    EXPECT_EQ(240, model.upperLimit);
    EXPECT_EQ("sz:100", Value(ProductKey, "LowerLimit"));
    EXPECT_EQ("sz:240", Value(ProductKey, "UpperLimit"));
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\"LowerLimit\"=\"145\"\n\"UpperLimit\"=\"199\"\n");
    Load();
    EXPECT_EQ("sz:140", Value(ProductKey, "LowerLimit"));
    EXPECT_EQ("sz:200", Value(ProductKey, "UpperLimit"));
}

TEST_F(SettingsModelTest, ModelTextIsCutToItsFieldOrMissingWhenTooLong)
{
    const std::string longModel(100, 'M');
    Seed(Section(ProductKey, "\"Model\"=\"" + longModel + "\"\n"));
    Load();
    EXPECT_EQ(longModel.substr(0, 79), model.modelName);
    Seed(Section(ProductKey, "\"Model\"=\"" + std::string(300, 'M') + "\"\n"));
    Load();
    EXPECT_STREQ("Unknown", model.modelName);
}

TEST_F(SettingsModelTest, ApplyClampsAndSkipsOnlyTheValueItCannotWrite)
{
    Seed(InstalledProductKey + EnableClock(1) + Voodoo5At("0000"));
    Load();
    registry.DenyOnKey(HiveLocalMachine, Instance("0000", "\\DEFAULT").c_str(),
                       MemoryRegistry::DenyCreate);
    model.currentClock = 300;
    model.openGlSwapOff = 1;
    Apply();
    EXPECT_EQ(220, model.currentClock);
    EXPECT_FALSE(KeyExists(Instance("0000", "\\DEFAULT")));
    EXPECT_EQ("sz:0", Value(Instance("0000", "\\Glide"), "FX_GLIDE_SWAPINTERVAL"));

    registry.DenyOnKey(HiveLocalMachine, Instance("0000", "\\DEFAULT").c_str(), 0);
    model.currentClock = 50;
    model.ApplyToInstance(0);
    ExpectAllClosed();
    EXPECT_EQ("sz:120", Value(Instance("0000", "\\DEFAULT"), "Grxclock"));
}

TEST_F(SettingsModelTest, SwitchingAdjustmentOffReturnsToTheDefaultClock)
{
    Seed(InstalledProductKey + EnableClock(2) + Voodoo5At("0000") +
         Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"200\"\n"));
    Load();
    EXPECT_EQ(2, model.clockEnabled);  // the stored number, not reduced to 0 or 1
    Apply();
    EXPECT_EQ("sz:200", Value(Instance("0000", "\\DEFAULT"), "Grxclock")) << "2 is on";
    model.SetClockEnabled(false);
    EXPECT_EQ(166, model.currentClock);
    model.SetClockEnabled(true);
    EXPECT_EQ(1, model.clockEnabled);
    EXPECT_EQ(166, model.currentClock);
}

// The driver's own tab writes "1" for vsync on. That is no "0", so the box shows clear and an
// apply leaves the value alone, on every flavour and wherever it lies, until the user ticks
// the box, which writes "0".
TEST_F(SettingsModelTest, AnotherProgramsSwapIntervalIsNeitherShownOffNorChanged)
{
    const std::string glideOn = "\"FX_GLIDE_SWAPINTERVAL\"=\"1\"\n";
    const std::string d3dOn = "\"SSTH3_SWAPINTERVAL\"=\"1\"\n";
    Seed(InstalledProductKey + Voodoo5At("0000") + Section(Instance("0000", "\\Glide"), glideOn) +
         Section(Instance("0000", "\\D3D"), d3dOn));
    for (bool nt : {false, true}) {
        SCOPED_TRACE(nt ? "Windows 2000" : "Windows 98");
        Load();
        EXPECT_EQ(0, model.openGlSwapOff + model.d3dSwapOff);
        const std::string before = registry.SaveRegText();
        Apply();
        EXPECT_EQ(before, registry.SaveRegText());
        model.openGlSwapOff = 1;
        Apply();
        const std::string glide = nt ? NtGlideKey : Instance("0000", "\\Glide");
        EXPECT_EQ("sz:0", Value(glide, "FX_GLIDE_SWAPINTERVAL"));
        EXPECT_EQ(nt ? "sz:0" : "sz:1", Value(nt ? Nt5Key : Instance("0000", "\\D3D"),
                                              "SSTH3_SWAPINTERVAL"));
        platform.PoseAsWindows2000();
        Seed(Section(NtGlideKey, glideOn) + Section(std::string(Nt5Key) + "\\glide", glideOn) +
             Section(Nt5Key, d3dOn));
    }
}

// A user without administrator rights on Windows 2000: the registry refuses every write. An
// apply that changes nothing is no refusal, whether the values are there or absent with their
// keys; one that would change a value is.
TEST_F(SettingsModelTest, ARefusedWriteCountsOnlyWhereTheRegistryDiffers)
{
    platform.PoseAsWindows2000();
    const std::string off = "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n";
    const std::string stored =
        EnableClock(1) + Section(NtGlideKey, off) + Section(std::string(Nt5Key) + "\\glide", off) +
        Section(Nt5Key, "\"GraphicsClocking\"=dword:000000b4\n\"SSTH3_SWAPINTERVAL\"=\"0\"\n");
    for (const std::string& seed : {stored, std::string()}) {
        registry.DenyEverywhere(0);
        Seed(std::string("[-HKEY_LOCAL_MACHINE\\SYSTEM]\n") + InstalledProductKey + seed);
        Load();
        registry.DenyEverywhere(MemoryRegistry::DenyWrite | MemoryRegistry::DenyCreate |
                                MemoryRegistry::DenyOpenForWriting);
        EXPECT_TRUE(model.ApplySettings(true)) << "nothing to change";
        ExpectAllClosed();
        model.openGlSwapOff = !model.openGlSwapOff;
        EXPECT_FALSE(model.ApplySettings(true)) << "a change refused";
    }
}

// Without the 3dfxvs service (Windows 2000) or any driver key (NT 4.0), an apply with
// everything off creates no key to delete from.
TEST_F(SettingsModelTest, AnApplyWithEverythingOffCreatesNoKey)
{
    Seed(InstalledProductKey);
    const std::string before = registry.SaveRegText();
    for (bool nt4 : {true, false}) {
        nt4 ? platform.PoseAsNt4() : platform.PoseAsWindows2000();
        Load();
        Apply();
        EXPECT_EQ(before, registry.SaveRegText()) << (nt4 ? "NT 4.0" : "Windows 2000");
    }
}

// The clock lies above the limit and the registry refuses its reset: no message claims a reset;
// the model tells the page the clock and the limit, and the value stays.
TEST_F(SettingsModelTest, ARefusedClockRepairIsNotAnnouncedAsDone)
{
    Seed(InstalledProductKey + EnableClock(1) + Voodoo5At("0000") +
         Section(Instance("0000", "\\DEFAULT"), "\"Grxclock\"=\"250\"\n"));
    registry.DenyOnKey(HiveLocalMachine, Instance("0000", "\\DEFAULT").c_str(),
                       MemoryRegistry::DenyWrite);
    Load();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(model.clockRepairRefused);
    EXPECT_EQ(250, model.unrepairedClock);
    EXPECT_EQ(220, model.repairLimit);
    EXPECT_EQ("sz:250", Value(Instance("0000", "\\DEFAULT"), "Grxclock"));
}

}  // namespace
