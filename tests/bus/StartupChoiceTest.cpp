#include "BusTestSupport.h"
#include "bus/NetworkCard.h"

#include <gtest/gtest.h>

namespace {

// The cards of a run on a computer with the given libraries, and the start-up choice made
// from the stored values.
struct Startup {
    Startup(bool niPresent, bool siclPresent)
        : ni("TESSALY_GPIB32_LIBRARY", niPresent ? NiLibrary : NoLibrary),
          sicl("TESSALY_SICL_LIBRARY", siclPresent ? SiclLibrary : NoLibrary)
    {
    }
    ~Startup() { FreeGpibCards(); }

    TGpibCard& Choose(int driver, int board, int address)
    {
        CreateGpibCards();
        TGpibCard& card = ChooseStartupGpibCard(driver, board, address);
        EXPECT_EQ(&card, CurrentGpibCard);
        return card;
    }

    ScopedEnvironment ni;
    ScopedEnvironment sicl;
};

} // namespace

TEST(StartupChoice, CardsAreCreatedInDriverOrderAndFreedTogether)
{
    Startup run(true, true);
    run.Choose(0, -1, -1);
    for (int driver : {gdNI, gdAT, gdNone, gdLan, gdPrologix}) {
        ASSERT_NE(GpibCards[driver], nullptr);
        EXPECT_EQ(GpibCards[driver]->Driver(), driver);
        EXPECT_TRUE(GpibCards[driver]->Loaded());
    }
    FreeGpibCards();
    EXPECT_EQ(CurrentGpibCard, nullptr);
    EXPECT_EQ(GpibCards[gdNI], nullptr);
    EXPECT_THROW(ChooseStartupGpibCard(0, 0, 16), std::logic_error);
}

TEST(StartupChoice, WithoutLibrariesEveryStoredDriverEndsWithTheNoBusCard)
{
    Startup run(false, false);
    for (int driver : {-1, 0, 1, 2, 5, 99})
        EXPECT_EQ(run.Choose(driver, -1, -1).Driver(), gdNone) << driver;
}

TEST(StartupChoice, StoredDriverFallsBackToTheFirstBoundCard)
{
    Startup onlyNi(true, false);
    EXPECT_EQ(onlyNi.Choose(1, -1, -1).Driver(), gdNI);
    EXPECT_EQ(onlyNi.Choose(2, -1, -1).Driver(), gdNone); // bound, so kept

    Startup onlySicl(false, true);
    EXPECT_EQ(onlySicl.Choose(0, -1, -1).Driver(), gdAT);
    EXPECT_EQ(onlySicl.Choose(-3, -1, -1).Driver(), gdAT); // out of range counts as 0

    Startup both(true, true);
    EXPECT_EQ(both.Choose(1, -1, -1).Driver(), gdAT);
    EXPECT_EQ(both.Choose(5, -1, -1).Driver(), gdNI);
}

TEST(StartupChoice, BoardAndAddressAreTakenOnlyWithinRange)
{
    Startup onlySicl(false, true);
    const TGpibCard& sicl = onlySicl.Choose(1, 12, 5);
    EXPECT_EQ(sicl.Board(), 12);
    EXPECT_EQ(sicl.Address(), 5);

    Startup onlyNi(true, false);
    const TGpibCard& ni = onlyNi.Choose(1, 12, 5);
    EXPECT_EQ(ni.Driver(), gdNI);
    EXPECT_EQ(ni.Board(), 0); // 12 lies outside 0..3: the default stays
    EXPECT_EQ(ni.Address(), 5);

    const TGpibCard& again = onlyNi.Choose(0, 3, 31);
    EXPECT_EQ(again.Board(), 3);
    EXPECT_EQ(again.Address(), 16); // 31 is ignored, not clamped

    const TGpibCard& defaults = onlyNi.Choose(0, -1, -1);
    EXPECT_EQ(defaults.Board(), 0);
    EXPECT_EQ(defaults.Address(), 16);
}

TEST(StartupChoice, NetworkCardsNeedNoLibraryAndTakeTheStoredHostAndPort)
{
    Startup run(false, false);
    TGpibCard& lan = run.Choose(gdLan, 0, 9);
    EXPECT_EQ(lan.Driver(), gdLan);
    EXPECT_EQ(lan.Address(), 9);
    RestoreNetworkSettings(lan, "  pna.lab.example  ", 5026);
    EXPECT_EQ(AsNetworkCard(&lan)->Host(), "pna.lab.example");
    EXPECT_EQ(AsNetworkCard(&lan)->Port(), 5026);

    // A blank host and a port outside 1..65535 leave the card's own values.
    TGpibCard& prologix = run.Choose(gdPrologix, 7, 31);
    EXPECT_EQ(prologix.Driver(), gdPrologix);
    EXPECT_EQ(prologix.Board(), 0) << "network cards have the single board 0";
    EXPECT_EQ(prologix.Address(), 16);
    for (int port : {0, -1, 65536}) {
        RestoreNetworkSettings(prologix, "   ", port);
        EXPECT_EQ(AsNetworkCard(&prologix)->Host(), "");
        EXPECT_EQ(AsNetworkCard(&prologix)->Port(), 1234) << port;
    }
    RestoreNetworkSettings(prologix, "10.0.0.7", 65535);
    EXPECT_EQ(AsNetworkCard(&prologix)->Port(), 65535);

    // The GPIB cards are not network cards and ignore the values.
    TGpibCard& none = run.Choose(gdNone, -1, -1);
    EXPECT_EQ(AsNetworkCard(&none), nullptr);
    RestoreNetworkSettings(none, "host", 80);
}
