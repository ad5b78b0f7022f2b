// The page's entry in the shell's list of approved extensions, which an administrator's policy
// on Windows NT 4.0 (with the desktop update), 2000 and XP can make the only extensions the
// shell loads. It is not part of what DetectInstallState looks at.
#pragma once

#include "registry/Registry.h"

namespace tarv {
namespace installer {

// Adds the value named by the class identifier (data "Tarvello"), creating the list's key when
// the system has none yet. False when it could not be written.
bool ApproveShellExtension(Registry& registry);

// Deletes that value if it is there; the list's key and every other entry stay.
void WithdrawShellApproval(Registry& registry);

}  // namespace installer
}  // namespace tarv
