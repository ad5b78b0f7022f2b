// A module whose path and file version the test sets, and which records what was read.
#pragma once

#include "page/AboutGroup.h"

#include <string>
#include <vector>

namespace tarv {

struct FakeModuleVersion : ModuleVersionSource {
    bool GetModulePath(char* buffer, unsigned size) override
    {
        if (!pathKnown || path.size() + 1 > size) return false;
        path.copy(buffer, path.size());
        buffer[path.size()] = 0;
        return true;
    }
    bool ReadFileVersion(const char* file, unsigned long* most, unsigned long* least) override
    {
        readFrom.push_back(file);
        if (!hasVersion) return false;
        *most = versionMost;
        *least = versionLeast;
        return true;
    }
    bool pathKnown = true;
    std::string path = "C:\\WINDOWS\\SYSTEM\\TARVPAGE.DLL";
    bool hasVersion = true;
    unsigned long versionMost = 0x00010000;  // 1.0
    unsigned long versionLeast = 0;
    std::vector<std::string> readFrom;
};

}  // namespace tarv
