#include "installer/win32/ResourceStrings.h"

namespace tarv {
namespace installer {

bool ResourceStrings::LoadInstallerString(unsigned number, char* buffer, unsigned size)
{
    if (!buffer || size == 0) return false;
    // LoadStringA cuts and terminates, but leaves the buffer untouched when the string is absent.
    if (LoadStringA(module_, number, buffer, (int)size) > 0) return true;
    buffer[0] = 0;
    return false;
}

}  // namespace installer
}  // namespace tarv
