// The installer's texts from the string table compiled into the program.
#pragma once

#include "installer/InstallerStrings.h"
#include "platform/win32/Win32StringTable.h"

namespace tarv {
namespace installer {

class ResourceStrings : public InstallerStringSource {
public:
    explicit ResourceStrings(HINSTANCE module) : table_(module) {}

    // No installer string is empty, so an empty result means the string is absent.
    bool LoadInstallerString(unsigned number, char* buffer, unsigned size) override
    {
        if (!buffer || size == 0) return false;
        table_.LoadText(number, buffer, size);
        return buffer[0] != 0;
    }

private:
    Win32StringTable table_;
};

}  // namespace installer
}  // namespace tarv
