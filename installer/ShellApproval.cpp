#include "installer/ShellApproval.h"

#include "registry/ComRegistration.h"
#include "registry/RegistryValues.h"

namespace tarv {
namespace installer {

bool ApproveShellExtension(Registry& registry)
{
    RegKey key = 0;
    // The shell's key, not ours: created without a class string of ours.
    if (registry.CreateKey(HiveLocalMachine, ApprovedKeyPath, 0, KeyWriteAccess, &key) !=
        RegSuccess)
        return false;
    const bool written = SetTextValue(registry, key, ClassIdText, ApprovedValueData) == RegSuccess;
    registry.CloseKey(key);
    return written;
}

void WithdrawShellApproval(Registry& registry)
{
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, ApprovedKeyPath, KeySetValue, &key) != RegSuccess) return;
    registry.DeleteValue(key, ClassIdText);
    registry.CloseKey(key);
}

}  // namespace installer
}  // namespace tarv
