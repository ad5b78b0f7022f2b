// Fuzzes the whole model over a registry read from REGEDIT4 text: the page opens (and puts
// back the input's copy of earlier saves when it offers to), the user changes a few things,
// the sheet applies, the Refresh Rates dialog opens and saves, then the installer starts and
// installs or removes. After every step no key may be left open, no key may have been created
// and left empty (created only to delete from it), and nothing may have changed outside the
// keys and values the product owns.
//
// Input: one control byte, then REGEDIT4 text ("REGEDIT4" may be left out). A section header
// "[~c...]" stands for one of the product's key prefixes below, picked by the character c,
// so that short inputs reach the keys that matter.
#include "installer/InstallState.h"
#include "installer/InstallerFlows.h"
#include "installer/InstallerState.h"
#include "installer/Startup.h"
#include "installer/dialogs/DialogState.h"
#include "page/CVDPropPage.h"
#include "page/refresh/ModeTable.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeStringTable.h"
#include "registry/GlideReadKey.h"
#include "registry/OsFlavor.h"
#include "registry/memory/MemoryKey.h"
#include "registry/memory/MemoryRegistry.h"
#include "resources/page/PageResources.h"
#include "resources/page/RefreshResources.h"
#include "tests/fuzz/ResourceTexts.h"
#include "tests/unit/FakeModuleVersion.h"
#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessModalRunner.h"
#include "ui/headless/HeadlessPageSheet.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

using namespace tarv;
using namespace tarv::installer;

namespace {

// The library's texts, read once.
FakeStringTable& PageTexts()
{
    static FakeStringTable table = ReadTextsOrStop(TARV_PAGE_RC);
    return table;
}

const char* const KeyPrefixes[] = {
    "HKEY_LOCAL_MACHINE\\Software\\Tarvello",
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\000",
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\MODES\\",
    "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\0001\\MODES\\",
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\",
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\",
    "HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}",
    "HKEY_LOCAL_MACHINE\\Software\\Tarvello\\Remembered",
};
const size_t PrefixCount = sizeof KeyPrefixes / sizeof KeyPrefixes[0];

void Check(bool condition)
{
    if (!condition) std::abort();
}

std::string Lower(std::string text)
{
    for (char& c : text) c = (char)(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The keys the product may change, lower case, '#' standing for a digit: the product's own
// keys with everything in and under them (no names), or a driver key with the values the
// product writes. A key on the way to one of them may appear too, created on the way.
struct OwnedKey {
    const char* path;
    const char* names[2];
};
#define DISPLAY "hkey_local_machine\\system\\currentcontrolset\\services\\class\\display\\####"
#define SERVICES "hkey_local_machine\\system\\currentcontrolset\\services\\"
#define HANDLERS "hkey_local_machine\\software\\microsoft\\windows\\currentversion\\controls folder\\"
const OwnedKey OwnedKeys[] = {
    {"hkey_local_machine\\software\\tarvello", {}},
    {HANDLERS "display\\shellex\\propertysheethandlers\\tarvello", {}},
    {HANDLERS "device\\shellex\\propertysheethandlers\\tarvello", {}},
    {"hkey_classes_root\\clsid\\{7d2e41c6-3a5f-4b10-9c84-2f61a0d9e375}", {}},
    {DISPLAY "\\default", {"grxclock", "refreshrate"}},
    {DISPLAY "\\glide", {"fx_glide_swapinterval"}},
    {DISPLAY "\\d3d", {"ssth3_swapinterval"}},
    {SERVICES "voodoo5\\device0", {"graphicsclocking", "ssth3_swapinterval"}},
    {SERVICES "3dfxvs\\device0", {"graphicsclocking", "ssth3_swapinterval"}},
    {SERVICES "3dfx\\device0\\glide", {"fx_glide_swapinterval"}},
    {SERVICES "3dfxvs\\device0\\glide", {"fx_glide_swapinterval"}},
    {SERVICES "voodoo5\\device0\\glide", {"fx_glide_swapinterval"}},  // NT 4.0's usual place
    {"hkey_local_machine\\software\\microsoft\\windows\\currentversion\\shell extensions\\approved",
     {"{7d2e41c6-3a5f-4b10-9c84-2f61a0d9e375}"}},
    {SERVICES "3dfx\\device0\\d3d", {"ssth3_swapinterval"}},
    {"hkey_local_machine\\software\\microsoft\\windows\\currentversion\\uninstall\\tarvello", {}},
};
// On NT 4.0 the key Glide reads, named by the video device map of the registry under test:
// its "FX_GLIDE_SWAPINTERVAL" is the product's, and it may be created. Lower case; empty when
// the map names none.
std::string nt4GlideKey;
const OwnedKey Nt4GlideValue = {"", {"fx_glide_swapinterval"}};

// Under MODES only a mode key's "RefreshRate" may change; no key may appear there.
const char ModesKeys[] = DISPLAY "\\modes\\";

// Whether the first length characters of path match the pattern ('#' any digit).
bool MatchesStart(const std::string& path, const char* pattern, size_t patternLength,
                  size_t length)
{
    if (path.size() < length || patternLength < length) return false;
    const char* text = path.data();
    for (size_t i = 0; i < length; ++i)
        if (pattern[i] == '#' ? text[i] < '0' || text[i] > '9' : text[i] != pattern[i]) return false;
    return true;
}

// Whether name folded to lower case is lower.
bool NameIs(const char* name, const char* lower)
{
    for (; *name && *lower; ++name, ++lower)
        if ((*name >= 'A' && *name <= 'Z' ? *name - 'A' + 'a' : *name) != *lower) return false;
    return *name == *lower;
}

size_t OwnedLength(size_t i)
{
    static size_t lengths[sizeof OwnedKeys / sizeof OwnedKeys[0]];
    if (!lengths[i]) lengths[i] = std::strlen(OwnedKeys[i].path);
    return lengths[i];
}

// Which values of a key the product may change: all of them, those named by one owned key,
// or (in a MODES key) "RefreshRate". path is folded to lower case and starts with the hive.
struct ValueRights {
    bool all = false;
    const OwnedKey* named = nullptr;
    bool refreshRate = false;

    explicit ValueRights(const std::string& path)
    {
        for (size_t i = 0; i < sizeof OwnedKeys / sizeof OwnedKeys[0]; ++i) {
            const OwnedKey& owned = OwnedKeys[i];
            const size_t length = OwnedLength(i);
            if (!MatchesStart(path, owned.path, length, length)) continue;
            if (!owned.names[0]) {
                if (path.size() == length || path[length] == '\\') {
                    all = true;
                    return;
                }
            } else if (path.size() == length) {
                named = &owned;
                return;
            }
        }
        if (!nt4GlideKey.empty() && path == nt4GlideKey) {
            named = &Nt4GlideValue;
            return;
        }
        refreshRate = MatchesStart(path, ModesKeys, sizeof ModesKeys - 1, sizeof ModesKeys - 1);
    }
    // value is a name as stored ("" for the default).
    bool Allow(const char* value) const
    {
        if (all) return true;
        if (named)
            return NameIs(value, named->names[0]) || (named->names[1] && NameIs(value, named->names[1]));
        return refreshRate && NameIs(value, "refreshrate");
    }
};

// Whether the product may change the key itself: one it owns, one in or under it, or one on
// the way to it, created on the way.
bool KeyAllowed(const std::string& path)
{
    for (size_t i = 0; i < sizeof OwnedKeys / sizeof OwnedKeys[0]; ++i) {
        const OwnedKey& owned = OwnedKeys[i];
        const size_t length = OwnedLength(i);
        if (path.size() < length && owned.path[path.size()] == '\\' &&
            MatchesStart(path, owned.path, length, path.size()))
            return true;  // on the way
        if (!MatchesStart(path, owned.path, length, length)) continue;
        if (!owned.names[0]) {
            if (path.size() == length || path[length] == '\\') return true;
        } else if (path.size() == length) {
            return true;
        }
    }
    // The NT 4.0 Glide key itself, or one on the way to it.
    return !nt4GlideKey.empty() && nt4GlideKey.compare(0, path.size(), path) == 0 &&
           (path.size() == nt4GlideKey.size() || nt4GlideKey[path.size()] == '\\');
}

// A fingerprint (64-bit FNV-1a) of every key and value the product may not change: their
// names as stored, and each value's type and data, in the registry's own order. Equal
// fingerprints stand for equal registries outside the product.
struct Fingerprint {
    void Add(const void* bytes, size_t size)
    {
        for (size_t i = 0; i < size; ++i) {
            hash ^= static_cast<const unsigned char*>(bytes)[i];
            hash *= 1099511628211ull;
        }
    }
    void Add(const std::string& text) { Add(text.c_str(), text.size() + 1); }

    // path holds the key's path folded to lower case, shown its path as stored: a key is
    // named as stored, a value by the lower-case path and its name as stored. A key that is
    // neither owned nor on the way to an owned key, and no MODES key, holds nothing the
    // product may change: below it every key and value counts without asking.
    void AddKey(const MemoryRegistry::Key& key, std::string* path, std::string* shown,
                bool mayHoldOwned)
    {
        const bool allowedKey = mayHoldOwned && KeyAllowed(*path);
        if (!allowedKey) Add(*shown);
        mayHoldOwned = allowedKey || (mayHoldOwned && MayLeadToModes(*path));
        const ValueRights rights = mayHoldOwned ? ValueRights(*path) : ValueRights(std::string());
        for (const auto& entry : key.values) {
            const MemoryValue& value = entry.second;
            if (mayHoldOwned && rights.Allow(value.name.c_str())) continue;
            Add(*path);
            Add(value.name);
            Add(&value.type, sizeof value.type);
            Add(value.data.data(), value.data.size());
            Add("", 1);
        }
        const size_t pathLength = path->size(), shownLength = shown->size();
        for (const auto& child : key.children) {
            *path += '\\';
            *shown += '\\';
            for (char c : child.second->name) *path += (char)(c >= 'A' && c <= 'Z' ? c + 32 : c);
            *shown += child.second->name;
            AddKey(*child.second, path, shown, mayHoldOwned);
            path->resize(pathLength);
            shown->resize(shownLength);
        }
    }

    // Whether a MODES key's values may lie at or below path.
    static bool MayLeadToModes(const std::string& path)
    {
        const size_t length = sizeof ModesKeys - 1;
        return MatchesStart(path, ModesKeys, length, path.size() < length ? path.size() : length);
    }

    unsigned long long hash = 14695981039346656037ull;
};

unsigned long long OutsideTheProduct(const MemoryRegistry& registry)
{
    // Kept between calls: their buffers grow once.
    static std::string path, shown;
    Fingerprint fingerprint;
    for (RegHive hive : {HiveLocalMachine, HiveClassesRoot}) {
        shown = HiveName(hive);
        path = Lower(shown);
        fingerprint.AddKey(registry.Root(hive), &path, &shown, true);
    }
    return fingerprint.hash;
}

// Every key's path, folded to lower case; with emptyOnly the keys without values or subkeys.
void CollectKeys(const MemoryRegistry::Key& key, std::string* path, bool emptyOnly,
                 std::set<std::string>* keys)
{
    if (!emptyOnly || (key.values.empty() && key.children.empty())) keys->insert(*path);
    const size_t length = path->size();
    for (const auto& child : key.children) {
        *path += '\\' + Lower(child.second->name);
        CollectKeys(*child.second, path, emptyOnly, keys);
        path->resize(length);
    }
}

std::set<std::string> Keys(const MemoryRegistry& registry, bool emptyOnly)
{
    std::set<std::string> keys;
    for (RegHive hive : {HiveLocalMachine, HiveClassesRoot}) {
        std::string path = Lower(HiveName(hive));
        CollectKeys(registry.Root(hive), &path, emptyOnly, &keys);
    }
    return keys;
}

// The registry text with "[~c" expanded to the prefix c picks.
std::string ExpandPrefixes(const std::string& text)
{
    std::string out = StartsWith(text, "REGEDIT4") ? "" : "REGEDIT4\n\n";
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[' && i + 2 < text.size() && text[i + 1] == '~' &&
            (i == 0 || text[i - 1] == '\n')) {
            out += "[" + std::string(KeyPrefixes[(unsigned char)text[i + 2] % PrefixCount]);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

struct Run {
    explicit Run(uint8_t control) : control(control) {}

    // After every step every key is closed; after each part nothing outside the product changed,
    // and a key created since RememberKeys holds a value or a subkey.
    void CheckClosed() { Check(registry.OpenHandleCount() == 0); }
    void RememberKeys() { keysBefore = Keys(registry, false); }
    void CheckPartDone()
    {
        CheckClosed();
        Check(OutsideTheProduct(registry) == outside);
        for (const std::string& key : Keys(registry, true)) Check(keysBefore.count(key) != 0);
    }
    bool ReachedDriverValues() const
    {
        return page.settings.osFlavor != Win9x || page.settings.currentAdapter != -1;
    }
    bool ClockWithinLimits() const
    {
        const SettingsModel& s = page.settings;
        return s.currentClock >= s.lowerLimit && s.currentClock <= s.upperLimit;
    }

    void Page()
    {
        dialog.Reset();
        page.OnInitDialog();
        CheckClosed();
        const SettingsModel& s = page.settings;
        Check(s.lowerLimit >= 100 && s.lowerLimit <= 140);
        Check(s.upperLimit >= 200 && s.upperLimit <= 240);
        Check(!ReachedDriverValues() || ClockWithinLimits());
        // A copy of earlier saves in the input that differs from the boards: put it back.
        if (dialog.At(IDC_RESTORE).shown) {
            page.OnCommand(IDC_RESTORE);
            CheckClosed();
            Check(!ReachedDriverValues() || ClockWithinLimits());
        }

        if (control & 4) page.OnCommand(IDC_ENABLE_CLOCK);
        if (control & 8) page.OnCommand(IDC_OPENGL_SWAP);
        if (control & 16) page.OnCommand(IDC_D3D_SWAP);
        if (control & 32) page.OnCommand(IDC_FACTORY_DEFAULTS);
        dialog.DragTrackbar(IDC_CLOCK_TRACKBAR, 60 + control);
        page.OnHScroll(IDC_CLOCK_TRACKBAR);
        CheckClosed();
        RememberKeys();  // the load's repair writes as the apply does
        page.OnApply();
        CheckPartDone();
        Check(!ReachedDriverValues() || ClockWithinLimits());
    }

    // Picks an item in every combo box, maybe links the depths, saves, then OK.
    void RefreshRates()
    {
        if (!dialog.IsEnabled(IDC_REFRESH_RATES)) return;
        pageRunner.script = [this](int, HeadlessDialog& window) {
            for (int i = 0; i < ModeCount; ++i) {
                HeadlessDialog::Control& combo = window.At(ModeTable[i].comboId);
                if (!combo.items.empty() && (control >> (i % 8)) & 1)
                    window.ComboSetCurSel(ModeTable[i].comboId,
                                          (control + i) % (int)combo.items.size());
            }
            if (control & 64) pageRunner.running->OnCommand(IDC_LINK_ALL_DEPTHS);
            pageRunner.running->OnCommand(IDC_SAVE);
            CheckClosed();
            pageRunner.running->OnCommand(IdOk);
        };
        RememberKeys();
        page.OnCommand(IDC_REFRESH_RATES);
        CheckPartDone();
    }

    // The installer's start-up, then removal when it finds itself installed, else installation.
    void Install()
    {
        platform.existingFiles.insert("C:\\TARV\\TARVPAGE.DLL");
        ResetDialogState(&DialogState);
        if (RunStartupDecisions("", platform, registry, installerStrings,
                                &installer::Installer) != StartupReady)
            return;
        CheckClosed();
        installerRunner.script = [this](int templateId, HeadlessDialog&) {
            DialogLogic& logic = *installerRunner.running;
            if (templateId == 503 && (control & 128)) logic.OnCommand(1004);  // advanced panel
            if (templateId == 503) logic.OnCommand(1002);  // Voodoo5 5500
            if (templateId == 504) logic.OnCommand(1007);  // remove
            logic.OnCommand(IdOk);
        };
        InstallerSystem system{registry, platform, installerStrings, version, installerRunner,
                               mainWindow};
        const int state = DetectInstallState(registry);
        CheckClosed();
        RememberKeys();
        if (state == 0)
            RunInstallFlow(system, state);
        else
            RunMaintenanceFlow(system, state);
        CheckPartDone();
    }

    const uint8_t control;
    unsigned long long outside = 0;
    std::set<std::string> keysBefore;
    MemoryRegistry registry;
    FakePlatform platform;
    FakeStringTable& strings = PageTexts();
    FakeModuleVersion version;
    HeadlessDialog dialog;
    HeadlessPageSheet sheet;
    HeadlessModalRunner pageRunner;
    CVDPropPage page{dialog, sheet, registry, platform, version, pageRunner, strings};
    FakeStringTable& installerStrings = InstallerTexts();
    HeadlessModalRunner installerRunner;
    struct : MessageBoxSink {
        void ShowMessage(const char*, const char*, unsigned) override {}
    } mainWindow;
};

}  // namespace

// One execution frees far less than a megabyte: a quarantine of a few executions still catches
// every use after free within one, and freed memory is reused while it is warm instead of the
// default quarantine's quarter gigabyte of fresh pages.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    Run run(data[0]);
    std::string error;
    if (!run.registry.LoadRegText(ExpandPrefixes(std::string((const char*)data + 1, size - 1)),
                                  &error))
        return 0;
    switch (data[0] & 3) {
    case 0: run.platform.PoseAsWindows95(); break;
    case 1: run.platform.PoseAsWindows98(); break;
    case 2: run.platform.PoseAsNt4(); break;
    default: run.platform.PoseAsWindows2000(); break;
    }
    DriverValueLocation glide;
    nt4GlideKey = FindGlideReadKey(run.registry, WinNT4, &glide)
                      ? Lower(std::string(HiveName(HiveLocalMachine)) + "\\" + glide.keyPath)
                      : std::string();
    run.outside = OutsideTheProduct(run.registry);
    run.Page();
    run.RefreshRates();
    run.Install();
    return 0;
}
