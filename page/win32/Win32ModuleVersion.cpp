#include "page/win32/Win32ModuleVersion.h"

#include "platform/win32/ModulePath.h"

namespace tarv {

bool Win32ModuleVersion::GetModulePath(char* buffer, unsigned size)
{
    return GetModuleFilePath(module_, buffer, size);
}

bool Win32ModuleVersion::ReadFileVersion(const char* path, unsigned long* most, unsigned long* least)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return false;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return false;
    }
    bool found = false;
    VS_FIXEDFILEINFO* fixed = 0;
    UINT fixedSize = 0;
    if (GetFileVersionInfoA(path, handle, size, data) &&
        VerQueryValueA(data, "\\", (void**)&fixed, &fixedSize) && fixed &&
        fixedSize >= sizeof(VS_FIXEDFILEINFO)) {
        *most = fixed->dwFileVersionMS;
        *least = fixed->dwFileVersionLS;
        found = true;
    }
    GlobalUnlock(block);
    GlobalFree(block);
    return found;
}

}  // namespace tarv
