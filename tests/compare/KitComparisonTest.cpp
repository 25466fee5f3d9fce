// Comparing two kits: one changed value of each kind is reported once, in its units; values
// a type does not use, the date and what a way of reading does not keep are left out.
#include "RoundTripKits.h"
#include "compare/KitComparison.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::unique_ptr<TCalKit> FilledKit(const std::string& model)
{
    auto kit = NewKit(model);
    FillRoundTripKit(*kit);
    kit->SetDescription("Bench kit");
    return kit;
}

std::unique_ptr<TCalKit> Copy(const TCalKit& kit)
{
    auto copy = TCalKit::CreateCopy(kit);
    copy->SetCalType(kit.CalType());
    return copy;
}

struct TChange {
    const char* Model;
    std::function<void(TCalKit&)> Change;
    TKitDifference Expected;
};

} // namespace

TEST(KitComparison, EachChangedFieldIsReportedOnceInItsUnit)
{
    using P = TKitPage;
    const TChange changes[] = {
        {"8510B", [](TCalKit& k) { k.Standard(5).SetStdType(TStdType::Open); },
         {P::Standards, 5, "standard 5", "type", "Thru/Line", "Open", ""}},
        {"8510B", [](TCalKit& k) { k.Standard(2).SetC1(-310.2); },
         {P::Standards, 2, "standard 2", "C1", "-310.1", "-310.2", "1e-27 F/Hz"}},
        {"8510B", [](TCalKit& k) { k.Standard(2).SetC3(0); },
         {P::Standards, 2, "standard 2", "C3", "-0.16", "0", "1e-45 F/Hz^3"}},
        {"8510B", [](TCalKit& k) { k.Standard(1).SetC0(2.5); },
         {P::Standards, 1, "standard 1", "L0", "2.25", "2.5", "pH"}},
        {"8510B", [](TCalKit& k) { k.Standard(6).SetTermZ(80); },
         {P::Standards, 6, "standard 6", "terminal impedance", "75.25", "80", "ohm"}},
        {"8510B", [](TCalKit& k) { k.Standard(3).SetLoadType(TLoadType::Sliding); },
         {P::Standards, 3, "standard 3", "load type", "Offset", "Sliding", ""}},
        {"8510B", [](TCalKit& k) { k.Standard(2).SetOffsetDelay(29.25); },
         {P::Standards, 2, "standard 2", "offset delay", "29.243", "29.25", "ps"}},
        {"8510B", [](TCalKit& k) { k.Standard(5).SetOffsetZ0(50); },
         {P::Standards, 5, "standard 5", "offset Z0", "49.95", "50", "ohm"}},
        {"8510B", [](TCalKit& k) { k.Standard(5).SetOffsetLoss(1.25); },
         {P::Standards, 5, "standard 5", "offset loss", "1.3", "1.25", "ohm/ns"}},
        {"8510B", [](TCalKit& k) { k.Standard(4).SetMinFreq(2.5); },
         {P::Standards, 4, "standard 4", "min frequency", "2", "2.5", "GHz"}},
        {"8510B", [](TCalKit& k) { k.Standard(4).SetMaxFreq(18.001); },
         {P::Standards, 4, "standard 4", "max frequency", "18", "18.001", "GHz"}},
        {"8510B", [](TCalKit& k) { k.Standard(2).SetMedium(TMedium::Coax); },
         {P::Standards, 2, "standard 2", "medium", "Waveguide", "Coax", ""}},
        {"8510B", [](TCalKit& k) { k.Standard(4).SetLabel("SLIDE2"); },
         {P::Standards, 4, "standard 4", "label", "SLIDE", "SLIDE2", ""}},
        {"8510B", [](TCalKit& k) { Assign(k, 2, {3, 0, 0, 7, 0, 0, 0}, ""); },
         {P::Classes, 2, "class S11B", "standards", "3,2,7", "3,7", ""}},
        {"8510B", [](TCalKit& k) { k.StdClass(12).SetLabel("Isol"); },
         {P::Classes, 12, "class Reverse Isolation", "label", "", "Isol", ""}},
        {"8510B", [](TCalKit& k) { k.SetLabel("KIT 2"); }, {P::Properties, 0, "kit", "label", "\";PRES;", "KIT 2", ""}},
        {"8510B", [](TCalKit& k) { k.SetDescription("Other"); },
         {P::Properties, 0, "kit", "description", "Bench kit", "Other", ""}},
        {"8510B", [](TCalKit& k) { k.SetSystemZ0(50); }, {P::Properties, 0, "kit", "system Z0", "75", "50", "ohm"}},
        {"8510B", [](TCalKit& k) { k.SetTrlCalZ0(TTrlCalZ0::LineZ0); },
         {P::Properties, 0, "kit", "TRL Cal Z0", "System Z0", "Line Z0", ""}},
        {"8510B", [](TCalKit& k) { k.SetTrlSetRef(TTrlSetRef::Thru); },
         {P::Properties, 0, "kit", "TRL Set Ref", "Reflect", "Thru", ""}},
        {"8510B", [](TCalKit& k) { k.SetLowbandFrequency(0.75); },
         {P::Properties, 0, "kit", "lowband frequency", "0.5", "0.75", "GHz"}},
        {"8753D/E", [](TCalKit& k) { k.SetCalType(ctTrl); },
         {P::Properties, 0, "kit", "calibration type", "SOLT", "TRL", ""}},
        {"8753D/E", [](TCalKit& k) { k.Standard(6).SetLoadType(TLoadType::Fixed); },
         {P::Standards, 6, "standard 6", "load type", "Sliding", "Fixed", ""}},
    };
    for (const TChange& change : changes) {
        SCOPED_TRACE(change.Expected.Where + " " + change.Expected.Field);
        const auto left = FilledKit(change.Model);
        const auto right = Copy(*left);
        change.Change(*right);
        const auto differences = CompareKits(*left, *right, TCompareRules::KitFile());
        ASSERT_EQ(differences.size(), 1u);
        EXPECT_EQ(differences[0], change.Expected);
    }
}

TEST(KitComparison, LeavesOutWhatTheTypeAndTheRulesDoNotUse)
{
    const auto left = FilledKit("8753D/E");
    const auto right = Copy(*left);
    right->Standard(5).SetC0(12);     // a thru has no coefficients
    right->Standard(2).SetTermZ(12);  // an open has no terminal impedance
    right->Standard(1).SetC1(3);      // this family's shorts have no inductance
    right->Standard(7).SetOffsetDelay(5); // standard 7 has no type
    right->SetDateLastModified(left->DateLastModified() + 30);
    left->SetCalType(0);
    right->SetCalType(ctSolt); // a new kit's 0 reads as SOLT
    right->StdClass(13).SetLabel("TRL"); // a TRL class of an ordinary kit, not in a disk file
    EXPECT_TRUE(CompareKits(*left, *right, TCompareRules::DiskFile(left->Vna())).empty());
    EXPECT_EQ(CompareKits(*left, *right, TCompareRules::KitFile()).size(), 1u);

    // Read back over the bus, this family keeps no labels, classes or load types.
    right->SetLabel("OTHER");
    right->Standard(2).SetLabel("OTHER");
    right->Standard(6).SetLoadType(TLoadType::Fixed);
    Assign(*right, 1, {1, 0, 0, 0, 0, 0, 0}, "X");
    right->SetDescription("Other");
    EXPECT_TRUE(CompareKits(*left, *right, TCompareRules::ReadBack(left->Vna())).empty());

    // A changed type reports the type and the offsets both types have, not the coefficients.
    right->Standard(2).SetStdType(TStdType::Short);
    right->Standard(2).SetOffsetDelay(30);
    const auto differences = CompareKits(*left, *right, TCompareRules::ReadBack(left->Vna()));
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(DifferenceLine(differences[0]), "standard 2 type: Open -> Short");
    EXPECT_EQ(DifferenceLine(differences[1]), "standard 2 offset delay: 29.243 -> 30 ps");
}

TEST(KitComparison, KitsOnDifferentModelsMatchClassesByTheirCode)
{
    const auto left = FilledKit("8753D/E");
    auto right = NewKit("8510C");
    right->Assign(*left);
    right->SetVna(Model("8510C"));
    right->SetCalType(left->CalType());
    Assign(*right, 8, {5, 0, 0, 0, 0, 0, 0}, ""); // REVT: class 8 on both
    Assign(*right, 11, {6, 0, 0, 0, 0, 0, 0}, ""); // FWDI, which the 8753 family lacks
    const auto differences = CompareKits(*left, *right, TCompareRules::KitFile());
    std::vector<std::string> lines;
    for (const auto& d : differences)
        lines.push_back(DifferenceLine(d));
    EXPECT_THAT(lines, ::testing::Contains("kit model: Agilent 8753D/E -> Agilent 8510C"));
    EXPECT_THAT(lines, ::testing::Contains("class Reverse Transmission: 1,2,7 -> 5"));
    for (const auto& line : lines)
        EXPECT_EQ(line.find("Isolation"), std::string::npos) << line;
}
