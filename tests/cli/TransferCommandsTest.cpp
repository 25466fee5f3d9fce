// tessaly-kit identify, send and read as a user runs them: card choice and options, the
// traffic log, failures and their exit statuses, Ctrl-C, and kits sent by one process and
// read by the next through the simulated analyzer's state file.
#include "RoundTripKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#if !defined(_WIN32)
#include <csignal>
#include <sys/types.h>
#endif

namespace {

const QString NiLibrary = QStringLiteral(TESSALY_SIM_NI_LIBRARY);
const QString SiclLibrary = QStringLiteral(TESSALY_SIM_SICL_LIBRARY);
const QString Missing = QStringLiteral("/nonexistent/tessaly/no-such-library.so");

struct TRun {
    int Status = -1; // -1: the tool did not end normally
    std::string Out;
    std::string Err;
};

// The tool with both substitute libraries in place and the analyzer's kit memory in a file
// of the test's folder; more variables as given.
class TKitTool {
public:
    explicit TKitTool(const TTempFolder& folder) : environment_(QProcessEnvironment::systemEnvironment())
    {
        Set("TESSALY_GPIB32_LIBRARY", NiLibrary);
        Set("TESSALY_SICL_LIBRARY", SiclLibrary);
        Set("TESSALY_SIM_STATE", QString::fromStdString(folder.File("analyzer.state")));
        for (const char* name : {"TESSALY_SIM_MODEL", "TESSALY_SIM_ERROR", "TESSALY_SIM_FAIL_READ",
                                 "TESSALY_SIM_ADDRESS", "TESSALY_SIM_BOARD", "TESSALY_SIM_CALL_LOG"})
            environment_.remove(QLatin1String(name));
    }
    void Set(const char* name, const QString& value) { environment_.insert(QLatin1String(name), value); }

    void Start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment_);
        process.start(QStringLiteral(TESSALY_KIT_PATH), arguments);
        process.waitForStarted();
    }

    static TRun Finish(QProcess& process)
    {
        TRun run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.Status = process.exitCode();
        run.Out = process.readAllStandardOutput().toStdString();
        run.Err = process.readAllStandardError().toStdString();
        return run;
    }

    TRun operator()(const QStringList& arguments) const
    {
        QProcess process;
        Start(process, arguments);
        return Finish(process);
    }

private:
    QProcessEnvironment environment_;
};

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(IdentifyCommand, AsksWithTheModelsQueryThroughTheChosenCard)
{
    TTempFolder folder;
    TKitTool kit(folder);
    EXPECT_EQ(kit({"identify", "--card", "none"}).Out, "0\n");
    TRun run = kit({"identify", "--card", "none", "--log"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "0\n*IDN?\n0\n");
    EXPECT_EQ(kit({"identify", "--card", "NONE", "--model", "8510C", "--log"}).Out, "0\nOUTPIDEN;\n0\n");

    // By default the first card whose library is bound: the NI card.
    kit.Set("TESSALY_SIM_MODEL", "8753D/E");
    run = kit({"identify", "--model", "8753D/E"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "HEWLETT PACKARD,8753ES,0,7.74\n");
    EXPECT_EQ(run.Err, "");
    kit.Set("TESSALY_SIM_MODEL", "PNA");
    EXPECT_EQ(kit({"identify", "--card", "sicl"}).Out, "Agilent Technologies,E8358A,SIM0000001,A.04.85\n");

    // Without the NI library the SICL card is first; without either, the no-bus card.
    kit.Set("TESSALY_GPIB32_LIBRARY", Missing);
    EXPECT_EQ(kit({"identify", "--log"}).Out,
              "Agilent Technologies,E8358A,SIM0000001,A.04.85\n*IDN?\nAgilent Technologies,E8358A,SIM0000001,A.04.85\n");
    kit.Set("TESSALY_SICL_LIBRARY", Missing);
    EXPECT_EQ(kit({"identify"}).Out, "0\n");
}

TEST(IdentifyCommand, BoardAndAddressAreThoseGivenClampedToTheCard)
{
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_SIM_MODEL", "8510B");
    kit.Set("TESSALY_SIM_ADDRESS", "30");
    kit.Set("TESSALY_SIM_BOARD", "3");
    const TRun clamped = kit({"identify", "--model", "8510B", "--card", "ni", "--board", "9", "--address", "99"});
    EXPECT_EQ(clamped.Status, 0) << clamped.Err;
    EXPECT_EQ(clamped.Out, "HEWLETT PACKARD,8510B,0,B.06.22\n");

    // The analyzer is not at the default address: the card's error, and status 1.
    const TRun wrong = kit({"identify", "--card", "ni", "--board", "3"});
    EXPECT_EQ(wrong.Status, 1);
    EXPECT_EQ(wrong.Out, "");
    EXPECT_NE(wrong.Err.find("NIGpibCard"), std::string::npos) << wrong.Err;
}

TEST(TransferCommands, CardsWhoseLibraryIsMissingAndWrongUsage)
{
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_GPIB32_LIBRARY", Missing);
    kit.Set("TESSALY_SICL_LIBRARY", Missing);
    const std::string kitFile = folder.File("kit.tsy");
    WriteKitFile(*NewKit("PNA"), kitFile);

    TRun run = kit({"identify", "--card", "ni"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "The NI-488.2 library \"" + Missing.toStdString() + "\" could not be loaded.\n");
    run = kit({"send", Q(kitFile), "--card", "sicl"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "The SICL library \"" + Missing.toStdString() + "\" could not be loaded.\n");
    run = kit({"read", Q(folder.File("out.tsy")), "--model", "PNA", "--card", "ni"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.tsy")));

    for (const QStringList& wrong : {QStringList{"identify", "--card", "gpib"},
                                     QStringList{"identify", "--card", "none", "--board", "two"},
                                     QStringList{"identify", "--card", "none", "--model", "9999"},
                                     QStringList{"send", Q(kitFile), "--card", "none", "--option", "5"},
                                     QStringList{"send", Q(kitFile), "--card", "none", "--option", "0"},
                                     QStringList{"read", Q(folder.File("out.tsy")), "--card", "none"},
                                     QStringList{"read", Q(folder.File("out.tsy")), "--model", "8720A/B"},
                                     QStringList{"read", Q(folder.File("out.tsy")), "--model", "8753D/E", "--option", "1"},
                                     QStringList{"read", Q(folder.File("out.txt")), "--model", "PNA"},
                                     QStringList{"send"}}) {
        run = kit(wrong);
        EXPECT_EQ(run.Status, 2) << wrong.join(u' ').toStdString() << "\n" << run.Err;
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.tsy")));
}

TEST(TransferCommands, SendWithTheNoBusCardLogsEveryCommandAndSaysNothingElse)
{
    TTempFolder folder;
    TKitTool kit(folder);
    auto sent = NewKit("PNA");
    Define(*sent, 2, {.StdType = TStdType::Thru, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    const std::string kitFile = folder.File("kit.tsy");
    WriteKitFile(*sent, kitFile);

    TRun run = kit({"send", Q(kitFile), "--card", "none"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, ""); // no progress bar: standard error is no terminal

    run = kit({"send", Q(kitFile), "--card", "none", "--log", "--option", "2"});
    EXPECT_EQ(run.Status, 0);
    const std::string s = "sens:corr:coll:ckit:stan:";
    EXPECT_EQ(run.Out, "*CLS\nsens:corr:coll:ckit:sel 8\nsens:corr:coll:ckit:stan 2\n" + s + "type thru\n" + s +
                           "delay 0ps\n" + s + "loss 0\n" + s + "imp 50\n" + s + "fmin 0ghz\n" + s + "fmax 999ghz\n" +
                           s + "char coax\n" + s + "label 'T'\nsens:corr:coll:ckit:name 'New Kit'\n" +
                           "sens:corr:imp:inp:magn 50\n");
}

TEST(TransferCommands, FailedReadWritesNoFileAndClosesTheCard)
{
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_SIM_MODEL", "PNA");
    kit.Set("TESSALY_SIM_FAIL_READ", "3");
    kit.Set("TESSALY_SIM_CALL_LOG", Q(folder.File("calls.log")));
    const std::string out = folder.File("out.tsy");
    const TRun run = kit({"read", Q(out), "--model", "PNA", "--card", "ni", "--log"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("Error in NIGpibCard.Read:"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
    // The log shows what passed the bus before the failure.
    EXPECT_EQ(run.Out.rfind("*CLS\nsens:corr:coll:ckit:stan 1\nsens:corr:coll:ckit:stan:type?\n", 0), 0u) << run.Out;
    // The card was closed: the analyzer went back to local and the board offline.
    const std::string calls = Contents(folder.File("calls.log"));
    EXPECT_NE(calls.find("EnableLocal(0, {16, NOADDR})\nibonl(0, 0)\n"), std::string::npos) << calls;
    EXPECT_EQ(calls.substr(calls.size() - 12), "ibonl(0, 0)\n");
    // A file of that name keeps what it held.
    std::ofstream(out) << "old";
    EXPECT_EQ(kit({"read", Q(out), "--model", "PNA", "--card", "sicl"}).Status, 1);
    EXPECT_EQ(Contents(out), "old");
}

TEST(TransferCommands, AnalyzerErrorFailsTheSend)
{
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_SIM_MODEL", "8720D/E");
    kit.Set("TESSALY_SIM_ERROR", "112,\"CAL KIT NOT SAVED\"");
    const std::string kitFile = folder.File("kit.tsy");
    WriteKitFile(*NewKit("8720D/E"), kitFile);
    const TRun run = kit({"send", Q(kitFile), "--card", "sicl"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "VNA reports an error: 112,\"CAL KIT NOT SAVED\"\n");
}

#if !defined(_WIN32)
TEST(TransferCommands, CtrlCAbortsAtTheNextStep)
{
    TTempFolder folder;
    TKitTool kit(folder);
    auto sent = NewKit("8510C");
    Fill(*sent);
    for (int n = 1; n <= 21; ++n)
        if (sent->Standard(n).StdType() == TStdType::None)
            sent->Standard(n).SetStdType(TStdType::Thru);
    const std::string kitFile = folder.File("kit.tsy");
    WriteKitFile(*sent, kitFile);
    const std::string out = folder.File("out.tsy");

    for (const QStringList& arguments : {QStringList{"send", Q(kitFile), "--card", "none", "--log"},
                                         QStringList{"read", Q(out), "--model", "8510C", "--card", "none", "--log"}}) {
        SCOPED_TRACE(arguments.first().toStdString());
        QProcess process;
        kit.Start(process, arguments);
        // Both transfers take seconds with the no-bus card's pauses.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        const TRun run = TKitTool::Finish(process);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "Operation aborted at user's request.\n");
        // Ended early: the log holds part of the transfer.
        EXPECT_GT(run.Out.size(), 0u);
        EXPECT_EQ(run.Out.find("ENTO;"), std::string::npos) << run.Out;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
#endif

namespace {

// send in one process, read in the next; the kit read is compared with the kit sent.
void SendThenRead(const std::string& model, const QString& card, const QStringList& option)
{
    SCOPED_TRACE(model);
    TTempFolder folder;
    TKitTool kit(folder);
    kit.Set("TESSALY_SIM_MODEL", Q(model));
    auto sent = NewKit(model);
    Fill(*sent);
    const std::string kitFile = folder.File("sent.tsy");
    WriteKitFile(*sent, kitFile);

    TRun run = kit(QStringList{"send", Q(kitFile), "--card", card} + option);
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string out = folder.File("read.tsy");
    run = kit(QStringList{"read", Q(out), "--model", Q(model), "--card", card} + option);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, sent->Vna().UploadNote + "\n");

    // What went over is the kit as the file holds it (its labels fit fields of 10 characters).
    auto inFile = NewKit("PNA");
    ReadKitFile(*inFile, kitFile);
    auto read = NewKit("PNA");
    ReadKitFile(*read, out);
    ASSERT_EQ(&read->Vna(), &sent->Vna());
    ExpectReadBack(*inFile, *read);
}

} // namespace

TEST(TransferCommands, SendThenReadIn8753Family)
{
    SendThenRead("8753D/E", "sicl", {});
}

TEST(TransferCommands, SendThenReadIn8510)
{
    SendThenRead("8510C", "ni", {"--option", "1"});
}

TEST(TransferCommands, SendThenReadInPna)
{
    SendThenRead("PNA 3port", "ni", {"--option", "2"});
}
