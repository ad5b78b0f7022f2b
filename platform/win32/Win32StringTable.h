// The string table of one loaded module (the library or the program).
#pragma once

#include "platform/StringTable.h"

#include <windows.h>

namespace tarv {

class Win32StringTable : public StringTable {
public:
    explicit Win32StringTable(HINSTANCE module) : module_(module) {}

    void LoadText(unsigned id, char* buffer, unsigned size) override;

private:
    HINSTANCE module_;
};

}  // namespace tarv
