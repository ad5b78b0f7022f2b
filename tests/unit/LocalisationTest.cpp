// The language choice, the gesture's cycle and the layout tables, without a window.
#include "page/localisation/Language.h"
#include "page/localisation/Layout.h"
#include "page/refresh/ModeTable.h"
#include "platform/fake/FakePlatform.h"
#include "resources/page/RefreshResources.h"

#include <gtest/gtest.h>

using namespace tarv;

namespace {

TEST(LanguageTest, SystemLanguageChoosesTheStringSet)
{
    const struct {
        unsigned short systemLanguage;
        int primary;
        int base;
    } cases[] = {
        {0x0409, 9, 0}, {0x0809, 9, 0},    // English (US, UK)
        {0x040C, 12, 39}, {0x0C0C, 12, 39},  // French (France, Canada)
        {0x0407, 7, 78}, {0x0807, 7, 78},    // German (Germany, Switzerland)
        {0x0C0A, 10, 0}, {0x0000, 0, 0},     // Spanish and the neutral language: English texts
    };
    FakePlatform platform;
    for (const auto& c : cases) {
        platform.language = c.systemLanguage;
        EXPECT_EQ(c.primary, GetPrimaryLanguage(platform)) << std::hex << c.systemLanguage;
        EXPECT_EQ(c.base, StringBaseFor(GetPrimaryLanguage(platform))) << std::hex << c.systemLanguage;
    }
    // Only the low 16 bits count; a whole identifier is no primary language.
    EXPECT_EQ(78, StringBaseFor(0x10007));
    EXPECT_EQ(0, StringBaseFor(0x0407));
}

TEST(LanguageTest, GestureCyclesFromEnglishWhateverTheSystem)
{
    FakePlatform platform;
    platform.language = 0x0407;
    bool request = false;
    unsigned short cycled = LanguageEnglish;
    EXPECT_EQ(LanguageGerman, ChooseLanguage(platform, &request, &cycled));
    EXPECT_EQ(LanguageEnglish, cycled);
    for (int expected : {LanguageFrench, LanguageGerman, LanguageEnglish, LanguageFrench}) {
        request = true;
        EXPECT_EQ(expected, ChooseLanguage(platform, &request, &cycled));
        EXPECT_FALSE(request) << "the request is consumed";
        EXPECT_EQ(expected, cycled);
    }
}

// Each resolution's label and list stand in two columns of the mode table's order.
TEST(LayoutTest, RatesTablesFollowTheColumns)
{
    const struct {
        const LayoutTable& table;
        int rightColumnX, listWidth;
        ControlPlacement link;
    } layouts[] = {
        {RatesLayoutEnglish, 136, 44, {IDC_LINK_ALL_DEPTHS, 137, 119, 92, 10}},
        {RatesLayoutWide, 129, 51, {IDC_LINK_ALL_DEPTHS, 130, 119, 100, 10}},
    };
    for (const auto& layout : layouts) {
        ASSERT_EQ(RatesLayoutRows, layout.table.count);
        for (int mode = 0; mode < ModeCount; ++mode) {
            const int k = mode < 8 ? mode : mode - 8;
            const int labelX = mode < 8 ? 20 : layout.rightColumnX;
            const ControlPlacement& label = layout.table.rows[2 * mode];
            const ControlPlacement& list = layout.table.rows[2 * mode + 1];
            SCOPED_TRACE(ModeTable[mode].name);
            EXPECT_EQ(ModeTable[mode].labelId, label.id);
            EXPECT_EQ(labelX, label.x);
            EXPECT_EQ(20 + 14 * k, label.y);
            EXPECT_EQ(40, label.width);
            EXPECT_EQ(8, label.height);
            EXPECT_EQ(ModeTable[mode].comboId, list.id);
            EXPECT_EQ(labelX + 42, list.x);
            EXPECT_EQ(17 + 14 * k, list.y);
            EXPECT_EQ(layout.listWidth, list.width);
            EXPECT_EQ(12, list.height);
        }
        const ControlPlacement& link = layout.table.rows[30];
        EXPECT_EQ(layout.link.id, link.id);
        EXPECT_EQ(layout.link.x, link.x);
        EXPECT_EQ(layout.link.y, link.y);
        EXPECT_EQ(layout.link.width, link.width);
        EXPECT_EQ(layout.link.height, link.height);
    }
}

}  // namespace
