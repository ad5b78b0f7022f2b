// Finding the display-class instances of Voodoo5 adapters on the Windows 95 family.
#pragma once

#include "registry/Registry.h"

namespace tarv {

const int MaxAdapters = 16;

// Display-class instance numbers of matching adapters, ascending, -1 in every unused slot.
struct AdapterList {
    int adapters[MaxAdapters];
    int adapterCount;    // slots in use
    int currentAdapter;  // slot of the last adapter found (the one read from), -1 when none
};

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

ProbeResult ProbeDisplayInstance(Registry& registry, int instance, const char* marker,
                                 const ProbeStyle& style = PageProbe);

// Probes all instances 0 to 15 and fills list; returns the number found.
int FindAdapterInstances(Registry& registry, const char* marker, AdapterList* list,
                         const ProbeStyle& style = PageProbe);

}  // namespace tarv
