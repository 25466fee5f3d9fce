#include "TestModels.h"

#include <cmath>

TEST_F(KitTest, StandardSettersClampWithTheLimitsOfTheMomentAndKeepOnlyOfferedChoices)
{
    TStandard& s = smallKit.Standard(1);
    s.SetC2(-25000);
    s.SetOffsetZ0(0);
    s.SetOffsetDelay(20000);
    s.SetOffsetLoss(-3);
    s.SetMinFreq(5000);
    s.SetMaxFreq(-1); // no check against MinFreq
    s.SetTermZ(750);
    s.SetC1(std::nan("")); // not a number counts as the low end
    s.SetC3(-1.5);
    EXPECT_EQ(s.Values(), (TStandardValues{.C1 = -10000, .C2 = -10000, .C3 = -1.5, .OffsetDelay = 10000,
                                           .OffsetZ0 = 0.001, .MinFreq = 999, .MaxFreq = 0, .TermZ = 500,
                                           .Label = "std1"}));
    small.MinOffsetZ0 = 600; // inverted range: the high end wins
    small.MaxCoefficient = 30000;
    small.StdLabelLength = 3;
    s.SetOffsetZ0(550);
    s.SetC0(20000);
    s.SetLabel("abcdef");
    EXPECT_EQ(s.OffsetZ0(), 500);
    EXPECT_EQ(s.C0(), 20000);
    EXPECT_EQ(s.Label(), "abc");

    // Enumerations outside the model's lists become their first value.
    s.SetStdType(TStdType::Open);
    s.SetStdType(TStdType::ArbiZ); // five types on this model
    EXPECT_EQ(s.StdType(), TStdType::None);
    bigKit.Standard(1).SetStdType(TStdType::ArbiZ);
    EXPECT_EQ(bigKit.Standard(1).StdType(), TStdType::ArbiZ);
    s.SetMedium(TMedium::Waveguide);
    EXPECT_EQ(s.Medium(), TMedium::Waveguide);
    small.MediumNames.push_back("Stripline"); // a list longer than the enumeration
    s.SetMedium(static_cast<TMedium>(2));
    EXPECT_EQ(s.Medium(), TMedium::Coax);
}

TEST_F(KitTest, LoadTypeDependsOnTheTypeSetBeforeIt)
{
    TStandard& s = smallKit.Standard(3);
    s.SetStdType(TStdType::Short);
    s.SetLoadType(TLoadType::Sliding);
    EXPECT_EQ(s.LoadType(), TLoadType::Fixed);
    s.SetStdType(TStdType::Load); // two load types for loads
    s.SetLoadType(TLoadType::Offset);
    EXPECT_EQ(s.LoadType(), TLoadType::Fixed);
    s.SetLoadType(TLoadType::Sliding);
    EXPECT_EQ(s.LoadType(), TLoadType::Sliding);
    s.SetStdType(TStdType::Open); // the load type waits for its own setter
    EXPECT_EQ(s.LoadType(), TLoadType::Sliding);
    s.Revalidate();
    EXPECT_EQ(s.LoadType(), TLoadType::Fixed);

    // Assign sets the type first: ArbiZ becomes None here, so its load type becomes Fixed.
    TStandard& arb = bigKit.Standard(3);
    arb.SetStdType(TStdType::ArbiZ);
    arb.SetLoadType(TLoadType::Offset);
    arb.SetLabel("a-rather-long-label");
    s.SetStdType(TStdType::Load);
    s.Assign(arb);
    EXPECT_EQ(s.Values(), (TStandardValues{.LoadType = TLoadType::Fixed, .Label = "a-rather-l"}));
    EXPECT_EQ(TStandard::CreateCopy(bigKit, arb)->Values(), arb.Values());
}

TEST_F(KitTest, RecordLabelsAreCutNotTrimmedAndNewLabelsWaitForRevalidation)
{
    smallKit.Standard(4).SetLabel(" 0123456789abc");
    EXPECT_EQ(smallKit.Standard(4).Label(), " 012345678");
    small.StdLabelLength = 4;
    auto standard = TStandard::CreateWithLabel(smallKit, "std12");
    auto stdClass = TStdClass::CreateWithLabel(smallKit, "over ten characters");
    EXPECT_EQ(standard->Label(), "std12");
    EXPECT_EQ(stdClass->Label(), "over ten characters");
    standard->Revalidate();
    stdClass->Revalidate();
    EXPECT_EQ(standard->Label(), "std1");
    EXPECT_EQ(stdClass->Label(), "over ten c");

    TStandard& s = bigKit.Standard(5); // Clear resets the type only
    s.SetStdType(TStdType::Open);
    s.SetC0(12.5);
    s.Clear();
    EXPECT_EQ(s.Values(), (TStandardValues{.C0 = 12.5, .Label = "std5"}));
}

TEST_F(KitTest, ClassNumbersAreStandardsOfTheModel)
{
    TStdClass& c = smallKit.StdClass(1);
    c.SetStd(1, 8);
    c.SetStd(2, 3);
    c.SetStd(3, 9);
    c.SetStd(2, -1);
    c.SetStd(8, 1);
    c.SetStd(0, 1);
    EXPECT_EQ(c.GetStd(0), 0);
    EXPECT_EQ(c.GetStd(8), 0);
    EXPECT_EQ(c.Values().Std, (std::array<std::int32_t, 7>{8, 0, 0, 0, 0, 0, 0}));

    TStdClass& wide = bigKit.StdClass(2);
    for (int i = 1; i <= 7; ++i)
        wide.SetStd(i, 7 + i); // 8..14
    wide.SetLabel("a class label of twenty-six");
    c.Assign(wide);
    EXPECT_EQ(c.Values(), (TStdClassValues{{8, 0, 0, 0, 0, 0, 0}, "a class la"}));
    wide.Clear();
    EXPECT_EQ(wide.Values(), TStdClassValues{});
}
