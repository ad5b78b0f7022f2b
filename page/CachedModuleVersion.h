// A module's path and file version, asked of the system once: neither can change while the
// module is loaded, so the version line needs no file read after the first.
#pragma once

#include "page/AboutGroup.h"

namespace tarv {

class CachedModuleVersion : public ModuleVersionSource {
public:
    explicit CachedModuleVersion(ModuleVersionSource& source);

    // The source's answers to the first calls, whatever they were (for the version, the first
    // call with the same path).
    bool GetModulePath(char* buffer, unsigned size) override;
    bool ReadFileVersion(const char* path, unsigned long* most, unsigned long* least) override;

private:
    ModuleVersionSource& source_;
    bool pathAsked_;
    bool pathKnown_;
    char path_[ModulePathSize];
    bool versionAsked_;
    char versionPath_[ModulePathSize];
    bool versionKnown_;
    unsigned long most_;
    unsigned long least_;
};

}  // namespace tarv
