#include "ui/dialogs/GpibDebugUnit.h"

#include "bus/GpibCardUnit.h"
#include "ui/dialogs/ControlNaming.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The one log window while it exists.
TFormGpibDebug* FormGpibDebug = nullptr;

constexpr int LogWindowWidth = 320;
constexpr int GapBelowTop = 10;
constexpr int OverlapPastRight = 10;

} // namespace

TFormGpibDebug* TFormGpibDebug::Instance() { return FormGpibDebug; }

TFormGpibDebug::TFormGpibDebug(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("GPIB Commands"));
    NameControl(this, QStringLiteral("FormGpibDebug"), QStringLiteral("GPIB Commands"),
                QStringLiteral("Every command sent to the analyzer and every reply, one a line, in bus order"));

    Panel1 = new QFrame(this);
    NameControl(Panel1, QStringLiteral("Panel1"), QStringLiteral("Log commands"),
                QStringLiteral("Buttons that clear the log and copy it to the clipboard"));
    Button1 = new QPushButton(QStringLiteral("&Clear"), Panel1);
    NameControl(Button1, QStringLiteral("Button1"), QStringLiteral("Clear"), QStringLiteral("Empty the log"));
    Button2 = new QPushButton(QStringLiteral("Copy"), Panel1);
    NameControl(Button2, QStringLiteral("Button2"), QStringLiteral("Copy"),
                QStringLiteral("Copy the whole log to the clipboard"));
    connect(Button1, &QPushButton::clicked, this, &TFormGpibDebug::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormGpibDebug::Button2Click);
    auto* strip = new QHBoxLayout(Panel1);
    strip->setContentsMargins(4, 4, 4, 4);
    strip->addWidget(Button1);
    strip->addWidget(Button2);
    strip->addStretch();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    NameControl(Memo1, QStringLiteral("Memo1"), QStringLiteral("GPIB traffic"),
                QStringLiteral("Commands and replies, one a line, oldest first"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Memo1, 1);

    FormGpibDebug = this;
    SetGpibLogSink([this](const std::string& line) {
        AppendLine(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
    });
}

TFormGpibDebug::~TFormGpibDebug()
{
    // Destroyed without being closed, with its owner: the sink must not outlive the window.
    if (FormGpibDebug == this)
        StopLogging();
}

TFormGpibDebug* TFormGpibDebug::Open(QWidget* mainWindow)
{
    if (FormGpibDebug != nullptr)
        return FormGpibDebug;
    auto* window = new TFormGpibDebug(mainWindow);
    window->Memo1->clear();
    window->show();
    // Placed once shown, when the window system has given it its frame.
    window->SetFrameGeometry(
        PlaceBeside(mainWindow != nullptr ? mainWindow->frameGeometry() : QRect(), LogWindowWidth));
    return window;
}

void TFormGpibDebug::SetFrameGeometry(const QRect& frame)
{
    const QSize decoration = frameGeometry().size() - size();
    resize(frame.size() - decoration);
    move(frame.topLeft());
}

QRect TFormGpibDebug::PlaceBeside(const QRect& mainFrame, int logWidth)
{
    return {mainFrame.left() + mainFrame.width() - logWidth + OverlapPastRight, mainFrame.top() + GapBelowTop,
            logWidth, mainFrame.height()};
}

void TFormGpibDebug::AppendLine(const QString& line) { Memo1->appendPlainText(line); }

QString TFormGpibDebug::Text() const { return Memo1->toPlainText(); }

void TFormGpibDebug::Button1Click() { Memo1->clear(); }

void TFormGpibDebug::Button2Click()
{
    Memo1->selectAll();
    Memo1->copy();
}

void TFormGpibDebug::closeEvent(QCloseEvent* event)
{
    // Only the window that is logging has anything to stop; one already closed does not.
    if (FormGpibDebug == this) {
        StopLogging();
        emit LogClosed();
    }
    event->accept();
}

void TFormGpibDebug::StopLogging()
{
    LogGpib = false;
    SetGpibLogSink({});
    FormGpibDebug = nullptr;
}

TFormGpibDebug* SetGpibLogging(bool checked, QWidget* mainWindow)
{
    LogGpib = checked;
    if (checked)
        return TFormGpibDebug::Open(mainWindow);
    if (TFormGpibDebug* window = TFormGpibDebug::Instance())
        window->close();
    return nullptr;
}

void SetNoGpib(bool checked)
{
    CurrentGpibCard = GpibCards[gdNone].get();
    NoGpib = checked;
}
