// The programs' own texts for native tests: the STRINGTABLE of a resource script (the library's
// by default, or TARV_INSTALLER_RC, the installer's), as LoadStringA returns them.
#pragma once

#include "platform/fake/RcStringTable.h"

#include <gtest/gtest.h>

#include <string>

namespace tarv {

inline FakeStringTable ReadRcStrings(const char* path)
{
    FakeStringTable table;
    EXPECT_EQ("", ReadRcStringTable(path, &table));
    return table;
}

#ifdef TARV_PAGE_RC
inline FakeStringTable ReadRcStrings() { return ReadRcStrings(TARV_PAGE_RC); }
#endif

// A text written in a test as UTF-8, in the ANSI code page the loaded texts are in.
inline std::string Ansi(const std::string& utf8)
{
    std::string text;
    EXPECT_TRUE(Utf8ToCp1252(utf8, &text)) << utf8;
    return text;
}

}  // namespace tarv
