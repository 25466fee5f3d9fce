// What the standards grid shows of a standard and how typed text goes into it.
#include <gtest/gtest.h>

#include "analyzers/Vna.h"
#include "support/UiTestSupport.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "ui/editor/StandardCells.h"

namespace {

std::string Shown(const TStandard& standard, int row, int column, char separator = '.')
{
    return StandardCellText(standard, row, column, separator).value_or("<n/a>");
}

}  // namespace

TEST(StandardCellsTest, NumbersShowTenSignificantDigitsInTheGeneralFormat)
{
    EXPECT_EQ(FormatCellNumber(1234567.891234, '.'), "1234567.891");
    EXPECT_EQ(FormatCellNumber(0.5, ','), "0,5");
    EXPECT_EQ(FormatCellNumber(0.000015, '.'), "1.5E-5");
    // Ten digits before the separator still show fixed; an eleventh makes it scientific.
    EXPECT_EQ(FormatCellNumber(9999999999, '.'), "9999999999");
    EXPECT_EQ(FormatCellNumber(12345678901, '.'), "1.23456789E10");
    // Rounding to ten digits can carry into a new digit.
    EXPECT_EQ(FormatCellNumber(0.99999999999, '.'), "1");
}

TEST(StandardCellsTest, NumericCellTextIsBlankALoneMinusOrANumber)
{
    for (const char* text : {"", "  ", "-", "0", "-12.5", "1.", ".5", "1E5", "1e-3", " 7 "})
        EXPECT_TRUE(IsNumericCellText(text, '.')) << text;
    for (const char* text : {"a", "1E", "1e-", "+", "--1", "1.2.3", "1,5", "0x10", "inf", "nan"})
        EXPECT_FALSE(IsNumericCellText(text, '.')) << text;
    EXPECT_TRUE(IsNumericCellText("1,5", ','));
    EXPECT_FALSE(IsNumericCellText("1.5", ','));
}

TEST(StandardCellsTest, OnlyTheColumnsOfTheStandardsTypeShowText)
{
    TCalKit kit(Model("8753D/E"));
    // An 8753D/E short has no inductance: its coefficient columns stay blank.
    TStandard& shortStd = kit.Standard(1);
    shortStd.SetStdType(TStdType::Short);
    shortStd.SetC0(5);
    EXPECT_EQ(Shown(shortStd, 1, 2), "Short");
    EXPECT_EQ(Shown(shortStd, 1, 3), "<n/a>");
    EXPECT_EQ(Shown(shortStd, 1, 9), "50");

    // On the 8510 the same short shows its inductance.
    TCalKit kit8510(Model("8510C"));
    TStandard& short8510 = kit8510.Standard(1);
    short8510.SetStdType(TStdType::Short);
    short8510.SetC0(5.25);
    EXPECT_EQ(Shown(short8510, 1, 3), "5.25");
    EXPECT_EQ(Shown(short8510, 1, 7), "<n/a>");
}

TEST(StandardCellsTest, TypedTextIsStoredThroughTheSettersAndClamped)
{
    TVna& vna = Model("8510C");
    TCalKit kit(vna);
    TStandard& standard = kit.Standard(2);
    ASSERT_TRUE(ApplyStandardCell(standard, 2, "OPEN", "", '.'));
    EXPECT_EQ(standard.StdType(), TStdType::Open);

    EXPECT_TRUE(ApplyStandardCell(standard, 4, "123456789", "", '.'));
    EXPECT_EQ(standard.C1(), vna.MaxCoefficient);
    EXPECT_TRUE(ApplyStandardCell(standard, 9, "0", "", '.'));
    EXPECT_EQ(standard.OffsetZ0(), vna.MinOffsetZ0);

    // A lone minus and a blank text count as 0.
    EXPECT_TRUE(ApplyStandardCell(standard, 8, "-", "", '.'));
    EXPECT_EQ(standard.OffsetDelay(), 0);
    standard.SetOffsetLoss(3);
    EXPECT_TRUE(ApplyStandardCell(standard, 10, " ", "", '.'));
    EXPECT_EQ(standard.OffsetLoss(), 0);

    // A text that is no number takes the number of the fallback text and reports failure.
    EXPECT_FALSE(ApplyStandardCell(standard, 8, "12abc", "7.5", '.'));
    EXPECT_EQ(standard.OffsetDelay(), 7.5);
    EXPECT_TRUE(ApplyStandardCell(standard, 8, "2,5", "", ','));
    EXPECT_EQ(standard.OffsetDelay(), 2.5);

    // List texts pick by name, any letter case; an unknown name picks the first entry.
    EXPECT_TRUE(ApplyStandardCell(standard, 13, "WAVEGUIDE", "", '.'));
    EXPECT_EQ(standard.Medium(), TMedium::Waveguide);
    EXPECT_TRUE(ApplyStandardCell(standard, 13, "stripline", "", '.'));
    EXPECT_EQ(standard.Medium(), TMedium::Coax);
    EXPECT_TRUE(ApplyStandardCell(standard, 2, "resistor", "", '.'));
    EXPECT_EQ(standard.StdType(), TStdType::None);

    // An arbitrary impedance's terminal impedance has its own limit.
    ASSERT_TRUE(ApplyStandardCell(standard, 2, "arbi imp", "", '.'));
    EXPECT_TRUE(ApplyStandardCell(standard, 3, "1e9", "", '.'));
    EXPECT_EQ(standard.TermZ(), vna.MaxTermZ);

    // Labels are cut to the model's length.
    EXPECT_TRUE(ApplyStandardCell(standard, 14, "A VERY LONG LABEL", "", '.'));
    EXPECT_EQ(standard.Label(), std::string("A VERY LONG LABEL").substr(0, static_cast<std::size_t>(vna.StdLabelLength)));
}

TEST(StandardCellsTest, PickListsFollowTheModelAndTheStandardsType)
{
    TVna& vna = Model("8753D/E");
    TCalKit kit(vna);
    TStandard& standard = kit.Standard(1);
    EXPECT_EQ(StandardPickList(standard, 3), nullptr);

    // The 8753D/E offers "Offset" to loads but not to arbitrary impedances.
    standard.SetStdType(TStdType::Load);
    ASSERT_EQ(StandardPickList(standard, 7), &vna.LoadTypeNames);
    EXPECT_EQ(vna.LoadTypeNames.back(), "Offset");
    standard.SetStdType(TStdType::ArbiZ);
    const TStringList* arbitrary = StandardPickList(standard, 7);
    ASSERT_EQ(arbitrary, &vna.ArbLoadTypeNames);
    EXPECT_EQ(std::find(arbitrary->begin(), arbitrary->end(), "Offset"), arbitrary->end());

    ASSERT_TRUE(ApplyStandardCell(standard, 7, "sliding", "", '.'));
    EXPECT_EQ(standard.LoadType(), TLoadType::Sliding);
    EXPECT_EQ(Shown(standard, 1, 7), "Sliding");
}
