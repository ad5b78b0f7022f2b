// What the product asks of the running system besides the registry: the version record, the
// default language, its own module path and whether a file exists.
#pragma once

namespace tarv {

const unsigned long PlatformWin32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS
const unsigned long PlatformWin32Nt = 2;       // VER_PLATFORM_WIN32_NT

// The fields of OSVERSIONINFOA that the product uses.
struct VersionRecord {
    unsigned long majorVersion;
    unsigned long minorVersion;
    unsigned long buildNumber;  // Windows 95 family: major.minor in the top 16 bits, build below
    unsigned long platformId;
};

class PlatformQueries {
public:
    // GetVersionExA; false when the call fails.
    virtual bool GetVersionRecord(VersionRecord* record) = 0;
    // GetSystemDefaultLangID, the whole 16-bit identifier.
    virtual unsigned short GetSystemDefaultLanguage() = 0;
    // GetModuleFileNameA of the running module (the program, or the library for the page):
    // false when the path cannot be had or does not fit in size bytes with its terminator.
    virtual bool GetOwnModulePath(char* buffer, unsigned size) = 0;
    // Whether path names a file (not a directory): GetFileAttributesA, which takes any path
    // of up to MAX_PATH characters.
    virtual bool FileExists(const char* path) = 0;

protected:
    ~PlatformQueries() {}
};

}  // namespace tarv
