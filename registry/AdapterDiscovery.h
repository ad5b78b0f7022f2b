// Finding the display-class instances of Voodoo5 adapters on the Windows 95 family.
#pragma once

#include "registry/Registry.h"

namespace tarv {

const int MaxAdapters = 16;

// What every user of the discovery looks for in "DriverDesc", case and all.
inline constexpr char AdapterMarker[] = "Voodoo5";

// Display-class instance numbers of matching adapters, ascending, -1 in every unused slot.
// The page, the Refresh Rates dialog and the installer each hold one.
struct AdapterList {
    // Empty: every slot -1, no adapter, none current.
    void ResetAdapters();

    int adapters[MaxAdapters];
    int adapterCount;    // slots in use
    int currentAdapter;  // slot of the last adapter found (the one read from), -1 when none
};

// The same as a constant, for lists that must be ready before any code runs.
inline constexpr AdapterList EmptyAdapterList = {
    {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 0, -1};

enum ProbeResult { ProbeMatch = 1, ProbeNoMatch = 2, ProbeNoDescription = 3, ProbeNoKey = 4 };

// How "DriverDesc" is read: the page opens with KEY_QUERY_VALUE into 128 bytes, the
// installer with KEY_READ into 256 bytes. A longer description counts as none.
struct ProbeStyle {
    unsigned long access;
    unsigned descriptionBufferSize;
};
const ProbeStyle PageProbe = {KeyQueryValue, 128};
const ProbeStyle InstallerProbe = {KeyRead, 256};

// "System\CurrentControlSet\Services\Class\Display\" + the instance as four decimal digits.
void BuildInstanceKeyPath(int instance, char* path, unsigned size);

// The instance a key name stands for: exactly four decimal digits ("0012" is 12), else -1.
int InstanceOfKeyName(const char* name);

ProbeResult ProbeDisplayInstance(Registry& registry, int instance, const char* marker,
                                 const ProbeStyle& style = PageProbe);

// Resets list and fills it, in ascending order, with every instance 0 to 15 whose
// "DriverDesc" contains marker or that a VSA-100 board is bound to in Enum\PCI (read once,
// before the probes; a binding to an instance without a class key counts for nothing).
// Only the instances the display class lists are probed; where the list cannot be read, all
// sixteen are. Returns the number found.
int FindAdapterInstances(Registry& registry, const char* marker, AdapterList* list,
                         const ProbeStyle& style = PageProbe);

}  // namespace tarv
