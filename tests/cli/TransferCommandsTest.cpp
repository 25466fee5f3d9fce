// tessaly-kit identify, send and read as a user runs them: card choice, the traffic log,
// failures and exit statuses, Ctrl-C, and kits sent by one process and read by the next
// through the simulated analyzer's state file.
#include "KitRun.h"
#include "SimTool.h"
#include "RoundTripKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {

const std::string Missing = "/nonexistent/tessaly/no-such-library.so";

using TransferCommands = TSimTool<::testing::Test>;

} // namespace

TEST_F(TransferCommands, IdentifyThroughTheChosenCard)
{
    EXPECT_EQ(kit({"identify", "--card", "none", "--log"}).Out, "0\n*IDN?\n0\n");
    EXPECT_EQ(kit({"identify", "--card", "NONE", "--model", "8510C", "--log"}).Out, "0\nOUTPIDEN;\n0\n");
    env["TESSALY_SIM_MODEL"] = "8510B";
    env["TESSALY_SIM_ADDRESS"] = "30";
    env["TESSALY_SIM_BOARD"] = "3";
    // The first bound card (NI), board and address clamped to its ranges.
    const TKitRun run = kit({"identify", "--model", "8510B", "--board", "9", "--address", "99"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "HEWLETT PACKARD,8510B,0,B.06.22\n");
    EXPECT_EQ(run.Err, "");
    const TKitRun wrongAddress = kit({"identify", "--board", "3"});
    EXPECT_EQ(wrongAddress.Status, 1);
    EXPECT_EQ(wrongAddress.Err.rfind("Error in NIGpibCard", 0), 0u) << wrongAddress.Err;
    // Without the NI library the SICL card comes first, without either the no-bus card.
    env["TESSALY_GPIB32_LIBRARY"] = Missing;
    EXPECT_EQ(kit({"identify", "--model", "8510B", "--board", "3", "--address", "30"}).Out,
              "HEWLETT PACKARD,8510B,0,B.06.22\n");
    EXPECT_EQ(kit({"identify", "--card", "ni"}).Err,
              "The NI-488.2 library \"" + Missing + "\" could not be loaded.\n");
    env["TESSALY_SICL_LIBRARY"] = Missing;
    EXPECT_EQ(kit({"identify"}).Out, "0\n");
    EXPECT_EQ(kit({"identify", "--card", "sicl"}).Status, 1);
}

TEST_F(TransferCommands, WrongUsageTouchesNoBus)
{
    const std::string in = folder.File("kit.tsy");
    const std::string out = folder.File("out.tsy");
    WriteKitFile(*NewKit("PNA"), in);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"identify", "--card", "gpib"}, std::vector<std::string>{"identify", "--board", "two"},
          std::vector<std::string>{"send", in, "--option", "5"}, std::vector<std::string>{"send", in, "--option", "0"},
          std::vector<std::string>{"read", out}, std::vector<std::string>{"read", out, "--model", "8720A/B"},
          std::vector<std::string>{"read", out, "--model", "8753D/E", "--option", "1"},
          std::vector<std::string>{"read", "x.txt", "--model", "PNA"}}) {
        const TKitRun run = kit(wrong + std::vector<std::string>{"--log"});
        EXPECT_EQ(run.Status, 2) << Joined(wrong);
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(TransferCommands, SendLogsEveryCommandAndFailuresLeaveNoFile)
{
    auto sent = NewKit("PNA");
    Define(*sent, 2, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    const std::string in = folder.File("kit.tsy");
    WriteKitFile(*sent, in);
    const std::string s = "sens:corr:coll:ckit:stan:";
    const TKitRun run = kit({"send", in, "--card", "none", "--log", "--option", "2"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, ""); // no progress bar: standard error is no terminal
    EXPECT_EQ(run.Out, "*CLS\nsens:corr:coll:ckit:sel 8\nsens:corr:coll:ckit:stan 2\n" + s + "type thru\n" + s +
                           "delay 0ps\n" + s + "loss 0\n" + s + "imp 50\n" + s + "fmin 0ghz\n" + s + "fmax 999ghz\n" +
                           s + "char coax\n" + s + "label 'T'\nsens:corr:coll:ckit:name 'New Kit'\n" +
                           "sens:corr:imp:inp:magn 50\n");

    env["TESSALY_SIM_MODEL"] = "PNA";
    env["TESSALY_SIM_FAIL_READ"] = "3";
    env["TESSALY_SIM_CALL_LOG"] = folder.File("calls.log");
    const std::string out = folder.File("out.tsy");
    const TKitRun failed = kit({"read", out, "--model", "PNA", "--card", "ni", "--log"});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_EQ(failed.Err.rfind("Error in NIGpibCard.Read:", 0), 0u) << failed.Err;
    EXPECT_EQ(failed.Out, "*CLS\nsens:corr:coll:ckit:stan 1\n" + s + "type?\nNONE\n" + s + "delay?\n+0E+00\n" + s +
                              "loss?\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    // The card was closed after the failure: the analyzer back to local, the board offline.
    const auto calls = ReadBytes(folder.File("calls.log"));
    const std::string log(calls.begin(), calls.end());
    const std::string closing = "EnableLocal(0, {16, NOADDR})\nibonl(0, 0)\n";
    EXPECT_EQ(log.substr(log.size() - closing.size()), closing);

    env["TESSALY_SIM_MODEL"] = "8720D/E";
    env["TESSALY_SIM_FAIL_READ"] = "0";
    env["TESSALY_SIM_ERROR"] = "112,\"CAL KIT NOT SAVED\"";
    WriteKitFile(*NewKit("8720D/E"), in);
    const TKitRun error = kit({"send", in, "--card", "sicl"});
    EXPECT_EQ(error.Status, 1);
    EXPECT_EQ(error.Err, "VNA reports an error: 112,\"CAL KIT NOT SAVED\"\n");
}

#if !defined(_WIN32)
TEST_F(TransferCommands, CtrlCAbortsAtTheNextStep)
{
    auto sent = NewKit("8510C");
    for (int n = 1; n <= 21; ++n)
        Define(*sent, n, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999});
    const std::string in = folder.File("kit.tsy");
    WriteKitFile(*sent, in);
    const std::string out = folder.File("out.tsy");
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"send", in, "--card", "none", "--log"},
                                         std::vector<std::string>{"read", out, "--model", "8510C", "--card", "none", "--log"}}) {
        TChildProcess process(TESSALY_KIT_PATH, arguments, env);
        std::this_thread::sleep_for(std::chrono::milliseconds(700)); // each takes seconds
        ::kill(static_cast<pid_t>(process.Id()), SIGINT);
        const TKitRun run = process.Finish();
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "Operation aborted at user's request.\n");
        EXPECT_EQ(run.Out.rfind("MODI2;\n", 0), 0u); // part of the transfer, not its end
        EXPECT_EQ(run.Out.find("ENTO;"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif

class SendThenRead : public TSimTool<::testing::TestWithParam<std::tuple<const char*, const char*, const char*>>> {};

TEST_P(SendThenRead, InSeparateProcesses)
{
    const auto [model, card, option] = GetParam();
    env["TESSALY_SIM_MODEL"] = model;
    auto sent = NewKit(model);
    FillRoundTripKit(*sent);
    const std::string in = folder.File("sent.tsy");
    const std::string out = folder.File("read.tsy");
    WriteKitFile(*sent, in);
    std::vector<std::string> options{"--card", card};
    if (*option != '\0')
        options = options + std::vector<std::string>{"--option", option};
    TKitRun run = kit(std::vector<std::string>{"send", in} + options);
    ASSERT_EQ(run.Status, 0) << run.Err;
    run = kit(std::vector<std::string>{"read", out, "--model", model} + options);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, sent->Vna().UploadNote + "\n");

    // What went over is the kit as the file holds it (its labels fit 10 characters).
    auto inFile = NewKit("PNA");
    ReadKitFile(*inFile, in);
    auto read = NewKit("PNA");
    ReadKitFile(*read, out);
    ExpectReadBack(*inFile, *read);
}

INSTANTIATE_TEST_SUITE_P(Families, SendThenRead,
                         ::testing::Values(std::tuple{"8753D/E", "sicl", ""}, std::tuple{"8510C", "ni", "1"},
                                           std::tuple{"PNA 3port", "ni", "2"}));
