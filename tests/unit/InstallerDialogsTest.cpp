// The installer's dialogs and flows on headless windows with the in-memory registry: a script
// plays the user, one line of actions per dialog the run opens.
#include "FakeModuleVersion.h"
#include "RcStrings.h"

#include "installer/InstallState.h"
#include "installer/Installation.h"
#include "installer/InstallerFlows.h"
#include "installer/InstallerState.h"
#include "installer/UninstallEntry.h"
#include "installer/dialogs/DialogState.h"
#include "installer/dialogs/InstallerDialog.h"
#include "installer/dialogs/MaintenanceDialog.h"
#include "installer/dialogs/ModelDialog.h"
#include "installer/dialogs/OutcomeDialogs.h"
#include "platform/fake/FakePlatform.h"
#include "registry/ComRegistration.h"
#include "registry/ProductSettings.h"
#include "registry/memory/MemoryRegistry.h"
#include "text/Text.h"
#include "ui/headless/HeadlessModalRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tarv;
using namespace tarv::installer;

namespace {

const unsigned SystemMove = 0xF010;  // SC_MOVE: not the dialogs' business
const unsigned Gesture = MouseLeftButton | MouseRightButton | MouseShift | MouseControl;

struct Message {
    std::string text;
    std::string caption;
    unsigned style;
};

struct MainWindow : MessageBoxSink {
    void ShowMessage(const char* text, const char* caption, unsigned style) override
    {
        shown.push_back({text, caption, style});
    }
    std::vector<Message> shown;
};

// Each run opens a fresh window at the screen's corner with its template's size, and keeps
// the logic so the user's actions can reach it.
struct UserRunner : HeadlessModalRunner {
    int Run(int templateId, DialogLogic& logic) override
    {
        window.windowRect = DialogRect{0, 0, templateId == 503 ? 281 : 278, 180};
        open = &logic;
        return HeadlessModalRunner::Run(templateId, logic);
    }
    DialogLogic* open = nullptr;
};

int HotControl(int templateId)
{
    return std::map<int, int>{{503, 1013}, {504, 1009}, {505, 1015}, {506, 1017}}[templateId];
}

class InstallerDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetInstallerState(&Installer);
        ResetDialogState(&DialogState);
        Installer.AdvancedPanelAllowed = true;
        CopyText(Installer.LibraryPath, LibraryPathSize, "C:\\TARV\\TARVPAGE.DLL");
        CopyText(Installer.InstallerPath, LibraryPathSize, "C:\\TARV\\TARVINST.EXE");
        runner.script = [this](int templateId, HeadlessDialog& window) {
            opened.push_back(window.windowRect);
            if (user.empty()) return;
            std::istringstream actions(user.front());
            user.pop_front();
            for (std::string action; actions >> action;) lastHandled = Play(templateId, window, action);
        };
    }

    // One user action on the open dialog; whether the dialog handled it.
    bool Play(int templateId, HeadlessDialog& window, const std::string& action)
    {
        DialogLogic& logic = *runner.open;
        const std::map<std::string, int> commands = {
            {"none", 1000},  {"5000", 1001},      {"5500", 1002},     {"6000", 1003},
            {"panel", 1004}, {"reinstall", 1006}, {"remove", 1007},   {"ok", IdOk},
            {"cancel", IdCancel}};
        if (commands.count(action)) return logic.OnCommand(commands.at(action));
        if (action == "close") return logic.OnSysCommand(SystemClose);
        if (action == "move") return logic.OnSysCommand(SystemMove);
        if (action.compare(0, 4, "drag") == 0) {  // drag:x,y
            int x = 0, y = 0;
            sscanf(action.c_str(), "drag:%d,%d", &x, &y);
            DialogRect& r = window.windowRect;
            r = DialogRect{x, y, x + r.right - r.left, y + r.bottom - r.top};
            return true;
        }
        // The hot control, then the press: "gesture", "ctrlshift" (no left button) or
        // "gesture-away" (cursor beside the control).
        const int hot = HotControl(templateId);
        window.At(hot).hasRect = true;
        window.At(hot).rect = DialogRect{10, 10, 80, 20};
        window.PointCursorAt(hot);
        if (action == "gesture-away") window.SetCursor(100, 100);
        return logic.OnRButtonDown(action == "ctrlshift" ? MouseShift | MouseControl : Gesture);
    }

    // What an earlier run of the installation flow left.
    void Install(Registry& registry, int model)
    {
        InstallComponents(registry, Installer, Installer.LibraryPath, 120, 220, model, false);
        WriteUninstallEntry(registry, Installer, version);
    }
    std::string Model()
    {
        unsigned long type = 0;
        std::vector<unsigned char> data;
        if (!registry.GetValue(HiveLocalMachine, ProductSettingsKey, ModelValue, &type, &data))
            return "";
        return std::string(data.begin(), data.end() - 1);
    }

    MemoryRegistry registry;
    FakePlatform platform;
    FakeStringTable strings = ReadRcStrings(TARV_INSTALLER_RC);
    FakeModuleVersion version;
    UserRunner runner;
    MainWindow mainWindow;
    InstallerSystem system{registry, platform, strings, version, runner, mainWindow};
    std::deque<std::string> user;
    std::vector<DialogRect> opened;
    bool lastHandled = false;
};

// --- The flows, state by state ----------------------------------------------------------------

struct FlowCase {
    const char* name;
    bool installedBefore;  // Voodoo5 6000 on the Display panel
    std::vector<std::string> user;
    std::vector<int> dialogs;
    int installStateAfter;
    const char* modelAfter;
    int modelErrors;  // no-model errors over the model dialog
};

const int Display =
    ProductKeyPresent | DisplayHandlerPresent | ClassKeyPresent | UninstallEntryPresent;
const int Device = ProductKeyPresent | DeviceHandlerPresent | ClassKeyPresent | UninstallEntryPresent;

const FlowCase FlowCases[] = {
    {"ModelThenOkInstalls", false, {"5500 ok", "ok"}, {503, 505}, Display, "Voodoo5 5500", 0},
    {"NoModelThenOkShowsTheErrorAndStays", false, {"6000 none ok 5000 ok", "close"},
     {503, 505}, Display, "Voodoo5 5000", 1},
    {"AdvancedPanelIsTheBoxsLastState", false, {"5500 panel panel panel ok", "ok"},
     {503, 505}, Device, "Voodoo5 5500", 0},
    {"CancelInstallsNothing", false, {"5500 cancel"}, {503}, 0, "", 0},
    {"CloseBoxInstallsNothing", false, {"5500 close"}, {503}, 0, "", 0},
    {"ModelDialogNotEndedInstallsNothing", false, {"5500"}, {503}, 0, "", 0},
    {"ReinstallRemovesThenInstalls", true, {"reinstall", "5000 ok", "ok"}, {504, 503, 505},
     Display, "Voodoo5 5000", 0},
    {"ReinstallThenCancelChangesNothing", true, {"reinstall", "cancel"}, {504, 503}, Display,
     "Voodoo5 6000", 0},
    {"RemoveRemoves", true, {"remove", "ok"}, {504, 506}, 0, "", 0},
    {"MaintenanceCancelChangesNothing", true, {"cancel"}, {504}, Display, "Voodoo5 6000", 0},
    {"MaintenanceCloseBoxChangesNothing", true, {"close"}, {504}, Display, "Voodoo5 6000", 0},
};

class InstallerFlow : public InstallerDialogs, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(InstallerFlow, RunsItsDialogsAndLeavesTheRegistry)
{
    const FlowCase& c = GetParam();
    if (c.installedBefore) Install(registry, Model6000);
    user.assign(c.user.begin(), c.user.end());
    int installState = DetectInstallState(registry);
    if (installState == 0)
        RunInstallFlow(system, installState);
    else
        RunMaintenanceFlow(system, installState);

    EXPECT_EQ(c.dialogs, runner.templatesRun);
    EXPECT_EQ(c.installStateAfter, DetectInstallState(registry));
    EXPECT_EQ(c.modelAfter, Model());
    EXPECT_EQ(0, registry.OpenHandleCount());
    ASSERT_EQ(size_t(c.modelErrors), runner.window.messages.size() + mainWindow.shown.size());
    for (const auto& error : runner.window.messages) {
        EXPECT_EQ("You must select a Voodoo5 model to install", error.text);
        EXPECT_EQ("Install Error", error.caption);
        EXPECT_EQ(MessageIconError, error.style);
    }
}

INSTANTIATE_TEST_SUITE_P(Installer, InstallerFlow, ::testing::ValuesIn(FlowCases),
                         [](const ::testing::TestParamInfo<FlowCase>& info) {
                             return std::string(info.param.name);
                         });

// --- Messages each dialog handles ----------------------------------------------------------

TEST_F(InstallerDialogs, EachDialogHandlesOnlyItsOwnMessages)
{
    ModelDialog model(system, runner.Window());
    MaintenanceDialog maintenance(system, runner.Window());
    InstalledDialog installed(system, runner.Window());
    RemovedDialog removed(system, runner.Window());
    const std::map<int, DialogLogic*> logic = {
        {503, &model}, {504, &maintenance}, {505, &installed}, {506, &removed}};
    const struct {
        int templateId;
        const char* action;
        bool handled;
        int result;  // DialogNotCreated: still open
    } cases[] = {
        {503, "cancel", true, IdCancel},  // also Escape
        {503, "move", false, DialogNotCreated},
        {503, "ctrlshift", true, DialogNotCreated},
        {504, "cancel", true, IdCancel},  // also Enter: Cancel is the default button
        {504, "ok", false, DialogNotCreated},
        {504, "close", true, (int)SystemClose},
        {505, "cancel", false, DialogNotCreated},  // Escape does nothing
        {505, "ok", true, IdOk},
        {505, "close", true, (int)SystemClose},
        {506, "cancel", false, DialogNotCreated},
        {506, "move", false, DialogNotCreated},
        {506, "gesture-away", true, DialogNotCreated},
    };
    for (const auto& c : cases) {
        user = {c.action};
        EXPECT_EQ(c.result, runner.Run(c.templateId, *logic.at(c.templateId)))
            << c.templateId << " " << c.action;
        EXPECT_EQ(c.handled, lastHandled) << c.templateId << " " << c.action;
    }
}

TEST_F(InstallerDialogs, ModelDialogStartsWithNothingChosenAndThePanelOptionAsAllowed)
{
    for (bool allowed : {false, true}) {
        Installer.AdvancedPanelAllowed = allowed;
        DialogState.ModelCode = Model5500;
        DialogState.UseAdvancedPanel = true;
        ModelDialog model(system, runner.Window());
        runner.Run(503, model);
        HeadlessDialog& w = runner.window;
        EXPECT_EQ(ModelNone, DialogState.ModelCode);
        EXPECT_FALSE(DialogState.UseAdvancedPanel);
        EXPECT_EQ(Checked, w.At(1000).check);
        EXPECT_EQ(Unchecked, w.At(1004).check);
        EXPECT_EQ(allowed, w.At(1004).enabled);
        EXPECT_EQ(allowed, w.At(1005).enabled);
    }
}

// --- Texts and the language cycle ----------------------------------------------------------

TEST_F(InstallerDialogs, DialogsOpenInTheSystemLanguageAndTheGestureStepsTheCycle)
{
    platform.language = 0x0407;  // German
    std::vector<std::string> seen;
    runner.window.onMessage = [&](const HeadlessDialog::MessageRecord& m) {
        seen.push_back(m.caption + ": " + m.text);
    };
    auto note = [&](int id) { seen.push_back(runner.window.caption + " / " + runner.window.Text(id)); };
    runner.script = [&](int templateId, HeadlessDialog& window) {
        if (templateId == 503) {
            note(1000);
            Play(503, window, "ctrlshift");  // only a plain press: nothing changes
            Play(503, window, "gesture");
            note(1000);
            seen.push_back(window.Text(1013));
            Play(503, window, "ok");  // no model: the error in the set shown last
            Play(503, window, "gesture");
            note(1004);
            Play(503, window, "gesture");
            note(1008);
            seen.push_back(window.Text(1013));
            Play(503, window, "5500");
            Play(503, window, "ok");
        } else {
            note(1015);
            Play(505, window, "gesture");
            note(1015);
            Play(505, window, "ok");
        }
    };
    RunInstallFlow(system, 0);
    EXPECT_EQ((std::vector<std::string>{
                  "Tarvello / Nicht installieren",
                  "Tarvello / Ne pas installer",
                  Ansi("Version 1.0 Français"),
                  Ansi("Erreur d'installation: Vous devez choisir un modèle de Voodoo5"),
                  "Tarvello / Bei Weitere Optionen eintragen",
                  "Tarvello / Select Model",
                  "Version 1.0 English",
                  "Tarvello / Der Tarvello wurde",
                  Ansi("Tarvello / Le Tarvello a été"),
              }),
              seen);
}

// --- Placement -----------------------------------------------------------------------------

TEST_F(InstallerDialogs, CentreOnScreenTruncatesTowardZero)
{
    HeadlessDialog window;
    const struct {
        int width, height, left, top;
    } cases[] = {{301, 201, 169, 139}, {701, 481, -30, 0}, {640, 480, 0, 0}};
    for (const auto& c : cases) {
        window.windowRect = DialogRect{5, 7, 5 + c.width, 7 + c.height};
        CentreOnScreen(window);
        EXPECT_EQ((std::vector<int>{c.left, c.top, c.left + c.width, c.top + c.height}),
                  (std::vector<int>{window.windowRect.left, window.windowRect.top,
                                    window.windowRect.right, window.windowRect.bottom}))
            << c.width << "x" << c.height;
    }
}

TEST_F(InstallerDialogs, EachDialogOpensWhereTheOneBeforeItEnded)
{
    auto at = [](const DialogRect& r) {
        return std::vector<int>{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    // Fresh system: the model dialog is centred; the installed dialog follows its drag.
    user = {"drag:30,40 5500 ok", "drag:5,6 ok"};
    RunInstallFlow(system, 0);
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ((std::vector<int>{179, 150, 281, 180}), at(opened[0]));
    EXPECT_EQ((std::vector<int>{30, 40, 278, 180}), at(opened[1]));
    EXPECT_EQ((std::vector<int>{5, 6, 278, 180}), at(DialogState.LastDialogRect));

    // Reinstalling: the model dialog opens where the centred maintenance dialog was dragged.
    opened.clear();
    user = {"drag:70,80 reinstall", "cancel"};
    RunMaintenanceFlow(system, DetectInstallState(registry));
    ASSERT_EQ(2u, opened.size());
    EXPECT_EQ((std::vector<int>{181, 150, 278, 180}), at(opened[0]));
    EXPECT_EQ((std::vector<int>{70, 80, 281, 180}), at(opened[1]));
}

// --- The Add/Remove Programs entry ---------------------------------------------------------

// Run from the entry's command line, the installer is a run like any other: a reinstallation
// from another folder points the entry there, and removal takes it out of the list, also when
// it is all that is left.
TEST_F(InstallerDialogs, TheEntryFollowsTheInstallerFromFolderToFolderAndGoesWithRemoval)
{
    auto run = [this](std::deque<std::string> actions) {
        user = actions;
        const int installState = DetectInstallState(registry);
        if (installState == 0)
            RunInstallFlow(system, 0);
        else
            RunMaintenanceFlow(system, installState);
    };
    run({"5500 ok", "ok"});
    CopyText(Installer.InstallerPath, LibraryPathSize, "D:\\Program Files\\Tarvello\\TARVINST.EXE");
    run({"reinstall", "5000 ok", "ok"});
    unsigned long type = 0;
    std::vector<unsigned char> data;
    ASSERT_TRUE(registry.GetValue(HiveLocalMachine, UninstallEntryKeyPath, UninstallStringValue,
                                  &type, &data));
    EXPECT_STREQ("\"D:\\Program Files\\Tarvello\\TARVINST.EXE\"", (const char*)data.data());

    run({"remove", "ok"});
    EXPECT_EQ(0, DetectInstallState(registry));
    WriteUninstallEntry(registry, Installer, version);
    run({"remove", "ok"});
    EXPECT_EQ((std::vector<int>{503, 505, 504, 503, 505, 504, 506, 504, 506}), runner.templatesRun);
    EXPECT_EQ(0, DetectInstallState(registry));
    EXPECT_TRUE(mainWindow.shown.empty());
}

// --- Refused registry changes --------------------------------------------------------------

TEST_F(InstallerDialogs, ARefusedRegistryChangeIsReportedInsteadOfSuccess)
{
    const struct {
        const char* name;
        bool installedBefore;
        RegHive hive;
        const char* key;
        unsigned deny;
        std::vector<std::string> user;
        std::vector<int> dialogs;
        int message;  // resource number
    } cases[] = {
        {"product key not created", false, HiveLocalMachine, ProductSettingsKey,
         MemoryRegistry::DenyCreate, {"5500 ok"}, {503}, StrInstallIncomplete},
        {"server value refused, after a step to French", false, HiveClassesRoot, ServerKeyPath,
         MemoryRegistry::DenyWrite, {"5500 gesture ok"}, {503}, 35 + StrInstallIncomplete},
        {"removal stopped", true, HiveLocalMachine, ProductSettingsKey, MemoryRegistry::DenyDelete,
         {"remove"}, {504}, StrRemovalIncomplete},
        {"reinstallation stopped at removal", true, HiveLocalMachine, DisplayHandlerKeyPath,
         MemoryRegistry::DenyDelete, {"reinstall", "5500 ok"}, {504, 503}, StrInstallIncomplete},
        {"Add/Remove Programs entry not created", false, HiveLocalMachine, UninstallEntryKeyPath,
         MemoryRegistry::DenyCreate, {"5500 ok"}, {503}, StrInstallIncomplete},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistry refusing;
        InstallerSystem refusingSystem{refusing, platform, strings, version, runner, mainWindow};
        ResetDialogState(&DialogState);
        runner.templatesRun.clear();
        mainWindow.shown.clear();
        if (c.installedBefore) Install(refusing, Model6000);
        refusing.DenyOnKey(c.hive, c.key, c.deny);
        user.assign(c.user.begin(), c.user.end());
        const int installState = DetectInstallState(refusing);
        if (installState == 0)
            RunInstallFlow(refusingSystem, 0);
        else
            RunMaintenanceFlow(refusingSystem, installState);
        EXPECT_EQ(c.dialogs, runner.templatesRun);
        ASSERT_EQ(1u, mainWindow.shown.size());
        EXPECT_EQ(strings.strings.at(c.message), mainWindow.shown[0].text);
        EXPECT_EQ(strings.strings.at((c.message - 1) / 35 * 35 + StrNoModelCaption),
                  mainWindow.shown[0].caption);
        EXPECT_EQ(MessageIconError, mainWindow.shown[0].style);
    }
}

// Only a reinstallation removes first: a fresh one leaves a clock already in the driver's key.
TEST_F(InstallerDialogs, AFreshInstallationLeavesTheDriversClockAlone)
{
    const char clockKey[] = "System\\CurrentControlSet\\Services\\Class\\Display\\0000\\DEFAULT";
    std::string error;
    ASSERT_TRUE(registry.LoadRegText(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + clockKey +
                                         "]\n\"Grxclock\"=\"175\"\n", &error));
    Installer.adapters[0] = 0;
    Installer.adapterCount = 1;
    user = {"5500 ok", "ok"};
    RunInstallFlow(system, 0);
    unsigned long type = 0;
    std::vector<unsigned char> data;
    EXPECT_TRUE(registry.GetValue(HiveLocalMachine, clockKey, "Grxclock", &type, &data));
    EXPECT_EQ(Display, DetectInstallState(registry));
}

}  // namespace
