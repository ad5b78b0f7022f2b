// The library's own texts for native tests: the STRINGTABLE of its resource script, as
// LoadStringA returns them.
#pragma once

#include "platform/fake/RcStringTable.h"

#include <gtest/gtest.h>

namespace tarv {

inline FakeStringTable ReadRcStrings(const char* path = TARV_PAGE_RC)
{
    FakeStringTable table;
    EXPECT_EQ("", ReadRcStringTable(path, &table));
    return table;
}

}  // namespace tarv
