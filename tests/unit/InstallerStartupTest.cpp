// The installer's start-up decisions: options, language, flavour, limits and the library path.
#include "CallSite.h"
#include "InstallerRecordingRegistry.h"
#include "RcStrings.h"

#include "installer/CommandLine.h"
#include "installer/LibraryPath.h"
#include "installer/Startup.h"
#include "installer/StartupOptions.h"
#include "platform/fake/FakePlatform.h"
#include "registry/OsFlavor.h"
#include "registry/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;
using namespace tarv::installer;

namespace {

const char LibraryPath[] = "C:\\TARV\\TARVPAGE.DLL";

class InstallerStartup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetInstallerState(&state);
        platform.existingFiles.insert(LibraryPath);
    }

    StartupOutcome Start(const std::string& arguments, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        StartupOutcome outcome =
            RunStartupDecisions(arguments.c_str(), platform, registry, strings, &state);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
        return outcome;
    }
    void Seed(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }
    int Language(const std::string& arguments, unsigned short system = 0x0409)
    {
        return ChooseStartupLanguage(arguments.c_str(), system);
    }
    std::pair<long, long> Limits(const std::string& arguments)
    {
        ResetInstallerState(&state);
        ReadLimits(arguments.c_str(), &state);
        return {state.LowerLimit, state.UpperLimit};
    }
    // The flavour, the panel flag and the four force flags as one readable text.
    std::string Flavor(const std::string& arguments)
    {
        ApplyForcedFlavor(arguments.c_str(), &state);
        std::string text = state.OsFlavor == Win9x ? "Win9x" : state.OsFlavor == WinNT4 ? "NT4" : "NT5";
        if (state.AdvancedPanelAllowed) text += " panel";
        if (state.Force95) text += " Force95";
        if (state.Force98) text += " Force98";
        if (state.ForceNT4) text += " ForceNT4";
        if (state.ForceNT5) text += " ForceNT5";
        return text;
    }
    std::string Version(unsigned long major, unsigned long minor, unsigned long build,
                        unsigned long platformId, bool known = true)
    {
        VersionRecord record = {major, minor, build, platformId};
        DecideFlavor(known, record, &state);
        return Flavor("");
    }

    FakePlatform platform;
    MemoryRegistry registry;
    FakeStringTable strings = ReadRcStrings(TARV_INSTALLER_RC);
    InstallerState state;
};

const std::pair<long, long> Defaults = {120, 220};

TEST(InstallerCommandLine, KeywordsCountAllLowerOrAllUpperAnywhereUpperFirst)
{
    const char text[] = "xforce98y force95 FORCE95";
    EXPECT_EQ(text + 1, FindOption(text, "force98"));
    EXPECT_EQ(text + 18, FindOption(text, "force95"));  // the upper-case form wins
    EXPECT_EQ(nullptr, FindOption("Force98 fOrCe98", "force98"));
    EXPECT_EQ(nullptr, FindOption("", "force98"));
    EXPECT_EQ(nullptr, FindOption(nullptr, "force98"));
}

TEST(InstallerCommandLine, ArgumentsFollowTheProgramName)
{
    const struct {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {"TARVINST.EXE forcent4", "forcent4"},
        {"\"C:\\Program Files\\TARVINST.EXE\"  \tlowerlimit(90)", "lowerlimit(90)"},
        {"\"C:\\TARV\\TARVINST.EXE\"forcent4", "forcent4"},
        {"TARVINST.EXE", ""},
        {"\"unclosed forcent4", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.arguments, SkipProgramName(c.commandLine)) << c.commandLine;
    EXPECT_STREQ("", SkipProgramName(nullptr));
}

TEST(InstallerCommandLine, ValueRunsFromTheFirstOpeningToTheNextClosingBracket)
{
    char value[OptionTextSize];
    EXPECT_TRUE(ReadOptionValue("lowerlimit( 130 )", value, sizeof value));
    EXPECT_STREQ(" 130 ", value);
    EXPECT_TRUE(ReadOptionValue("lowerlimit upperlimit(230)", value, sizeof value));
    EXPECT_STREQ("230", value);
    EXPECT_TRUE(ReadOptionValue("x) y(a(b)c)", value, sizeof value));
    EXPECT_STREQ("a(b", value);
    EXPECT_TRUE(ReadOptionValue("lowerlimit()", value, sizeof value));
    EXPECT_STREQ("", value);
    EXPECT_FALSE(ReadOptionValue("lowerlimit(130", value, sizeof value));
    EXPECT_STREQ("", value);
    EXPECT_FALSE(ReadOptionValue("lowerlimit)130(", value, sizeof value));
    EXPECT_FALSE(ReadOptionValue(nullptr, value, sizeof value));

    char small[4];
    EXPECT_TRUE(ReadOptionValue("(123456)", small, sizeof small));
    EXPECT_STREQ("123", small);
}

TEST(InstallerCommandLine, TailsLongerThanTheWorkingCopyAreCut)
{
    char value[OptionTextSize];
    // The closing bracket lies beyond the 256-byte copy, so the option has no value.
    std::string far = "lowerlimit(130" + std::string(5000, ' ') + ")";
    EXPECT_FALSE(ReadOptionValue(far.c_str(), value, sizeof value));
    // Just inside: 255 characters are examined.
    std::string inside = "(" + std::string(253, '7') + ")";
    ASSERT_EQ(255u, inside.size());
    EXPECT_TRUE(ReadOptionValue(inside.c_str(), value, sizeof value));
    EXPECT_EQ(std::string(253, '7'), value);
    std::string outside = "(" + std::string(254, '7') + ")";
    EXPECT_FALSE(ReadOptionValue(outside.c_str(), value, sizeof value));
}

TEST_F(InstallerStartup, LanguageFromForcelangOrTheSystem)
{
    EXPECT_EQ(12, Language("forcelang(FRENCH)"));
    EXPECT_EQ(12, Language("FORCELANG(french)"));
    EXPECT_EQ(7, Language("forcelang(german)"));
    EXPECT_EQ(7, Language("/s forcelang(GeRmAn) lowerlimit(130)"));
    // Present without a usable value, or with another language: English.
    EXPECT_EQ(9, Language("forcelang", 0x0407));
    EXPECT_EQ(9, Language("forcelang(SPANISH)", 0x0407));
    EXPECT_EQ(9, Language("forcelang( FRENCH)", 0x0407));
    EXPECT_EQ(9, Language("forcelang(FRENCH", 0x0407));
    // Mixed case is not the option: the system decides.
    EXPECT_EQ(0x0C, Language("ForceLang(FRENCH)", 0x0C0C));
    EXPECT_EQ(7, Language("", 0x0407));
    EXPECT_EQ(0x3FF, Language("", 0xFFFF));
    // The upper-case keyword is found first, even when it comes later.
    EXPECT_EQ(9, Language("forcelang(FRENCH) FORCELANG"));
    EXPECT_EQ(7, Language("forcelang(FRENCH) FORCELANG(GERMAN)"));

    EXPECT_EQ(70, StringSetBaseForLanguage(7));
    EXPECT_EQ(35, StringSetBaseForLanguage(12));
    EXPECT_EQ(0, StringSetBaseForLanguage(9));
    EXPECT_EQ(0, StringSetBaseForLanguage(0x0C0C));
    EXPECT_EQ(0, StringSetBaseForLanguage(10));
}

TEST_F(InstallerStartup, LimitsReadClampedOrLeftAtTheirDefaults)
{
    EXPECT_EQ(Defaults, Limits(""));
    EXPECT_EQ((std::pair<long, long>{130, 220}), Limits("lowerlimit( 130 )"));
    EXPECT_EQ((std::pair<long, long>{135, 220}), Limits("LOWERLIMIT(+135MHz)"));
    EXPECT_EQ((std::pair<long, long>{100, 220}), Limits("lowerlimit(90)"));
    EXPECT_EQ((std::pair<long, long>{100, 220}), Limits("lowerlimit(abc)"));
    EXPECT_EQ((std::pair<long, long>{100, 220}), Limits("lowerlimit()"));
    EXPECT_EQ((std::pair<long, long>{140, 220}), Limits("lowerlimit(99999999999999999999)"));
    EXPECT_EQ((std::pair<long, long>{100, 220}), Limits("lowerlimit(-99999999999999999999)"));
    EXPECT_EQ(Defaults, Limits("lowerlimit(130"));
    EXPECT_EQ(Defaults, Limits("lowerlimit 130"));
    EXPECT_EQ((std::pair<long, long>{120, 240}), Limits("upperlimit(999)"));
    EXPECT_EQ((std::pair<long, long>{120, 200}), Limits("upperlimit(-5)"));
    // The bracket after the lowerlimit keyword belongs to upperlimit, and both read it.
    EXPECT_EQ((std::pair<long, long>{140, 230}), Limits("lowerlimit upperlimit(230)"));
    EXPECT_EQ((std::pair<long, long>{110, 220}), Limits("lowerlimit(130) LOWERLIMIT(110)"));
    EXPECT_EQ(Defaults, Limits("LowerLimit(130) UpperLimit(230)"));
}

TEST_F(InstallerStartup, FlavorFromTheVersionRecord)
{
    EXPECT_EQ("Win9x", Version(4, 0, 0x040003B6, PlatformWin32Windows));        // 95, 4.00.950
    EXPECT_EQ("Win9x panel", Version(4, 10, 0x040A07CE, PlatformWin32Windows));  // 98, 4.10.1998
    EXPECT_EQ("Win9x panel", Version(4, 10, 0x040A08AE, PlatformWin32Windows));  // 98 SE, 2222
    EXPECT_EQ("Win9x panel", Version(4, 90, 0x045A0BB8, PlatformWin32Windows));  // Me, 4.90.3000
    EXPECT_EQ("Win9x", Version(4, 10, 0x040A07CD, PlatformWin32Windows));        // 4.10.1997
    EXPECT_EQ("Win9x", Version(5, 10, 0x050A07CE, PlatformWin32Windows));        // major 5
    // Only the packed build field counts, not the version fields.
    EXPECT_EQ("Win9x", Version(4, 10, 0x040003B6, PlatformWin32Windows));
    EXPECT_EQ("Win9x", Version(4, 10, 0x040A07CE, PlatformWin32Windows, false));  // query failed
    EXPECT_EQ("Win9x", Version(3, 51, 1057, PlatformWin32Nt));
    EXPECT_EQ("NT4", Version(4, 0, 1381, PlatformWin32Nt));
    EXPECT_EQ("NT5", Version(5, 0, 2195, PlatformWin32Nt));
    EXPECT_EQ("NT5", Version(5, 1, 2600, PlatformWin32Nt));
    EXPECT_EQ("Win9x", Version(6, 0, 6000, PlatformWin32Nt));
    // An NT build number that would read as 4.10.1998 does not give the panel.
    EXPECT_EQ("Win9x", Version(6, 0, 0x040A07CE, PlatformWin32Nt));
}

TEST_F(InstallerStartup, ForcedFlavorLatestInFixedOrderWinsAndOnlyItsFlagStays)
{
    state.AdvancedPanelAllowed = true;
    EXPECT_EQ("Win9x panel", Flavor(""));
    EXPECT_EQ("NT5 ForceNT5", Flavor("forcent5 force95"));
    EXPECT_EQ("NT4 ForceNT4", Flavor("FORCENT4 force98"));
    EXPECT_EQ("Win9x panel Force98", Flavor("FORCE98"));
    EXPECT_EQ("Win9x Force95", Flavor("force95"));
    EXPECT_EQ("Win9x panel Force98", Flavor("xforce98y"));
    EXPECT_EQ("Win9x panel Force98", Flavor("force95force98"));
    // An absent option clears only its own flag.
    state.OsFlavor = WinNT5;
    state.Force95 = true;
    EXPECT_EQ("NT5 panel", Flavor("Force98 ForceNT4"));
}

TEST_F(InstallerStartup, Force98OnNtDiscoversAdaptersInTheWindows95Keys)
{
    platform.PoseAsNt4();
    Seed("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0002]\n"
         "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n");
    ASSERT_EQ(StartupReady, Start("FORCE98"));
    EXPECT_EQ(Win9x, state.OsFlavor);
    EXPECT_TRUE(state.AdvancedPanelAllowed);
    EXPECT_TRUE(state.Force98);
    EXPECT_EQ(1, state.adapterCount);
    EXPECT_EQ(2, state.adapters[0]);
    EXPECT_EQ(-1, state.adapters[1]);
}

TEST_F(InstallerStartup, NtKeepsTheAdapterListEmpty)
{
    platform.PoseAsWindows2000();
    Seed("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0000]\n"
         "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n");
    RecordingRegistry recorder(registry);
    ASSERT_EQ(StartupReady, RunStartupDecisions("", platform, recorder, strings, &state));
    EXPECT_EQ(WinNT5, state.OsFlavor);
    EXPECT_EQ(0, state.adapterCount);
    EXPECT_EQ(-1, state.adapters[0]);
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(InstallerStartup, WholeSequenceOnWindows98)
{
    platform.PoseAsWindows98();
    platform.language = 0x040C;
    Seed("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0000]\n"
         "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n"
         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0003]\n"
         "\"DriverDesc\"=\"3dfx Voodoo5 6000\"\n\n"
         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0004]\n"
         "\"DriverDesc\"=\"3dfx voodoo5\"\n\n");
    state.LowerLimit = 5;  // start-up begins from the initial values
    ASSERT_EQ(StartupReady, Start("upperlimit(230)"));
    EXPECT_EQ(35, state.StringSetBase);
    EXPECT_STREQ(LibraryPath, state.LibraryPath);
    EXPECT_EQ(Win9x, state.OsFlavor);
    EXPECT_TRUE(state.AdvancedPanelAllowed);
    EXPECT_FALSE(state.Force95 || state.Force98 || state.ForceNT4 || state.ForceNT5);
    EXPECT_EQ(120, state.LowerLimit);
    EXPECT_EQ(230, state.UpperLimit);
    EXPECT_EQ(2, state.adapterCount);
    EXPECT_EQ(0, state.adapters[0]);
    EXPECT_EQ(3, state.adapters[1]);
    EXPECT_EQ(-1, state.adapters[2]);
}

// Each system the product was tested on, as the installer's whole start-up and the page's
// flavour test see it: the same flavour, the panel from Windows 98 on, adapters only on 9x.
TEST_F(InstallerStartup, EverySupportedSystemGivesTheSameFlavourToInstallerAndPage)
{
    struct System {
        const char* name;
        void (FakePlatform::*pose)();
        int flavour;
        bool panel;
    };
    const System systems[] = {
        {"Windows 95", &FakePlatform::PoseAsWindows95, Win9x, false},
        {"Windows 98", &FakePlatform::PoseAsWindows98, Win9x, true},
        {"Windows Me", &FakePlatform::PoseAsWindowsMe, Win9x, true},
        {"Windows NT 4.0", &FakePlatform::PoseAsNt4, WinNT4, false},
        {"Windows 2000", &FakePlatform::PoseAsWindows2000, WinNT5, false},
        {"Windows XP", &FakePlatform::PoseAsWindowsXp, WinNT5, false},
    };
    Seed("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0000]\n"
         "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n");
    for (const System& system : systems) {
        SCOPED_TRACE(system.name);
        ResetInstallerState(&state);
        (platform.*system.pose)();
        ASSERT_EQ(StartupReady, Start(""));
        EXPECT_EQ(system.flavour, state.OsFlavor);
        EXPECT_EQ(system.panel, state.AdvancedPanelAllowed);
        EXPECT_EQ(system.flavour == Win9x ? 1 : 0, state.adapterCount);
        EXPECT_EQ(system.flavour, DetectOsFlavor(platform, registry));
    }
}

TEST_F(InstallerStartup, DriverDescriptionsLongerThan255BytesDoNotMatch)
{
    Seed("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0000]\n"
         "\"DriverDesc\"=\"Voodoo5" + std::string(248, 'x') + "\"\n\n"
         "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001]\n"
         "\"DriverDesc\"=\"Voodoo5" + std::string(249, 'x') + "\"\n\n");
    ASSERT_EQ(StartupReady, Start(""));
    EXPECT_EQ(1, state.adapterCount);
    EXPECT_EQ(0, state.adapters[0]);
    EXPECT_STREQ("C:\\TARV\\TARVINST.EXE", state.InstallerPath);
}

TEST_F(InstallerStartup, MissingLibraryStopsBeforeAnyRegistryAccess)
{
    platform.existingFiles.clear();
    RecordingRegistry recorder(registry);
    EXPECT_EQ(StartupLibraryMissing, RunStartupDecisions("forcelang(german) forcent4", platform,
                                                         recorder, strings, &state));
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(70, state.StringSetBase);  // the not-found message comes from the German set

    platform.existingFiles.insert(LibraryPath);
    platform.modulePathKnown = false;
    EXPECT_EQ(StartupLibraryMissing, RunStartupDecisions("", platform, recorder, strings, &state));
    EXPECT_TRUE(recorder.log.empty());
}

TEST(InstallerLibraryPath, DriveAndDirectoryOfTheInstallerWithTheLibraryName)
{
    char path[LibraryPathSize];
    EXPECT_TRUE(BuildLibraryPath("C:\\TARV\\TARVINST.EXE", "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("C:\\TARV\\TARVPAGE.DLL", path);
    EXPECT_TRUE(BuildLibraryPath("D:/a.b/setup", "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("D:/a.b/TARVPAGE.DLL", path);
    EXPECT_TRUE(BuildLibraryPath("\\\\server\\share\\TARVINST.EXE", "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("\\\\server\\share\\TARVPAGE.DLL", path);
    EXPECT_TRUE(BuildLibraryPath("A:TARVINST.EXE", "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("A:TARVPAGE.DLL", path);
    EXPECT_TRUE(BuildLibraryPath("TARVINST.EXE", "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("TARVPAGE.DLL", path);
    // Only the name and extension of the library name are used.
    EXPECT_TRUE(BuildLibraryPath("C:\\TARV\\TARVINST.EXE", "X:\\OTHER\\TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("C:\\TARV\\TARVPAGE.DLL", path);
}

TEST(InstallerLibraryPath, PathsThatDoNotFitCountAsMissing)
{
    char path[LibraryPathSize];
    // 243 characters of directory plus 12 of name: exactly 255.
    std::string directory = "C:\\" + std::string(239, 'd') + "\\";
    ASSERT_EQ(243u, directory.size());
    EXPECT_TRUE(BuildLibraryPath((directory + "TARVINST.EXE").c_str(), "TARVPAGE.DLL", path, sizeof path));
    EXPECT_EQ(directory + "TARVPAGE.DLL", path);
    std::string longer = "C:\\" + std::string(240, 'd') + "\\TARVINST.EXE";
    EXPECT_FALSE(BuildLibraryPath(longer.c_str(), "TARVPAGE.DLL", path, sizeof path));
    EXPECT_STREQ("", path);
    std::string huge = "C:\\" + std::string(6000, 'd') + "\\TARVINST.EXE";
    EXPECT_FALSE(BuildLibraryPath(huge.c_str(), "TARVPAGE.DLL", path, sizeof path));
    EXPECT_FALSE(BuildLibraryPath("C:\\T.EXE", std::string(5000, 'n').c_str(), path, sizeof path));
    EXPECT_STREQ("", path);
}

TEST_F(InstallerStartup, InstallerPathsTooLongForTheLibraryPathMeanNotFound)
{
    // The own path fits in 256 bytes, but with the library name it would not.
    std::string directory = "C:\\" + std::string(240, 'd') + "\\";
    platform.modulePath = directory + "TARVINST.EXE";
    platform.existingFiles.insert(directory + "TARVPAGE.DLL");
    EXPECT_EQ(StartupLibraryMissing, Start(""));
    EXPECT_STREQ("", state.LibraryPath);
    // A longer installer name: its own path takes all of MAX_PATH, the library path 253.
    directory = "C:\\" + std::string(237, 'd') + "\\";
    platform.modulePath = directory + "TARVELLO-SETUP.EXE";
    ASSERT_EQ(259u, platform.modulePath.size());
    platform.existingFiles.insert(directory + "TARVPAGE.DLL");
    EXPECT_EQ(StartupReady, Start(""));
    EXPECT_EQ(directory + "TARVPAGE.DLL", state.LibraryPath);
    EXPECT_STREQ("", state.InstallerPath);  // too long to name in Add/Remove Programs
    // The installer's own path is kept within the same 255 characters.
    directory = "C:\\" + std::string(238, 'd') + "\\";
    platform.existingFiles.insert(directory + "TARVPAGE.DLL");
    for (const char* name : {"TARVINST1.EXE", "TARVINST12.EXE"}) {
        platform.modulePath = directory + name;
        EXPECT_EQ(StartupReady, Start(""));
        EXPECT_EQ(platform.modulePath.size() == 255 ? platform.modulePath : "", state.InstallerPath);
    }
    // An own path of several kilobytes cannot even be had.
    platform.modulePath = "C:\\" + std::string(5000, 'd') + "\\TARVINST.EXE";
    EXPECT_EQ(StartupLibraryMissing, Start(""));
}

TEST_F(InstallerStartup, ArgumentsOfSeveralKilobytes)
{
    std::string padding(6000, 'x');
    ASSERT_EQ(StartupReady, Start(padding + "lowerlimit(130)" + padding + "FORCENT5"));
    EXPECT_EQ(130, state.LowerLimit);
    EXPECT_EQ(WinNT5, state.OsFlavor);
    ASSERT_EQ(StartupReady, Start("lowerlimit(" + padding + "130)" + " forcelang(FRENCH" + padding + ")"));
    EXPECT_EQ(120, state.LowerLimit);
    EXPECT_EQ(0, state.StringSetBase);
    ASSERT_EQ(StartupReady, Start("upperlimit(" + std::string(4000, ' ') + "230)"));
    EXPECT_EQ(220, state.UpperLimit);
}

}  // namespace
