#include "SampleKits.h"
#include "TestModels.h"

#include <stdexcept>

TEST_F(KitTest, NewKitHoldsTheDefaultsWithoutPassingThroughSetters)
{
    small.MinSystemZ0 = 60; // would reject the default of 50
    const TCalKit kit(small);
    EXPECT_EQ(kit.Label(), "New Kit");
    EXPECT_EQ(kit.DateLastModified(), TodayOleDate());
    EXPECT_EQ(kit.CalType(), 0);
    EXPECT_EQ(kit.TrlCalZ0(), TTrlCalZ0::LineZ0);
    EXPECT_EQ(kit.TrlSetRef(), TTrlSetRef::Thru);
    EXPECT_EQ(kit.LowbandFrequency(), 2.0);
    EXPECT_EQ(kit.SystemZ0(), 50.0);
    EXPECT_EQ(kit.Standard(5).Values(), TStandardValues{.Label = "std5"});
    EXPECT_EQ(kit.Standard(32).Label(), "std32");
    EXPECT_EQ(&kit.Standard(5).Kit(), &kit);
    EXPECT_EQ(kit.StdClass(5).Label(), "class5");
    EXPECT_EQ(kit.StdClass(6).Label(), " "); // beyond the model's classes: entry 0
    EXPECT_EQ(kit.GetStandard(33), nullptr);
    EXPECT_EQ(kit.GetClass(-1), nullptr);
    EXPECT_EQ(kit.GetClass(32), &kit.StdClass(32));
    EXPECT_THROW(kit.Standard(-1), std::out_of_range);
}

TEST_F(KitTest, KitPropertySettersForceTheirValues)
{
    TCalKit& kit = smallKit;
    // 255 characters are kept first, then blanks are dropped at both ends.
    kit.SetDescription(std::string(300, 'd'));
    EXPECT_EQ(kit.Description(), std::string(255, 'd'));
    kit.SetDescription(" \t" + std::string(248, 'x') + std::string(10, ' ') + "tail");
    EXPECT_EQ(kit.Description(), std::string(248, 'x'));
    // The calibration type is stored as given; TRL settings outside their enumerations are None.
    kit.SetCalType(7);
    kit.SetTrlCalZ0(static_cast<TTrlCalZ0>(3));
    EXPECT_EQ(kit.CalType(), 7);
    EXPECT_EQ(kit.TrlCalZ0(), TTrlCalZ0::None);
}

TEST_F(KitTest, SetVnaRevalidatesOnlyWhatTheNewModelUses)
{
    TCalKit& kit = bigKit;
    kit.SetLabel("A Long Kit Label");
    kit.SetSystemZ0(600);
    for (int n : {0, 3, 15}) {
        kit.Standard(n).SetStdType(TStdType::ArbiZ);
        kit.Standard(n).SetLoadType(TLoadType::Offset);
        kit.Standard(n).SetC0(50000);
    }
    for (int n : {2, 7}) {
        kit.StdClass(n).SetStd(1, 12);
        kit.StdClass(n).SetStd(2, 4);
    }
    const TStandardValues arbiZ = kit.Standard(15).Values();

    kit.SetVna(small);
    EXPECT_EQ(&kit.Vna(), &small);
    EXPECT_EQ(kit.Label(), "A Long K");
    EXPECT_EQ(kit.SystemZ0(), 100);
    EXPECT_EQ(kit.Standard(3).Values(), (TStandardValues{.C0 = 10000, .Label = "std3"}));
    EXPECT_EQ(kit.StdClass(2).Values().Std, (std::array<std::int32_t, 7>{0, 4}));
    // Standard 0, standards above N and classes above M keep values the model would reject.
    EXPECT_EQ(kit.Standard(0).C0(), 50000);
    EXPECT_EQ(kit.Standard(15).Values(), arbiZ);
    EXPECT_EQ(kit.StdClass(7).GetStd(1), 12);
    kit.SetVna(big);
    EXPECT_EQ(kit.Standard(15).Values(), arbiZ);
}

TEST_F(KitTest, AssignTakesTheSourcesModelFirstAndKeepsTheTargetsCalType)
{
    TCalKit& source = bigKit;
    source.SetLabel("Source kit label"); // too long for the target's model
    source.SetDescription("described");
    source.SetDateLastModified(40000);
    source.SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    source.SetTrlSetRef(TTrlSetRef::Reflect);
    source.SetLowbandFrequency(500);
    source.SetSystemZ0(750);
    source.Standard(0).SetC1(77);
    source.Standard(20).SetStdType(TStdType::ArbiZ); // not on the target's model
    source.Standard(20).SetLoadType(TLoadType::Sliding);
    source.Standard(32).SetLabel("thirty-two");
    source.StdClass(17).SetStd(7, 21);
    source.SetCalType(ctTrl);

    TCalKit& target = smallKit;
    target.SetCalType(ctSolt);
    target.Assign(source);
    EXPECT_EQ(&target.Vna(), &big);
    EXPECT_EQ(target.CalType(), ctSolt);
    source.SetCalType(ctSolt);
    EXPECT_EQ(DumpKit(target), DumpKit(source));

    const auto copy = TCalKit::CreateCopy(source);
    EXPECT_EQ(copy->CalType(), 0);
    EXPECT_EQ(&copy->Standard(20).Kit(), copy.get());
    EXPECT_EQ(copy->Standard(20).LoadType(), TLoadType::Sliding);
}

TEST_F(KitTest, ActiveClassesAndStepCountsFollowTheKit)
{
    TCalKit& kit = bigKit;
    EXPECT_EQ(kit.ActiveClasses(), big.SoltClasses);
    kit.SetCalType(ctTrl);
    EXPECT_EQ(kit.ActiveClasses(), big.TrlClasses);

    EXPECT_EQ(kit.DownloadSteps(), 3); // all 21 standards are None
    kit.Standard(1).SetStdType(TStdType::Open);
    kit.Standard(21).SetStdType(TStdType::Short);
    kit.Standard(0).SetStdType(TStdType::Load);  // not a standard of the model
    kit.Standard(22).SetStdType(TStdType::Load); // neither
    EXPECT_EQ(kit.DownloadSteps(), 5);
    EXPECT_EQ(kit.UploadSteps(), 23);
    kit.SetVna(small);
    EXPECT_EQ(kit.DownloadSteps(), 4);
}
