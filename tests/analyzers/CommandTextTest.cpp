// Numbers and labels as they go into commands.
#include "analyzers/CommandText.h"

#include <gtest/gtest.h>

#include <limits>

TEST(CommandText, NumbersTakeTheGeneralFifteenDigitFormat)
{
    const std::pair<long double, const char*> cases[] = {
        {50, "50"}, {0.0123, "0.0123"}, {-390.5, "-390.5"}, {0.0001, "0.0001"}, {5e-5, "5E-5"}, {1e-6, "1E-6"},
        {0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"}, {2.0 / 3.0, "0.666666666666667"},
        {-0.00012345678901234567, "-0.000123456789012346"},
        // up to 15 digits before the point stay fixed; beyond, scientific without "+"
        {999999999999999.0, "999999999999999"}, {1e15, "1E15"}, {1234567890123456.0, "1.23456789012346E15"},
        {-2.5e-11, "-2.5E-11"}, {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        // a rounding carry moves the notation with it
        {999999999999999.9, "1E15"}, {0.00009999999999999999, "0.0001"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatNumber(value), text) << text;
    EXPECT_EQ(FormatLossPerSecond(2.2), "2200000000");
    EXPECT_EQ(FormatLossPerSecond(0.0001), "100000");
    EXPECT_EQ(FormatLossPerSecond(1e7), "1E16");
}

TEST(CommandText, LabelsCannotEndTheirStringEarly)
{
    EXPECT_EQ(LegacyLabel("\";PRES;"), ";PRES;");
    EXPECT_EQ(LegacyLabel("it's 7\" \xB5"), "it's 7 \xB5");
    EXPECT_EQ(ScpiLabel("';*RST;'"), "'';*RST;''");
    EXPECT_EQ(ScpiLabel("it's \"x\""), "it''s \"x\"");
}
