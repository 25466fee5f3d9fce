// The help window found by context and keyword, the pop-ups and the help hook; the home page
// is tried through the main window's Help menu.
#include "ui/components/HelpHook.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/HelpWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWhatsThis>
#include <gtest/gtest.h>

#include "ui/components/SettingsScope.h"

namespace {

QString ShownTopic(const THelpSystem& help)
{
    return help.Window() != nullptr && help.Window()->isVisible() ? help.Window()->CurrentTopic() : QString();
}

// The What's-This pop-up on screen, if any.
QWidget* VisiblePopup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && QLatin1String(w->metaObject()->className()) == QLatin1String("QWhatsThat"))
            return w;
    return nullptr;
}

}  // namespace

TEST(HelpSystemTest, TopicsByContextAndKeyword)
{
    THelpSystem help;
    EXPECT_EQ(help.Window(), nullptr);
    EXPECT_TRUE(help.ShowContext(4035));
    EXPECT_EQ(ShownTopic(help), "std-offset-delay.html");
    EXPECT_EQ(help.Window()->TopicList().currentItem()->text(), "Offset Delay");

    EXPECT_TRUE(help.ShowKeyword("GpibProblems"));
    EXPECT_TRUE(help.ShowKeyword("tutorial1"));
    EXPECT_EQ(help.Window()->TopicList().currentItem()->text(), "Quick Start Tutorial");

    // Back and forward go through the topics read.
    QTest::mouseClick(help.Window()->findChild<QWidget*>("btnBack"), Qt::LeftButton);
    EXPECT_EQ(ShownTopic(help), "gpib-problems.html");

    // Unknown requests show the contents; an unknown keyword is put into the topic filter.
    EXPECT_FALSE(help.ShowContext(1));
    EXPECT_EQ(ShownTopic(help), "contents.html");
    EXPECT_FALSE(help.ShowKeyword("Offset"));
    EXPECT_EQ(help.Window()->findChild<QLineEdit*>("ediTopicFilter")->text(), "Offset");
    QListWidget& list = help.Window()->TopicList();
    int shown = 0;
    for (int i = 0; i < list.count(); ++i)
        if (!list.item(i)->isHidden()) {
            ++shown;
            EXPECT_TRUE(list.item(i)->text().contains("Offset", Qt::CaseInsensitive));
        }
    EXPECT_EQ(shown, 3);  // Offset Delay, Offset Z0, Offset Loss

    // Following a link of a topic.
    help.ShowContents();
    QTextBrowser& browser = help.Window()->Browser();
    browser.setSource(QUrl("page-standards.html"));
    EXPECT_EQ(ShownTopic(help), "page-standards.html");
}

TEST(HelpSystemTest, PopupsOnlyForKnownContexts)
{
    THelpSystem help;
    EXPECT_TRUE(help.ShowPopup(4035, QPoint(50, 50)));
    QWidget* popup = VisiblePopup();
    ASSERT_NE(popup, nullptr);
    QWhatsThis::hideText();
    QApplication::processEvents();
    EXPECT_FALSE(help.ShowPopup(4000, QPoint(50, 50)));
    EXPECT_EQ(help.Window(), nullptr);  // pop-ups leave the help window alone
}

TEST(HelpSystemTest, InstalledAsTheProgramsHelpHandler)
{
    {
        QWidget mainWindow;
        THelpSystem& help = InstallHelpSystem(mainWindow);
        EXPECT_EQ(&InstallHelpSystem(mainWindow), &help);
        ShowHelpContext(3038);
        EXPECT_EQ(ShownTopic(help), "cmd-print.html");
        EXPECT_FALSE(help.Window()->testAttribute(Qt::WA_QuitOnClose));
    }
    ShowHelpKeyword("ErrorReadOnly");  // the owner is gone: dropped, no crash
    InstallHelpHandler({});
}

TEST(HelpSystemTest, TopicTitlesAreTextWithoutCharacterReferences)
{
    THelpSystem help;
    help.ShowContents();
    const QRegularExpression reference(QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);"));
    const QListWidget& list = help.Window()->TopicList();
    ASSERT_EQ(list.count(), help.Topics().Topics().size());
    for (int i = 0; i < list.count(); ++i)
        EXPECT_FALSE(reference.match(list.item(i)->text()).hasMatch()) << list.item(i)->text().toStdString();
    for (const QString& topic : help.Topics().Topics())
        EXPECT_FALSE(reference.match(help.Topics().Title(topic)).hasMatch()) << topic.toStdString();
    EXPECT_EQ(list.findItems(QStringLiteral("What's This? (Help Menu)"), Qt::MatchExactly).size(), 1);
}

TEST(HelpSystemTest, KeysCloseTheWindowWhichOpensOnTheMainWindowThenWhereItWasLeft)
{
    ProgramSettingsScope().Open()->remove(QStringLiteral("HelpWindow"));
    QWidget mainWindow;
    mainWindow.setGeometry(60, 40, 680, 500);
    mainWindow.show();
    {
        auto* help = new THelpSystem(&mainWindow);
        help->ShowContents();
        THelpWindow& window = *help->Window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Centred on the main window, not in the screen's corner, and no larger than fits.
        EXPECT_LE(window.width(), mainWindow.screen()->availableSize().width());
        const QPoint offset = window.frameGeometry().center() - mainWindow.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 6) << offset.x() << "," << offset.y();

        // Escape closes it, also from the topic filter; so does Ctrl+W.
        QTest::keyClick(window.findChild<QLineEdit*>("ediTopicFilter"), Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        help->ShowContents();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window.TopicList(), Qt::Key_W, Qt::ControlModifier);
        EXPECT_FALSE(window.isVisible());

        // Moved and resized by the user: it comes back there, in this run and the next.
        help->ShowContents();
        window.setGeometry(40, 60, 700, 450);
        window.close();
        help->ShowKeyword("tutorial1");
        EXPECT_EQ(window.geometry(), QRect(40, 60, 700, 450));
        window.setGeometry(50, 70, 710, 460);
        delete help;  // the program ends with the help window open
    }
    const auto stored = ProgramSettingsScope().Open();
    EXPECT_EQ(stored->value("HelpWindow/Left").toInt(), 50);
    EXPECT_EQ(stored->value("HelpWindow/Height").toInt(), 460);
    THelpSystem next(&mainWindow);
    next.ShowContents();
    EXPECT_EQ(next.Window()->geometry(), QRect(50, 70, 710, 460));
    next.Window()->close();

    // A stored place off the screen counts as none: back onto the main window, which near the
    // screen's corner keeps the help window on the screen.
    ProgramSettingsScope().Open()->setValue("HelpWindow/Left", 100000);
    mainWindow.move(0, 0);
    THelpSystem moved(&mainWindow);
    moved.ShowContents();
    EXPECT_GE(moved.Window()->frameGeometry().left(), 0);
    EXPECT_GE(moved.Window()->frameGeometry().top(), 0);
    moved.Window()->close();
}
