// The commands of the "&GPIB" menu: the GPIB Settings dialog, the connection check, sending
// the active kit to the analyzer, reading the analyzer's kit into a new kit window, and the
// selected model's transfer options. The commands never talk to the bus themselves: they run
// the model's Identify, DownloadKit and UploadKit on the current card and report every
// outcome in the message dialog and the status bar.
//
// A transfer runs on the user-interface thread. The card's pause processes pending events
// (the event hook installed here), and the main window stays disabled from the start of a
// transfer to its end, so only the progress dialog reacts: its Cancel button ends the
// transfer at the next progress step.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "analyzers/Vna.h"

class QAction;
class TCalKit;
class TMainForm;
class TRegistrySettings;

class TGpibCommands : public QObject {
    Q_OBJECT
public:
    // Connects the GPIB actions of form and installs the bus event hook, which stays until
    // this object goes.
    explicit TGpibCommands(TMainForm& form);
    ~TGpibCommands() override;

    void GpibSettingExecute();
    void GpibCheckExecute();
    void GpibSendKitExecute();
    void GpibReadKitExecute();
    // The option action with that tag (1..4) becomes the selected model's transfer option.
    void GpibOptionExecute(int tag);

    // Reads the analyzer's kit into kit, whose model's read runs, with the progress, status
    // texts and failure reports of "Read Kit from VNA" but no closing message; false when it
    // did not run or did not complete (a failure is reported).
    bool ReadAnalyzerKit(TCalKit& kit);

    // "Verify after sending" of the GPIB Settings dialog: a send then reads the kit back and
    // reports whether the analyzer holds what was sent. Kept in the settings beside the card.
    bool VerifyAfterSending() const;

    // Enables the transfer commands and shows the option actions as the selected model and
    // the current card allow.
    void UpdateActions();

    // The progress procedure the models call once per transfer step: advances the bar, then
    // raises EUserAbort when Cancel was clicked.
    void TransferProgress();

    // A check, send or read is running.
    bool TransferRunning() const { return FTransferRunning; }

    // The current card, board and address from the stored values (first show of the main
    // window). A window whose program has not created the GPIB cards has no bus to restore.
    static void RestoreSettings(const TRegistrySettings& settings);

    // A card is current and either it talks to a bus or the user chose "No GPIB".
    static bool BusUsable();

    // The progress bar's step for a transfer of that many steps: 9999 / steps, rounded to
    // the nearest integer, halves to even; the whole range for a transfer without steps.
    static int ProgressStep(int steps);

    // The status-bar texts of the commands.
    static QString DownloadingText();
    static QString DownloadCompleteText();
    static QString DownloadErrorText();
    static QString DownloadAbortedText();
    static QString UploadingText();
    static QString UploadCompleteText();
    static QString UploadErrorText();
    static QString UploadAbortedText();
    static QString CheckErrorText();
    static QString VerifyingText();
    static QString VerifiedText();
    static QString VerifyDifferencesText();
    static QString VerifyErrorText();
    static QString VerifyAbortedText();
    // The body of the send's message when the model cannot read a kit back.
    static QString NotVerifiableText();

private:
    // The status texts of one kind of read.
    struct TReadTexts {
        QString Running, Complete, Error, Aborted;
    };
    QAction* OptionAction(int tag) const;
    // Runs read (given the progress procedure) with the progress dialog set up for steps and
    // reports the outcome in texts and the message dialog; onFailure runs first when it
    // failed. True when it completed.
    bool RunRead(const std::function<void(const TProgressProc&)>& read, int steps, const TReadTexts& texts,
                 const std::function<void()>& onFailure = {});
    // After a completed send: reads the kit back and reports what the analyzer holds.
    void VerifySend(const TCalKit& kit);

    TMainForm& FForm;
    bool FTransferRunning = false;
};
