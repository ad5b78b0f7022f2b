#include "InstallerScenarios.h"

#include "installer/InstallState.h"
#include "installer/Installation.h"
#include "installer/InstallerState.h"
#include "installer/Removal.h"
#include "registry/ComRegistration.h"
#include "registry/ProductSettings.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace tarv {
namespace installer_scenarios {

using namespace tarv::installer;

const char LibraryPath[] = "C:\\TARV\\TARVPAGE.DLL";

namespace {

const char* HiveName(RegHive hive)
{
    return hive == HiveClassesRoot ? "HKEY_CLASSES_ROOT" : "HKEY_LOCAL_MACHINE";
}

struct WatchedKey {
    RegHive hive;
    std::string path;
    std::vector<std::string> values;  // "" is the default value
};

const std::vector<WatchedKey>& WatchedKeys()
{
    static const std::vector<WatchedKey> keys = [] {
        const std::string display = "System\\CurrentControlSet\\Services\\Class\\Display\\";
        const std::string services = "SYSTEM\\CurrentControlSet\\Services\\";
        std::vector<WatchedKey> k = {
            {HiveLocalMachine, "Software\\Tarvello",
             {"LowerLimit", "UpperLimit", "Model", "DefaultClock", "EnableClock", "ColorDepth",
              "LinkAllColorDepths", "Force95", "Force98", "ForceNT4", "ForceNT5"}},
            {HiveLocalMachine, DisplayHandlerKeyPath, {""}},
            {HiveLocalMachine, DeviceHandlerKeyPath, {""}},
            {HiveClassesRoot, ClassKeyPath, {""}},
            {HiveClassesRoot, ServerKeyPath, {"", "ThreadingModel"}},
            {HiveLocalMachine, ApprovedKeyPath, {ClassIdText}},
        };
        for (const char* instance : {"0000", "0001", "0002", "0003"}) {
            k.push_back({HiveLocalMachine, display + instance, {"DriverDesc"}});
            k.push_back({HiveLocalMachine, display + instance + "\\DEFAULT", {"Grxclock", "RefreshRate"}});
            k.push_back({HiveLocalMachine, display + instance + "\\Glide", {"FX_GLIDE_SWAPINTERVAL"}});
            k.push_back({HiveLocalMachine, display + instance + "\\D3D", {"SSTH3_SWAPINTERVAL"}});
        }
        for (const char* service : {"Voodoo5\\Device0", "3dfxvs\\Device0"})
            k.push_back({HiveLocalMachine, services + service, {"GraphicsClocking", "SSTH3_SWAPINTERVAL"}});
        k.push_back({HiveLocalMachine, services + "3Dfx\\Device0\\Glide", {"FX_GLIDE_SWAPINTERVAL"}});
        k.push_back({HiveLocalMachine, services + "3Dfx\\Device0\\D3D", {"SSTH3_SWAPINTERVAL"}});
        return k;
    }();
    return keys;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    return text;
}

std::string Quote(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string NameToken(const std::string& name) { return name.empty() ? "@" : Quote(name); }

// One value as a REGEDIT4 line.
std::string RenderValue(const std::string& name, unsigned long type, const std::string& data)
{
    if (type == RegSz && !data.empty() && data.back() == 0 &&
        data.find('\0') == data.size() - 1)
        return NameToken(name) + "=" + Quote(data.substr(0, data.size() - 1));
    char text[16];
    if (type == RegDword && data.size() == 4) {
        unsigned long v = (unsigned char)data[0] | (unsigned char)data[1] << 8 |
                          (unsigned char)data[2] << 16 | (unsigned long)(unsigned char)data[3] << 24;
        std::snprintf(text, sizeof text, "%08lx", v);
        return NameToken(name) + "=dword:" + text;
    }
    std::string line = NameToken(name) + "=hex(" + std::to_string(type) + "):";
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(text, sizeof text, "%s%02x", i ? "," : "", (unsigned char)data[i]);
        line += text;
    }
    return line;
}

// Parses a quoted REGEDIT4 string starting at text[at] == '"'; at ends after the closing quote.
bool ParseQuoted(const std::string& text, size_t* at, std::string* out)
{
    if (*at >= text.size() || text[*at] != '"') return false;
    out->clear();
    for (size_t i = *at + 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            *out += text[++i];
        } else if (text[i] == '"') {
            *at = i + 1;
            return true;
        } else {
            *out += text[i];
        }
    }
    return false;
}

// A value line: name (or @), then a quoted text or dword:xxxxxxxx.
bool ParseValueLine(const std::string& line, std::string* name, unsigned long* type,
                    std::string* data)
{
    size_t at = 0;
    if (line[0] == '@') {
        name->clear();
        at = 1;
    } else if (!ParseQuoted(line, &at, name)) {
        return false;
    }
    if (at >= line.size() || line[at] != '=') return false;
    ++at;
    if (line.compare(at, 6, "dword:") == 0) {
        unsigned long v = std::stoul(line.substr(at + 6), nullptr, 16);
        *type = RegDword;
        *data = std::string(1, (char)(v & 0xFF)) + (char)(v >> 8 & 0xFF) + (char)(v >> 16 & 0xFF) +
                (char)(v >> 24 & 0xFF);
        return true;
    }
    std::string text;
    if (!ParseQuoted(line, &at, &text)) return false;
    *type = RegSz;
    *data = text + '\0';
    return true;
}

struct Section {
    RegHive hive;
    std::string path;
    std::vector<std::string> lines;
};

bool ParseHeader(const std::string& line, RegHive* hive, std::string* path)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    std::string key = line.substr(1, line.size() - 2);
    for (RegHive h : {HiveLocalMachine, HiveClassesRoot}) {
        std::string prefix = std::string(HiveName(h)) + "\\";
        if (key.compare(0, prefix.size(), prefix) == 0) {
            *hive = h;
            *path = key.substr(prefix.size());
            return true;
        }
    }
    return false;
}

std::vector<Section> ParseSections(const std::string& text, std::string* error)
{
    std::vector<Section> sections;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == "REGEDIT4") continue;
        Section section;
        if (ParseHeader(line, &section.hive, &section.path)) {
            sections.push_back(section);
        } else if (!sections.empty() && (line[0] == '"' || line[0] == '@')) {
            sections.back().lines.push_back(line);
        } else if (error) {
            *error += "line " + std::to_string(number) + " not understood: " + line + "\n";
        }
    }
    return sections;
}

}  // namespace

bool ApplyRegText(Registry& registry, const std::string& text, std::string* error)
{
    std::string problems;
    std::vector<Section> sections = ParseSections(text, &problems);
    for (const Section& section : sections) {
        RegKey key = 0;
        if (registry.CreateKey(section.hive, section.path.c_str(), nullptr, KeyWriteAccess, &key) !=
            RegSuccess) {
            problems += "cannot create " + section.path + "\n";
            continue;
        }
        for (const std::string& line : section.lines) {
            std::string name, data;
            unsigned long type = 0;
            if (!ParseValueLine(line, &name, &type, &data) ||
                registry.SetValue(key, name.c_str(), type, (const unsigned char*)data.data(),
                                  (unsigned long)data.size()) != RegSuccess)
                problems += "cannot set " + line + "\n";
        }
        registry.CloseKey(key);
    }
    if (error) *error = problems;
    return problems.empty();
}

std::string SnapshotWatchedKeys(Registry& registry)
{
    std::string snapshot;
    for (const WatchedKey& watched : WatchedKeys()) {
        RegKey key = 0;
        if (registry.OpenKey(watched.hive, watched.path.c_str(), KeyQueryValue, &key) != RegSuccess)
            continue;
        snapshot += "[" + std::string(HiveName(watched.hive)) + "\\" + watched.path + "]\n";
        for (const std::string& name : watched.values) {
            unsigned char data[1024];
            unsigned long size = sizeof data, type = 0;
            if (registry.QueryValue(key, name.c_str(), &type, data, &size) == RegSuccess)
                snapshot += RenderValue(name, type, std::string((const char*)data, size)) + "\n";
        }
        registry.CloseKey(key);
        snapshot += "\n";
    }
    return snapshot;
}

std::string FilterWatchedKeys(const std::string& regText)
{
    std::string problems;
    std::vector<Section> sections = ParseSections(regText, &problems);
    std::string filtered;
    for (const WatchedKey& watched : WatchedKeys()) {
        for (const Section& section : sections) {
            if (section.hive != watched.hive || Lower(section.path) != Lower(watched.path)) continue;
            filtered += "[" + std::string(HiveName(watched.hive)) + "\\" + watched.path + "]\n";
            std::vector<std::string> known(watched.values.size());
            for (const std::string& line : section.lines) {
                std::string name, data;
                unsigned long type = 0;
                bool parsed = ParseValueLine(line, &name, &type, &data);
                size_t slot = 0;
                while (slot < watched.values.size() && Lower(watched.values[slot]) != Lower(name))
                    ++slot;
                if (!parsed || slot == watched.values.size())
                    problems += "not watched: " + section.path + " " + line + "\n";
                else
                    known[slot] = RenderValue(watched.values[slot], type, data);
            }
            for (const std::string& line : known)
                if (!line.empty()) filtered += line + "\n";
            filtered += "\n";
        }
    }
    return problems + filtered;
}

// The scenarios.
namespace {

#define DISPLAY_CLASS "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Display\\"
#define SERVICES "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\"
#define HANDLERS "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\"
#define CLASS_KEY "[HKEY_CLASSES_ROOT\\CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"
#define CLASS_ID "\"{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\""

#define PRODUCT_5500                   \
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvello]\n" \
    "\"LowerLimit\"=\"120\"\n"         \
    "\"UpperLimit\"=\"220\"\n"         \
    "\"Model\"=\"Voodoo5 5500\"\n"     \
    "\"DefaultClock\"=\"166\"\n"       \
    "\"EnableClock\"=\"0\"\n"          \
    "\"ColorDepth\"=\"8\"\n"           \
    "\"LinkAllColorDepths\"=\"0\"\n"

#define SERVER_KEYS                                   \
    CLASS_KEY "]\n\n"                                 \
    CLASS_KEY "\\InProcServer32]\n"                   \
    "@=\"C:\\\\TARV\\\\TARVPAGE.DLL\"\n"              \
    "\"ThreadingModel\"=\"Apartment\"\n\n"

void InstallOnWindows98(Registry& registry)
{
    InstallerState state;
    ResetInstallerState(&state);
    state.AdvancedPanelAllowed = true;
    InstallComponents(registry, state, LibraryPath, 120, 220, Model5500, false);
}

void InstallWithForceNt4(Registry& registry)
{
    InstallerState state;
    ResetInstallerState(&state);
    state.OsFlavor = WinNT4;
    state.ForceNT4 = true;
    InstallComponents(registry, state, LibraryPath, 120, 220, Model5500, false);
}

void RemoveOnNt4(Registry& registry)
{
    InstallerState state;
    ResetInstallerState(&state);
    state.OsFlavor = WinNT4;
    RemoveComponents(registry, state, DetectInstallState(registry));
}

void RemoveOnWindows98WithTwoAdapters(Registry& registry)
{
    InstallerState state;
    ResetInstallerState(&state);
    state.adapters[0] = 1;
    state.adapters[1] = 3;
    state.adapterCount = 2;
    RemoveComponents(registry, state, DetectInstallState(registry));
}

#define WINDOWS98_WITH_5500 \
    DISPLAY_CLASS "0000]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n"

#define NT_DRIVER_VALUES \
    SERVICES "Voodoo5\\Device0]\n" \
    "\"GraphicsClocking\"=dword:000000af\n" \
    "\"SSTH3_SWAPINTERVAL\"=\"0\"\n\n" \
    SERVICES "3dfxvs\\Device0]\n" \
    "\"GraphicsClocking\"=dword:000000b4\n\n" \
    SERVICES "3Dfx\\Device0\\Glide]\n" \
    "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n\n" \
    SERVICES "3Dfx\\Device0\\D3D]\n" \
    "\"SSTH3_SWAPINTERVAL\"=\"0\"\n\n"

// Instances 0001 and 0003 carry Voodoo5 boards; 0000 another 3dfx board.
#define THREE_ADAPTERS_BEFORE \
    DISPLAY_CLASS "0000]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo3\"\n\n" \
    DISPLAY_CLASS "0000\\DEFAULT]\n" \
    "\"Grxclock\"=\"143\"\n\n" \
    DISPLAY_CLASS "0001]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n" \
    DISPLAY_CLASS "0001\\DEFAULT]\n" \
    "\"Grxclock\"=\"175\"\n" \
    "\"RefreshRate\"=\"0\"\n\n" \
    DISPLAY_CLASS "0001\\Glide]\n" \
    "\"FX_GLIDE_SWAPINTERVAL\"=\"0\"\n\n" \
    DISPLAY_CLASS "0001\\D3D]\n" \
    "\"SSTH3_SWAPINTERVAL\"=\"0\"\n\n" \
    DISPLAY_CLASS "0003]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo5 5500 PCI\"\n\n" \
    DISPLAY_CLASS "0003\\DEFAULT]\n" \
    "\"Grxclock\"=\"166\"\n\n"

#define THREE_ADAPTERS_AFTER \
    DISPLAY_CLASS "0000]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo3\"\n\n" \
    DISPLAY_CLASS "0000\\DEFAULT]\n" \
    "\"Grxclock\"=\"143\"\n\n" \
    DISPLAY_CLASS "0001]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo5 5500 AGP\"\n\n" \
    DISPLAY_CLASS "0001\\DEFAULT]\n" \
    "\"RefreshRate\"=\"0\"\n\n" \
    DISPLAY_CLASS "0001\\Glide]\n\n" \
    DISPLAY_CLASS "0001\\D3D]\n\n" \
    DISPLAY_CLASS "0003]\n" \
    "\"DriverDesc\"=\"3dfx Voodoo5 5500 PCI\"\n\n" \
    DISPLAY_CLASS "0003\\DEFAULT]\n\n"

// What removal leaves of an installation: the parents of the deleted keys.
#define EMPTY_PARENTS \
    "[HKEY_LOCAL_MACHINE\\Software]\n\n" \
    HANDLERS "Display\\Shellex\\PropertySheetHandlers]\n\n" \
    "[HKEY_CLASSES_ROOT\\CLSID]\n\n"

#define DISPLAY_HANDLER \
    HANDLERS "Display\\Shellex\\PropertySheetHandlers\\Tarvello]\n" \
    "@=" CLASS_ID "\n\n"

#define APPROVED_KEY \
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved]\n"
#define APPROVED APPROVED_KEY CLASS_ID "=\"Tarvello\"\n\n"

#define DEVICE_HANDLER \
    HANDLERS "Device\\Shellex\\PropertySheetHandlers\\Tarvello]\n" \
    "@=" CLASS_ID "\n\n"

}  // namespace

const std::vector<Scenario>& SharedScenarios()
{
    static const std::vector<Scenario> scenarios = {
        {"FreshInstallOnWindows98", WINDOWS98_WITH_5500, InstallOnWindows98,
         PRODUCT_5500 "\n" DISPLAY_HANDLER SERVER_KEYS WINDOWS98_WITH_5500},

        // On NT an existing Device handler key is left alone.
        {"InstallWithForceNt4", DEVICE_HANDLER, InstallWithForceNt4,
         PRODUCT_5500 "\"ForceNT4\"=\"1\"\n\n" DISPLAY_HANDLER DEVICE_HANDLER SERVER_KEYS APPROVED},

        // The NT 4 keys lose their values; the Windows 2000 service key keeps its clock.
        {"RemovalOnNt4",
         PRODUCT_5500 "\"ForceNT4\"=\"1\"\n\n" DISPLAY_HANDLER SERVER_KEYS NT_DRIVER_VALUES APPROVED,
         RemoveOnNt4,
         EMPTY_PARENTS
         APPROVED_KEY "\n"
         SERVICES "Voodoo5\\Device0]\n\n"
         SERVICES "3dfxvs\\Device0]\n"
         "\"GraphicsClocking\"=dword:000000b4\n\n"
         SERVICES "3Dfx\\Device0\\Glide]\n\n"
         SERVICES "3Dfx\\Device0\\D3D]\n\n"},

        // Only the listed Voodoo5 instances lose their values; other values stay.
        {"RemovalOnWindows98WithTwoAdapters",
         PRODUCT_5500 "\n" DISPLAY_HANDLER SERVER_KEYS THREE_ADAPTERS_BEFORE,
         RemoveOnWindows98WithTwoAdapters, EMPTY_PARENTS THREE_ADAPTERS_AFTER},
    };
    return scenarios;
}

const std::vector<ScenarioRoot>& ScenarioRoots()
{
    static const std::vector<ScenarioRoot> roots = {
        {HiveLocalMachine, "Software\\Tarvello"},
        {HiveLocalMachine, DisplayHandlerKeyPath},
        {HiveLocalMachine, DeviceHandlerKeyPath},
        {HiveClassesRoot, ClassKeyPath},
        {HiveLocalMachine, ApprovedKeyPath},
        {HiveLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0000"},
        {HiveLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0001"},
        {HiveLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0002"},
        {HiveLocalMachine, "System\\CurrentControlSet\\Services\\Class\\Display\\0003"},
        {HiveLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Voodoo5"},
        {HiveLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\3dfxvs"},
        {HiveLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\3Dfx"},
    };
    return roots;
}

}  // namespace installer_scenarios
}  // namespace tarv
