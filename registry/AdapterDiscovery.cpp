#include "registry/AdapterDiscovery.h"

#include "registry/PciBinding.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

static const char DisplayClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Display";
static const char DriverDescValue[] = "DriverDesc";
static const unsigned AllInstances = (1u << MaxAdapters) - 1;

void BuildInstanceKeyPath(int instance, char* path, unsigned size)
{
    CopyText(path, size, DisplayClassKey);
    AppendText(path, size, "\\");
    char number[16];
    FormatDecimal4(number, sizeof number, instance);
    AppendText(path, size, number);
}

ProbeResult ProbeDisplayInstance(Registry& registry, int instance, const char* marker,
                                 const ProbeStyle& style)
{
    char path[96];
    BuildInstanceKeyPath(instance, path, sizeof path);
    RegKey key = 0;
    if (registry.OpenKey(HiveLocalMachine, path, style.access, &key) != RegSuccess)
        return ProbeNoKey;

    char description[MaxValueReadSize];
    unsigned size = style.descriptionBufferSize < sizeof description
                        ? style.descriptionBufferSize
                        : (unsigned)sizeof description;
    ProbeResult result = ProbeNoDescription;
    if (ReadTextValue(registry, key, DriverDescValue, description, size))
        result = FindText(description, marker) ? ProbeMatch : ProbeNoMatch;
    registry.CloseKey(key);
    return result;
}

int InstanceOfKeyName(const char* name)
{
    int number = 0;
    for (int i = 0; i < 4; ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        number = number * 10 + (name[i] - '0');
    }
    return name[4] == 0 ? number : -1;
}

// One bit for each instance 0 to 15 that has a class key. Listing the class costs a call per
// key it holds, where probing costs one per number whether its key is there or not; where the
// list cannot be read, every number is taken as there, to be probed.
static unsigned ListedInstances(Registry& registry)
{
    RegKey key = 0;
    const RegResult opened =
        registry.OpenKey(HiveLocalMachine, DisplayClassKey, KeyEnumerateSubKeys, &key);
    if (opened == RegFileNotFound) return 0;
    if (opened != RegSuccess) return AllInstances;
    unsigned listed = 0;
    char name[16];  // an instance's name fits; longer ones are passed over
    unsigned long index = 0;
    RegResult result;
    while ((result = NextSubkey(registry, key, &index, name, sizeof name)) == RegSuccess) {
        const int instance = InstanceOfKeyName(name);
        if (instance >= 0 && instance < MaxAdapters) listed |= 1u << instance;
    }
    registry.CloseKey(key);
    return result == RegNoMoreItems ? listed : AllInstances;
}

void AdapterList::ResetAdapters()
{
    for (int slot = 0; slot < MaxAdapters; ++slot) adapters[slot] = -1;
    adapterCount = 0;
    currentAdapter = -1;
}

int FindAdapterInstances(Registry& registry, const char* marker, AdapterList* list,
                         const ProbeStyle& style)
{
    static_assert(BindableInstances == MaxAdapters, "one binding flag per adapter slot");
    list->ResetAdapters();
    bool bound[BindableInstances];
    FindVsa100Bindings(registry, bound);
    const unsigned listed = ListedInstances(registry);
    int found = 0;
    for (int instance = 0; instance < MaxAdapters; ++instance) {
        if (!(listed & (1u << instance))) continue;
        const ProbeResult probe = ProbeDisplayInstance(registry, instance, marker, style);
        if (probe == ProbeMatch || (bound[instance] && probe != ProbeNoKey))
            list->adapters[found++] = instance;
    }
    list->adapterCount = found;
    list->currentAdapter = found - 1;
    return found;
}

}  // namespace tarv
