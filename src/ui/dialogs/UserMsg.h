// The program's message and progress dialog, one for the whole run: the progress of an
// instrument transfer with its Cancel button, and every outcome the program reports in a
// dialog (transfer results, GPIB errors, file errors, the home page address).
#pragma once

#include <QDialog>
#include <QString>
#include <exception>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

class TUserMsgForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 372;
    static constexpr int ClientHeight = 240;
    static constexpr int ProgressMaximum = 10000;

    // What a button does when clicked: OK hides the dialog, Cancel asks the running transfer
    // to stop, Help opens the topic of the shown message.
    enum class TButtonKind { bkOK, bkCancel, bkHelp };

    explicit TUserMsgForm(QWidget* parent = nullptr);

    // The progress of a transfer, shown without blocking and brought to the front.
    void BeginSend();
    void BeginRead();
    // The outcomes; each is shown modally and returns when the user closes it.
    void EndSend();
    // The send's success with note in place of the usual text (a verification's outcome).
    void EndSendWithNote(const QString& note);
    void EndRead(const QString& note);
    void ShowCheckPassed(const QString& reply);
    void ShowCanceled(const QString& text);
    void ShowGpibError(const QString& text);
    // A failed file operation: the exception's message, and a Help button leading to the
    // topic of its kind of trouble.
    void ShowFileError(const std::exception& error);
    void ShowHomePage();

    // Progress steps: the bar advances by SetStep's amount per StepProgress and never passes
    // its maximum.
    void SetStep(int step);
    int Step() const { return FStep; }
    void StepProgress();
    int Position() const;

    // Cancel was clicked since the dialog was last shown.
    bool Aborted() const { return FAborted; }
    const QString& HelpKeyword() const { return FHelpKeyword; }
    TButtonKind ButtonKind(const QPushButton& button) const;

    // Places the labels, the progress bar and one or two buttons on the client area.
    void ArrangeButtons(int count);

    // The help topics of the file errors.
    static QString FileErrorHelpKeyword(const std::exception& error);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetTexts(const QString& heading, const QString& body);
    void SetButton(QPushButton& button, TButtonKind kind);
    void ShowRedHeading();
    void ShowProgress(const QString& heading, const QString& body);
    void ShowResult(int buttons, const QString& heading, const QString& body);
    void ButtonClick(QPushButton& button);
    void ShowModally();

    // In declaration order of the form.
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QProgressBar* ProgressBar1;
    QLabel* Label2;
    QPushButton* BitBtn2;
    QFrame* Bevel1;
    bool FAborted = false;
    QString FHelpKeyword;
    int FStep = 1;
};
