// Kits sent over the LAN and Prologix cards to the TCP simulator on loopback and read back,
// compared command by command with the same transfers over the NI card: the same commands and
// replies pass the cards, and the analyzer receives the same bytes.
#include "BusTestSupport.h"
#include "RoundTripKits.h"
#include "SimTcpProcess.h"
#include "analyzers/BusTransfer.h"
#include "bus/LanCard.h"
#include "bus/NIGpibCard.h"
#include "bus/PrologixCard.h"

#include <gtest/gtest.h>

#include <exception>
#include <memory>
#include <ostream>
#include <thread>
#include <utility>

namespace {

struct TRoute {
    const char* Model;
    const char* Protocol; // of the simulator: "raw" for the LAN card, "prologix"
};

void PrintTo(const TRoute& route, std::ostream* out) { *out << route.Model << " over " << route.Protocol; }

// A card that passes everything on to another and notes, in order, each command written
// and each reply read: what the traffic log shows, for one card alone, so that two
// transfers can run at once.
class TTappedCard final : public TGpibCard {
public:
    explicit TTappedCard(TGpibCard& card) : TGpibCard(card.Driver(), 0, 0, 0), card_(card) { SetLoaded(true); }
    void Open() override { card_.Open(); }
    void Write(const std::string& command) override
    {
        card_.Write(command);
        if (!command.empty())
            Traffic.push_back(command);
    }
    void Read(std::string& reply) override
    {
        card_.Read(reply);
        Traffic.push_back(reply);
    }
    void Close() override { card_.Close(); }

    Lines Traffic;

private:
    TGpibCard& card_;
};

// What one send and one read passed through the card, and the kit read.
struct TTransfers {
    Lines SendTraffic;
    Lines ReadTraffic;
    std::unique_ptr<TCalKit> Read;
};

TTransfers SendThenRead(TCalKit& kit, TGpibCard& card)
{
    TTransfers result;
    TTappedCard tapped(card);
    int steps = 0;
    SendKitToAnalyzer(kit, tapped, [&] { ++steps; });
    EXPECT_EQ(steps, kit.DownloadSteps());
    result.SendTraffic = std::exchange(tapped.Traffic, {});
    result.Read = TCalKit::Create(kit.Vna());
    steps = 0;
    ReadKitFromAnalyzer(*result.Read, tapped, [&] { ++steps; });
    EXPECT_EQ(steps, result.Read->UploadSteps());
    result.ReadTraffic = tapped.Traffic;
    return result;
}

class NetworkRoundTrip : public ::testing::TestWithParam<TRoute> {};

} // namespace

TEST_P(NetworkRoundTrip, KitComesBackAndEveryByteIsThatOfTheNiCard)
{
    const TRoute route = GetParam();
    auto sent = NewKit(route.Model);
    FillRoundTripKit(*sent);

    // Over the NI card and the substitute library, with the analyzer's memory fresh, and at
    // the same time over the network card: each transfer takes its pauses.
    TemporaryFile state(".state");
    ScopedEnvironment library("TESSALY_GPIB32_LIBRARY", NiLibrary);
    ScopedEnvironment model("TESSALY_SIM_MODEL", route.Model);
    ScopedEnvironment stateVariable("TESSALY_SIM_STATE", state.Path().string());
    SimCallLog calls;
    TNIGpibCard ni;
    ASSERT_TRUE(ni.Loaded());
    SimTcpProcess sim({"--protocol", route.Protocol, "--model", route.Model});
    std::unique_ptr<TNetworkCard> card;
    if (route.Protocol == std::string("raw"))
        card = std::make_unique<TLanCard>();
    else
        card = std::make_unique<TPrologixCard>();
    card->SetHost("127.0.0.1");
    card->SetPort(sim.Port());

    TTransfers overNi;
    std::exception_ptr niFailure;
    std::thread niTransfers([&] {
        try {
            overNi = SendThenRead(*sent, ni);
        } catch (...) {
            niFailure = std::current_exception();
        }
    });
    std::exception_ptr networkFailure;
    TTransfers overNetwork;
    try {
        overNetwork = SendThenRead(*sent, *card);
    } catch (...) {
        networkFailure = std::current_exception();
    }
    niTransfers.join();
    if (niFailure)
        std::rethrow_exception(niFailure);
    if (networkFailure)
        std::rethrow_exception(networkFailure);
    ASSERT_EQ(sim.Stop(), 0);

    ExpectReadBack(*sent, *overNi.Read);
    ExpectReadBack(*sent, *overNetwork.Read);
    EXPECT_EQ(overNetwork.SendTraffic, overNi.SendTraffic);
    EXPECT_EQ(overNetwork.ReadTraffic, overNi.ReadTraffic);

    // On the wire, in the order the NI card sent and received: each command as NI's Send
    // with a line feed appended hands it to the analyzer, each reply with the line feed that
    // NI's reply handling drops.
    Lines all = overNi.SendTraffic;
    all.insert(all.end(), overNi.ReadTraffic.begin(), overNi.ReadTraffic.end());
    Lines expected;
    auto logged = all.begin();
    for (const std::string& call : calls.Lines()) {
        const bool send = call.rfind("Send(", 0) == 0;
        if (!send && call.rfind("Receive(", 0) != 0)
            continue;
        ASSERT_NE(logged, all.end());
        expected.push_back(TranscriptLine(send ? "message" : "reply", *logged++ + "\n"));
    }
    EXPECT_EQ(logged, all.end());
    EXPECT_EQ(sim.Traffic(), expected);
}

INSTANTIATE_TEST_SUITE_P(Routes, NetworkRoundTrip,
                         ::testing::Values(TRoute{"PNA", "raw"}, TRoute{"8753D/E", "prologix"},
                                           TRoute{"8510C", "prologix"}),
                         [](const auto& info) {
                             std::string name = std::string(info.param.Protocol) + "_";
                             for (const char* c = info.param.Model; *c != '\0'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });
