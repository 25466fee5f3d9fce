#include "BusTestSupport.h"
#include "bus/ATGpibCard.h"
#include "bus/NIGpibCard.h"

#include <gtest/gtest.h>

TEST(GpibCard, BoardAndAddressAreClampedToEachCardsRange)
{
    ScopedEnvironment ni("TESSALY_GPIB32_LIBRARY", NoLibrary);
    ScopedEnvironment sicl("TESSALY_SICL_LIBRARY", NoLibrary);
    TNIGpibCard niCard;
    TATGpibCard siclCard;
    TNoGpibCard noCard;

    EXPECT_EQ(niCard.Board(), 0);
    EXPECT_EQ(siclCard.Board(), 7);
    EXPECT_EQ(siclCard.IntfId(), -1);
    EXPECT_EQ(siclCard.DevId(), -1);
    for (TGpibCard* card : {static_cast<TGpibCard*>(&niCard), static_cast<TGpibCard*>(&siclCard),
                            static_cast<TGpibCard*>(&noCard)})
        EXPECT_EQ(card->Address(), 16);

    niCard.SetBoard(-5);
    EXPECT_EQ(niCard.Board(), 0);
    niCard.SetBoard(12);
    EXPECT_EQ(niCard.Board(), 3);
    siclCard.SetBoard(12);
    EXPECT_EQ(siclCard.Board(), 12);
    siclCard.SetBoard(20000);
    EXPECT_EQ(siclCard.Board(), 10000);
    noCard.SetBoard(5);
    EXPECT_EQ(noCard.Board(), 0);

    niCard.SetAddress(31);
    EXPECT_EQ(niCard.Address(), 30);
    niCard.SetAddress(-1);
    EXPECT_EQ(niCard.Address(), 0);
    niCard.SetAddress(7);
    EXPECT_EQ(niCard.Address(), 7);
}

TEST(GpibCard, WaitLastsTenMillisecondsAndKeepsProcessingEvents)
{
    TNoGpibCard card;
    EXPECT_GE(Milliseconds([&] { card.Wait(); }), 10.0); // no hook installed

    BusHookRecorder hooks;
    EXPECT_GE(Milliseconds([&] { card.Wait(); }), 10.0);
    EXPECT_GE(hooks.events, 1);
}

TEST(GpibCard, LogReachesTheSinkOnlyWhileLoggingIsOn)
{
    TNoGpibCard card;
    card.Log("before any sink"); // nothing installed: no effect
    BusHookRecorder hooks;
    LogGpib = false;
    card.Log("hidden");
    LogGpib = true;
    card.Log("shown");
    SetGpibLogSink({});
    card.Log("sink gone");
    EXPECT_EQ(hooks.logged, std::vector<std::string>{"shown"});
}

TEST(GpibCard, NoBusCardLogsCommandsAndAnswersZero)
{
    BusHookRecorder hooks;
    TNoGpibCard card;
    EXPECT_TRUE(card.Loaded());
    std::string reply = "unchanged";
    const double elapsed = Milliseconds([&] {
        card.Open();
        card.Write("OUTPIDEN;");
        card.Read(reply);
        card.Close();
    });
    EXPECT_EQ(reply, "0");
    EXPECT_EQ(hooks.logged, (std::vector<std::string>{"OUTPIDEN;", "0"}));
    EXPECT_GE(elapsed, 20.0);
    EXPECT_GE(hooks.events, 2);
}
