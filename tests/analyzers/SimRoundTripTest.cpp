// Kits sent to the simulated analyzer and read back, through both substitute libraries, the
// way the program finds a vendor's library. What comes back is what each family's command
// set lets the program read.
#include "BusTestSupport.h"
#include "RoundTripKits.h"
#include "TransferKits.h"
#include "analyzers/BusTransfer.h"
#include "bus/ATGpibCard.h"
#include "bus/NIGpibCard.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

enum class TLibrary { Ni, Sicl };

std::unique_ptr<TGpibCard> MakeCard(TLibrary library)
{
    if (library == TLibrary::Ni)
        return std::make_unique<TNIGpibCard>();
    return std::make_unique<TATGpibCard>();
}

std::string LibraryVariable(TLibrary library)
{
    return library == TLibrary::Ni ? "TESSALY_GPIB32_LIBRARY" : "TESSALY_SICL_LIBRARY";
}

std::string LibraryPath(TLibrary library)
{
    return library == TLibrary::Ni ? NiLibrary : SiclLibrary;
}

class SimRoundTrip : public ::testing::TestWithParam<std::tuple<TLibrary, const char*>> {
protected:
    TLibrary Library() const { return std::get<0>(GetParam()); }
    std::string ModelName() const { return std::get<1>(GetParam()); }

    TemporaryFile state_{".state"};
    ScopedEnvironment library_{LibraryVariable(Library()), LibraryPath(Library())};
    ScopedEnvironment model_{"TESSALY_SIM_MODEL", ModelName()};
    ScopedEnvironment stateVariable_{"TESSALY_SIM_STATE", state_.Path().string()};
};

} // namespace

TEST_P(SimRoundTrip, KitReadBackIsTheKitSent)
{
    TVna& vna = Model(ModelName());
    auto sent = NewKit(ModelName());
    Fill(*sent);
    auto card = MakeCard(Library());
    ASSERT_TRUE(card->Loaded());

    int steps = 0;
    SendKitToAnalyzer(*sent, *card, [&] { ++steps; });
    EXPECT_EQ(steps, sent->DownloadSteps());

    auto read = NewKit(ModelName());
    steps = 0;
    ReadKitFromAnalyzer(*read, *card, [&] { ++steps; });
    EXPECT_EQ(steps, read->UploadSteps());
    ExpectReadBack(*sent, *read);

    const std::string identity = IdentifyAnalyzer(vna, *card);
    EXPECT_NE(identity.find(vna.ModelIndex <= 1 ? "Agilent Technologies" : "HEWLETT PACKARD"), std::string::npos)
        << identity;
}

INSTANTIATE_TEST_SUITE_P(Families, SimRoundTrip,
                         ::testing::Combine(::testing::Values(TLibrary::Ni, TLibrary::Sicl),
                                            ::testing::Values("8753D/E", "8510C", "PNA", "PNA 3port")),
                         [](const auto& info) {
                             std::string name = std::get<0>(info.param) == TLibrary::Ni ? "Ni_" : "Sicl_";
                             for (const char* c = std::get<1>(info.param); *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(SimTransfer, EightFiveTenSlotsAreChosenByTheOption)
{
    TemporaryFile state(".state");
    ScopedEnvironment library("TESSALY_GPIB32_LIBRARY", NiLibrary);
    ScopedEnvironment model("TESSALY_SIM_MODEL", "8510B");
    ScopedEnvironment stateVariable("TESSALY_SIM_STATE", state.Path().string());
    TVna& vna = Model("8510B");
    SelectedOptionGuard guard(vna);
    TNIGpibCard card;

    auto first = NewKit("8510B");
    Define(*first, 2, {.StdType = TStdType::Thru, .OffsetDelay = 12, .OffsetZ0 = 50, .MaxFreq = 999});
    vna.SelectOption(1);
    SendKitToAnalyzer(*first, card, [] {});
    auto second = NewKit("8510B");
    Define(*second, 2, {.StdType = TStdType::Open, .OffsetZ0 = 50, .MaxFreq = 999});
    vna.SelectOption(2);
    SendKitToAnalyzer(*second, card, [] {});

    vna.SelectOption(1);
    auto read = NewKit("8510B");
    ReadKitFromAnalyzer(*read, card, [] {});
    EXPECT_EQ(read->Standard(2).StdType(), TStdType::Thru);
    EXPECT_EQ(read->Standard(2).OffsetDelay(), 12.0);
}

TEST(SimTransfer, AnalyzerThatKeepsReportingAnErrorFailsTheDownload)
{
    TemporaryFile state(".state");
    ScopedEnvironment library("TESSALY_SICL_LIBRARY", SiclLibrary);
    ScopedEnvironment model("TESSALY_SIM_MODEL", "8753A/B/C");
    ScopedEnvironment stateVariable("TESSALY_SIM_STATE", state.Path().string());
    ScopedEnvironment error("TESSALY_SIM_ERROR", "112,\"CAL KIT NOT SAVED\"");
    TATGpibCard card;
    auto kit = NewKit("8753A/B/C");
    int steps = 0;
    try {
        SendKitToAnalyzer(*kit, card, [&] { ++steps; });
        FAIL() << "no error raised";
    } catch (const EGpibException& e) {
        EXPECT_STREQ(e.what(), "VNA reports an error: 112,\"CAL KIT NOT SAVED\"");
    }
    EXPECT_EQ(steps, 3);
}
