// Checks that every control of a layout table stands at its rectangle on a headless window.
#pragma once

#include "page/localisation/Layout.h"
#include "tests/unit/CallSite.h"
#include "ui/headless/HeadlessDialog.h"

#include <gtest/gtest.h>

namespace tarv {

inline void ExpectLayout(HeadlessDialog& window, const LayoutTable& layout,
                         const CallSite& site = CallSite())
{
    CallerTrace trace(site);
    for (int i = 0; i < layout.count; ++i) {
        const ControlPlacement& row = layout.rows[i];
        const DialogRect& rect = window.At(row.id).rect;
        EXPECT_EQ(row.x, rect.left) << row.id;
        EXPECT_EQ(row.y, rect.top) << row.id;
        EXPECT_EQ(row.x + row.width, rect.right) << row.id;
        EXPECT_EQ(row.y + row.height, rect.bottom) << row.id;
    }
}

}  // namespace tarv
