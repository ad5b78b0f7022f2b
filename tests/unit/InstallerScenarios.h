// Installer registration and removal scenarios shared by the native tests (in-memory registry)
// and the Wine tests (advapi32): the same seed, operation and expected keys in both.
#pragma once

#include "registry/Registry.h"

#include <string>
#include <vector>

namespace tarv {
namespace installer_scenarios {

// The library path every scenario registers.
extern const char LibraryPath[];

// Applies REGEDIT4 sections through the registry interface: [key] creates the key, and
// "name"="text", @="text" and "name"=dword:xxxxxxxx set values. Enough to seed a system.
bool ApplyRegText(Registry& registry, const std::string& text, std::string* error);

// Every key and value an installation or removal may touch, read through the interface and
// written as REGEDIT4 sections in a fixed order; absent keys and values are left out.
std::string SnapshotWatchedKeys(Registry& registry);

// The same sections taken from REGEDIT4 text, so an expected registry written as text can be
// compared with a snapshot. A value of a watched key that the snapshot cannot see is reported
// in the result, so it cannot be overlooked.
std::string FilterWatchedKeys(const std::string& regText);

struct Scenario {
    const char* name;
    const char* seed;            // REGEDIT4 sections present before
    void (*run)(Registry&);      // the operation
    const char* expected;        // the whole registry after, as REGEDIT4 sections
};

const std::vector<Scenario>& SharedScenarios();

// Roots of the keys the scenarios create, for cleaning a real registry: (hive, path).
struct ScenarioRoot {
    RegHive hive;
    const char* path;
};
const std::vector<ScenarioRoot>& ScenarioRoots();

}  // namespace installer_scenarios
}  // namespace tarv
