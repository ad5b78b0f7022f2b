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
    ClassKeyPresent = 16
};

int DetectInstallState(Registry& registry);

}  // namespace installer
}  // namespace tarv
