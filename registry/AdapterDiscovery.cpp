#include "registry/AdapterDiscovery.h"

#include "registry/PciBinding.h"
#include "registry/RegistryValues.h"
#include "text/Text.h"

namespace tarv {

static const char DisplayClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Display\\";
static const char DriverDescValue[] = "DriverDesc";

void BuildInstanceKeyPath(int instance, char* path, unsigned size)
{
    CopyText(path, size, DisplayClassKey);
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
    int found = 0;
    for (int instance = 0; instance < MaxAdapters; ++instance) {
        const ProbeResult probe = ProbeDisplayInstance(registry, instance, marker, style);
        if (probe == ProbeMatch || (bound[instance] && probe != ProbeNoKey))
            list->adapters[found++] = instance;
    }
    list->adapterCount = found;
    list->currentAdapter = found - 1;
    return found;
}

}  // namespace tarv
