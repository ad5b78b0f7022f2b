#include "platform/win32/Win32Platform.h"

namespace tarv {

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
    if (size == 0) return false;
    DWORD length = GetModuleFileNameA(module_, buffer, size);
    // A path that filled the whole buffer may have been cut; treat it as unavailable.
    if (length == 0 || length >= size) {
        buffer[0] = 0;
        return false;
    }
    buffer[length] = 0;
    return true;
}

bool Win32Platform::FileExists(const char* path)
{
    OFSTRUCT info;
    return OpenFile(path, &info, OF_EXIST) != HFILE_ERROR;
}

}  // namespace tarv
