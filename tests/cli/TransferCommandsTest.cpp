// tessaly-kit identify, send and read as a user runs them: card choice, the traffic log,
// failures and exit statuses, Ctrl-C, and kits sent by one process and read by the next
// through the simulated analyzer's state file.
#include "RoundTripKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <tuple>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {

const QString Missing = QStringLiteral("/nonexistent/tessaly/no-such-library.so");

struct TRun {
    int Status = -1;
    std::string Out, Err;
};

// The tool with both substitute libraries bound and the analyzer's memory in the folder.
class TKitTool {
public:
    explicit TKitTool(const TTempFolder& folder) : env_(QProcessEnvironment::systemEnvironment())
    {
        for (const QString& name : env_.keys())
            if (name.startsWith(QLatin1String("TESSALY_SIM_")))
                env_.remove(name);
        Set("TESSALY_GPIB32_LIBRARY", QStringLiteral(TESSALY_SIM_NI_LIBRARY));
        Set("TESSALY_SICL_LIBRARY", QStringLiteral(TESSALY_SIM_SICL_LIBRARY));
        Set("TESSALY_SIM_STATE", QString::fromStdString(folder.File("analyzer.state")));
    }
    void Set(const char* name, const QString& value) { env_.insert(QLatin1String(name), value); }
    void Start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(env_);
        process.start(QStringLiteral(TESSALY_KIT_PATH), arguments);
        process.waitForStarted();
    }
    static TRun Finish(QProcess& process)
    {
        TRun run;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
            run = {process.exitCode(), process.readAllStandardOutput().toStdString(),
                   process.readAllStandardError().toStdString()};
        return run;
    }
    TRun operator()(const QStringList& arguments) const
    {
        QProcess process;
        Start(process, arguments);
        return Finish(process);
    }

private:
    QProcessEnvironment env_;
};

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TEST(TransferCommands, IdentifyThroughTheChosenCard)
{
    TTempFolder folder;
    TKitTool kit(folder);
    EXPECT_EQ(kit({"identify", "--card", "none", "--log"}).Out, "0\n*IDN?\n0\n");
    EXPECT_EQ(kit({"identify", "--card", "NONE", "--model", "8510C", "--log"}).Out, "0\nOUTPIDEN;\n0\n");
    kit.Set("TESSALY_SIM_MODEL", "8510B");
    kit.Set("TESSALY_SIM_ADDRESS", "30");
    kit.Set("TESSALY_SIM_BOARD", "3");
    // The first bound card (NI), board and address clamped to its ranges.
    const TRun run = kit({"identify", "--model", "8510B", "--board", "9", "--address", "99"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "HEWLETT PACKARD,8510B,0,B.06.22\n");
    EXPECT_EQ(run.Err, "");
    const TRun wrongAddress = kit({"identify", "--board", "3"});
    EXPECT_EQ(wrongAddress.Status, 1);
    EXPECT_EQ(wrongAddress.Err.rfind("Error in NIGpibCard", 0), 0u) << wrongAddress.Err;
    // Without the NI library the SICL card comes first, without either the no-bus card.
    kit.Set("TESSALY_GPIB32_LIBRARY", Missing);
    EXPECT_EQ(kit({"identify", "--model", "8510B", "--board", "3", "--address", "30"}).Out, "HEWLETT PACKARD,8510B,0,B.06.22\n");
    EXPECT_EQ(kit({"identify", "--card", "ni"}).Err,
              "The NI-488.2 library \"" + Missing.toStdString() + "\" could not be loaded.\n");
    kit.Set("TESSALY_SICL_LIBRARY", Missing);
    EXPECT_EQ(kit({"identify"}).Out, "0\n");
    EXPECT_EQ(kit({"identify", "--card", "sicl"}).Status, 1);
}

TEST(TransferCommands, WrongUsageTouchesNoBus)
{
    TTempFolder folder;
    TKitTool kit(folder);
    const QString in = Q(folder.File("kit.tsy"));
    const QString out = Q(folder.File("out.tsy"));
    WriteKitFile(*NewKit("PNA"), in.toStdString());
    for (const QStringList& wrong :
         {QStringList{"identify", "--card", "gpib"}, QStringList{"identify", "--board", "two"},
          QStringList{"send", in, "--option", "5"}, QStringList{"send", in, "--option", "0"},
          QStringList{"read", out}, QStringList{"read", out, "--model", "8720A/B"},
          QStringList{"read", out, "--model", "8753D/E", "--option", "1"}, QStringList{"read", "x.txt", "--model", "PNA"}}) {
        const TRun run = kit(wrong + QStringList{"--log"});
        EXPECT_EQ(run.Status, 2) << wrong.join(u' ').toStdString();
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out.toStdString()));
}

TEST(TransferCommands, SendLogsEveryCommandAndFailuresLeaveNoFile)
{
    TTempFolder folder;
    TKitTool kit(folder);
    auto sent = NewKit("PNA");
    Define(*sent, 2, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    const std::string in = folder.File("kit.tsy");
    WriteKitFile(*sent, in);
    const std::string s = "sens:corr:coll:ckit:stan:";
    const TRun run = kit({"send", Q(in), "--card", "none", "--log", "--option", "2"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, ""); // no progress bar: standard error is no terminal
    EXPECT_EQ(run.Out, "*CLS\nsens:corr:coll:ckit:sel 8\nsens:corr:coll:ckit:stan 2\n" + s + "type thru\n" + s +
                           "delay 0ps\n" + s + "loss 0\n" + s + "imp 50\n" + s + "fmin 0ghz\n" + s + "fmax 999ghz\n" +
                           s + "char coax\n" + s + "label 'T'\nsens:corr:coll:ckit:name 'New Kit'\n" +
                           "sens:corr:imp:inp:magn 50\n");

    kit.Set("TESSALY_SIM_MODEL", "PNA");
    kit.Set("TESSALY_SIM_FAIL_READ", "3");
    kit.Set("TESSALY_SIM_CALL_LOG", Q(folder.File("calls.log")));
    const std::string out = folder.File("out.tsy");
    const TRun failed = kit({"read", Q(out), "--model", "PNA", "--card", "ni", "--log"});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_EQ(failed.Err.rfind("Error in NIGpibCard.Read:", 0), 0u) << failed.Err;
    EXPECT_EQ(failed.Out, "*CLS\nsens:corr:coll:ckit:stan 1\n" + s + "type?\nNONE\n" + s + "delay?\n+0E+00\n" + s +
                              "loss?\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    // The card was closed after the failure: the analyzer back to local, the board offline.
    std::ifstream calls(folder.File("calls.log"));
    const std::string log((std::istreambuf_iterator<char>(calls)), std::istreambuf_iterator<char>());
    const std::string closing = "EnableLocal(0, {16, NOADDR})\nibonl(0, 0)\n";
    EXPECT_EQ(log.substr(log.size() - closing.size()), closing);

    kit.Set("TESSALY_SIM_MODEL", "8720D/E");
    kit.Set("TESSALY_SIM_FAIL_READ", "0");
    kit.Set("TESSALY_SIM_ERROR", "112,\"CAL KIT NOT SAVED\"");
    WriteKitFile(*NewKit("8720D/E"), in);
    const TRun error = kit({"send", Q(in), "--card", "sicl"});
    EXPECT_EQ(error.Status, 1);
    EXPECT_EQ(error.Err, "VNA reports an error: 112,\"CAL KIT NOT SAVED\"\n");
}

#if !defined(_WIN32)
TEST(TransferCommands, CtrlCAbortsAtTheNextStep)
{
    TTempFolder folder;
    TKitTool kit(folder);
    auto sent = NewKit("8510C");
    for (int n = 1; n <= 21; ++n)
        Define(*sent, n, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999});
    const std::string in = folder.File("kit.tsy");
    WriteKitFile(*sent, in);
    const std::string out = folder.File("out.tsy");
    for (const QStringList& arguments : {QStringList{"send", Q(in), "--card", "none", "--log"},
                                         QStringList{"read", Q(out), "--model", "8510C", "--card", "none", "--log"}}) {
        QProcess process;
        kit.Start(process, arguments);
        std::this_thread::sleep_for(std::chrono::milliseconds(700)); // each takes seconds
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        const TRun run = TKitTool::Finish(process);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "Operation aborted at user's request.\n");
        EXPECT_EQ(run.Out.rfind("MODI2;\n", 0), 0u); // part of the transfer, not its end
        EXPECT_EQ(run.Out.find("ENTO;"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif

class SendThenRead : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(SendThenRead, InSeparateProcesses)
{
    const auto [model, card, option] = GetParam();
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_SIM_MODEL", model);
    auto sent = NewKit(model);
    FillRoundTripKit(*sent);
    const std::string in = folder.File("sent.tsy");
    const std::string out = folder.File("read.tsy");
    WriteKitFile(*sent, in);
    QStringList options{"--card", card};
    if (*option != '\0')
        options << "--option" << option;
    TRun run = kit(QStringList{"send", Q(in)} + options);
    ASSERT_EQ(run.Status, 0) << run.Err;
    run = kit(QStringList{"read", Q(out), "--model", model} + options);
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
