// Numbers and labels as they go into commands, and the command of the selected GPIB option.
#include "analyzers/CommandText.h"
#include "analyzers/Vna.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(CommandText, NumbersTakeTheGeneralFifteenDigitFormat)
{
    // The examples the analyzers' syntax is described with.
    EXPECT_EQ(FormatNumber(50), "50");
    EXPECT_EQ(FormatNumber(0.0123), "0.0123");
    EXPECT_EQ(FormatNumber(-390.5), "-390.5");
    EXPECT_EQ(FormatNumber(0.0001), "0.0001");
    EXPECT_EQ(FormatNumber(5e-5), "5E-5");
    EXPECT_EQ(FormatNumber(1e-6), "1E-6");
    EXPECT_EQ(FormatNumber(0), "0");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(29.243), "29.243");
    // 15 significant digits: binary noise disappears, a 16th digit is rounded away.
    EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatNumber(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FormatNumber(-0.00012345678901234567), "-0.000123456789012346");
    // Up to 15 digits before the point stay fixed; beyond that, scientific without "+".
    EXPECT_EQ(FormatNumber(999999999999999.0), "999999999999999");
    EXPECT_EQ(FormatNumber(1e15), "1E15");
    EXPECT_EQ(FormatNumber(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(FormatNumber(1e21), "1E21");
    EXPECT_EQ(FormatNumber(-2.5e-11), "-2.5E-11");
    // Rounding that carries into a new digit moves the notation with it.
    EXPECT_EQ(FormatNumber(999999999999999.9), "1E15");
    EXPECT_EQ(FormatNumber(0.00009999999999999999), "0.0001");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max()), "1.79769313486232E308");
}

TEST(CommandText, OffsetLossIsSentInOhmPerSecond)
{
    EXPECT_EQ(FormatLossPerSecond(2.2), "2200000000");
    EXPECT_EQ(FormatLossPerSecond(1.3), "1300000000");
    EXPECT_EQ(FormatLossPerSecond(0.0001), "100000");
    EXPECT_EQ(FormatLossPerSecond(1e7), "1E16");
    EXPECT_EQ(FormatLossPerSecond(1.234567), "1234567000");
}

TEST(CommandText, LabelsCannotEndTheirStringEarly)
{
    EXPECT_EQ(LegacyLabel("OPEN"), "OPEN");
    EXPECT_EQ(LegacyLabel("\";PRES;"), ";PRES;");
    EXPECT_EQ(LegacyLabel("7\" \"x\""), "7 x");
    EXPECT_EQ(LegacyLabel("it's; \xB5"), "it's; \xB5");

    EXPECT_EQ(ScpiLabel("Open 3.5mm"), "Open 3.5mm");
    EXPECT_EQ(ScpiLabel("';*RST;'"), "'';*RST;''");
    EXPECT_EQ(ScpiLabel("it's \"x\""), "it''s \"x\"");
    EXPECT_EQ(ScpiLabel("''"), "''''");
}

namespace {

class TOptionModel : public TVna {
public:
    explicit TOptionModel(TStringList options) { GpibOptions = std::move(options); }
};

} // namespace

TEST(CommandText, SelectedOptionCommandBelongsToTheCaption)
{
    TOptionModel pna({"User Defined &7=sel 7", "User Defined &8=sel 8", "User Defined &9=sel 9",
                      "User Defined &10=sel 10"});
    pna.SelectedOption = 4;
    EXPECT_EQ(SelectedOptionCommand(pna), "sel 10");
    pna.SelectedOption = 1;
    EXPECT_EQ(SelectedOptionCommand(pna), "sel 7");
    // A selection outside the list is brought into it.
    pna.SelectedOption = 9;
    EXPECT_EQ(SelectedOptionCommand(pna), "sel 10");

    // Two entries of one caption: the caption's first value is the one in force.
    TOptionModel twice({"Kit=MODI1;", "Kit=MODI2;"});
    twice.SelectedOption = 2;
    EXPECT_EQ(SelectedOptionCommand(twice), "MODI1;");

    EXPECT_EQ(SelectedOptionCommand(TOptionModel({})), "");
}
