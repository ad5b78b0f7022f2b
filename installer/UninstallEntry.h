// The product's entry in Control Panel's Add/Remove Programs: the name the shell lists and
// the command line it runs to remove the product, which starts this installer again, so the
// user meets the usual maintenance dialog there.
#pragma once

#include "installer/InstallerState.h"
#include "page/AboutGroup.h"
#include "registry/Registry.h"

namespace tarv {
namespace installer {

// HKEY_LOCAL_MACHINE
inline constexpr char UninstallEntryKeyPath[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvello";
inline constexpr char DisplayNameValue[] = "DisplayName";
inline constexpr char UninstallStringValue[] = "UninstallString";
inline constexpr char DisplayIconValue[] = "DisplayIcon";
inline constexpr char DisplayVersionValue[] = "DisplayVersion";
inline constexpr char PublisherValue[] = "Publisher";
// DWORD 1: the NT shells then offer Remove only, not Change or Repair.
inline constexpr char NoModifyValue[] = "NoModify";
inline constexpr char NoRepairValue[] = "NoRepair";
// The name listed and the publisher shown beside it.
inline constexpr char EntryDisplayName[] = "Tarvello";
inline constexpr char EntryPublisher[] = "Tarvello";

// Room for an installer path in quotes, a blank and the longest forced-flavour keyword.
const unsigned UninstallCommandSize = LibraryPathSize + 2 + 1 + 8;

// The command line that starts the installer at installerPath as this run was started: the
// path, in quotes when it holds a blank (the shell runs the text as a command line), then
// the forced flavour's keyword if there was one, so the removal resets the driver values where
// the tab wrote them. False, with command empty, when it does not fit in size bytes.
bool FormatUninstallCommand(const char* installerPath, const char* forcedKeyword, char* command,
                            unsigned size);

// Writes the entry for the installer at state.InstallerPath, over whatever an earlier
// installation (from another folder, on another flavour) left in it. The version shown is the
// library's ("major.minor" of its file version, read through files); a library without a
// readable version shows none. NoModify and NoRepair are there on the NT flavours only.
// Nothing is written when the installer's path is unknown. False when the registry refused.
bool WriteUninstallEntry(Registry& registry, const InstallerState& state,
                         ModuleVersionSource& files);

// Deletes the entry; true when it is gone (a key already missing counts as deleted). Removal
// deletes it only when DetectInstallState found it, as it does the installer's other keys.
bool DeleteUninstallEntry(Registry& registry);

}  // namespace installer
}  // namespace tarv
