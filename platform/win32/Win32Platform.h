// The running Windows system behind PlatformQueries.
#pragma once

#include "platform/PlatformQueries.h"

#include <windows.h>

namespace tarv {

class Win32Platform : public PlatformQueries {
public:
    // module: whose path GetOwnModulePath reports (the library or the program).
    explicit Win32Platform(HMODULE module) : module_(module) {}

    bool GetVersionRecord(VersionRecord* record) override;
    unsigned short GetSystemDefaultLanguage() override;
    bool GetOwnModulePath(char* buffer, unsigned size) override;
    bool FileExists(const char* path) override;

private:
    HMODULE module_;
};

}  // namespace tarv
