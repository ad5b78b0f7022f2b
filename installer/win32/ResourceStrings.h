// The installer's texts from the string table compiled into the program.
#pragma once

#include "installer/InstallerStrings.h"

#include <windows.h>

namespace tarv {
namespace installer {

class ResourceStrings : public InstallerStringSource {
public:
    explicit ResourceStrings(HINSTANCE module) : module_(module) {}

    bool LoadInstallerString(unsigned number, char* buffer, unsigned size) override;

private:
    HINSTANCE module_;
};

}  // namespace installer
}  // namespace tarv
