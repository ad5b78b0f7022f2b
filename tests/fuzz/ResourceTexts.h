// The programs' texts for the fuzz targets: a resource script's string table, as the native
// tests read it; a script that does not read stops the run rather than fuzz with missing texts.
#pragma once

#include "platform/fake/RcStringTable.h"

#include <cstdio>
#include <cstdlib>

namespace tarv {

inline FakeStringTable ReadTextsOrStop(const char* path)
{
    FakeStringTable table;
    const std::string problem = ReadRcStringTable(path, &table);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s: %s\n", path, problem.c_str());
        std::abort();
    }
    return table;
}

// The installer's texts, read once.
inline FakeStringTable& InstallerTexts()
{
    static FakeStringTable table = ReadTextsOrStop(TARV_INSTALLER_RC);
    return table;
}

}  // namespace tarv
