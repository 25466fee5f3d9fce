// Kits sent to the simulated analyzer and read back, through both substitute libraries, the
// way the program finds a vendor's library.
#include "BusTestSupport.h"
#include "RoundTripKits.h"
#include "analyzers/BusTransfer.h"
#include "bus/ATGpibCard.h"
#include "bus/NIGpibCard.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <tuple>

namespace {

class SimRoundTrip : public ::testing::TestWithParam<std::tuple<bool, const char*>> {
protected:
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
    std::unique_ptr<TGpibCard> card;
    if (Ni())
        card = std::make_unique<TNIGpibCard>();
    else
        card = std::make_unique<TATGpibCard>();
    ASSERT_TRUE(card->Loaded());
    auto sent = NewKit(ModelName());
    FillRoundTripKit(*sent);
    int steps = 0;
    SendKitToAnalyzer(*sent, *card, [&] { ++steps; });
    EXPECT_EQ(steps, sent->DownloadSteps());

    auto read = NewKit(ModelName());
    ReadKitFromAnalyzer(*read, *card, [] {});
    ExpectReadBack(*sent, *read);
    EXPECT_NE(IdentifyAnalyzer(sent->Vna(), *card).find(IsPna(sent->Vna()) ? "Agilent" : "HEWLETT PACKARD"),
              std::string::npos);
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
