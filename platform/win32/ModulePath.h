// The full path of a loaded module, for everything that needs its own file.
#pragma once

#include <windows.h>

namespace tarv {

// GetModuleFileNameA of module into buffer; false, with an empty buffer, when the path cannot
// be had or does not fit in size bytes with its terminator.
bool GetModuleFilePath(HMODULE module, char* buffer, unsigned size);

}  // namespace tarv
