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
#include "kit/CalKit.h"
#include "kit/Utility.h"
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
    form.exec();
    UpdateActions();
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
    try {
        editor->SendKitToVna(*CurrentGpibCard, [this] { TransferProgress(); });
        FForm.UpdateStatusText(DownloadCompleteText());
        dialog.hide();
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
}

void TGpibCommands::GpibReadKitExecute()
{
    if (FTransferRunning || !BusUsable() || !FForm.CurrentVna().CanUpload)
        return;
    TRunningFlag running(FTransferRunning);
    TMainWindowLock lock(FForm);
    TUserMsgForm& dialog = FForm.UserMsgForm();
    QPointer<TCalKitEditForm> editor;
    // Nothing partial remains: the new window goes whatever ended the read.
    const auto discardNewWindow = [this, &editor] {
        if (editor)
            FForm.KitWindows().Discard(*editor);
    };
    try {
        editor = FForm.CreateKitWindow(QString());
        FForm.UpdateStatusText(UploadingText());
        dialog.BeginRead();
        dialog.SetStep(ProgressStep(editor->Kit().UploadSteps()));
        editor->ReadKitFromVna(*CurrentGpibCard, [this] { TransferProgress(); });
        FForm.UpdateStatusText(UploadCompleteText());
        dialog.hide();
        dialog.EndRead(FromCore(editor->Kit().Vna().UploadNote));
    } catch (const EGpibException& error) {
        discardNewWindow();
        FForm.UpdateStatusText(UploadErrorText());
        dialog.hide();
        dialog.ShowGpibError(Message(error));
    } catch (const EUserAbort& error) {
        discardNewWindow();
        FForm.UpdateStatusText(UploadAbortedText());
        dialog.hide();
        dialog.ShowCanceled(Message(error));
    } catch (...) {
        discardNewWindow();
        dialog.hide();
        throw;
    }
}
