// The "&GPIB" menu of the main window against the substitute GPIB libraries and the simulated
// analyzer behind them: the command states, the check, a send and a read with their messages
// and status lines, Cancel clicked while a send runs, a bus error during a read, the 8510's
// options, the hidden Debug menu with the traffic log, the stored card settings, and the About
// window at the first show.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "MainWindowRun.h"
#include "SimulatedMachine.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "support/UiTestSupport.h"
#include "ui/components/CoreText.h"
#include "ui/components/RegistrySettings.h"
#include "ui/components/SettingsScope.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"
#include "ui/compare/KitComparisonDialog.h"
#include "ui/compare/KitDifferenceModel.h"
#include "ui/main/AboutCommand.h"
#include "ui/main/CompareCommands.h"
#include "ui/main/DebugMenu.h"
#include "ui/main/GpibCommands.h"
#include "ui/main/KitWindows.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainStatusBar.h"

namespace {

// The Send lines of the substitute NI library's call log.
std::vector<std::string> SentCommands(const SimCallLog& calls)
{
    std::vector<std::string> sent;
    for (const std::string& line : calls.Lines())
        if (line.rfind("Send(", 0) == 0)
            sent.push_back(line);
    return sent;
}

class GpibCommandsTest : public TMainWindowRun {
protected:
    void SetUp() override
    {
        TMainWindowRun::SetUp();
        for (const auto& vna : Vnas())
            FOptions.push_back(vna->SelectedOption);
    }
    void TearDown() override
    {
        Stop();
        for (std::size_t i = 0; i < FOptions.size(); ++i)
            Vnas()[i]->SelectedOption = FOptions[i];
    }

    // The program started on a machine with these libraries, the analyzer simulating model.
    TMainForm& Start(const std::string& ni, const std::string& sicl, const char* model = "8753D/E")
    {
        Stop();
        FModel = std::make_unique<ScopedEnvironment>("TESSALY_SIM_MODEL", model);
        FMachine = std::make_unique<SimulatedMachine>(ni, sicl);
        return TMainWindowRun::Start();
    }
    void Stop()
    {
        TMainWindowRun::Stop();
        FMachine.reset();
        FModel.reset();
    }
    void SelectModel(const char* name)
    {
        Form->VnaSelect(Model(name).ModelIndex);
        Form->UpdateActions();
    }
    TMainActions& Actions() const { return Form->Actions(); }
    TUserMsgForm& Dialog() const { return Form->UserMsgForm(); }

    // Triggers action; the message dialog that ends the command is read and closed with OK.
    TShownMessage RunToMessage(QAction* action)
    {
        const auto shown = WhenMessage();
        action->trigger();
        return *shown;
    }

    // Clicks Cancel of the progress dialog once the running transfer has made its first step;
    // the click arrives through the card's pause. seen runs just before the click.
    void CancelAfterFirstStep(std::function<void()> seen = {})
    {
        auto* poll = new QTimer(Form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, seen] {
            if (!Dialog().isVisible() || Dialog().Position() <= 1)
                return;
            poll->stop();
            poll->deleteLater();
            if (seen)
                seen();
            QTest::mouseClick(Dialog().findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        poll->start(2);
    }

private:
    std::unique_ptr<ScopedEnvironment> FModel;
    std::unique_ptr<SimulatedMachine> FMachine;
    std::vector<int> FOptions;
};

// The kit the tests send and read: defined standards with values an 8753 holds exactly.
void FillKit(TCalKit& kit)
{
    kit.Standard(1).SetStdType(TStdType::Short);
    kit.Standard(1).SetOffsetDelay(31.785);
    kit.Standard(2).SetStdType(TStdType::Open);
    kit.Standard(2).SetC0(49.433);
    kit.Standard(2).SetC1(-310.13);
    kit.Standard(2).SetOffsetDelay(29.243);
    kit.Standard(3).SetStdType(TStdType::Load);
    kit.Standard(4).SetStdType(TStdType::Thru);
    kit.Standard(4).SetMaxFreq(18);
}

}  // namespace

TEST_F(GpibCommandsTest, TheNoBusCardDisablesTheTransfersUntilNoGpibIsChecked)
{
    TMainForm& form = Start(NoLibrary, NoLibrary, "PNA");
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNone].get());
    form.UpdateActions();
    EXPECT_TRUE(Actions().GpibSetting->isEnabled());
    EXPECT_FALSE(Actions().GpibCheck->isEnabled());
    EXPECT_FALSE(Actions().GpibSendKit->isEnabled());
    EXPECT_FALSE(Actions().GpibReadKit->isEnabled());

    form.DebugMenu().mnuDebugNoGpib->trigger();
    EXPECT_TRUE(NoGpib);
    form.UpdateActions();
    EXPECT_TRUE(Actions().GpibCheck->isEnabled());
    EXPECT_TRUE(Actions().GpibSendKit->isEnabled());
    EXPECT_TRUE(Actions().GpibReadKit->isEnabled());

    const TShownMessage check = RunToMessage(Actions().GpibCheck);
    EXPECT_EQ(check.Heading, "GPIB Check Passed");
    EXPECT_EQ(check.Body, "0");

    // A PNA send through the no-bus card runs every step to the success message.
    SelectModel("PNA");
    const TShownMessage sent = RunToMessage(Actions().GpibSendKit);
    EXPECT_EQ(sent.Heading, "Success!  Cal kit sent to VNA.");
    EXPECT_EQ(sent.Status, "Cal kit download to VNA complete.");
    EXPECT_GT(Dialog().Position(), 9000) << "every step advanced the bar";

    // Send needs a kit window; Read does not.
    Actions().FileCloseAll->trigger();
    QTest::qWait(10);
    form.UpdateActions();
    EXPECT_FALSE(Actions().GpibSendKit->isEnabled());
    EXPECT_TRUE(Actions().GpibReadKit->isEnabled());

    form.DebugMenu().mnuDebugNoGpib->trigger();
    EXPECT_FALSE(NoGpib);
    form.UpdateActions();
    EXPECT_FALSE(Actions().GpibCheck->isEnabled());
}

TEST_F(GpibCommandsTest, SendPutsTheActiveKitIntoTheAnalyzerAndReadBringsItBackIntoANewWindow)
{
    const TemporaryFile state(".state");
    const ScopedEnvironment keep("TESSALY_SIM_STATE", state.Path().string());
    TMainForm& form = Start(NiLibrary, NoLibrary);
    SelectModel("8753D/E");
    FillKit(Active().Kit());
    Active().RefreshPages();
    TCalKitEditForm* const sentFrom = &Active();

    const TShownMessage sent = RunToMessage(Actions().GpibSendKit);
    ASSERT_TRUE(sent.Came);
    EXPECT_EQ(sent.Heading, "Success!  Cal kit sent to VNA.");

    // The new window's kit starts empty: what it shows after the read the analyzer held.
    const int windows = form.KitWindows().Count();
    const TShownMessage read = RunToMessage(Actions().GpibReadKit);
    ASSERT_TRUE(read.Came);
    EXPECT_EQ(read.Heading, "Success!  Cal kit read from VNA.");
    EXPECT_EQ(read.Body, FromCore(Model("8753D/E").UploadNote));
    EXPECT_EQ(read.Status, "Cal kit upload from VNA complete.");
    ASSERT_EQ(form.KitWindows().Count(), windows + 1);
    TCalKitEditForm& copy = Active();
    ASSERT_NE(&copy, sentFrom);
    EXPECT_EQ(copy.windowTitle(), "NewCalKit2*") << "modified at once";
    EXPECT_FALSE(copy.UndoHistory().CanUndo()) << "no undo step brings back the empty kit";
    EXPECT_EQ(copy.Kit().Standard(2).StdType(), TStdType::Open);
    EXPECT_DOUBLE_EQ(copy.Kit().Standard(2).C1(), -310.13);
    EXPECT_DOUBLE_EQ(copy.Kit().Standard(4).MaxFreq(), 18);
    EXPECT_EQ(copy.StandardsPage().Grid().CellText(8, 1), "31.785") << "the page shows what was read";
}

TEST_F(GpibCommandsTest, CancelClickedWhileASendRunsEndsItAtTheNextStepAndClosesTheCard)
{
    TMainForm& form = Start(NiLibrary, NoLibrary);
    SelectModel("8753D/E");
    FillKit(Active().Kit());
    const SimCallLog calls;
    ASSERT_EQ(RunToMessage(Actions().GpibSendKit).Heading, "Success!  Cal kit sent to VNA.");
    const std::size_t wholeSend = SentCommands(calls).size();
    calls.Clear();

    // While the send runs, the pause of the card lets the click in: the main window is
    // disabled, the progress dialog is live, and a second close of the program is refused.
    struct {
        bool formEnabled = true, dialogEnabled = false, closed = true;
        QString heading;
        int position = 0;
    } during;
    CancelAfterFirstStep([&] {
        during.formEnabled = form.isEnabled();
        during.dialogEnabled = Dialog().isEnabled() && Dialog().isVisible();
        during.heading = Dialog().findChild<QLabel*>(QStringLiteral("Label1"))->text();
        during.position = Dialog().Position();
        during.closed = form.close();
    });
    const TShownMessage canceled = RunToMessage(Actions().GpibSendKit);

    EXPECT_FALSE(during.formEnabled);
    EXPECT_TRUE(during.dialogEnabled);
    EXPECT_EQ(during.heading, "Sending calibration kit to VNA...");
    EXPECT_GT(during.position, 1);
    EXPECT_FALSE(during.closed) << "the program does not end under a running transfer";
    EXPECT_EQ(canceled.Heading, "GPIB Operation Canceled");
    EXPECT_EQ(canceled.Body, "Operation aborted at user's request.");
    EXPECT_EQ(canceled.Status, "Cal Kit download aborted.");
    const std::size_t partial = SentCommands(calls).size();
    EXPECT_GT(partial, 0u);
    EXPECT_LT(partial, wholeSend);
    ASSERT_FALSE(calls.Lines().empty());
    EXPECT_EQ(calls.Lines().back(), "ibonl(0, 0)") << "the card was closed";
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(GpibCommandsTest, ABusErrorDuringAReadLeavesNoNewWindow)
{
    TMainForm& form = Start(NiLibrary, NoLibrary);
    SelectModel("8753D/E");
    TCalKitEditForm* const before = &Active();
    const int windows = form.KitWindows().Count();
    const SimCallLog calls;
    const ScopedEnvironment failing("TESSALY_SIM_FAIL_READ", "3");

    const TShownMessage failed = RunToMessage(Actions().GpibReadKit);
    ASSERT_TRUE(failed.Came);
    EXPECT_EQ(failed.Heading, "GPIB Error!!!");
    EXPECT_TRUE(failed.Body.startsWith("Error in NIGpibCard.Read:\nibsta = ")) << failed.Body.toStdString();
    EXPECT_EQ(failed.Status, "Error uploading cal kit from VNA!");
    EXPECT_EQ(Dialog().HelpKeyword(), "GpibProblems");
    QTest::qWait(10);
    EXPECT_EQ(form.KitWindows().Count(), windows);
    EXPECT_EQ(&Active(), before);
    EXPECT_EQ(calls.Lines().back(), "ibonl(0, 0)");

    // Cancel during a read takes its window away as well.
    const ScopedEnvironment working("TESSALY_SIM_FAIL_READ", "");
    CancelAfterFirstStep();
    const TShownMessage canceled = RunToMessage(Actions().GpibReadKit);
    EXPECT_EQ(canceled.Heading, "GPIB Operation Canceled");
    EXPECT_EQ(canceled.Status, "Cal Kit upload aborted.");
    QTest::qWait(10);
    EXPECT_EQ(form.KitWindows().Count(), windows);
}

TEST_F(GpibCommandsTest, The8510OptionsChooseTheKitSlotThatTheSendWrites)
{
    TMainForm& form = Start(NiLibrary, NoLibrary, "8510C");
    const QList<QAction*> options{Actions().GpibOption1, Actions().GpibOption2, Actions().GpibOption3,
                                  Actions().GpibOption4};
    SelectModel("8753D/E");
    for (QAction* option : options)
        EXPECT_FALSE(option->isVisible());

    SelectModel("8510C");
    EXPECT_EQ(Actions().GpibOption1->text(), "Cal Kit &1");
    EXPECT_EQ(Actions().GpibOption2->text(), "Cal Kit &2");
    EXPECT_TRUE(Actions().GpibOption1->isVisible() && Actions().GpibOption2->isVisible());
    EXPECT_FALSE(Actions().GpibOption3->isVisible() || Actions().GpibOption4->isVisible());
    EXPECT_TRUE(Actions().GpibOption2->isChecked()) << "the 8510 starts on its second slot";

    const SimCallLog calls;
    const auto firstCommand = [&] {
        calls.Clear();
        EXPECT_EQ(RunToMessage(Actions().GpibSendKit).Heading, "Success!  Cal kit sent to VNA.");
        const std::vector<std::string> sent = SentCommands(calls);
        return sent.empty() ? std::string() : sent.front();
    };
    EXPECT_EQ(firstCommand(), R"(Send(0, 16, "MODI2;", 6, 1))");

    Actions().GpibOption1->trigger();
    EXPECT_TRUE(Actions().GpibOption1->isChecked());
    EXPECT_EQ(Model("8510C").SelectedOption, 1);
    EXPECT_EQ(firstCommand(), R"(Send(0, 16, "MODI1;", 6, 1))");
}

TEST_F(GpibCommandsTest, TheAboutWindowsKeyChordRevealsTheDebugMenuWhoseLogShowsACheck)
{
    TMainForm& form = Start(NoLibrary, NoLibrary, "PNA");
    SelectModel("PNA");
    QAction* debug = form.Menus().mnuDebug->menuAction();
    ASSERT_FALSE(debug->isVisible());

    bool stayed = false;
    const auto came = WhenModal([&](QWidget& about) {
        QTest::keyClick(&about, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QTest::qWait(200);
        stayed = about.isVisible();
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    Actions().HelpAbout->trigger();
    ASSERT_TRUE(*came);
    EXPECT_TRUE(stayed) << "the About command's window waits for OK";
    EXPECT_TRUE(debug->isVisible() && debug->isEnabled());

    form.DebugMenu().mnuDebugNoGpib->trigger();
    form.DebugMenu().mnuDebugLogGpib->trigger();
    TFormGpibDebug* log = TFormGpibDebug::Instance();
    ASSERT_NE(log, nullptr);
    form.UpdateActions();
    const TShownMessage check = RunToMessage(Actions().GpibCheck);
    EXPECT_EQ(check.Body, "0");
    EXPECT_EQ(log->Text(), "*IDN?\n0");

    // Closing the log window takes the check mark away and stops the logging.
    log->close();
    EXPECT_FALSE(form.DebugMenu().mnuDebugLogGpib->isChecked());
    EXPECT_FALSE(LogGpib);
}

TEST_F(GpibCommandsTest, TheCardSettingsAreRestoredAtTheFirstShowAndStoredAtClose)
{
    {
        const auto settings = ProgramSettingsScope().Open();
        settings->setValue("GPIB/GpibCard", "1");
        settings->setValue("GPIB/BoardNumber", "12");
        settings->setValue("GPIB/VnaAddress", "5");
    }
    Start(NiLibrary, SiclLibrary);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 12);
    EXPECT_EQ(CurrentGpibCard->Address(), 5);

    // GPIB Settings: SICL board 12 to NI shows board 3, which OK applies.
    int shownBoard = -1;
    WhenModal([&](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("rbNI")), Qt::LeftButton);
        shownBoard = dialog.findChild<QSpinBox*>(QStringLiteral("spnBoard"))->value();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    Actions().GpibSetting->trigger();
    EXPECT_EQ(shownBoard, 3);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNI].get());
    const auto stored = [] {
        const auto settings = ProgramSettingsScope().Open();
        return QStringList{settings->value("GPIB/GpibCard").toString(), settings->value("GPIB/BoardNumber").toString(),
                           settings->value("GPIB/VnaAddress").toString()};
    };
    ASSERT_TRUE(Form->close());
    EXPECT_EQ(stored(), (QStringList{"0", "3", "5"}));

    // Closing with "No GPIB" checked leaves the stored values as they were.
    Start(NiLibrary, SiclLibrary).DebugMenu().mnuDebugNoGpib->trigger();
    ASSERT_TRUE(Form->close());
    EXPECT_EQ(stored(), (QStringList{"0", "3", "5"}));
}

TEST_F(GpibCommandsTest, TheSplashShowsAtTheFirstShowAndClosesItself)
{
    {
        const ScopedEnvironment junk(TAboutCommand::SplashTimeVariable, "soon");
        EXPECT_EQ(TAboutCommand::SplashMilliseconds(), 2500);
    }
    const ScopedEnvironment shortSplash(TAboutCommand::SplashTimeVariable, "300");
    bool splash = false;
    bool doneWhileShown = true;
    WhenModal([&](QWidget& window) {
        splash = qobject_cast<TAboutForm*>(&window) != nullptr;
        doneWhileShown = Form->FirstShowDone();
    });
    QElapsedTimer clock;
    clock.start();
    Start(NiLibrary, NoLibrary);
    EXPECT_TRUE(splash);
    EXPECT_FALSE(doneWhileShown) << "the splash is the last step of the first show";
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_EQ(Form->KitWindows().Count(), 1) << "the new kit opened before the splash";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed by itself";
}

TEST_F(GpibCommandsTest, VerifyAfterSendingReadsTheKitBackAndReportsWhatTheAnalyzerHoldsOtherwise)
{
    const TemporaryFile state(".state");
    const ScopedEnvironment keep("TESSALY_SIM_STATE", state.Path().string());
    TMainForm& form = Start(NiLibrary, NoLibrary);
    SelectModel("8753D/E");
    FillKit(Active().Kit());

    // The check box of the GPIB Settings dialog; OK keeps it in the settings.
    WhenModal([](QWidget& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("chkVerify"))->setChecked(true);
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    Actions().GpibSetting->trigger();
    ASSERT_TRUE(form.GpibCommands().VerifyAfterSending());
    EXPECT_EQ(form.Settings().ReadValue(QStringLiteral("GPIB"), QStringLiteral("VerifyAfterSending")), "1");

    const TShownMessage verified = RunToMessage(Actions().GpibSendKit);
    EXPECT_EQ(verified.Heading, "Success!  Cal kit sent to VNA.");
    EXPECT_EQ(verified.Body, "Kit verified: the analyzer holds what was sent.");
    EXPECT_EQ(verified.Status, "Cal kit sent to VNA and verified.");

    // The analyzer keeps standard 2's offset delay at 30 ps: that one value is reported.
    const ScopedEnvironment alter("TESSALY_SIM_ALTER", "2:delay=3e-11");
    QStringList rows;
    QString status;
    const auto readRows = [&](QWidget& window) {
        auto* shown = qobject_cast<TKitComparisonDialog*>(&window);
        ASSERT_NE(shown, nullptr);
        rows = shown->Model().AsText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        status = form.MainStatusBar().PanelText(0);
        shown->accept();
    };
    WhenModal(readRows);
    Actions().GpibSendKit->trigger();
    EXPECT_EQ(rows, QStringList({"Where\tField\tThis kit\tOther", "standard 2\toffset delay\t29.243 ps\t30 ps"}));
    EXPECT_EQ(status, "The VNA holds other values than were sent!");

    // File > Compare with... finds the same in the analyzer's kit.
    rows.clear();
    WhenModal([&](QWidget& source) {
        WhenModal(readRows);
        source.findChild<QPushButton*>(QStringLiteral("btnAnalyzer"))->click();
    });
    Actions().FileCompare->trigger();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1], "standard 2\toffset delay\t29.243 ps\t30 ps");
    EXPECT_EQ(status, "Cal kit upload from VNA complete.");
}

TEST(GpibProgress, TheStepDividesTheBarByTheTransfersStepsRoundingHalvesToEven)
{
    EXPECT_EQ(TGpibCommands::ProgressStep(2), 5000) << "4999.5 goes to the even 5000";
    EXPECT_EQ(TGpibCommands::ProgressStep(6), 1666) << "1666.5 goes to the even 1666";
    EXPECT_EQ(TGpibCommands::ProgressStep(0), 9999) << "no division by zero";
}
