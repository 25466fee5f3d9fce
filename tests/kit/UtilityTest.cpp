#include "kit/Utility.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Utility, ClampTakesHighWhenRangeIsInverted)
{
    EXPECT_EQ(ClampFloat(-25000, -10000, 10000), -10000);
    EXPECT_EQ(ClampFloat(0, 0.001, 500), 0.001);
    EXPECT_EQ(ClampFloat(7, 10, 5), 5); // Min(Max(7, 10), 5)
    EXPECT_EQ(ClampInt(9, 1, 8), 8);
}

TEST(Utility, RoundToUsesTiesToEvenAndClampsDecimals)
{
    EXPECT_EQ(RoundTo(2.5, 0), 2.0);
    EXPECT_EQ(RoundTo(3.5, 0), 4.0);
    EXPECT_EQ(RoundTo(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(RoundTo(1.23456, 3), 1.235);
    EXPECT_EQ(RoundTo(7.6, -3), 8.0); // decimals below 0 count as 0
    EXPECT_EQ(RoundToExtended(0.125L, 2), 0.12L);
}

TEST(Utility, ParsingTrimsAndGivesZeroForNonNumbers)
{
    EXPECT_EQ(ParseIntOrZero(" 12 "), 12);
    EXPECT_EQ(ParseIntOrZero("+3"), 3);
    EXPECT_EQ(ParseIntOrZero("1.5"), 0);
    EXPECT_EQ(ParseIntOrZero("x"), 0);
    EXPECT_EQ(ParseIntOrZero(""), 0);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero(" -390.5\r\n"), -390.5);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero("1E-6"), 1e-6);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero("2,5", ','), 2.5);
    EXPECT_EQ(ParseFloatOrZero("2.5", ','), 0.0);
    EXPECT_EQ(ParseFloatOrZero("nan"), 0.0);
    EXPECT_EQ(ParseFloatOrZero("0x10"), 0.0);
    EXPECT_EQ(ParseFloatOrZero("-"), 0.0);
    EXPECT_EQ(Trim(std::string("\t a b \x01")), "a b");
}

TEST(Utility, UserAbortCarriesTheCancelMessage)
{
    EUserAbort abort;
    EXPECT_STREQ(abort.what(), "Operation aborted at user's request.");
    EXPECT_TRUE(DirectoryExists("."));
    EXPECT_FALSE(DirectoryExists("./no-such-folder-here"));
}

TEST(Utility, ClampGivesANumberForNotANumber)
{
    EXPECT_EQ(ClampFloat(std::nan(""), -1, 1), -1);
    EXPECT_EQ(ClampFloat(std::nan(""), 10, 5), 5);
    EXPECT_EQ(FirstChars("abcdef", 3), "abc");
    EXPECT_EQ(FirstChars("ab", -1), "");
}

TEST(Utility, OleDatesCountDaysFromTheEndOf1899)
{
    EXPECT_EQ(OleDateFromCivil({1900, 3, 1}), 61);
    EXPECT_EQ(OleDateFromCivil({1800, 1, 1}), -36522);
    EXPECT_EQ(CivilFromOleDate(36526.75), (TCivilDate{2000, 1, 1}));
    EXPECT_EQ(CivilFromOleDate(-1.25), (TCivilDate{1899, 12, 29})); // the whole part names the day
    EXPECT_FALSE(CivilFromOleDate(2958466).has_value());
    EXPECT_FALSE(CivilFromOleDate(std::nan("")).has_value());
    const double today = TodayOleDate();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GT(today, OleDateFromCivil({2024, 1, 1}));
}
