#include "installer/InstallState.h"

#include "installer/UninstallEntry.h"
#include "registry/ComRegistration.h"
#include "registry/ProductSettings.h"

namespace tarv {
namespace installer {

static bool CanOpen(Registry& registry, RegHive hive, const char* path)
{
    RegKey key = 0;
    if (registry.OpenKey(hive, path, KeyRead, &key) != RegSuccess) return false;
    registry.CloseKey(key);
    return true;
}

int DetectInstallState(Registry& registry)
{
    int state = 0;
    if (CanOpen(registry, HiveLocalMachine, ProductSettingsKey)) state += ProductKeyPresent;
    if (CanOpen(registry, HiveLocalMachine, DisplayHandlerKeyPath)) state += DisplayHandlerPresent;
    if (CanOpen(registry, HiveLocalMachine, DeviceHandlerKeyPath)) state += DeviceHandlerPresent;
    if (CanOpen(registry, HiveClassesRoot, ClassKeyPath)) state += ClassKeyPresent;
    if (CanOpen(registry, HiveLocalMachine, UninstallEntryKeyPath)) state += UninstallEntryPresent;
    return state;
}

}  // namespace installer
}  // namespace tarv
