// A transfer bracketed by the card's Open and Close: an abort at any step stops the writes at
// once, and the card is closed whenever it was opened.
#include "RecordingCard.h"
#include "analyzers/BusTransfer.h"

#include <gtest/gtest.h>

TEST(BusTransfer, AbortAtAnyStepStopsTheWritesAndClosesTheCard)
{
    for (const char* model : {"8753D/E", "8510C", "PNA 3port"}) {
        auto kit = NewKit(model);
        for (int n = 1; n <= kit->Vna().NumStandards; ++n)
            Define(*kit, n, {.StdType = n % 2 ? TStdType::Open : TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999});
        for (bool send : {true, false}) {
            const int steps = send ? kit->DownloadSteps() : kit->UploadSteps();
            for (int step = 1; step <= steps; ++step) {
                SCOPED_TRACE(std::string(model) + (send ? " send" : " read") + ", abort at " + std::to_string(step));
                TRecordingCard card;
                card.AbortAtStep = step;
                auto target = NewKit(model);
                try {
                    if (send)
                        SendKitToAnalyzer(*kit, card, card.Progress());
                    else
                        ReadKitFromAnalyzer(*target, card, card.Progress());
                    ADD_FAILURE() << "no abort";
                } catch (const EUserAbort& e) {
                    EXPECT_STREQ(e.what(), "Operation aborted at user's request.");
                }
                EXPECT_EQ(card.Lines.back(), TRecordingCard::Step);
                EXPECT_EQ(card.Steps, step);
                EXPECT_EQ(card.Opens, 1);
                EXPECT_EQ(card.Closes, 1);
            }
        }
    }
}

TEST(BusTransfer, CardFailuresEndTheTransferAndTheCardIsClosedOnlyWhenOpened)
{
    auto kit = NewKit("8753D/E");
    TRecordingCard failingWrite;
    failingWrite.FailAtWrite = 1;
    EXPECT_THROW(SendKitToAnalyzer(*kit, failingWrite, failingWrite.Progress()), EGpibException);
    EXPECT_EQ(failingWrite.Writes(), Lines{"OUTPSTAT;"});
    EXPECT_EQ(failingWrite.Closes, 1);

    TRecordingCard failingOpen;
    failingOpen.FailOpen = true;
    EXPECT_THROW(SendKitToAnalyzer(*kit, failingOpen, failingOpen.Progress()), EGpibException);
    EXPECT_THROW(IdentifyAnalyzer(kit->Vna(), failingOpen), EGpibException);
    EXPECT_TRUE(failingOpen.Lines.empty());
    EXPECT_EQ(failingOpen.Closes, 0);

    // A Close that fails after an abort: the abort is what the user hears about; without an
    // earlier failure the failing Close is reported.
    TRecordingCard closing;
    closing.FailClose = true;
    EXPECT_THROW(SendKitToAnalyzer(*kit, closing, [] { throw EUserAbort(); }), EUserAbort);
    EXPECT_THROW(SendKitToAnalyzer(*kit, closing, [] {}), EGpibException);
}

TEST(BusTransfer, IdentificationQueryDependsOnTheCommandSet)
{
    for (const auto& vna : Vnas()) {
        TRecordingCard card;
        card.Responder = [](const Lines& lines) { return "ID of " + lines.back(); };
        EXPECT_EQ(IdentifyAnalyzer(*vna, card), vna->ModelIndex <= 1 ? "ID of *IDN?" : "ID of OUTPIDEN;");
        EXPECT_EQ(card.Closes, 1);
    }
}
