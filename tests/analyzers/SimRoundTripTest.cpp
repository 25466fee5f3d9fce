// Kits sent to the simulated analyzer and read back, through both substitute libraries, the
// way the program finds a vendor's library.
#include "BusTestSupport.h"
#include "RoundTripKits.h"
#include "analyzers/BusTransfer.h"
#include "bus/ATGpibCard.h"
#include "bus/NIGpibCard.h"
#include "compare/SendVerification.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <tuple>

namespace {

class SimRoundTrip : public ::testing::TestWithParam<std::tuple<bool, const char*>> {
protected:
    std::unique_ptr<TGpibCard> Card() const
    {
        if (Ni())
            return std::make_unique<TNIGpibCard>();
        return std::make_unique<TATGpibCard>();
    }
    bool Ni() const { return std::get<0>(GetParam()); }
    std::string ModelName() const { return std::get<1>(GetParam()); }

    TemporaryFile state_{".state"};
    ScopedEnvironment library_{Ni() ? "TESSALY_GPIB32_LIBRARY" : "TESSALY_SICL_LIBRARY", Ni() ? NiLibrary : SiclLibrary};
    ScopedEnvironment model_{"TESSALY_SIM_MODEL", ModelName()};
    ScopedEnvironment stateVariable_{"TESSALY_SIM_STATE", state_.Path().string()};
};

} // namespace

TEST_P(SimRoundTrip, KitReadBackIsTheKitSent)
{
    const auto card = Card();
    ASSERT_TRUE(card->Loaded());
    auto sent = NewKit(ModelName());
    FillRoundTripKit(*sent);
    int steps = 0;
    SendKitToAnalyzer(*sent, *card, [&] { ++steps; });
    EXPECT_EQ(steps, sent->DownloadSteps());

    auto read = NewKit(ModelName());
    ReadKitFromAnalyzer(*read, *card, [] {});
    ExpectReadBack(*sent, *read);
    EXPECT_TRUE(CompareKits(*sent, *read, TCompareRules::ReadBack(sent->Vna())).empty());
    EXPECT_NE(IdentifyAnalyzer(sent->Vna(), *card).find(IsPna(sent->Vna()) ? "Agilent" : "HEWLETT PACKARD"),
              std::string::npos);
}

// Numbers with more digits than a reply keeps agree within the transfer's tolerance, and the
// analyzer's one altered number is the one difference a verification reports.
TEST_P(SimRoundTrip, VerificationAllowsTheTransferRoundingAndFindsTheAlteredValue)
{
    const auto card = Card();
    auto sent = NewKit(ModelName());
    FillRoundTripKit(*sent);
    sent->Standard(2).SetC2(1.0 / 3);
    sent->Standard(5).SetOffsetDelay(85.123456789);
    sent->Standard(5).SetMaxFreq(26.54321);
    sent->SetSystemZ0(75.123456);
    SendKitToAnalyzer(*sent, *card, [] {});
    auto read = NewKit(ModelName());
    ReadKitFromAnalyzer(*read, *card, [] {});
    int rounded = 0;
    for (const TKitDifference& d : CompareKits(*sent, *read, TCompareRules::KitFile())) {
        if (d.Unit.empty())
            continue; // labels and classes the family does not read back
        SCOPED_TRACE(DifferenceLine(d));
        EXPECT_NEAR(std::stod(d.Left), std::stod(d.Right), 5e-5);
        ++rounded;
    }
    EXPECT_GE(rounded, 3);
    EXPECT_TRUE(VerifySentKit(*sent, *card, [] {}).empty());

    const ScopedEnvironment alter{"TESSALY_SIM_ALTER", "5:delay=2.5e-11"};
    SendKitToAnalyzer(*sent, *card, [] {});
    const auto differences = VerifySentKit(*sent, *card, [] {});
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(DifferenceLine(differences[0]), "standard 5 offset delay: 85.123456789 -> 25 ps");
}

INSTANTIATE_TEST_SUITE_P(Families, SimRoundTrip,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values("8753D/E", "8753A/B/C", "8510C", "PNA", "PNA 3port")),
                         [](const auto& info) {
                             std::string name = std::get<0>(info.param) ? "Ni_" : "Sicl_";
                             for (const char* c = std::get<1>(info.param); *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });
