#include "registry/PciBinding.h"

#include "registry/AdapterDiscovery.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

static const char DriverValue[] = "Driver";
static const char DisplayDriverPrefix[] = "Display\\";

// Key names of the hardware tree are short; a longer one cannot be a device or instance key
// the driver wrote, and would not fit the path below.
const unsigned PciNameSize = 128;
const unsigned PciPathSize = sizeof PciEnumKey + 2 * PciNameSize + 2;

int DisplayInstanceOfDriver(const char* driver)
{
    const char* digits = AfterPrefixNoCase(driver, DisplayDriverPrefix);
    return digits ? InstanceOfKeyName(digits) : -1;
}

// "VEN_121A&DEV_0009", alone or followed by "&SUBSYS_..." and the rest of the device name.
static bool IsVsa100Device(const char* name)
{
    const char* rest = AfterPrefixNoCase(name, Vsa100DevicePrefix);
    return rest && (*rest == 0 || *rest == '&');
}

static bool JoinPath(char* path, const char* parent, const char* child)
{
    return CopyText(path, PciPathSize, parent) && AppendText(path, PciPathSize, "\\") &&
           AppendText(path, PciPathSize, child);
}

// The instance keys of one VSA-100 device key, each read for its "Driver".
static void ReadDeviceBindings(Registry& registry, const char* devicePath,
                               bool bound[BindableInstances])
{
    RegKey device = 0;
    if (registry.OpenKey(HiveLocalMachine, devicePath, KeyEnumerateSubKeys, &device) != RegSuccess)
        return;
    char name[PciNameSize];
    for (unsigned long index = 0; NextSubkey(registry, device, &index, name, sizeof name) == RegSuccess;) {
        char path[PciPathSize];
        if (!JoinPath(path, devicePath, name)) continue;
        RegKey instance = 0;
        if (registry.OpenKey(HiveLocalMachine, path, KeyQueryValue, &instance) != RegSuccess)
            continue;
        char driver[MaxValueReadSize];
        if (ReadTextValue(registry, instance, DriverValue, driver, sizeof driver)) {
            const int number = DisplayInstanceOfDriver(driver);
            if (number >= 0 && number < BindableInstances) bound[number] = true;
        }
        registry.CloseKey(instance);
    }
    registry.CloseKey(device);
}

// The bindings of every device key of Enum\PCI that is (vsa100) or is not a VSA-100 board;
// whether any was found.
static bool FindBindings(Registry& registry, bool vsa100, bool bound[BindableInstances])
{
    for (int i = 0; i < BindableInstances; ++i) bound[i] = false;
    RegKey pci = 0;
    if (registry.OpenKey(HiveLocalMachine, PciEnumKey, KeyEnumerateSubKeys, &pci) != RegSuccess)
        return false;
    char name[PciNameSize];
    for (unsigned long index = 0; NextSubkey(registry, pci, &index, name, sizeof name) == RegSuccess;) {
        char path[PciPathSize];
        if (IsVsa100Device(name) == vsa100 && JoinPath(path, PciEnumKey, name))
            ReadDeviceBindings(registry, path, bound);
    }
    registry.CloseKey(pci);
    bool any = false;
    for (int i = 0; i < BindableInstances; ++i) any = any || bound[i];
    return any;
}

void FindVsa100Bindings(Registry& registry, bool bound[BindableInstances])
{
    // Windows keeps the key of a board that is gone, binding and all; another board may since
    // have taken its class instance. Only the other devices are read to find that out, and only
    // when a VSA-100 binding was found at all.
    if (!FindBindings(registry, true, bound)) return;
    bool other[BindableInstances];
    FindBindings(registry, false, other);
    for (int i = 0; i < BindableInstances; ++i)
        if (other[i]) bound[i] = false;
}

}  // namespace tarv
