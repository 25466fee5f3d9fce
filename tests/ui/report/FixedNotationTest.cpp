// Fixed notation of the properties page and the report: significant digits, then zeros.
#include "ui/editor/FixedNotation.h"

#include <gtest/gtest.h>

TEST(FixedNotationTest, SignificantDigitsThenDecimals)
{
    EXPECT_EQ(FormatFixed(50, 3, 2, '.'), "50.00");
    EXPECT_EQ(FormatFixed(75.555, 3, 2, '.'), "75.60");      // 3 significant digits, then zeros
    EXPECT_EQ(FormatFixed(123.456, 3, 2, '.'), "123.00");
    EXPECT_EQ(FormatFixed(12.34567, 5, 4, ','), "12,3460");
    EXPECT_EQ(FormatFixed(0.05, 1, 4, '.'), "0.0500");
    EXPECT_EQ(FormatFixed(0.0123456, 5, 4, '.'), "0.0123");  // the decimals round first here
    EXPECT_EQ(FormatFixed(-2.5, 5, 4, '.'), "-2.5000");
    EXPECT_EQ(FormatFixed(-0.001, 3, 2, '.'), "0.00");       // no minus sign on a zero
}

TEST(FixedNotationTest, TooManyIntegerDigitsGoScientific)
{
    EXPECT_EQ(FormatFixed(1000, 3, 2, '.'), "1E3");
    EXPECT_EQ(FormatFixed(999.6, 3, 2, '.'), "1E3");  // rounding carries into a fourth digit
    EXPECT_EQ(FormatFixed(15000, 3, 2, ','), "1,5E4");
    EXPECT_EQ(FormatFixed(-123456, 5, 4, '.'), "-1.2346E5");
    EXPECT_EQ(FormatFixed(99999, 5, 4, '.'), "99999.0000");
}
