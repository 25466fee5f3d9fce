#include "kit/Utility.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Utility, RoundingParsingTextsFoldersAndOleDates)
{
    EXPECT_EQ(RoundTo(2.5, 0), 2.0); // ties to even
    EXPECT_EQ(RoundTo(-3.5, 0), -4.0);
    EXPECT_DOUBLE_EQ(RoundTo(1.23456, 3), 1.235);
    EXPECT_EQ(RoundTo(7.6, -3), 8.0); // decimals below 0 count as 0
    EXPECT_EQ(RoundToExtended(0.125L, 2), 0.12L);
    EXPECT_EQ(ClampInt(9, 1, 8), 8);

    EXPECT_EQ(ParseIntOrZero(" +12 "), 12);
    EXPECT_EQ(ParseIntOrZero("1.5"), 0);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero(" -390.5\r\n"), -390.5);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero("1E-6"), 1e-6);
    EXPECT_DOUBLE_EQ(ParseFloatOrZero("2,5", ','), 2.5);
    EXPECT_EQ(ParseFloatOrZero("2.5", ','), 0.0);
    for (const char* text : {"nan", "0x10", "-", ""})
        EXPECT_EQ(ParseFloatOrZero(text), 0.0) << text;
    EXPECT_EQ(Trim(std::string("\t a b \x01")), "a b");
    EXPECT_EQ(FirstChars("ab", -1), "");
    EXPECT_STREQ(EUserAbort().what(), "Operation aborted at user's request.");
    EXPECT_TRUE(DirectoryExists("."));
    EXPECT_FALSE(DirectoryExists("./no-such-folder-here"));

    // Days from 30 December 1899; the whole part names the day, below zero too.
    EXPECT_EQ(OleDateFromCivil({1900, 3, 1}), 61);
    EXPECT_EQ(OleDateFromCivil({1800, 1, 1}), -36522);
    EXPECT_EQ(CivilFromOleDate(36526.75), (TCivilDate{2000, 1, 1}));
    EXPECT_EQ(CivilFromOleDate(-1.25), (TCivilDate{1899, 12, 29}));
    EXPECT_FALSE(CivilFromOleDate(2958466).has_value());
    EXPECT_FALSE(CivilFromOleDate(std::nan("")).has_value());
    const double today = TodayOleDate();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GT(today, OleDateFromCivil({2024, 1, 1}));
}

TEST(Utility, ControlCharactersFromAnInstrumentAreShownEscaped)
{
    // A terminal title sequence, a line-overwriting carriage return, and the C1 form of the
    // control sequence introducer; tab and printable Latin-1 letters stay as they are.
    EXPECT_EQ(EscapeControlCharacters("\x1b]0;x\x07\r\n"), "\\x1b]0;x\\x07\\r\\n");
    EXPECT_EQ(EscapeControlCharacters(std::string("A\0B", 3)), "A\\x00B");
    EXPECT_EQ(EscapeControlCharacters("\x7f\x9b" "2J\xa0\xe9\t1,2"), "\\x7f\\x9b2J\xa0\xe9\t1,2");
    EXPECT_EQ(EscapeControlCharacters("HEWLETT PACKARD,8753ES,0,7.74"), "HEWLETT PACKARD,8753ES,0,7.74");
    EXPECT_EQ(EscapeControlCharacters("C:\\kits\\x1b"), "C:\\kits\\x1b"); // text that only looks escaped
}
