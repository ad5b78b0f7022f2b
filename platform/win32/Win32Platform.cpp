#include "platform/win32/Win32Platform.h"

#include "platform/win32/ModulePath.h"

namespace tarv {

// Windows 95 and NT 4.0 before Service Pack 4 know only the basic record.
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must be the basic version record");

bool Win32Platform::GetVersionRecord(VersionRecord* record)
{
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;  // 148: the size every Windows 95 accepts
    if (!GetVersionExA(&info)) return false;
    record->majorVersion = info.dwMajorVersion;
    record->minorVersion = info.dwMinorVersion;
    record->buildNumber = info.dwBuildNumber;
    record->platformId = info.dwPlatformId;
    return true;
}

unsigned short Win32Platform::GetSystemDefaultLanguage() { return GetSystemDefaultLangID(); }

bool Win32Platform::GetOwnModulePath(char* buffer, unsigned size)
{
    return GetModuleFilePath(module_, buffer, size);
}

bool Win32Platform::FileExists(const char* path)
{
    // Not OpenFile: its OFSTRUCT holds at most 128 characters (OFS_MAXPATHNAME), so a file in
    // a deep folder would read as missing.
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != 0xFFFFFFFF && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tarv
