// Registration and removal against the in-memory registry: whole exports after each
// operation, the order of deletions, and the stops at the first failure.
#include "CallSite.h"
#include "FakeModuleVersion.h"
#include "InstallerRecordingRegistry.h"
#include "InstallerScenarios.h"

#include "installer/InstallState.h"
#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/Removal.h"
#include "installer/UninstallEntry.h"
#include "page/server/ServerRegistration.h"
#include "registry/ComRegistration.h"
#include "registry/ProductSettings.h"
#include "registry/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace tarv {
namespace installer_scenarios {
// Test names and failure messages show a scenario by its name.
void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }
}  // namespace installer_scenarios
}  // namespace tarv

using namespace tarv;
using namespace tarv::installer;
using namespace tarv::installer_scenarios;

namespace {

// The export of a registry holding exactly the given REGEDIT4 sections.
std::string Canonical(const std::string& sections, CallSite site = CallSite())
{
    CallerTrace trace(site);
    MemoryRegistry registry;
    std::string error;
    EXPECT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    return registry.SaveRegText();
}

class InstallerRegistry : public ::testing::Test {
protected:
    void SetUp() override { ResetInstallerState(&state); }

    void Seed(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        std::string error;
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n\n" + sections, &error)) << error;
    }
    void ExpectRegistry(const std::string& sections, CallSite site = CallSite())
    {
        CallerTrace trace(site);
        EXPECT_EQ(0, registry.OpenHandleCount()) << "keys left open";
        EXPECT_EQ(Canonical(sections, site), registry.SaveRegText());
    }
    void Install(int model = Model5500, bool advancedPanel = false)
    {
        InstallComponents(registry, state, LibraryPath, state.LowerLimit, state.UpperLimit, model,
                          advancedPanel);
    }
    int Detect(CallSite site = CallSite())
    {
        CallerTrace trace(site);
        int installState = DetectInstallState(registry);
        EXPECT_EQ(0, registry.OpenHandleCount());
        return installState;
    }

    MemoryRegistry registry;
    InstallerState state;
};

const char ClassId[] = "\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\"";
const std::string Handlers =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\";
const std::string DisplayHandler =
    Handlers + "Display\\Shellex\\PropertySheetHandlers\\Tarvello]\n@=" + ClassId + "\n\n";
const std::string DeviceHandler =
    Handlers + "Device\\Shellex\\PropertySheetHandlers\\Tarvello]\n@=" + ClassId + "\n\n";
const std::string ClassKey = "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}]\n\n";
const std::string ServerKey =
    "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32]\n"
    "@=\"C:\\\\TARV\\\\TARVPAGE.DLL\"\n"
    "\"ThreadingModel\"=\"Apartment\"\n\n";
const std::string Product5500 =
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
    "\"LowerLimit\"=\"120\"\n\"UpperLimit\"=\"220\"\n\"Model\"=\"Voodoo5 5500\"\n"
    "\"DefaultClock\"=\"166\"\n\"EnableClock\"=\"0\"\n\"ColorDepth\"=\"8\"\n"
    "\"LinkAllColorDepths\"=\"0\"\n\n";
const std::string Instance = "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string ApprovedKey =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved]\n";
const std::string Approved = ApprovedKey + ClassId + "=\"Tarvello\"\n\n";
const std::string EntryKey =
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvello]\n";
const std::string Entry = EntryKey + "\"DisplayName\"=\"Tarvello\"\n"
                                     "\"UninstallString\"=\"C:\\\\TARV\\\\TARVINST.EXE\"\n\n";

// --- The scenarios shared with the Wine tests ---------------------------------------------

class SharedScenario : public InstallerRegistry,
                       public ::testing::WithParamInterface<Scenario> {};

TEST_P(SharedScenario, LeavesTheExpectedRegistry)
{
    const Scenario& scenario = GetParam();
    Seed(scenario.seed);
    // Seeding through the registry interface, as the Wine run does, gives the same registry.
    {
        MemoryRegistry applied;
        std::string error;
        EXPECT_TRUE(ApplyRegText(applied, scenario.seed, &error)) << error;
        EXPECT_EQ(registry.SaveRegText(), applied.SaveRegText());
    }
    scenario.run(registry);
    ExpectRegistry(scenario.expected);
    EXPECT_EQ(FilterWatchedKeys(scenario.expected), SnapshotWatchedKeys(registry));
    EXPECT_EQ(0, registry.OpenHandleCount());
}

INSTANTIATE_TEST_SUITE_P(Installer, SharedScenario, ::testing::ValuesIn(SharedScenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.name);
                         });

// --- Installation --------------------------------------------------------------------------

TEST_F(InstallerRegistry, FreshInstallWritesSevenProductValuesHandlerAndServer)
{
    EXPECT_EQ(0, Detect());
    Install();
    ExpectRegistry(Product5500 + DisplayHandler + ServerKey);
    EXPECT_EQ(ProductKeyPresent | DisplayHandlerPresent | ClassKeyPresent, Detect());
}

TEST_F(InstallerRegistry, KeysAreCreatedWithTheirClassStringsAndWriteAccess)
{
    RecordingRegistry recorder(registry);
    InstallComponents(recorder, state, LibraryPath, 120, 220, Model5000, false);
    EXPECT_EQ((std::vector<std::string>{
                  "create HKLM\\Software\\Tarvello class Tarvello access 0x6",
                  "create HKLM\\" + std::string(DisplayHandlerKeyPath) + " class Tarvello access 0x6",
                  "create HKCR\\" + std::string(ServerKeyPath) + " class Tarvellus access 0x6"}),
              recorder.Calls("create"));
    // The handler's default value is the class identifier with its terminator: 39 bytes.
    unsigned long type = 0;
    std::vector<unsigned char> data;
    ASSERT_TRUE(registry.GetValue(HiveLocalMachine, DisplayHandlerKeyPath, "", &type, &data));
    EXPECT_EQ(RegSz, type);
    EXPECT_EQ(39u, data.size());
    EXPECT_EQ(0, data.back());
}

TEST_F(InstallerRegistry, ModelsLimitsAndEveryForceFlagAreRecorded)
{
    state.Force95 = state.Force98 = state.ForceNT4 = state.ForceNT5 = true;
    RecordingRegistry recorder(registry);
    InstallComponents(recorder, state, LibraryPath, 100, 240, Model6000, false);
    // The export is sorted, so the order of the writes is checked on the calls.
    std::vector<std::string> expectedSets;
    for (const char* name : {"LowerLimit", "UpperLimit", "Model", "DefaultClock", "EnableClock",
                             "ColorDepth", "LinkAllColorDepths", "Force95", "Force98", "ForceNT4",
                             "ForceNT5"})
        expectedSets.push_back("set HKLM\\Software\\Tarvello " + std::string(name));
    EXPECT_EQ(expectedSets, recorder.Calls("set HKLM\\Software\\Tarvello "));
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
                   "\"LowerLimit\"=\"100\"\n\"UpperLimit\"=\"240\"\n\"Model\"=\"Voodoo5 6000\"\n"
                   "\"DefaultClock\"=\"166\"\n\"EnableClock\"=\"0\"\n\"ColorDepth\"=\"8\"\n"
                   "\"LinkAllColorDepths\"=\"0\"\n\"Force95\"=\"1\"\n\"Force98\"=\"1\"\n"
                   "\"ForceNT4\"=\"1\"\n\"ForceNT5\"=\"1\"\n\n" +
                   DisplayHandler + ServerKey);
}

TEST_F(InstallerRegistry, ReinstallationOverwritesThePagesChoices)
{
    Seed("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
         "\"LowerLimit\"=\"130\"\n\"UpperLimit\"=\"230\"\n\"Model\"=\"Voodoo5 5500\"\n"
         "\"DefaultClock\"=\"166\"\n\"EnableClock\"=\"1\"\n\"ColorDepth\"=\"32\"\n"
         "\"LinkAllColorDepths\"=\"1\"\n\n");
    Install();
    ExpectRegistry(Product5500 + DisplayHandler + ServerKey);
}

TEST_F(InstallerRegistry, OnlyAReinstallationResetsTheBoardsClockAndSwapValues)
{
    const std::string board = Instance + "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n" + Instance +
                              "0000\\Glide]\n\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n\n";
    Seed(board);
    state.adapters[0] = 0;
    state.adapterCount = 1;
    Install();
    ExpectRegistry(board + Product5500 + DisplayHandler + ServerKey);
    RemoveComponents(registry, state, Detect());
    Install();
    ExpectRegistry(Instance + "0000\\DEFAULT]\n\n" + Instance + "0000\\Glide]\n\n" + Product5500 +
                   DisplayHandler + ServerKey);
}

TEST_F(InstallerRegistry, AdvancedPanelReplacesAnExistingDisplayHandler)
{
    Seed(DisplayHandler);
    Install(Model5500, true);
    ExpectRegistry(Product5500 + Handlers + "Display\\Shellex\\PropertySheetHandlers]\n\n" +
                   DeviceHandler + ServerKey);
    EXPECT_EQ(ProductKeyPresent | DeviceHandlerPresent | ClassKeyPresent, Detect());
}

TEST_F(InstallerRegistry, DisplayPanelOnWindows9xRemovesAnEarlierDeviceHandler)
{
    Seed(DeviceHandler);
    Install(Model5500, false);
    ExpectRegistry(Product5500 + DisplayHandler +
                   Handlers + "Device\\Shellex\\PropertySheetHandlers]\n\n" + ServerKey);
}

TEST_F(InstallerRegistry, AdvancedPanelChoiceCountsOnlyOnWindows9x)
{
    state.OsFlavor = WinNT5;
    Install(Model5500, true);
    ExpectRegistry(Product5500 + DisplayHandler + ServerKey + Approved);
}

TEST_F(InstallerRegistry, WriteInstallKeyStopsAtTheFirstValueThatFails)
{
    RecordingRegistry recorder(registry);
    recorder.refusedNames = {"Model"};
    WriteInstallKey(recorder, state, ProductPart, ProductSettingsKey, 120, 220, Model5500);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
                   "\"LowerLimit\"=\"120\"\n\"UpperLimit\"=\"220\"\n\n");
    EXPECT_EQ(3u, recorder.Calls("set").size());
    EXPECT_EQ("close HKLM\\Software\\Tarvello", recorder.log.back());

    // With writes refused on the whole key it stays empty.
    registry.DenyOnKey(HiveLocalMachine, DisplayHandlerKeyPath, MemoryRegistry::DenyWrite);
    WriteInstallKey(registry, state, HandlerPart | ProductPart, DisplayHandlerKeyPath, 120, 220,
                    Model5500);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
                   "\"LowerLimit\"=\"120\"\n\"UpperLimit\"=\"220\"\n\n" +
                   Handlers + "Display\\Shellex\\PropertySheetHandlers\\Tarvello]\n\n");
}

TEST_F(InstallerRegistry, AFailedHandlerValueSkipsTheProductPartOfThatKey)
{
    RecordingRegistry recorder(registry);
    recorder.refusedNames = {"@"};
    WriteInstallKey(recorder, state, HandlerPart | ProductPart, ProductSettingsKey, 120, 220,
                    Model5500);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n\n");
}

TEST_F(InstallerRegistry, AModelCodeWithoutANameStopsBeforeTheModel)
{
    WriteInstallKey(registry, state, ProductPart, ProductSettingsKey, 120, 220, 4);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n"
                   "\"LowerLimit\"=\"120\"\n\"UpperLimit\"=\"220\"\n\n");
}

TEST_F(InstallerRegistry, AKeyThatCannotBeCreatedDoesNotStopTheNextSteps)
{
    registry.DenyOnKey(HiveLocalMachine, ProductSettingsKey, MemoryRegistry::DenyCreate);
    Install();
    ExpectRegistry(DisplayHandler + ServerKey);
}

TEST_F(InstallerRegistry, ServerRegistrationStopsAtItsFirstFailure)
{
    RecordingRegistry recorder(registry);
    recorder.refusedNames = {"@"};
    RegisterServerClass(recorder, LibraryPath);
    ExpectRegistry(ClassKey + "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
                              "\\InProcServer32]\n\n");
    EXPECT_EQ(1u, recorder.Calls("set").size());
}

// --- The Add/Remove Programs entry --------------------------------------------------------

TEST_F(InstallerRegistry, TheEntryNamesTheInstallerAsTheShellRunsItOnEachFlavour)
{
    const std::string blanks = "\"C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE";
    const std::string ntOnly = "\"NoModify\"=dword:00000001\n\"NoRepair\"=dword:00000001\n";
    const struct {
        const char* name;
        OsFlavor flavour;
        bool forceNt5;
        const char* installerPath;
        bool libraryVersion;  // 2.13 when there is one
        std::string seed;     // an earlier entry
        std::string values;   // after DisplayName, all but Publisher
    } cases[] = {
        {"NT 4.0, a path with blanks is quoted for the command line", WinNT4, false,
         "C:\\Program Files\\Tarvello\\TARVINST.EXE", true, "",
         "\"UninstallString\"=\"\\\"C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE\\\"\"\n"
         "\"DisplayIcon\"=" + blanks + ",0\"\n\"DisplayVersion\"=\"2.13\"\n" + ntOnly},
        {"Windows 2000 forced: removal is started forced too", WinNT5, true,
         "C:\\TARV\\TARVINST.EXE", true, "",
         "\"UninstallString\"=\"C:\\\\TARV\\\\TARVINST.EXE forcent5\"\n"
         "\"DisplayIcon\"=\"C:\\\\TARV\\\\TARVINST.EXE,0\"\n\"DisplayVersion\"=\"2.13\"\n" + ntOnly},
        {"Windows 98 over an NT entry, a library without a version", Win9x, false,
         "C:\\Program Files\\Tarvello\\TARVINST.EXE", false,
         Entry.substr(0, Entry.size() - 1) + "\"DisplayVersion\"=\"1.0\"\n" + ntOnly + "\n",
         "\"UninstallString\"=\"\\\"C:\\\\Program Files\\\\Tarvello\\\\TARVINST.EXE\\\"\"\n"
         "\"DisplayIcon\"=" + blanks + ",0\"\n"},
    };
    FakeModuleVersion library;
    library.versionMost = 0x0002000D;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry fresh;
        ResetInstallerState(&state);
        state.OsFlavor = c.flavour;
        state.ForceNT5 = c.forceNt5;
        std::snprintf(state.LibraryPath, LibraryPathSize, "D:\\LIB\\TARVPAGE.DLL");
        std::snprintf(state.InstallerPath, LibraryPathSize, "%s", c.installerPath);
        library.hasVersion = c.libraryVersion;
        library.readFrom.clear();
        std::string error;
        ASSERT_TRUE(fresh.LoadRegText("REGEDIT4\n\n" + c.seed, &error)) << error;
        EXPECT_TRUE(WriteUninstallEntry(fresh, state, library));
        EXPECT_EQ(Canonical(EntryKey + "\"DisplayName\"=\"Tarvello\"\n" + c.values +
                            "\"Publisher\"=\"Tarvello\"\n\n"),
                  fresh.SaveRegText());
        EXPECT_EQ(std::vector<std::string>{"D:\\LIB\\TARVPAGE.DLL"}, library.readFrom);
        EXPECT_EQ(0, fresh.OpenHandleCount());
    }
}

TEST_F(InstallerRegistry, TheCommandLineFitsAnInstallerPathOfTheLongestKind)
{
    char command[UninstallCommandSize];
    const std::string longest = "C:\\" + std::string(238, 'd') + " \\TARVINST.EXE";
    ASSERT_EQ(LibraryPathSize - 1, longest.size());
    EXPECT_TRUE(FormatUninstallCommand(longest.c_str(), "forcent4", command, sizeof command));
    EXPECT_EQ("\"" + longest + "\" forcent4", command);
    EXPECT_FALSE(FormatUninstallCommand(longest.c_str(), "forcent4", command, sizeof command - 1));
    EXPECT_STREQ("", command);
    // The installer's path too long for the entry (it stays empty): nothing is written.
    FakeModuleVersion library;
    EXPECT_TRUE(WriteUninstallEntry(registry, state, library));
    ExpectRegistry("");
}

// --- Detection ------------------------------------------------------------------------------

TEST_F(InstallerRegistry, EachRemainingKeyCountsAsInstalled)
{
    RecordingRegistry recorder(registry);
    EXPECT_EQ(0, DetectInstallState(recorder));
    for (const std::string& call : recorder.Calls("open"))
        EXPECT_NE(std::string::npos, call.find("access 0x20019")) << call;
    EXPECT_EQ(5u, recorder.Calls("open").size());

    Seed(DeviceHandler);
    EXPECT_EQ(DeviceHandlerPresent, Detect());
    Seed(ClassKey);
    EXPECT_EQ(DeviceHandlerPresent | ClassKeyPresent, Detect());
    Seed("[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARVELLO]\n\n" + DisplayHandler);
    EXPECT_EQ(30, Detect());
    registry.DenyOnKey(HiveLocalMachine, ProductSettingsKey, MemoryRegistry::DenyOpen);
    EXPECT_EQ(28, Detect());
    Seed(Entry);
    EXPECT_EQ(28 | UninstallEntryPresent, Detect());
}

// --- Removal --------------------------------------------------------------------------------

TEST_F(InstallerRegistry, OnlyClassAndServerLeftAreRemovedAndDriversReset)
{
    Seed(ClassKey + ServerKey + Instance + "0000]\n\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n" +
         Instance + "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n");
    int installState = Detect();
    EXPECT_EQ(ClassKeyPresent, installState);
    state.adapters[0] = 0;
    state.adapterCount = 1;
    RemoveComponents(registry, state, installState);
    ExpectRegistry("[HKEY_CLASSES_ROOT\\CLSID]\n\n" + Instance +
                   "0000]\n\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n" + Instance +
                   "0000\\DEFAULT]\n\n");
}

// A run that stopped half-way left the class key without its server: the next run finishes.
TEST_F(InstallerRegistry, AClassKeyLeftWithoutItsServerIsStillRemoved)
{
    Seed(Product5500 + ClassKey + Instance + "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n");
    state.adapters[0] = 0;
    state.adapterCount = 1;
    EXPECT_TRUE(RemoveComponents(registry, state, Detect()));
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software]\n\n[HKEY_CLASSES_ROOT\\CLSID]\n\n" + Instance +
                   "0000\\DEFAULT]\n\n");
}

// DllRegisterServer, run by hand, adds a ProgID subkey under the class key and the ProgID's
// own key; removal takes them along, and only a key it must delete can stop it.
TEST_F(InstallerRegistry, RemovalTakesTheKeysOfDllRegisterServerAlong)
{
    Seed(Product5500 + DisplayHandler);
    RegisterServerClass(registry, LibraryPath);
    UpdateServerRegistration(registry, LibraryPath);
    EXPECT_TRUE(RemoveComponents(registry, state, Detect()));
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software]\n\n" + Handlers +
                   "Display\\Shellex\\PropertySheetHandlers]\n\n[HKEY_CLASSES_ROOT\\CLSID]\n\n");

    const std::string progId = "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n\n";
    Seed(progId + "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n\n");
    registry.DenyOnKey(HiveClassesRoot, ProgIdClassKeyPath, MemoryRegistry::DenyDelete);
    RegisterServerClass(registry, LibraryPath);
    EXPECT_TRUE(RemoveComponents(registry, state, ClassKeyPresent));
    EXPECT_EQ(0, Detect());

    UpdateServerRegistration(registry, LibraryPath);
    registry.DenyOnKey(HiveClassesRoot, ClassKeyPath, MemoryRegistry::DenyDelete);
    EXPECT_FALSE(RemoveComponents(registry, state, Detect()));
    EXPECT_EQ(ClassKeyPresent, Detect());
}

// The ProgID's name is generic: removal deletes it only while its CLSID names our class.
TEST_F(InstallerRegistry, RemovalKeepsAProgIdOfAnotherProgram)
{
    const std::string progId = "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE]\n@=\"P\"\n\n"
                               "[HKEY_CLASSES_ROOT\\PROPERTY.PROPERTYINTERFACE\\CLSID]\n@=";
    const struct {
        const char* classId;
        bool ours;
    } cases[] = {
        {"\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\"", true},
        {"\"{7d2e41c6-3a5f-4b10-9c84-2f61a0d9e375}\"", true},
        {"\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E376}\"", false},
        {"\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}x\"", false},
        {"hex:7b,37", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.classId);
        MemoryRegistry system;
        ASSERT_TRUE(system.LoadRegText("REGEDIT4\n\n" + progId + c.classId + "\n\n" + ServerKey, nullptr));
        EXPECT_TRUE(RemoveComponents(system, state, DetectInstallState(system)));
        EXPECT_EQ(Canonical("[HKEY_CLASSES_ROOT\\CLSID]\n\n" +
                            (c.ours ? std::string() : progId + c.classId + "\n\n")),
                  system.SaveRegText());
        EXPECT_EQ(0, system.OpenHandleCount());
    }
}

// The approved list: written on the NT flavours, taken away by removal on every flavour,
// never a reason to call the system installed.
TEST_F(InstallerRegistry, TheShellsApprovedListEntryComesAndGoes)
{
    const std::string other = ApprovedKey + "\"{00000000-0000-0000-0000-00000000000A}\"=\"Other\"\n\n";
    for (OsFlavor flavour : {Win9x, WinNT4, WinNT5}) {
        SCOPED_TRACE(flavour);
        MemoryRegistry system;
        ASSERT_TRUE(system.LoadRegText("REGEDIT4\n\n" + other, nullptr));
        state.OsFlavor = flavour;
        InstallComponents(system, state, LibraryPath, 120, 220, Model5500, false);
        const bool nt = flavour != Win9x;
        const std::string otherWithOurs =
            other.substr(0, other.size() - 1) + ClassId + "=\"Tarvello\"\n\n";
        EXPECT_EQ(Canonical(Product5500 + DisplayHandler + ServerKey + (nt ? otherWithOurs : other)),
                  system.SaveRegText());
        // A run on another flavour (forced at installation, say) still takes it away.
        state.OsFlavor = nt ? Win9x : WinNT5;
        EXPECT_TRUE(RemoveComponents(system, state, DetectInstallState(system)));
        EXPECT_EQ(0, DetectInstallState(system));
        EXPECT_EQ(std::string::npos, system.SaveRegText().find("=\"Tarvello\""));
        EXPECT_NE(std::string::npos, system.SaveRegText().find("=\"Other\""));
        EXPECT_EQ(0, system.OpenHandleCount());
    }
    Seed(Approved);
    EXPECT_EQ(0, Detect());
}

TEST_F(InstallerRegistry, AProductKeyThatCannotBeDeletedStopsEverything)
{
    const std::string installed = Product5500 + DisplayHandler + ServerKey + Entry + Instance +
                                  "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n";
    Seed(installed);
    registry.DenyOnKey(HiveLocalMachine, ProductSettingsKey, MemoryRegistry::DenyDelete);
    RecordingRegistry recorder(registry);
    state.adapters[0] = 0;
    state.adapterCount = 1;
    RemoveComponents(recorder, state, Detect());
    ExpectRegistry(installed);
    EXPECT_EQ((std::vector<std::string>{"delete key HKLM\\Software\\Tarvello\\Remembered failed",
                                        "delete key HKLM\\Software\\Tarvello failed"}),
              recorder.log);
}

TEST_F(InstallerRegistry, RemovalDeletesChildBeforeParentAndResetsAdaptersInListOrder)
{
    // The page's copy of the user's saves goes before the product key holding it.
    Seed(Product5500 + "[HKEY_LOCAL_MACHINE\\Software\\Tarvello\\Remembered]\n\"Clock\"=\"175\"\n\n" +
         DisplayHandler + DeviceHandler + ServerKey);
    RecordingRegistry recorder(registry);
    state.adapters[0] = 1;
    state.adapters[1] = 3;
    state.adapterCount = 2;
    RemoveComponents(recorder, state, Detect());
    const std::string display = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\";
    EXPECT_EQ((std::vector<std::string>{
                  "delete key HKLM\\Software\\Tarvello\\Remembered",
                  "delete key HKLM\\Software\\Tarvello",
                  "delete key HKLM\\" + std::string(DisplayHandlerKeyPath),
                  "delete key HKLM\\" + std::string(DeviceHandlerKeyPath),
                  "delete key HKCR\\" + std::string(ServerKeyPath),
                  "delete key HKCR\\" + std::string(ClassProgIdKeyPath) + " failed",
                  "delete key HKCR\\" + std::string(ClassKeyPath),
                  "open HKCR\\" + std::string(ProgIdClassKeyPath) + " access 0x1 failed",
                  "open HKLM\\" + std::string(ApprovedKeyPath) + " access 0x2 failed",
                  // The driver keys are absent here: opened only, never created.
                  "open " + display + "0001\\DEFAULT access 0x6 failed",
                  "open " + display + "0001\\Glide access 0x6 failed",
                  "open " + display + "0001\\D3D access 0x6 failed",
                  "open " + display + "0003\\DEFAULT access 0x6 failed",
                  "open " + display + "0003\\Glide access 0x6 failed",
                  "open " + display + "0003\\D3D access 0x6 failed"}),
              recorder.log);
}

TEST_F(InstallerRegistry, RemovalTouchesOnlyTheKeysItWasToldOf)
{
    Seed(Product5500 + DisplayHandler);
    RemoveComponents(registry, state, ProductKeyPresent);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software]\n\n" + DisplayHandler);
}

TEST_F(InstallerRegistry, RemovalOnWindows9xWithoutAdaptersTouchesNoDriverValue)
{
    Seed(Product5500 + Instance + "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n");
    RecordingRegistry recorder(registry);
    RemoveComponents(recorder, state, Detect());
    EXPECT_EQ(3u, recorder.log.size());  // the product key with its copy, the approved list
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\Software]\n\n" + Instance +
                   "0000\\DEFAULT]\n\"Grxclock\"=\"175\"\n\n");
}

TEST_F(InstallerRegistry, NtResetClearsTheServiceKeyOnceAndBothSwapIntervals)
{
    RecordingRegistry recorder(registry);
    ResetDriverValues(recorder, WinNT5, 7);
    const std::string services = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\";
    EXPECT_EQ((std::vector<std::string>{
                  "open " + services + "3dfxvs\\Device0 access 0x6 failed",
                  "open " + services + "3Dfx\\Device0\\Glide access 0x6 failed",
                  "open " + services + "3Dfx\\Device0\\D3D access 0x6 failed",
                  "open " + services + "3dfxvs\\Device0\\glide access 0x1 failed"}),
              recorder.log);

    Seed("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0]\n"
         "\"GraphicsClocking\"=dword:000000af\n\"SSTH3_SWAPINTERVAL\"=\"0\"\n\"Other\"=\"1\"\n\n");
    recorder.log.clear();
    ResetDriverValues(recorder, WinNT5, 0);
    EXPECT_EQ((std::vector<std::string>{
                  "open " + services + "3dfxvs\\Device0 access 0x6",
                  "delete value " + services + "3dfxvs\\Device0 GraphicsClocking",
                  // The swap interval goes only when it reads "0".
                  "open " + services + "3dfxvs\\Device0 access 0x1",
                  "query " + services + "3dfxvs\\Device0 SSTH3_SWAPINTERVAL",
                  "close " + services + "3dfxvs\\Device0",
                  "delete value " + services + "3dfxvs\\Device0 SSTH3_SWAPINTERVAL",
                  "close " + services + "3dfxvs\\Device0",
                  "open " + services + "3Dfx\\Device0\\Glide access 0x6 failed",
                  "open " + services + "3Dfx\\Device0\\D3D access 0x6 failed",
                  "open " + services + "3dfxvs\\Device0\\glide access 0x1 failed"}),
              recorder.log);
    ExpectRegistry("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\3dfxvs\\Device0]\n"
                   "\"Other\"=\"1\"\n\n");
}

// On NT 4.0 both where the device map points now and the Voodoo5 service's own glide key,
// where it pointed when the page wrote; only a "0" goes, another program's "1" stays.
TEST_F(InstallerRegistry, NtResetAlsoClearsTheKeyGlideReads)
{
    const std::string services = "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\";
    const std::string deviceMap =
        "[HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\VIDEO]\n\"\\\\Device\\\\Video0\"="
        "\"\\\\REGISTRY\\\\Machine\\\\System\\\\CurrentControlSet\\\\Services\\\\Other"
        "\\\\Device0\"\n\n";
    const std::string off = "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n";
    const std::string on = "\"FX_GLIDE_SWAPINTERVAL\"=\"1\"\n";
    Seed(deviceMap + services + "Other\\Device0\\glide]\n" + off + "\n" + services +
         "Voodoo5\\Device0\\glide]\n" + off + "\n" + services + "3Dfx\\Device0\\Glide]\n" + on +
         "\n");
    ResetDriverValues(registry, WinNT4, 0);
    ExpectRegistry(deviceMap + services + "Other\\Device0\\glide]\n\n" + services +
                   "Voodoo5\\Device0\\glide]\n\n" + services + "3Dfx\\Device0\\Glide]\n" + on +
                   "\n");
}

TEST_F(InstallerRegistry, MissingDriverValuesAreIgnored)
{
    Seed(Instance + "0012\\Glide]\n\n" + Instance + "0012\\D3D]\n\"SSTH3_SWAPINTERVAL\"=\"0\"\n\n");
    ResetDriverValues(registry, Win9x, 12);
    ExpectRegistry(Instance + "0012\\Glide]\n\n" + Instance + "0012\\D3D]\n\n");
}

TEST_F(InstallerRegistry, DeleteKeyIfPresentLeavesAbsentKeysAlone)
{
    RecordingRegistry recorder(registry);
    DeleteKeyIfPresent(recorder, DisplayHandlerKeyPath);
    EXPECT_TRUE(recorder.Calls("delete").empty());
    Seed(DisplayHandler);
    DeleteKeyIfPresent(recorder, DisplayHandlerKeyPath);
    EXPECT_EQ(1u, recorder.Calls("delete key").size());
    ExpectRegistry(Handlers + "Display\\Shellex\\PropertySheetHandlers]\n\n");
}

}  // namespace
