// A transfer bracketed by the card's Open and Close: an abort at any step stops the writes at
// once, and the card is closed whenever it was opened.
#include "analyzers/BusTransfer.h"
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

namespace {

// A kit with every standard of the model defined, so that every download step exists.
std::unique_ptr<TCalKit> FullKit(const std::string& model)
{
    auto kit = NewKit(model);
    for (int n = 1; n <= kit->Vna().NumStandards; ++n)
        Define(*kit, n, {.StdType = n % 2 ? TStdType::Open : TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999});
    Assign(*kit, 1, {1, 2, 0, 0, 0, 0, 0}, "A");
    return kit;
}

const char* const Families[] = {"8753D/E", "8510C", "PNA 3port"};

class TClosingFailsCard : public TGpibCard {
public:
    TClosingFailsCard() : TGpibCard(gdNone, 0, 0, 0) { SetLoaded(true); }
    void Open() override {}
    void Write(const std::string&) override {}
    void Read(std::string& reply) override { reply = "0"; }
    void Close() override { throw EGpibException("close failed"); }
};

} // namespace

TEST(BusTransfer, AbortAtAnyStepStopsTheWritesAndClosesTheCard)
{
    for (const char* model : Families) {
        auto kit = FullKit(model);
        const int downloadSteps = kit->DownloadSteps();
        const int uploadSteps = kit->UploadSteps();
        for (int step = 1; step <= downloadSteps; ++step) {
            SCOPED_TRACE(std::string(model) + " send, abort at step " + std::to_string(step));
            TRecordingCard card;
            card.AbortAtStep = step;
            try {
                SendKitToAnalyzer(*kit, card, card.Progress());
                ADD_FAILURE() << "no abort";
            } catch (const EUserAbort& e) {
                EXPECT_STREQ(e.what(), "Operation aborted at user's request.");
            }
            EXPECT_EQ(card.Lines.back(), TRecordingCard::Step);
            EXPECT_EQ(card.Steps, step);
            EXPECT_EQ(card.Opens, 1);
            EXPECT_EQ(card.Closes, 1);
        }
        for (int step = 1; step <= uploadSteps; ++step) {
            SCOPED_TRACE(std::string(model) + " read, abort at step " + std::to_string(step));
            auto target = NewKit(model);
            TRecordingCard card;
            card.AbortAtStep = step;
            EXPECT_THROW(ReadKitFromAnalyzer(*target, card, card.Progress()), EUserAbort);
            EXPECT_EQ(card.Lines.back(), TRecordingCard::Step);
            EXPECT_EQ(card.Closes, 1);
        }
    }
}

TEST(BusTransfer, CompleteTransfersTakeTheKitsStepCounts)
{
    for (const char* model : Families) {
        SCOPED_TRACE(model);
        auto kit = FullKit(model);
        TRecordingCard card;
        SendKitToAnalyzer(*kit, card, card.Progress());
        EXPECT_EQ(card.Steps, kit->DownloadSteps());
        EXPECT_EQ(card.Steps, kit->Vna().NumStandards + 3);
        EXPECT_EQ(card.Closes, 1);

        TRecordingCard readCard;
        ReadKitFromAnalyzer(*kit, readCard, readCard.Progress());
        EXPECT_EQ(readCard.Steps, kit->UploadSteps());
        EXPECT_EQ(readCard.Opens, 1);
        EXPECT_EQ(readCard.Closes, 1);
    }
}

TEST(BusTransfer, CardFailuresEndTheTransferAndTheCardIsClosedOnlyWhenOpened)
{
    auto kit = FullKit("8753D/E");
    TRecordingCard failingWrite;
    failingWrite.FailAtWrite = 5;
    EXPECT_THROW(SendKitToAnalyzer(*kit, failingWrite, failingWrite.Progress()), EGpibException);
    EXPECT_EQ(failingWrite.Writes().size(), 5u);
    EXPECT_EQ(failingWrite.Closes, 1);

    TRecordingCard failingOpen;
    failingOpen.FailOpen = true;
    EXPECT_THROW(SendKitToAnalyzer(*kit, failingOpen, failingOpen.Progress()), EGpibException);
    EXPECT_THROW(IdentifyAnalyzer(kit->Vna(), failingOpen), EGpibException);
    EXPECT_TRUE(failingOpen.Lines.empty());
    EXPECT_EQ(failingOpen.Closes, 0);

    // A Close that fails after an abort: the abort is what the user hears about.
    TClosingFailsCard closing;
    EXPECT_THROW(SendKitToAnalyzer(*kit, closing, [] { throw EUserAbort(); }), EUserAbort);
    // Without an earlier failure, the failing Close is reported.
    EXPECT_THROW(SendKitToAnalyzer(*kit, closing, [] {}), EGpibException);
}

TEST(BusTransfer, IdentificationQueryDependsOnTheCommandSet)
{
    for (const auto& vna : Vnas()) {
        SCOPED_TRACE(vna->ModelName);
        TRecordingCard card;
        card.Responder = [](const Lines& lines) { return "ID of " + lines.back(); };
        const bool pna = vna->ModelIndex <= 1;
        EXPECT_EQ(IdentifyAnalyzer(*vna, card), pna ? "ID of *IDN?" : "ID of OUTPIDEN;");
        EXPECT_EQ(card.Opens, 1);
        EXPECT_EQ(card.Closes, 1);
    }
    // An empty reply is the identity as it stands.
    TRecordingCard silent;
    silent.Responder = [](const Lines&) { return std::string(); };
    EXPECT_EQ(IdentifyAnalyzer(Model("PNA"), silent), "");
}
