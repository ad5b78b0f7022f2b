// The installer's texts for the fuzz targets: its resource script's string table, read once;
// a script that does not read stops the run rather than fuzz with missing texts.
#pragma once

#include "platform/fake/RcStringTable.h"

#include <cstdio>
#include <cstdlib>

namespace tarv {

inline FakeStringTable& InstallerTexts()
{
    static FakeStringTable table;
    static const bool read = [] {
        const std::string problem = ReadRcStringTable(TARV_INSTALLER_RC, &table);
        if (!problem.empty()) {
            std::fprintf(stderr, "installer texts: %s\n", problem.c_str());
            std::abort();
        }
        return true;
    }();
    (void)read;
    return table;
}

}  // namespace tarv
