#include "page/win32/Win32ModuleVersion.h"

namespace tarv {

bool Win32ModuleVersion::GetModulePath(char* buffer, unsigned size)
{
    if (size == 0) return false;
    DWORD length = GetModuleFileNameA(module_, buffer, size);
    // A path that filled the whole buffer may have been cut.
    if (length == 0 || length >= size) {
        buffer[0] = 0;
        return false;
    }
    buffer[length] = 0;
    return true;
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
