// tessaly-kit diff between kit and disk files, and send --verify against the simulated
// analyzer, with and without the fault that alters one stored value.
#include "KitRun.h"
#include "RoundTripKits.h"
#include "SimTool.h"
#include "kit/KitFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class DiffVerify : public TSimTool<::testing::Test> {
protected:
    // The round-trip kit of model as a kit file; change alters it before it is written.
    std::string KitFile(const std::string& name, const std::string& model,
                        const std::function<void(TCalKit&)>& change = {}) const
    {
        auto kit = NewKit(model);
        FillRoundTripKit(*kit);
        CloseClassGaps(*kit);
        if (change)
            change(*kit);
        const std::string path = folder.File(name);
        WriteKitFile(*kit, path);
        return path;
    }
};

} // namespace

TEST_F(DiffVerify, DiffListsTheDifferencesAndExitsLikeDiff)
{
    const std::string a = KitFile("a.tsy", "8510C");
    const std::string same = KitFile("same.tsy", "8510C");
    const std::string b = KitFile("b.tsy", "8510C", [](TCalKit& k) {
        k.Standard(2).SetOffsetDelay(29.25);
        Assign(k, 2, {2, 7, 0, 0, 0, 0, 0}, "");
    });
    EXPECT_EQ(kit({"diff", a, same}).Status, 0);
    TKitRun run = kit({"diff", a, b});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "standard 2 offset delay: 29.243 -> 29.25 ps\nclass S11B: 3,2,7 -> 2,7\n");
    EXPECT_EQ(run.Err, "");
    run = kit({"diff", a, b, "--json"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "[\n"
                       "    {\n"
                       "        \"field\": \"offset delay\",\n"
                       "        \"left\": \"29.243\",\n"
                       "        \"right\": \"29.25\",\n"
                       "        \"unit\": \"ps\",\n"
                       "        \"where\": \"standard 2\"\n"
                       "    },\n"
                       "    {\n"
                       "        \"field\": \"standards\",\n"
                       "        \"left\": \"3,2,7\",\n"
                       "        \"right\": \"2,7\",\n"
                       "        \"unit\": \"\",\n"
                       "        \"where\": \"class S11B\"\n"
                       "    }\n"
                       "]\n");
    EXPECT_EQ(kit({"diff", a, same, "--json"}).Out, "[\n]\n");

    // A disk file written from the kit holds it within its rounding, and nothing it cannot.
    const std::string disk = folder.File("CK_A");
    ASSERT_EQ(kit({"convert", a, disk}).Status, 0);
    run = kit({"diff", a, disk});
    EXPECT_EQ(run.Status, 0) << run.Out << run.Err;
    EXPECT_EQ(kit({"diff", disk, b, "--tolerance", "0.001"}).Out, "class S11B: 3,2,7 -> 2,7\n");

    // Wrong usage and files that cannot be read are trouble, not a difference.
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"diff", a}, std::vector<std::string>{"diff", a, b, "--tolerance", "x"},
          std::vector<std::string>{"diff", a, b, "--tolerance", "-1"}, std::vector<std::string>{"diff", a, "b.csv"},
          std::vector<std::string>{"diff", a, folder.File("missing.tsy")}}) {
        run = kit(wrong);
        EXPECT_EQ(run.Status, 2) << Joined(wrong);
        EXPECT_NE(run.Err, "") << Joined(wrong);
        EXPECT_EQ(run.Out, "") << Joined(wrong);
    }
}

TEST_F(DiffVerify, SendVerifyReportsExactlyTheValueTheAnalyzerAltered)
{
    for (const std::string model : {"8753D/E", "8510C", "PNA"}) {
        SCOPED_TRACE(model);
        env["TESSALY_SIM_MODEL"] = model;
        env.erase("TESSALY_SIM_ALTER");
        const std::string in = KitFile("kit.tsy", model);
        TKitRun run = kit({"send", in, "--verify"});
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, "Kit verified: the analyzer holds what was sent.\n");

        env["TESSALY_SIM_ALTER"] = "5:delay=8.5e-11"; // standard 5, a thru of 85.5 ps
        run = kit({"send", in, "--verify", "--card", "sicl"});
        EXPECT_EQ(run.Status, 1) << run.Err;
        EXPECT_EQ(run.Out, "standard 5 offset delay: 85.5 -> 85 ps\n");
        EXPECT_EQ(kit({"send", in}).Status, 0) << "without --verify the send alone counts";
    }
    // A model that cannot read a kit back cannot verify: wrong usage, nothing sent.
    const std::string old = KitFile("old.tsy", "8510A");
    const TKitRun run = kit({"send", old, "--verify", "--card", "none", "--log"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
}
