#include "text/Text.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tarv;

TEST(Text, CopyAndAppendStayInsideTheirBuffer)
{
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(CopyText(buffer, 5, "abcdefgh"));
    EXPECT_STREQ("abcd", buffer);
    EXPECT_EQ('#', buffer[5]);  // nothing written past the size given

    EXPECT_TRUE(CopyText(buffer, sizeof buffer, "ab"));
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "cdefgh"));
    EXPECT_STREQ("abcdefg", buffer);
    EXPECT_FALSE(AppendText(buffer, sizeof buffer, "x"));
    EXPECT_STREQ("abcdefg", buffer);
}

TEST(Text, ParsesLeadingNumbersLikeStrtol)
{
    EXPECT_EQ(150, ParseLeadingLong("150MHz"));
    EXPECT_EQ(130, ParseLeadingLong("  \t130 "));
    EXPECT_EQ(-5, ParseLeadingLong("-5"));
    EXPECT_EQ(7, ParseLeadingLong("+7x"));
    EXPECT_EQ(0, ParseLeadingLong("abc"));
    EXPECT_EQ(0, ParseLeadingLong(""));
    EXPECT_EQ(0, ParseLeadingLong("- 5"));
    EXPECT_EQ(0, ParseLeadingLong("+-5"));
    EXPECT_EQ(2147483647L, ParseLeadingLong("99999999999999999999"));
    EXPECT_EQ(-2147483647L - 1, ParseLeadingLong("-99999999999999999999"));
    EXPECT_EQ(12, ParseLeadingLongN("1234", 2));
}

TEST(Text, FormatsDecimalAndFourDigitInstanceNumbers)
{
    char buffer[16];
    FormatDecimal(buffer, sizeof buffer, 0);
    EXPECT_STREQ("0", buffer);
    FormatDecimal(buffer, sizeof buffer, -2147483647L - 1);
    EXPECT_STREQ("-2147483648", buffer);
    FormatDecimal4(buffer, sizeof buffer, 7);
    EXPECT_STREQ("0007", buffer);
    FormatDecimal4(buffer, sizeof buffer, 12);
    EXPECT_STREQ("0012", buffer);  // decimal digits, never hexadecimal
    EXPECT_FALSE(FormatDecimal(buffer, 3, 12345));
    EXPECT_STREQ("12", buffer);
}

TEST(Text, ComparesAndSearches)
{
    EXPECT_TRUE(TextEqualsNoCase("French", "FRENCH"));
    EXPECT_FALSE(TextEqualsNoCase("FRENCHY", "FRENCH"));
    EXPECT_NE(nullptr, FindText("3dfx Voodoo5 5500 AGP", "Voodoo5"));
    EXPECT_EQ(nullptr, FindText("3dfx voodoo5 5500 AGP", "Voodoo5"));
    EXPECT_EQ(nullptr, FindText("Vood", "Voodoo5"));
}
