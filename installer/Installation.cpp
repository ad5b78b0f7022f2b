#include "installer/Installation.h"

#include "installer/Removal.h"
#include "installer/ShellApproval.h"
#include "registry/ComRegistration.h"
#include "registry/DriverValues.h"
#include "registry/ProductSettings.h"
#include "registry/RegistryValues.h"

namespace tarv {
namespace installer {

const char* ModelName(int modelCode)
{
    switch (modelCode) {
    case Model5000: return "Voodoo5 5000";
    case Model5500: return "Voodoo5 5500";
    case Model6000: return "Voodoo5 6000";
    default: return 0;
    }
}

static bool SetText(Registry& registry, RegKey key, const char* name, const char* text)
{
    return SetTextValue(registry, key, name, text) == RegSuccess;
}

static bool SetNumber(Registry& registry, RegKey key, const char* name, long value)
{
    return SetDecimalValue(registry, key, name, value) == RegSuccess;
}

static bool WriteProductValues(Registry& registry, RegKey key, const InstallerState& state,
                               long lowerLimit, long upperLimit, int modelCode)
{
    const char* model = ModelName(modelCode);
    if (!SetNumber(registry, key, LowerLimitValue, lowerLimit) ||
        !SetNumber(registry, key, UpperLimitValue, upperLimit) || !model ||
        !SetText(registry, key, ModelValue, model) ||
        !SetNumber(registry, key, DefaultClockValue, InstalledDefaultClock) ||
        !SetNumber(registry, key, EnableClockValue, 0) ||
        !SetNumber(registry, key, ColorDepthValue, DefaultColorDepth) ||
        !SetNumber(registry, key, LinkAllColorDepthsValue, 0))
        return false;
    const struct {
        bool on;
        const char* name;
    } forces[] = {{state.Force95, Force95Value},
                  {state.Force98, Force98Value},
                  {state.ForceNT4, ForceNT4Value},
                  {state.ForceNT5, ForceNT5Value}};
    for (const auto& force : forces)
        if (force.on && !SetNumber(registry, key, force.name, 1)) return false;
    return true;
}

bool WriteInstallKey(Registry& registry, const InstallerState& state, unsigned parts,
                     const char* keyPath, long lowerLimit, long upperLimit, int modelCode)
{
    RegKey key = 0;
    if (registry.CreateKey(HiveLocalMachine, keyPath, InstallKeyClass, KeyWriteAccess, &key) !=
        RegSuccess)
        return false;
    bool ok = true;
    if (parts & HandlerPart) ok = SetText(registry, key, "", ClassIdText);
    if (ok && (parts & ProductPart))
        ok = WriteProductValues(registry, key, state, lowerLimit, upperLimit, modelCode);
    registry.CloseKey(key);
    return ok;
}

bool RegisterServerClass(Registry& registry, const char* libraryPath)
{
    RegKey key = 0;
    if (registry.CreateKey(HiveClassesRoot, ServerKeyPath, ServerKeyClass, KeyWriteAccess, &key) !=
        RegSuccess)
        return false;
    const bool ok = SetText(registry, key, "", libraryPath) &&
                    SetText(registry, key, ThreadingModelValue, ApartmentThreading);
    registry.CloseKey(key);
    return ok;
}

bool InstallComponents(Registry& registry, const InstallerState& state, const char* libraryPath,
                       long lowerLimit, long upperLimit, int modelCode, bool useAdvancedPanel)
{
    // Every step runs whatever the one before it did.
    bool complete = WriteInstallKey(registry, state, ProductPart, ProductSettingsKey, lowerLimit,
                                    upperLimit, modelCode);
    const bool win9x = state.OsFlavor == Win9x;
    const char* handler =
        win9x && useAdvancedPanel ? DeviceHandlerKeyPath : DisplayHandlerKeyPath;
    if (!WriteInstallKey(registry, state, HandlerPart, handler, lowerLimit, upperLimit,
                         modelCode))
        complete = false;
    // On the Windows 95 family the shell must find the page in one place only.
    if (win9x && !DeleteKeyIfPresent(registry, handler == DeviceHandlerKeyPath
                                                   ? DisplayHandlerKeyPath
                                                   : DeviceHandlerKeyPath))
        complete = false;
    if (!RegisterServerClass(registry, libraryPath)) complete = false;
    // The shells that honour an approved list are the NT ones.
    if (IsNtFlavour(state.OsFlavor) && !ApproveShellExtension(registry)) complete = false;
    return complete;
}

}  // namespace installer
}  // namespace tarv
