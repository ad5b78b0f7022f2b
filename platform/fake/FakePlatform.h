// A settable stand-in for the running system, for native tests.
#pragma once

#include "platform/PlatformQueries.h"

#include <set>
#include <string>

namespace tarv {

class FakePlatform : public PlatformQueries {
public:
    // Presets of the systems the product supports.
    void PoseAsWindows95() { Set(4, 0, 0x040003B6, PlatformWin32Windows); }   // 4.00.950
    void PoseAsWindows98() { Set(4, 10, 0x040A07CE, PlatformWin32Windows); }  // 4.10.1998
    void PoseAsWindowsMe() { Set(4, 90, 0x045A0BB8, PlatformWin32Windows); }  // 4.90.3000
    void PoseAsNt4() { Set(4, 0, 1381, PlatformWin32Nt); }
    void PoseAsWindows2000() { Set(5, 0, 2195, PlatformWin32Nt); }
    void PoseAsWindowsXp() { Set(5, 1, 2600, PlatformWin32Nt); }
    void Set(unsigned long major, unsigned long minor, unsigned long build, unsigned long platform)
    {
        versionKnown = true;
        version.majorVersion = major;
        version.minorVersion = minor;
        version.buildNumber = build;
        version.platformId = platform;
    }

    bool GetVersionRecord(VersionRecord* record) override
    {
        if (versionKnown) *record = version;
        return versionKnown;
    }
    unsigned short GetSystemDefaultLanguage() override { return language; }
    bool GetOwnModulePath(char* buffer, unsigned size) override
    {
        if (!modulePathKnown || modulePath.size() + 1 > size) return false;
        modulePath.copy(buffer, modulePath.size());
        buffer[modulePath.size()] = 0;
        return true;
    }
    bool FileExists(const char* path) override { return existingFiles.count(path) != 0; }

    bool versionKnown = true;
    VersionRecord version = {4, 10, 0x040A07CE, PlatformWin32Windows};
    unsigned short language = 0x0409;  // English (United States)
    bool modulePathKnown = true;
    std::string modulePath = "C:\\TARV\\TARVINST.EXE";
    std::set<std::string> existingFiles;
};

}  // namespace tarv
