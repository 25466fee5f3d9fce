#include "ui/dialogs/UserMsg.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <cmath>

#include "kit/Utility.h"
#include "ui/components/CoreText.h"
#include "ui/components/HelpHook.h"
#include "ui/components/MakerAddress.h"
#include "ui/components/SpokenText.h"

namespace {

// The dialog's texts, one entry each.
struct TUserMsgTexts {
    static QString SendingHeading() { return TUserMsgForm::tr("Sending calibration kit to VNA..."); }
    static QString SendingBody() { return TUserMsgForm::tr("Click Cancel to abort"); }
    static QString ReadingHeading() { return TUserMsgForm::tr("Reading calibration kit from VNA..."); }
    static QString ReadingBody() { return TUserMsgForm::tr("Click Cancel to abort", "reading"); }
    static QString SentHeading() { return TUserMsgForm::tr("Success!  Cal kit sent to VNA."); }
    static QString SentBody()
    {
        return TUserMsgForm::tr(
            "You can now manually save the cal kit from your VNA's front panel, if you so desire.");
    }
    static QString ReadHeading() { return TUserMsgForm::tr("Success!  Cal kit read from VNA."); }
    static QString CheckPassedHeading() { return TUserMsgForm::tr("GPIB Check Passed"); }
    static QString CanceledHeading() { return TUserMsgForm::tr("GPIB Operation Canceled"); }
    static QString GpibErrorHeading() { return TUserMsgForm::tr("GPIB Error!!!"); }
    static QString FileErrorHeading() { return TUserMsgForm::tr("File Operation has Failed!"); }
    static QString HomePageHeading() { return TUserMsgForm::tr("Brightmoor Home Page"); }
    static QString HomePageBody()
    {
        return TUserMsgForm::tr("Visit %1\nor write to %2").arg(MakerHomePage(), MakerMailAddress());
    }
};

// Where the form's parts sit at the design resolution.
constexpr int ProgressTop = 150;
constexpr int ProgressHeight = 20;
constexpr int ButtonTop = 190;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 30;
constexpr int HeadingPointSize = 10;
constexpr int BodyPointSize = 8;

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

TUserMsgForm::TUserMsgForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      Label1(new QLabel(this)),
      BitBtn1(new QPushButton(this)),
      BitBtn3(new QPushButton(this)),
      ProgressBar1(new QProgressBar(this)),
      Label2(new QLabel(this)),
      BitBtn2(new QPushButton(this)),
      Bevel1(new QFrame(this))
{
    setObjectName(QStringLiteral("UserMsgForm"));
    setWindowTitle(QStringLiteral("Tessaly"));
    setWindowIcon(QApplication::windowIcon());
    setAccessibleName(tr("Tessaly message"));
    setAccessibleDescription(tr("Progress of an instrument transfer, or the outcome of an operation"));
    setFixedSize(ClientWidth, ClientHeight);

    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Bevel1->lower();

    for (QLabel* label : {Label1, Label2}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    Label1->setObjectName(QStringLiteral("Label1"));
    // The labels' accessible names are the texts they show (SetTexts).
    Label1->setAccessibleDescription(tr("Message heading"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAccessibleDescription(tr("Message text"));

    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("Transfer progress"));
    ProgressBar1->setRange(0, ProgressMaximum);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(0, ProgressTop, ClientWidth, ProgressHeight);

    const QList<QPushButton*> buttons{BitBtn1, BitBtn2, BitBtn3};
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton* button = buttons[i];
        button->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
        button->setGeometry(0, ButtonTop, ButtonWidth, ButtonHeight);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] { ButtonClick(*button); });
        SetButton(*button, TButtonKind::bkOK);
        button->hide();
    }
    ArrangeButtons(1);
}

void TUserMsgForm::SetTexts(const QString& heading, const QString& body)
{
    SetSpokenText(*Label1, heading);
    SetSpokenText(*Label2, body);
}

void TUserMsgForm::SetButton(QPushButton& button, TButtonKind kind)
{
    button.setProperty("kind", static_cast<int>(kind));
    switch (kind) {
    case TButtonKind::bkOK:
        button.setText(tr("OK"));
        button.setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        button.setAccessibleDescription(tr("Closes the message"));
        break;
    case TButtonKind::bkCancel:
        button.setText(tr("Cancel"));
        button.setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
        button.setAccessibleDescription(tr("Stops the transfer at its next step"));
        break;
    case TButtonKind::bkHelp:
        button.setText(tr("&Help"));
        button.setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
        button.setAccessibleDescription(tr("Explains the message"));
        break;
    }
    button.setAccessibleName(QString(button.text()).remove(QLatin1Char('&')));
    button.setDefault(kind == TButtonKind::bkOK);
}

TUserMsgForm::TButtonKind TUserMsgForm::ButtonKind(const QPushButton& button) const
{
    return static_cast<TButtonKind>(button.property("kind").toInt());
}

void TUserMsgForm::ArrangeButtons(int count)
{
    const int cw = ClientWidth;
    const int ch = ClientHeight;

    const int labelWidth = RoundHalfEven(0.95 * cw);
    const int labelLeft = (cw - labelWidth) / 2;
    const int headingHeight = RoundHalfEven(0.2 * ch);
    Label1->setGeometry(labelLeft, 0, labelWidth, headingHeight);
    QFont headingFont = Label1->font();
    headingFont.setPointSize(HeadingPointSize);
    headingFont.setBold(true);
    Label1->setFont(headingFont);
    QPalette headingPalette = Label1->palette();
    headingPalette.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    Label1->setPalette(headingPalette);

    const int bodyHeight = ProgressBar1->y() - headingHeight - RoundHalfEven(0.04 * ch);
    Label2->setGeometry(labelLeft, headingHeight, labelWidth, bodyHeight);
    QFont bodyFont = Label2->font();
    bodyFont.setPointSize(BodyPointSize);
    bodyFont.setBold(false);
    Label2->setFont(bodyFont);

    const int barWidth = RoundHalfEven(0.9 * cw);
    ProgressBar1->setGeometry((cw - barWidth) / 2, ProgressBar1->y(), barWidth, ProgressBar1->height());
    ProgressBar1->setValue(1);

    BitBtn3->hide();
    if (count == 1) {
        BitBtn1->move((cw - BitBtn1->width()) / 2, BitBtn1->y());
        BitBtn1->show();
        BitBtn2->hide();
    } else {
        const int gap = (cw - BitBtn1->width() - BitBtn2->width()) / 3;
        BitBtn1->move(gap, BitBtn1->y());
        BitBtn2->move(2 * gap + BitBtn1->width(), BitBtn2->y());
        BitBtn1->show();
        BitBtn2->show();
    }
}

void TUserMsgForm::ShowRedHeading()
{
    QPalette headingPalette = Label1->palette();
    headingPalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(headingPalette);
}

void TUserMsgForm::ShowProgress(const QString& heading, const QString& body)
{
    ArrangeButtons(1);
    SetTexts(heading, body);
    ProgressBar1->show();
    SetButton(*BitBtn1, TButtonKind::bkCancel);
    show();
    raise();
    activateWindow();
}

void TUserMsgForm::ShowResult(int buttons, const QString& heading, const QString& body)
{
    if (buttons > 0)
        ArrangeButtons(buttons);
    SetTexts(heading, body);
    ProgressBar1->hide();
    SetButton(*BitBtn1, TButtonKind::bkOK);
    if (buttons == 2)
        SetButton(*BitBtn2, TButtonKind::bkHelp);
}

void TUserMsgForm::ShowModally()
{
    if (isVisible())
        hide();
    exec();
}

void TUserMsgForm::BeginSend()
{
    ShowProgress(TUserMsgTexts::SendingHeading(), TUserMsgTexts::SendingBody());
}

void TUserMsgForm::BeginRead()
{
    ShowProgress(TUserMsgTexts::ReadingHeading(), TUserMsgTexts::ReadingBody());
}

void TUserMsgForm::EndSend()
{
    ShowResult(0, TUserMsgTexts::SentHeading(), TUserMsgTexts::SentBody());
    ShowModally();
}

void TUserMsgForm::EndSendWithNote(const QString& note)
{
    ShowResult(0, TUserMsgTexts::SentHeading(), note);
    ShowModally();
}

void TUserMsgForm::EndRead(const QString& note)
{
    ShowResult(0, TUserMsgTexts::ReadHeading(), note);
    ShowModally();
}

void TUserMsgForm::ShowCheckPassed(const QString& reply)
{
    ShowResult(1, TUserMsgTexts::CheckPassedHeading(), reply);
    ShowModally();
}

void TUserMsgForm::ShowCanceled(const QString& text)
{
    ShowResult(1, TUserMsgTexts::CanceledHeading(), text);
    ShowModally();
}

void TUserMsgForm::ShowGpibError(const QString& text)
{
    ShowResult(2, TUserMsgTexts::GpibErrorHeading(), text);
    ShowRedHeading();
    FHelpKeyword = QStringLiteral("GpibProblems");
    ShowModally();
}

QString TUserMsgForm::FileErrorHelpKeyword(const std::exception& error)
{
    if (dynamic_cast<const ECorruptCalKit*>(&error))
        return QStringLiteral("ErrorCalKitCorrupt");
    if (dynamic_cast<const EFileReadOnly*>(&error))
        return QStringLiteral("ErrorReadOnly");
    return QStringLiteral("ErrorReasonUnknown");
}

void TUserMsgForm::ShowFileError(const std::exception& error)
{
    // File messages name the file in the file system's own encoding.
    ShowResult(2, TUserMsgTexts::FileErrorHeading(), FromCorePath(error.what()));
    ShowRedHeading();
    FHelpKeyword = FileErrorHelpKeyword(error);
    ShowModally();
}

void TUserMsgForm::ShowHomePage()
{
    ShowResult(1, TUserMsgTexts::HomePageHeading(), TUserMsgTexts::HomePageBody());
    ShowModally();
}

void TUserMsgForm::SetStep(int step)
{
    FStep = step;
}

void TUserMsgForm::StepProgress()
{
    const int position = ProgressBar1->value();
    if (position + FStep >= ProgressMaximum)
        ProgressBar1->setValue(ProgressMaximum);
    else
        ProgressBar1->setValue(position + FStep);
}

int TUserMsgForm::Position() const
{
    return ProgressBar1->value();
}

void TUserMsgForm::ButtonClick(QPushButton& button)
{
    switch (ButtonKind(button)) {
    case TButtonKind::bkOK:
        done(QDialog::Accepted);
        break;
    case TButtonKind::bkCancel:
        FAborted = true;
        break;
    case TButtonKind::bkHelp:
        ShowHelpKeyword(FHelpKeyword);
        break;
    }
}

void TUserMsgForm::reject()
{
    // Escape acts as the first button: it stops a transfer, or closes a message.
    ButtonClick(*BitBtn1);
}

void TUserMsgForm::showEvent(QShowEvent* event)
{
    FAborted = false;
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    QDialog::showEvent(event);
}
