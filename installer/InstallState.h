// Whether the product is installed: which of its keys can be opened for reading.
#pragma once

#include "registry/Registry.h"

namespace tarv {
namespace installer {

// Bits of InstallState; any one of them means installed.
enum {
    ProductKeyPresent = 2,
    DisplayHandlerPresent = 4,
    DeviceHandlerPresent = 8,
    ClassKeyPresent = 16,
    // The Add/Remove Programs entry: one left on its own still leads to the maintenance
    // dialog, whose removal takes it out of the list.
    UninstallEntryPresent = 32
};

int DetectInstallState(Registry& registry);

}  // namespace installer
}  // namespace tarv
