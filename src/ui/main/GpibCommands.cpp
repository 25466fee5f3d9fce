#include "ui/main/GpibCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <chrono>
#include <cmath>
#include <thread>

#include "analyzers/BusTransfer.h"
#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "compare/SendVerification.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "ui/compare/KitComparisonDialog.h"
#include "ui/components/CoreText.h"
#include "ui/components/ErrorDisplay.h"
#include "ui/dialogs/GpibSettings.h"
#include "ui/dialogs/GpibSettingsValues.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/KitWindows.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainWindowLock.h"

namespace {

constexpr int OptionCount = 4;
constexpr double ProgressRange = 9999.0;

// Once per call of the card's pause: the pending events (a click on Cancel among them), then
// a millisecond's rest so that the pause does not spin.
void ProcessEventsDuringPause()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Marks the length of a transfer; a transfer never starts inside another.
class TRunningFlag {
public:
    explicit TRunningFlag(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TRunningFlag() { FFlag = false; }
    TRunningFlag(const TRunningFlag&) = delete;
    TRunningFlag& operator=(const TRunningFlag&) = delete;

private:
    bool& FFlag;
};

QString Message(const std::exception& error)
{
    return FromCore(error.what());
}

}  // namespace

TGpibCommands::TGpibCommands(TMainForm& form) : QObject(&form), FForm(form)
{
    SetGpibEventHook(ProcessEventsDuringPause);

    TMainActions& a = form.Actions();
    const auto on = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] { RunGuarded(&FForm, command); });
    };
    on(a.GpibSetting, [this] { GpibSettingExecute(); });
    on(a.GpibCheck, [this] { GpibCheckExecute(); });
    on(a.GpibSendKit, [this] { GpibSendKitExecute(); });
    on(a.GpibReadKit, [this] { GpibReadKitExecute(); });
    a.GpibSetting->setEnabled(true);
    for (int tag = 1; tag <= OptionCount; ++tag) {
        QAction* option = OptionAction(tag);
        option->setCheckable(true);
        option->setEnabled(true);
        option->setVisible(false);
        on(option, [this, tag] { GpibOptionExecute(tag); });
    }
}

TGpibCommands::~TGpibCommands()
{
    SetGpibEventHook({});
}

QAction* TGpibCommands::OptionAction(int tag) const
{
    TMainActions& a = FForm.Actions();
    QAction* const options[OptionCount] = {a.GpibOption1, a.GpibOption2, a.GpibOption3, a.GpibOption4};
    return options[tag - 1];
}

// ---- Texts -----------------------------------------------------------------------------------

QString TGpibCommands::DownloadingText() { return tr("Downloading cal kit to VNA over GPIB."); }
QString TGpibCommands::DownloadCompleteText() { return tr("Cal kit download to VNA complete."); }
QString TGpibCommands::DownloadErrorText() { return tr("Error downloading cal kit to VNA!"); }
QString TGpibCommands::DownloadAbortedText() { return tr("Cal Kit download aborted."); }
QString TGpibCommands::UploadingText() { return tr("Uploading cal kit from VNA over GPIB."); }
QString TGpibCommands::UploadCompleteText() { return tr("Cal kit upload from VNA complete."); }
QString TGpibCommands::UploadErrorText() { return tr("Error uploading cal kit from VNA!"); }
QString TGpibCommands::UploadAbortedText() { return tr("Cal Kit upload aborted."); }
QString TGpibCommands::CheckErrorText() { return tr("Error occurred during GPIB check!"); }
QString TGpibCommands::VerifyingText() { return tr("Verifying cal kit in VNA over GPIB."); }
QString TGpibCommands::VerifiedText() { return tr("Cal kit sent to VNA and verified."); }
QString TGpibCommands::VerifyDifferencesText() { return tr("The VNA holds other values than were sent!"); }
QString TGpibCommands::VerifyErrorText() { return tr("Error verifying cal kit in VNA!"); }
QString TGpibCommands::VerifyAbortedText() { return tr("Cal kit verification aborted."); }
QString TGpibCommands::NotVerifiableText()
{
    return tr("This VNA model cannot read a kit back, so the send was not verified.");
}

// ---- Rules -----------------------------------------------------------------------------------

bool TGpibCommands::BusUsable()
{
    return CurrentGpibCard != nullptr && (CurrentGpibCard->Driver() != gdNone || NoGpib);
}

int TGpibCommands::ProgressStep(int steps)
{
    if (steps <= 0)
        return static_cast<int>(ProgressRange);
    return static_cast<int>(std::nearbyint(ProgressRange / steps));
}

void TGpibCommands::RestoreSettings(const TRegistrySettings& settings)
{
    for (const auto& card : GpibCards)
        if (!card)
            return;
    RestoreGpibSettings(settings);
}

void TGpibCommands::UpdateActions()
{
    TMainActions& a = FForm.Actions();
    const TVna& vna = FForm.CurrentVna();
    const bool usable = BusUsable();
    a.GpibCheck->setEnabled(usable);
    a.GpibSendKit->setEnabled(usable && FForm.ActiveEditor() != nullptr);
    a.GpibReadKit->setEnabled(usable && vna.CanUpload);

    const int count = static_cast<int>(vna.GpibOptions.size());
    for (int tag = 1; tag <= OptionCount; ++tag) {
        QAction* option = OptionAction(tag);
        const bool visible = count >= tag;
        option->setVisible(visible);
        option->setChecked(vna.SelectedOption == tag);
        if (!visible)
            continue;
        const QString caption = FromCore(TVna::OptionCaption(vna.GpibOptions[static_cast<std::size_t>(tag - 1)]));
        if (option->text() != caption)
            option->setText(caption);
    }
}

void TGpibCommands::TransferProgress()
{
    TUserMsgForm& dialog = FForm.UserMsgForm();
    dialog.StepProgress();
    if (dialog.Aborted())
        throw EUserAbort("Operation aborted at user's request.");
}

// ---- Commands --------------------------------------------------------------------------------

void TGpibCommands::GpibSettingExecute()
{
    TGpibSettingsForm form(&FForm);
    form.SetVerifyAfterSending(VerifyAfterSending());
    if (form.exec() == QDialog::Accepted)
        StoreVerifyAfterSending(FForm.Settings(), form.VerifyAfterSending());
    UpdateActions();
}

bool TGpibCommands::VerifyAfterSending() const
{
    return StoredVerifyAfterSending(FForm.Settings());
}

void TGpibCommands::GpibOptionExecute(int tag)
{
    FForm.CurrentVna().SelectOption(tag);
    UpdateActions();
}

void TGpibCommands::GpibCheckExecute()
{
    if (FTransferRunning || !BusUsable())
        return;
    TRunningFlag running(FTransferRunning);
    TMainWindowLock lock(FForm);
    TUserMsgForm& dialog = FForm.UserMsgForm();
    try {
        const std::string reply = IdentifyAnalyzer(FForm.CurrentVna(), *CurrentGpibCard);
        dialog.ShowCheckPassed(FromCore(reply));
    } catch (const EGpibException& error) {
        FForm.UpdateStatusText(CheckErrorText());
        dialog.ShowGpibError(Message(error));
    }
}

void TGpibCommands::GpibSendKitExecute()
{
    TCalKitEditForm* const editor = FForm.ActiveEditor();
    if (FTransferRunning || !editor || !BusUsable())
        return;
    TRunningFlag running(FTransferRunning);
    TMainWindowLock lock(FForm);
    TUserMsgForm& dialog = FForm.UserMsgForm();
    FForm.UpdateStatusText(DownloadingText());
    dialog.BeginSend();
    dialog.SetStep(ProgressStep(editor->Kit().DownloadSteps()));
    bool verify = false;
    try {
        editor->SendKitToVna(*CurrentGpibCard, [this] { TransferProgress(); });
        FForm.UpdateStatusText(DownloadCompleteText());
        dialog.hide();
        verify = VerifyAfterSending();
        if (!verify)
            dialog.EndSend();
    } catch (const EGpibException& error) {
        FForm.UpdateStatusText(DownloadErrorText());
        dialog.hide();
        dialog.ShowGpibError(Message(error));
    } catch (const EUserAbort& error) {
        FForm.UpdateStatusText(DownloadAbortedText());
        dialog.hide();
        dialog.ShowCanceled(Message(error));
    } catch (...) {
        // Whatever else ended the transfer, its Cancel button has nothing left to stop.
        dialog.hide();
        throw;
    }
    if (verify)
        VerifySend(editor->Kit());
}

void TGpibCommands::VerifySend(const TCalKit& kit)
{
    TUserMsgForm& dialog = FForm.UserMsgForm();
    if (!CanVerifySend(kit.Vna())) {
        dialog.EndSendWithNote(NotVerifiableText());
        return;
    }
    std::vector<TKitDifference> differences;
    const bool read = RunRead(
        [&](const TProgressProc& progress) { differences = VerifySentKit(kit, *CurrentGpibCard, progress); },
        kit.UploadSteps(), {VerifyingText(), VerifiedText(), VerifyErrorText(), VerifyAbortedText()});
    if (!read)
        return;
    if (differences.empty()) {
        dialog.EndSendWithNote(FromCore(KitVerifiedMessage));
        return;
    }
    FForm.UpdateStatusText(VerifyDifferencesText());
    TKitComparisonDialog shown(tr("Verify after sending"), tr("the kit the VNA holds"),
                               TKitComparisonDialog::LeftOutNote(TCompareRules::ReadBack(kit.Vna())),
                               std::move(differences), &FForm);
    shown.exec();
}

bool TGpibCommands::RunRead(const std::function<void(const TProgressProc&)>& read, int steps,
                            const TReadTexts& texts, const std::function<void()>& onFailure)
{
    TUserMsgForm& dialog = FForm.UserMsgForm();
    const auto failed = [&](const QString& statusText) {
        if (onFailure)
            onFailure();
        FForm.UpdateStatusText(statusText);
        dialog.hide();
    };
    try {
        FForm.UpdateStatusText(texts.Running);
        dialog.BeginRead();
        dialog.SetStep(ProgressStep(steps));
        read([this] { TransferProgress(); });
        FForm.UpdateStatusText(texts.Complete);
        dialog.hide();
        return true;
    } catch (const EGpibException& error) {
        failed(texts.Error);
        dialog.ShowGpibError(Message(error));
    } catch (const EUserAbort& error) {
        failed(texts.Aborted);
        dialog.ShowCanceled(Message(error));
    } catch (...) {
        if (onFailure)
            onFailure();
        dialog.hide();
        throw;
    }
    return false;
}

bool TGpibCommands::ReadAnalyzerKit(TCalKit& kit)
{
    if (FTransferRunning || !BusUsable() || !kit.Vna().CanUpload)
        return false;
    TRunningFlag running(FTransferRunning);
    TMainWindowLock lock(FForm);
    return RunRead([&](const TProgressProc& progress) { ReadKitFromAnalyzer(kit, *CurrentGpibCard, progress); },
                   kit.UploadSteps(), {UploadingText(), UploadCompleteText(), UploadErrorText(), UploadAbortedText()});
}

void TGpibCommands::GpibReadKitExecute()
{
    if (FTransferRunning || !BusUsable() || !FForm.CurrentVna().CanUpload)
        return;
    TRunningFlag running(FTransferRunning);
    TMainWindowLock lock(FForm);
    QPointer<TCalKitEditForm> editor = FForm.CreateKitWindow(QString());
    // Nothing partial remains: the new window goes whatever ended the read.
    const auto discardNewWindow = [this, &editor] {
        if (editor)
            FForm.KitWindows().Discard(*editor);
    };
    const bool read = RunRead(
        [&](const TProgressProc& progress) { editor->ReadKitFromVna(*CurrentGpibCard, progress); },
        editor->Kit().UploadSteps(), {UploadingText(), UploadCompleteText(), UploadErrorText(), UploadAbortedText()},
        discardNewWindow);
    if (read)
        FForm.UserMsgForm().EndRead(FromCore(editor->Kit().Vna().UploadNote));
}
