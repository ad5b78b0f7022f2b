#include "platform/win32/ModulePath.h"

namespace tarv {

bool GetModuleFilePath(HMODULE module, char* buffer, unsigned size)
{
    if (size == 0) return false;
    DWORD length = GetModuleFileNameA(module, buffer, size);
    // A path that filled the whole buffer may have been cut; treat it as unavailable.
    if (length == 0 || length >= size) {
        buffer[0] = 0;
        return false;
    }
    buffer[length] = 0;
    return true;
}

}  // namespace tarv
