#include "ui/dialogs/About.h"

#include "ui/dialogs/AboutAnimation.h"
#include "ui/dialogs/AboutTexts.h"
#include "ui/dialogs/AboutVersionInfo.h"
#include "ui/dialogs/ControlNaming.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTextEdit>

namespace {

const QString BackgroundImage = QStringLiteral(":/about/AboutBackground.svg");
const QString ProductNameImage = QStringLiteral(":/about/ProductName.svg");

// The picture of an SVG resource at the given size, sharp on the widget's screen.
QPixmap RenderSvg(const QString& resource, const QSize& size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QFrame* Bevel(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(left, top, width, 2);
    NameControl(line, name, QStringLiteral("Separator"), QStringLiteral("A dividing line"));
    return line;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent, int autoCloseMilliseconds)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About Tessaly"));
    NameControl(this, QStringLiteral("AboutForm"), QStringLiteral("About Tessaly"),
                ProgramVersionInfo().Comments);
    setFixedSize(500, 370);
    FBackground = new QSvgRenderer(BackgroundImage, this);
    BuildControls();

    SplashTimer.setSingleShot(true);
    SplashTimer.setTimerType(Qt::PreciseTimer);
    connect(&SplashTimer, &QTimer::timeout, this, &QDialog::accept);
    SetAutoCloseInterval(autoCloseMilliseconds);

    // Key preview: the window sees every key press before the control that has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TAboutForm::BuildControls()
{
    const TVersionInfo& version = ProgramVersionInfo();

    Animate1 = new TAboutAnimation(this);
    Animate1->setGeometry(25, 23, 80, 64);
    NameControl(Animate1, QStringLiteral("Animate1"), QStringLiteral("Animation"),
                QStringLiteral("A reflection trace drawn on a Smith chart"));

    CompanyName = new QLabel(version.CompanyName, this);
    QFont bold = CompanyName->font();
    bold.setBold(true);
    CompanyName->setFont(bold);
    CompanyName->setGeometry(188, 20, 229, 16);
    NameControl(CompanyName, QStringLiteral("CompanyName"), version.CompanyName, QStringLiteral("The maker"));

    ProductName = new QLabel(this);
    ProductName->setGeometry(130, 36, 333, 40);
    ProductName->setPixmap(RenderSvg(ProductNameImage, ProductName->size(), devicePixelRatioF()));
    NameControl(ProductName, QStringLiteral("ProductName"), version.ProductName,
                QStringLiteral("The product name"));

    Version = new QLabel(QStringLiteral("Version ") + version.ProductVersion, this);
    Version->setGeometry(188, 76, 229, 16);
    NameControl(Version, QStringLiteral("Version"), Version->text(), QStringLiteral("The product version"));

    Copyright = new QLabel(version.LegalCopyright, this);
    Copyright->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Copyright->setGeometry(10, 98, 479, 16);
    NameControl(Copyright, QStringLiteral("Copyright"), version.LegalCopyright,
                QStringLiteral("The copyright notice"));

    Bevel(this, QStringLiteral("Bevel2"), 21, 123, 457);

    License = new QTextEdit(this);
    License->setReadOnly(true);
    License->setPlainText(AboutLicenseText());
    License->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    License->setFocusPolicy(Qt::ClickFocus);
    License->setGeometry(21, 138, 457, 125);
    NameControl(License, QStringLiteral("License"), QStringLiteral("Licence and warranty"),
                QStringLiteral("The terms under which the program may be used, and its warranty"));

    Bevel(this, QStringLiteral("Bevel1"), 21, 270, 457);

    LegalWarning = new QLabel(AboutLegalWarningText(), this);
    QFont small = LegalWarning->font();
    small.setPixelSize(12);
    LegalWarning->setFont(small);
    LegalWarning->setWordWrap(true);
    LegalWarning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LegalWarning->setGeometry(20, 275, 349, 86);
    NameControl(LegalWarning, QStringLiteral("LegalWarning"), LegalWarning->text(),
                QStringLiteral("The copyright warning"));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setFont(bold);
    btnOK->setDefault(true);
    btnOK->setGeometry(383, 302, 92, 30);
    NameControl(btnOK, QStringLiteral("btnOK"), QStringLiteral("OK"), QStringLiteral("Close this window"));
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::SetAutoCloseInterval(int milliseconds) { FAutoCloseInterval = milliseconds > 0 ? milliseconds : -1; }

void TAboutForm::showEvent(QShowEvent* event)
{
    if (const QScreen* shown = screen())
        move(shown->geometry().center() - rect().center());
    License->verticalScrollBar()->setValue(0);
    btnOK->setFocus();
    if (FAutoCloseInterval > 0)
        SplashTimer.start(FAutoCloseInterval);
    QDialog::showEvent(event);
}

void TAboutForm::hideEvent(QHideEvent* event)
{
    SplashTimer.stop();
    QDialog::hideEvent(event);
}

void TAboutForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    FBackground->render(&painter, QRectF(rect()));
}

bool TAboutForm::IsDebugChord(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    return key->key() == DebugRevealKey && (key->modifiers() & ~Qt::KeypadModifier) == chord;
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (IsDebugChord(event)) {
        // Claimed before any shortcut can take it, then swallowed as a key press.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            FDebugRevealed = true;
            emit DebugMenuRevealed();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
