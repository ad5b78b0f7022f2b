#include "platform/win32/Win32StringTable.h"

namespace tarv {

void Win32StringTable::LoadText(unsigned id, char* buffer, unsigned size)
{
    if (size == 0) return;
    // LoadStringA cuts and terminates, but leaves the buffer untouched when the string is absent.
    if (LoadStringA(module_, id, buffer, (int)size) <= 0) buffer[0] = 0;
}

}  // namespace tarv
