// The help window found by context and keyword, the pop-ups and the help hook; the home page
// is tried through the main window's Help menu.
#include "ui/components/HelpHook.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/HelpWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWhatsThis>
#include <gtest/gtest.h>

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
