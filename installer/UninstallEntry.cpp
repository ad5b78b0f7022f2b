#include "installer/UninstallEntry.h"

#include "installer/StartupOptions.h"
#include "registry/ComRegistration.h"
#include "registry/DriverValues.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {
namespace installer {

static const unsigned VersionTextSize = 16;  // "65535.65535"

static bool HasBlank(const char* text)
{
    for (; *text; ++text)
        if (*text == ' ') return true;
    return false;
}

bool FormatUninstallCommand(const char* installerPath, const char* forcedKeyword, char* command,
                            unsigned size)
{
    if (!command || size == 0) return false;
    command[0] = 0;
    if (!installerPath || !installerPath[0]) return false;
    const bool quoted = HasBlank(installerPath);
    const bool fits = (!quoted || AppendText(command, size, "\"")) &&
                      AppendText(command, size, installerPath) &&
                      (!quoted || AppendText(command, size, "\"")) &&
                      (!forcedKeyword || (AppendText(command, size, " ") &&
                                          AppendText(command, size, forcedKeyword)));
    if (!fits) command[0] = 0;
    return fits;
}

static bool SetText(Registry& registry, RegKey key, const char* name, const char* text)
{
    return SetTextValue(registry, key, name, text) == RegSuccess;
}

static bool SetFlag(Registry& registry, RegKey key, const char* name, bool on)
{
    if (on) return SetDwordValue(registry, key, name, 1) == RegSuccess;
    registry.DeleteValue(key, name);  // one an earlier installation left
    return true;
}

static bool WriteValues(Registry& registry, RegKey key, const InstallerState& state,
                        const char* command, ModuleVersionSource& files)
{
    char icon[LibraryPathSize + 2];
    if (!CopyText(icon, sizeof icon, state.InstallerPath) || !AppendText(icon, sizeof icon, ",0"))
        return false;
    if (!SetText(registry, key, DisplayNameValue, EntryDisplayName) ||
        !SetText(registry, key, UninstallStringValue, command) ||
        !SetText(registry, key, DisplayIconValue, icon))
        return false;
    unsigned long most = 0;
    unsigned long least = 0;
    if (files.ReadFileVersion(state.LibraryPath, &most, &least)) {
        char version[VersionTextSize];
        FormatVersion(version, sizeof version, most, least);
        if (!SetText(registry, key, DisplayVersionValue, version)) return false;
    } else {
        registry.DeleteValue(key, DisplayVersionValue);  // not an older library's version
    }
    const bool nt = IsNtFlavour(state.OsFlavor);
    return SetText(registry, key, PublisherValue, EntryPublisher) &&
           SetFlag(registry, key, NoModifyValue, nt) && SetFlag(registry, key, NoRepairValue, nt);
}

bool WriteUninstallEntry(Registry& registry, const InstallerState& state,
                         ModuleVersionSource& files)
{
    char command[UninstallCommandSize];
    if (!FormatUninstallCommand(state.InstallerPath, ForcedFlavorKeyword(state), command,
                                sizeof command))
        return true;  // an installer path too long for the entry: there is none to write
    RegKey key = 0;
    if (registry.CreateKey(HiveLocalMachine, UninstallEntryKeyPath, InstallKeyClass,
                           KeyWriteAccess, &key) != RegSuccess)
        return false;
    const bool written = WriteValues(registry, key, state, command, files);
    registry.CloseKey(key);
    return written;
}

bool DeleteUninstallEntry(Registry& registry)
{
    const RegResult result = registry.DeleteKey(HiveLocalMachine, UninstallEntryKeyPath);
    return result == RegSuccess || result == RegFileNotFound;
}

}  // namespace installer
}  // namespace tarv
