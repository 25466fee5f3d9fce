#include "ui/help/HelpWindow.h"

#include "ui/components/RegistrySettings.h"
#include "ui/help/HelpTopics.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int TopicRole = Qt::UserRole;

QToolButton* NewButton(const QString& name, const QString& text, const QString& description, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

THelpWindow::THelpWindow(const THelpTopics& topics, QWidget* parent)
    : QWidget(parent, Qt::Window), FTopics(topics),
      FPlacement(std::make_unique<TRegistrySettings>(this, ProgramSettingsScope()))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);  // an open help window does not keep the program running
    setWindowTitle(QStringLiteral("Tessaly Help"));
    setAccessibleName(QStringLiteral("Tessaly Help"));
    resize(820, 560);

    FContents = NewButton(QStringLiteral("btnContents"), QStringLiteral("&Contents"),
                          QStringLiteral("Show the contents page of the help"), this);
    FBack = NewButton(QStringLiteral("btnBack"), QStringLiteral("&Back"),
                      QStringLiteral("Show the topic read before this one"), this);
    FForward = NewButton(QStringLiteral("btnForward"), QStringLiteral("&Forward"),
                         QStringLiteral("Show the topic read after this one"), this);
    FBack->setEnabled(false);
    FForward->setEnabled(false);

    FFilter = new QLineEdit(this);
    FFilter->setObjectName(QStringLiteral("ediTopicFilter"));
    FFilter->setPlaceholderText(QStringLiteral("Find a topic"));
    FFilter->setClearButtonEnabled(true);
    FFilter->setAccessibleName(QStringLiteral("Find a topic"));
    FFilter->setAccessibleDescription(QStringLiteral("Shows only the topics whose titles contain this text"));

    FList = new QListWidget(this);
    FList->setObjectName(QStringLiteral("lstTopics"));
    FList->setAccessibleName(QStringLiteral("Help topics"));
    FList->setAccessibleDescription(QStringLiteral("Every topic of the help, by title"));
    for (const QString& topic : FTopics.Topics()) {
        auto* item = new QListWidgetItem(FTopics.Title(topic), FList);
        item->setData(TopicRole, topic);
    }
    FList->sortItems();

    FBrowser = new QTextBrowser(this);
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    FBrowser->setAccessibleName(QStringLiteral("Help topic"));
    FBrowser->setAccessibleDescription(QStringLiteral("The text of the help topic"));
    FBrowser->setOpenExternalLinks(true);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(FFilter);
    leftLayout->addWidget(FList);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(FBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 580});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FContents);
    buttons->addWidget(FBack);
    buttons->addWidget(FForward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(FContents, &QToolButton::clicked, this,
            [this] { ShowTopic(QString::fromLatin1(THelpTopics::ContentsTopic)); });
    connect(FBack, &QToolButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(FForward, &QToolButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, FBack, &QToolButton::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, FForward, &QToolButton::setEnabled);
    connect(FBrowser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& source) { SelectInList(QFileInfo(source.path()).fileName()); });
    connect(FFilter, &QLineEdit::textChanged, this, &THelpWindow::FilterTopics);
    connect(FList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(TopicRole).toString()); });
    connect(FList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(TopicRole).toString()); });

    // Closed from the keyboard as other reading windows are; Ctrl+F4 too where that is the
    // platform's Close key.
    QList<QKeySequence> closeKeys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!closeKeys.contains(key))
            closeKeys.append(key);
    for (const QKeySequence& key : closeKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    // Only the window's own place and size are kept; nothing else of the program's settings.
    FPlacement->SetAutoClear(false);
}

THelpWindow::~THelpWindow()
{
    if (isVisible())
        FPlacement->SaveSettings();
}

void THelpWindow::RestorePlacement(QWidget* mainWindow)
{
    // On a small screen the first opening leaves a margin around the window.
    if (const QScreen* shown = mainWindow != nullptr ? mainWindow->screen() : screen())
        resize(size().boundedTo(shown->availableSize() * 0.9));
    FPlacement->SetCentreOn(mainWindow);
    FPlacement->LoadSettings();
}

void THelpWindow::hideEvent(QHideEvent* event)
{
    // Closed, or hidden with the program's end: where the user left it is where it opens next.
    if (!event->spontaneous())
        FPlacement->SaveSettings();
    QWidget::hideEvent(event);
}

void THelpWindow::ShowTopic(const QString& topic)
{
    if (FTopics.Contains(topic) && CurrentTopic() != topic)
        FBrowser->setSource(FTopics.Url(topic));
    show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void THelpWindow::SetFilter(const QString& text)
{
    FFilter->setText(text);
}

QString THelpWindow::CurrentTopic() const
{
    const QUrl source = FBrowser->source();
    return source.isEmpty() ? QString() : QFileInfo(source.path()).fileName();
}

void THelpWindow::FilterTopics(const QString& text)
{
    for (int i = 0; i < FList->count(); ++i) {
        QListWidgetItem* item = FList->item(i);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
    }
}

void THelpWindow::SelectInList(const QString& topic)
{
    const QSignalBlocker blocker(FList);
    for (int i = 0; i < FList->count(); ++i)
        if (FList->item(i)->data(TopicRole).toString() == topic) {
            FList->setCurrentRow(i);
            FList->scrollToItem(FList->item(i));
        }
}
