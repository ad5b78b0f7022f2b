// A module's path and file version from the running Windows system.
#pragma once

#include "page/AboutGroup.h"

#include <windows.h>
#include <winver.h>

namespace tarv {

class Win32ModuleVersion : public ModuleVersionSource {
public:
    explicit Win32ModuleVersion(HMODULE module) : module_(module) {}

    bool GetModulePath(char* buffer, unsigned size) override;
    bool ReadFileVersion(const char* path, unsigned long* most, unsigned long* least) override;

private:
    HMODULE module_;
};

}  // namespace tarv
