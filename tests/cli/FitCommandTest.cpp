// tessaly-kit fit: the fitted kit written with only the fitted standard changed, the report,
// and failures that write nothing.
#include "../kit/TempFolder.h"
#include "KitRun.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "response/ResponseSweep.h"
#include "response/StandardFit.h"
#include "response/StandardTouchstone.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class FitCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        kit.Standard(1).SetValues({.StdType = TStdType::Open, .C0 = 49.433, .C1 = -310.13, .C2 = 23.168,
                                   .C3 = -0.15966, .OffsetDelay = 29.243, .OffsetLoss = 2.2, .Label = "OPEN"});
        kit.Standard(2).SetValues({.StdType = TStdType::Short, .C0 = 2.0765, .OffsetDelay = 31.785, .Label = "SHORT"});
        kit.Standard(4).SetValues({.StdType = TStdType::Thru, .OffsetDelay = 84.5, .OffsetLoss = 1.3, .Label = "THRU"});
        const auto frequencies = SweepFrequencies({0.05, 26.5, 201});
        WriteTouchstone(open, StandardTouchstone(kit, 1, frequencies));
        WriteTouchstone(thru, StandardTouchstone(kit, 4, frequencies));
        for (TFitParameter p : {TFitParameter::C0, TFitParameter::C1, TFitParameter::C2, TFitParameter::C3})
            SetFitParameter(kit.Standard(1), p, 0);
        kit.Standard(4).SetOffsetDelay(80);
        kit.Standard(4).SetOffsetLoss(0);
        WriteKitFile(kit, in);
    }

    std::unique_ptr<TCalKit> Written() const
    {
        auto read = TCalKit::Create(*Vnas().front());
        ReadKitFile(*read, out);
        return read;
    }

    TCalKit kit{*FindVna("PNA")};
    TTempFolder folder;
    std::string in = folder.File("kit.tsy");
    std::string out = folder.File("fitted.tsy");
    std::string open = folder.File("open.s1p");
    std::string thru = folder.File("thru.s2p");
};

TEST_F(FitCommand, WritesTheKitWithOnlyTheFittedStandardChangedAndPrintsTheReport)
{
    const TKitRun run = Kit({"fit", in, "--standard", "1", "--measured", open, "-o", out});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("C0 = 49.433"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("C3 = -0.15966"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("Points used: 201\n"), std::string::npos);
    EXPECT_NE(run.Out.find("Converged: yes\n"), std::string::npos);

    const auto written = Written();
    EXPECT_NEAR(written->Standard(1).C1(), -310.13, 310.13e-4);
    EXPECT_EQ(written->Standard(1).OffsetDelay(), 29.243);
    for (int n = 2; n < TCalKit::RecordCount; ++n)
        EXPECT_EQ(written->Standard(n).Values(), kit.Standard(n).Values()) << n;

    // A thru with a chosen list.
    ASSERT_EQ(Kit({"fit", in, "--standard", "4", "--measured", thru, "--free", "delay, LOSS", "-o", out}).Status, 0);
    EXPECT_NEAR(Written()->Standard(4).OffsetDelay(), 84.5, 1e-6);
    EXPECT_NEAR(Written()->Standard(4).OffsetLoss(), 1.3, 1e-6);
    EXPECT_EQ(Written()->Standard(1).C0(), 0);
}

TEST_F(FitCommand, FailuresWriteNothing)
{
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases{
        {{"fit", in, "--standard", "1", "--measured", thru, "-o", out}, 1,
         "A one-port standard needs a one-port measurement (.s1p); this one has two ports.\n"},
        {{"fit", in, "--standard", "4", "--measured", open, "-o", out}, 1,
         "A thru/line needs a two-port measurement (.s2p); this one has one port.\n"},
        {{"fit", in, "--standard", "3", "--measured", open, "-o", out}, 1,
         "The standard has no type: there is nothing to fit.\n"},
        {{"fit", in, "--standard", "2", "--measured", open, "--free", "termz", "-o", out}, 1,
         "Term Z is not part of this standard's model.\n"},
        {{"fit", in, "--standard", "1", "--measured", folder.File("none.s1p"), "-o", out}, 1,
         "Unable to open file: " + folder.File("none.s1p") + "\nReason unknown.\n"},
        {{"fit", in, "--standard", "0", "--measured", open, "-o", out}, 2,
         "The standard number must lie between 1 and 8 for the model Agilent PNA.\n"},
        {{"fit", in, "--standard", "one", "--measured", open, "-o", out}, 2,
         "--standard takes a whole number, not \"one\"."},
        {{"fit", in, "--standard", "1", "--measured", open, "--free", "c0,foo", "-o", out}, 2,
         "Unknown value 'foo' in --free; choose from c0,c1,c2,c3,delay,loss,z0,termz."},
        {{"fit", in, "--standard", "1", "-o", out}, 2, "--measured is required."},
        {{"fit", in, "--standard", "1", "--measured", open, "-o", folder.File("fitted.txt")}, 2,
         "Unknown file format"},
    };
    for (const auto& [arguments, status, message] : cases) {
        SCOPED_TRACE(Joined(arguments));
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, status);
        EXPECT_EQ(run.Err.substr(0, message.size()), message) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

} // namespace
