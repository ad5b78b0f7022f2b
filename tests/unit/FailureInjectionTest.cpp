// Every registry call of every operation fails in turn, with access denied and with out of
// memory: no crash, no key left open, and what is left in the registry is a partial result
// the operation allows. "Before" and "after" come from a run without failure; each value and
// key must end either as before or as after. The installer's steps must also stay
// independent, and within a step writing must stop at the first failure.
#include "installer/InstallState.h"
#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/Removal.h"
#include "page/CVDPropPage.h"
#include "page/refresh/CRefreshRatesDialog.h"
#include "platform/fake/FakePlatform.h"
#include "registry/ComRegistration.h"
#include "registry/ProductSettings.h"
#include "registry/memory/MemoryRegistry.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tests/unit/FakeModuleVersion.h"
#include "tests/unit/RcStrings.h"
#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessModalRunner.h"
#include "ui/headless/HeadlessPageSheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace tarv;

namespace {

const std::string Hklm = "HKEY_LOCAL_MACHINE\\";
const std::string Hkcr = "HKEY_CLASSES_ROOT\\";
const std::string Display = "System\\CurrentControlSet\\Services\\Class\\Display\\";
const std::string ProductKey = "Software\\Tarvello";
const std::string Nt4Key = "SYSTEM\\CurrentControlSet\\Services\\Voodoo5\\Device0";
const std::string Nt3dfx = "SYSTEM\\CurrentControlSet\\Services\\3Dfx\\Device0\\";

struct Machine {
    const char* name;
    bool nt;       // Windows NT 4.0; otherwise Windows 98
    int adapters;  // Voodoo5 boards at 0000 (and 0001)
};
const Machine Machines[] = {{"OneAdapter", false, 1}, {"TwoAdapters", false, 2}, {"Nt4", true, 0}};

std::string Section(const std::string& path, const std::string& values = "")
{
    return "[" + Hklm + path + "]\n" + values + "\n";
}
std::string Sz(const char* name, const std::string& text)
{
    return std::string("\"") + name + "\"=\"" + text + "\"\n";
}

// A PC with its driver values: the clock (decimal on Windows 98, a DWORD on NT), both swap
// intervals off, and on Windows 98 a few display modes with stored rates.
std::string MachineSeed(const Machine& machine, int clock, int enableClock)
{
    std::string seed = Section(ProductKey, Sz("LowerLimit", "120") + Sz("UpperLimit", "220") +
                                               Sz("Model", "Voodoo5 5500") +
                                               Sz("DefaultClock", "166") +
                                               Sz("EnableClock", std::to_string(enableClock)) +
                                               Sz("ColorDepth", "16") +
                                               Sz("LinkAllColorDepths", "0"));
    if (machine.nt) {
        char dword[64];
        snprintf(dword, sizeof dword, "\"GraphicsClocking\"=dword:%08x\n", clock);
        return seed + Section(Nt4Key, dword + Sz("SSTH3_SWAPINTERVAL", "0")) +
               Section(Nt3dfx + "Glide", Sz("FX_GLIDE_SWAPINTERVAL", "0")) +
               Section(Nt3dfx + "D3D", Sz("SSTH3_SWAPINTERVAL", "0"));
    }
    for (int i = 0; i < machine.adapters; ++i) {
        std::string instance = Display + "000" + std::to_string(i);
        seed += Section(instance, Sz("DriverDesc", "3dfx Voodoo5 5500 AGP")) +
                Section(instance + "\\DEFAULT", Sz("Grxclock", std::to_string(clock)) +
                                                    Sz("RefreshRate", "0")) +
                Section(instance + "\\Glide", Sz("FX_GLIDE_SWAPINTERVAL", "0")) +
                Section(instance + "\\D3D", Sz("SSTH3_SWAPINTERVAL", "0"));
        for (const char* depth : {"8", "16", "32"}) {
            std::string modes = instance + "\\MODES\\" + depth + "\\";
            seed += Section(modes + "640,480", "@=\"60,72,75,85\"\n" + Sz("RefreshRate", "72")) +
                    Section(modes + "800,600", "@=\"60,75\"\n" + Sz("RefreshRate", "-1")) +
                    Section(modes + "1024,768", "@=\"60,85\"\n");
        }
    }
    return seed;
}

// What the user last saved, other than what the boards hold: the clock, and rates at 8 bits.
const std::string RememberedCopy =
    Section(ProductKey + "\\Remembered",
            Sz("EnableClock", "1") + Sz("Clock", "190") + Sz("OpenGLSwapOff", "1") +
                Sz("Direct3DSwapOff", "0") + Sz("RefreshRate", "-1") + Sz("Rates8", "85;60"));

const std::string InstalledKeys =
    RememberedCopy +
    Section(std::string(DisplayHandlerKeyPath), "@=\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\"\n") +
    "[" + Hkcr + ServerKeyPath + "]\n@=\"C:\\\\OLD\\\\TARVPAGE.DLL\"\n" +
    Sz("ThreadingModel", "Apartment") + "\n";
const std::string StrayDeviceHandler = Section(DeviceHandlerKeyPath);

// Everything a run can see and touch, built afresh for each run.
struct World {
    World() : strings(Strings()), page(dialog, sheet, registry, platform, version, runner, strings),
              refresh(refreshWindow, registry, platform, strings)
    {
        installer::ResetInstallerState(&installer);
    }
    static const FakeStringTable& Strings()
    {
        static const FakeStringTable table = ReadRcStrings();
        return table;
    }
    void OpenPage()
    {
        dialog.Reset();
        page.OnInitDialog();
    }
    void OpenRefresh()
    {
        refreshWindow.Reset();
        refresh.OnInitDialog();
    }
    // The installer's start-up decisions that registration and removal read.
    void StartInstaller(bool nt)
    {
        installer.OsFlavor = nt ? WinNT4 : Win9x;
        if (!nt) FindAdapterInstances(registry, AdapterMarker, &installer, InstallerProbe);
        installState = installer::DetectInstallState(registry);
    }
    void Install()
    {
        installer::InstallComponents(registry, installer, "C:\\TARV\\TARVPAGE.DLL", 120, 220,
                                     installer::Model5500, false);
    }
    void Remove() { installer::RemoveComponents(registry, installer, installState); }

    MemoryRegistry registry;
    FakePlatform platform;
    HeadlessDialog dialog;
    HeadlessPageSheet sheet;
    FakeModuleVersion version;
    HeadlessModalRunner runner;
    FakeStringTable strings;
    CVDPropPage page;
    HeadlessDialog refreshWindow;
    CRefreshRatesDialog refresh;
    installer::InstallerState installer;
    int installState = 0;
    bool accepted = true;  // the page's apply or the dialog's OK went through
    size_t Messages() const { return dialog.messages.size() + refreshWindow.messages.size(); }
};

// The registry as items: "HIVE\path" for a key, "HIVE\path|name" for a value, each with its
// exported text.
typedef std::map<std::string, std::string> Snapshot;
Snapshot Snap(const MemoryRegistry& registry)
{
    Snapshot items;
    std::istringstream text(registry.SaveRegText());
    std::string line, key, last;
    while (std::getline(text, line)) {
        if (!last.empty() && items[last].back() == '\\') {
            items[last] += line;
        } else if (line.size() > 2 && line[0] == '[') {
            key = line.substr(1, line.size() - 2);
            items[key] = "<key>";
            last.clear();
        } else if (!key.empty() && (line[0] == '@' || line[0] == '"')) {
            size_t end = line[0] == '@' ? 1 : line.find("\"=") + 1;
            last = key + "|" + line.substr(0, end);
            items[last] = line;
        }
    }
    return items;
}
// snap without the copy of the user's saves, when result has none.
Snapshot WithoutMissingCopy(Snapshot snap, const Snapshot& result)
{
    const std::string copy = std::string("HKEY_LOCAL_MACHINE\\") + RememberedSettingsKey;
    auto inCopy = [&](const std::string& item) { return item.compare(0, copy.size(), copy) == 0; };
    for (const auto& item : result)
        if (inCopy(item.first)) return snap;
    for (auto at = snap.begin(); at != snap.end();) at = inCopy(at->first) ? snap.erase(at) : ++at;
    return snap;
}

std::string Lookup(const Snapshot& snap, const std::string& item)
{
    auto it = snap.find(item);
    return it == snap.end() ? "<missing>" : it->second;
}

// One installer step: its items in writing order. An entry names a key's existence, a value
// ("key|\"name\"" or "key|@"), or with a trailing "*" a key with all its values.
struct Step {
    std::vector<std::string> entries;
    bool stopsAtFirstFailure;
    int needsComplete;  // index of a step that must have gone through first; -1 for none
};
typedef std::function<std::vector<Step>(const World&, const Machine&)> StepList;

std::vector<std::string> ValuesOf(const std::string& key, std::vector<const char*> names)
{
    std::vector<std::string> entries{key};
    for (const char* name : names)
        entries.push_back(key + "|" + (*name ? "\"" + std::string(name) + "\"" : "@"));
    return entries;
}

std::vector<Step> InstallSteps(const World&, const Machine& machine)
{
    std::vector<Step> steps = {
        {ValuesOf(Hklm + ProductKey, {"LowerLimit", "UpperLimit", "Model", "DefaultClock",
                                      "EnableClock", "ColorDepth", "LinkAllColorDepths"}),
         true, -1},
        {ValuesOf(Hklm + DisplayHandlerKeyPath, {""}), true, -1},
        {ValuesOf(Hkcr + ServerKeyPath, {"", "ThreadingModel"}), true, -1},
    };
    steps.back().entries.insert(steps.back().entries.begin(), Hkcr + ClassKeyPath);
    if (!machine.nt) steps.push_back({{Hklm + DeviceHandlerKeyPath + "*"}, true, -1});
    return steps;
}

std::vector<Step> RemoveSteps(const World& world, const Machine& machine)
{
    Step keys{{Hklm + ProductKey + "*", Hklm + DisplayHandlerKeyPath + "*",
               Hkcr + ServerKeyPath + "*", Hkcr + ClassKeyPath + "*"},
              true, -1};
    Step driver{{}, false, 0};
    auto add = [&](const std::string& key, const char* name) {
        driver.entries.push_back(Hklm + key + "|\"" + name + "\"");
    };
    if (machine.nt) {
        add(Nt4Key, "GraphicsClocking");
        add(Nt4Key, "SSTH3_SWAPINTERVAL");
        add(Nt3dfx + "Glide", "FX_GLIDE_SWAPINTERVAL");
        add(Nt3dfx + "D3D", "SSTH3_SWAPINTERVAL");
    }
    for (int i = 0; i < world.installer.adapterCount; ++i) {
        std::string instance = Display + "000" + std::to_string(world.installer.adapters[i]);
        add(instance + "\\DEFAULT", "Grxclock");
        add(instance + "\\Glide", "FX_GLIDE_SWAPINTERVAL");
        add(instance + "\\D3D", "SSTH3_SWAPINTERVAL");
    }
    return {keys, driver};
}

struct Operation {
    const char* name;
    int clock;  // the stored graphics clock and "EnableClock" of the PC
    int enableClock;
    bool win98Only;
    std::string extraSeed;
    std::function<void(World&, const Machine&)> prepare;  // not counted
    // Every call counted; the state after each phase but the last is also allowed, and the
    // last phase's steps are judged from it.
    std::vector<std::function<void(World&)>> phases;
    StepList steps;  // installer operations only
    // The page and the dialog say once that a change was refused, and only then refuse.
    bool reportsRefusal = false;
};

void PoseAs(World& world, const Machine& machine)
{
    if (machine.nt)
        world.platform.PoseAsNt4();
    else
        world.platform.PoseAsWindows98();
}

// The user's changes before an apply: clock on and moved, the OpenGL box cleared.
void OpenAndChange(World& world, const Machine& machine)
{
    PoseAs(world, machine);
    world.OpenPage();
    world.page.OnCommand(IDC_OPENGL_SWAP);
    world.dialog.DragTrackbar(IDC_CLOCK_TRACKBAR, 190);
    world.page.OnHScroll(IDC_CLOCK_TRACKBAR);
}

void OpenRefreshAndChoose(World& world, bool linkAll)
{
    world.OpenRefresh();
    if (linkAll) world.refresh.OnCommand(IDC_LINK_ALL_DEPTHS);
    world.refreshWindow.ComboSelectString(IDC_RATE_640X480, -1, "85");
    world.refreshWindow.ComboSelectString(IDC_RATE_800X600, -1, "Adapter");
    world.refresh.OnCommand(IDC_ADAPTER_OPTIMAL_RATE);
}

const Operation Operations[] = {
    {"PageInitRepairsTheClock", 250, 0, false, "",
     [](World& w, const Machine& m) { PoseAs(w, m); }, {[](World& w) { w.OpenPage(); }}, {}},
    {"Apply", 175, 1, false, "", OpenAndChange,
     {[](World& w) { w.accepted = w.page.OnApply(); }}, {}, true},
    {"FactoryDefaultsThenApply", 175, 1, false, "",
     [](World& w, const Machine& m) {
         OpenAndChange(w, m);
         w.page.OnCommand(IDC_FACTORY_DEFAULTS);
     },
     {[](World& w) { w.accepted = w.page.OnApply(); }}, {}, true},
    // A refused restore is said, and what went through is allowed.
    {"Restore", 175, 1, false, RememberedCopy,
     [](World& w, const Machine& m) {
         PoseAs(w, m);
         w.OpenPage();
     },
     {[](World& w) {
         w.page.OnCommand(IDC_RESTORE);
         w.accepted = w.dialog.messages.empty();
     }},
     {}, true},
    {"RefreshInit", 175, 1, true, "", [](World&, const Machine&) {},
     {[](World& w) { w.OpenRefresh(); }}, {}},
    {"RefreshSave", 175, 1, true, "",
     [](World& w, const Machine&) { OpenRefreshAndChoose(w, false); },
     {[](World& w) {
         w.refresh.OnCommand(IDC_SAVE);
         w.accepted = w.refreshWindow.messages.empty();
     }},
     {}, true},
    {"RefreshSaveLinked", 175, 1, true, "",
     [](World& w, const Machine&) { OpenRefreshAndChoose(w, true); },
     {[](World& w) { w.refresh.OnCommand(IDC_SAVE); }}, {}},
    {"RefreshOk", 175, 1, true, "",
     [](World& w, const Machine&) { OpenRefreshAndChoose(w, false); },
     {[](World& w) {
         w.refresh.OnCommand(IdOk);
         w.accepted = w.refreshWindow.ended;
     }},
     {}, true},
    {"RefreshOkLinked", 175, 1, true, "",
     [](World& w, const Machine&) { OpenRefreshAndChoose(w, true); },
     {[](World& w) {
         w.refresh.OnCommand(IdOk);
         w.accepted = w.refreshWindow.ended;
     }},
     {}, true},
    {"Install", 175, 1, false, StrayDeviceHandler,
     [](World& w, const Machine& m) { w.StartInstaller(m.nt); }, {[](World& w) { w.Install(); }},
     InstallSteps},
    {"Reinstall", 175, 1, false, InstalledKeys,
     [](World& w, const Machine& m) { w.StartInstaller(m.nt); },
     {[](World& w) { w.Remove(); }, [](World& w) { w.Install(); }}, InstallSteps},
    {"Remove", 175, 1, false, InstalledKeys,
     [](World& w, const Machine& m) { w.StartInstaller(m.nt); }, {[](World& w) { w.Remove(); }},
     RemoveSteps},
};

const RegResult FailureCodes[] = {RegAccessDenied, RegOutOfMemory};

// The items an entry names.
std::vector<std::string> Matching(const std::string& entry, const Snapshot& a, const Snapshot& b)
{
    std::vector<std::string> items;
    bool whole = entry.back() == '*';
    std::string key = whole ? entry.substr(0, entry.size() - 1) : entry;
    for (const Snapshot* snap : {&a, &b})
        for (const auto& item : *snap)
            if (item.first == key || (whole && item.first.compare(0, key.size() + 1, key + "|") == 0))
                items.push_back(item.first);
    return items;
}

// Each step with its entries that the full run changed: how many of them reached the after
// state and whether they form the first ones.
void CheckSteps(const std::vector<Step>& steps, const Snapshot& before, const Snapshot& after,
                const Snapshot& result, std::ostream& faults)
{
    std::vector<bool> complete(steps.size());
    std::vector<bool> untouched(steps.size());
    for (size_t s = 0; s < steps.size(); ++s) {
        bool gap = false;
        complete[s] = untouched[s] = true;
        for (const std::string& entry : steps[s].entries) {
            bool changed = false, reached = true;
            for (const std::string& item : Matching(entry, before, after)) {
                if (Lookup(before, item) == Lookup(after, item)) continue;
                changed = true;
                if (Lookup(result, item) != Lookup(after, item)) reached = false;
            }
            if (!changed) continue;
            if (reached) untouched[s] = false;
            if (reached && gap && steps[s].stopsAtFirstFailure)
                faults << "step " << s << " went on after a failure, at " << entry << "\n";
            if (!reached) complete[s] = false, gap = true;
        }
    }
    int incomplete = 0;
    for (size_t s = 0; s < steps.size(); ++s) {
        int gate = steps[s].needsComplete;
        if (gate >= 0 && !complete[gate]) {
            if (!untouched[s]) faults << "step " << s << " ran although step " << gate << " stopped\n";
            continue;
        }
        if (!complete[s]) ++incomplete;
    }
    if (incomplete > 1) faults << incomplete << " steps incomplete after one failure\n";
}

int runs = 0;

// Test names and messages show a row by its name.
void PrintTo(const Operation& operation, std::ostream* out) { *out << operation.name; }
void PrintTo(const Machine& machine, std::ostream* out) { *out << machine.name; }

class FailureInjection : public ::testing::TestWithParam<std::tuple<Operation, Machine>> {};

TEST_P(FailureInjection, EveryFailingCallLeavesAnAllowedPartialResult)
{
    const Operation& operation = std::get<0>(GetParam());
    const Machine& machine = std::get<1>(GetParam());
    const std::string seed =
        "REGEDIT4\n\n" + MachineSeed(machine, operation.clock, operation.enableClock) +
        operation.extraSeed;

    auto prepared = [&](World& world) {
        std::string error;
        ASSERT_TRUE(world.registry.LoadRegText(seed, &error)) << error;
        operation.prepare(world, machine);
        ASSERT_EQ(0, world.registry.OpenHandleCount());
    };
    World full;
    prepared(full);
    const size_t messagesAtStart = full.Messages();
    const Snapshot before = Snap(full.registry);
    full.registry.FailNthCall(0, RegSuccess);
    std::vector<Snapshot> allowed{before};
    for (const auto& phase : operation.phases) {
        phase(full);
        allowed.push_back(Snap(full.registry));
    }
    const unsigned long calls = full.registry.CallsCounted();
    const Snapshot& after = allowed.back();
    const Snapshot& lastPhaseStart = allowed[allowed.size() - 2];
    ASSERT_GT(calls, 0u);
    if (operation.reportsRefusal) {
        EXPECT_EQ(messagesAtStart, full.Messages()) << "nothing refused, nothing said";
        EXPECT_TRUE(full.accepted);
    }

    for (RegResult code : FailureCodes) {
        for (unsigned long n = 1; n <= calls; ++n) {
            SCOPED_TRACE("call " + std::to_string(n) + " of " + std::to_string(calls) +
                         " fails with " + std::to_string(code));
            World world;
            prepared(world);
            world.registry.FailNthCall(n, code);
            for (const auto& phase : operation.phases) phase(world);
            ++runs;
            EXPECT_EQ(0, world.registry.OpenHandleCount()) << "keys left open";
            const Snapshot result = Snap(world.registry);
            std::ostringstream faults;
            std::set<std::string> items;
            for (const Snapshot& snap : allowed)
                for (const auto& item : snap) items.insert(item.first);
            for (const auto& item : result) items.insert(item.first);
            for (const std::string& item : items) {
                std::string now = Lookup(result, item), was;
                bool fits = false;
                for (const Snapshot& snap : allowed) {
                    fits = fits || now == Lookup(snap, item);
                    was += ", " + Lookup(snap, item);
                }
                if (!fits) faults << item << ": " << now << ", allowed" << was << "\n";
            }
            if (operation.steps) CheckSteps(operation.steps(world, machine), lastPhaseStart, after, result, faults);
            EXPECT_EQ("", faults.str());
            if (operation.reportsRefusal) {
                const size_t said = world.Messages() - messagesAtStart;
                EXPECT_LE(said, 1u) << "one message for one apply";
                EXPECT_EQ(said == 1, !world.accepted) << "a refusal is said and refused alike";
                // Said when a change did not happen, and only then: a refused write of what
                // the registry already held is no refusal, nor is a copy of the saves that
                // could not be made at all (nothing stale is left for a restore to put back).
                EXPECT_EQ(WithoutMissingCopy(result, result) != WithoutMissingCopy(after, result),
                          said == 1);
                if (said == 1) {
                    EXPECT_EQ(world.strings.strings[IDS_NOT_SAVED],
                              (world.dialog.messages.empty() ? world.refreshWindow.messages
                                                             : world.dialog.messages)
                                  .back()
                                  .text);
                }
            }
        }
    }
}

// Every operation on every machine it is offered on: the dialog only on Windows 98.
std::vector<std::tuple<Operation, Machine>> OfferedOperations()
{
    std::vector<std::tuple<Operation, Machine>> pairs;
    for (const Operation& operation : Operations)
        for (const Machine& machine : Machines)
            if (!(operation.win98Only && machine.nt)) pairs.emplace_back(operation, machine);
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(
    Registry, FailureInjection, ::testing::ValuesIn(OfferedOperations()),
    [](const ::testing::TestParamInfo<std::tuple<Operation, Machine>>& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

// The converse on a whole machine: a user without administrator rights on Windows NT meets a
// registry that refuses every write. OK on the tab or in the dialog without a change says
// nothing and closes; a change is still refused and said.
TEST(LimitedUser, AnUnchangedApplyReportsNothingWhenEveryWriteIsRefused)
{
    for (const Machine& machine : Machines) {
        SCOPED_TRACE(machine.name);
        World world;
        std::string seed = "REGEDIT4\n\n" + MachineSeed(machine, 175, 1), error;
        ASSERT_TRUE(world.registry.LoadRegText(seed, &error));
        PoseAs(world, machine);
        world.OpenPage();
        if (!machine.nt) world.OpenRefresh();
        world.registry.DenyEverywhere(MemoryRegistry::DenyWrite | MemoryRegistry::DenyDelete |
                                      MemoryRegistry::DenyCreate |
                                      MemoryRegistry::DenyOpenForWriting);
        EXPECT_TRUE(world.page.OnApply());
        if (!machine.nt) world.refresh.OnCommand(IdOk);
        EXPECT_EQ(!machine.nt, world.refreshWindow.ended);
        EXPECT_EQ(0u, world.Messages());
        world.page.OnCommand(IDC_OPENGL_SWAP);
        EXPECT_FALSE(world.page.OnApply());
        EXPECT_EQ(1u, world.Messages());
    }
}

struct RunCount : ::testing::Environment {
    void TearDown() override { printf("failure injection: %d runs\n", runs); }
};
const ::testing::Environment* const runCount = ::testing::AddGlobalTestEnvironment(new RunCount);

}  // namespace
