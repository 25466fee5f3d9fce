// The Help menu through the main window: F1, topics by keyword but not by context number,
// the home page, and What's This on a real kit window.
#include <QAction>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QWhatsThis>

#include "MainWindowRun.h"
#include "ui/components/HelpHook.h"
#include "ui/components/MakerAddress.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/WhatsThis.h"
#include "ui/main/HelpCommands.h"
#include "ui/main/MainActions.h"

namespace {

QString ShownTopic(const THelpSystem& help)
{
    return help.Window() != nullptr && help.Window()->isVisible() ? help.Window()->CurrentTopic() : QString();
}

class TBrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

using HelpCommandsTest = TMainWindowRun;

}  // namespace

TEST_F(HelpCommandsTest, F1ShowsTheContentsAndKeywordsTheirTopicsButContextRequestsNothing)
{
    TMainForm& form = Start();
    THelpSystem& help = form.HelpCommands().Help();
    Active().StandardsPage().Grid().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(ShownTopic(help), "contents.html");
    form.Actions().HelpTutorial->trigger();
    EXPECT_EQ(ShownTopic(help), "tutorial.html");
    form.Actions().HelpOnHelp->trigger();
    EXPECT_EQ(ShownTopic(help), "how-to-use-help.html");

    help.Window()->hide();
    ShowHelpContext(3038);
    EXPECT_EQ(ShownTopic(help), "");
    ShowHelpKeyword("ErrorReadOnly");  // the message dialog's Help button
    EXPECT_EQ(ShownTopic(help), "error-read-only.html");
}

TEST_F(HelpCommandsTest, TheHomePageOpensInTheBrowserOrItsAddressIsShown)
{
    TMainForm& form = Start();
    TBrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "Open");
    form.Actions().HelpHomePage->trigger();
    EXPECT_EQ(browser.Opened, QList<QUrl>{QUrl(MakerHomePage())});

    QDesktopServices::setUrlHandler("https", &browser, "NoSuchSlot");  // the browser cannot start
    const auto shown = WhenMessage();
    form.Actions().HelpHomePage->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_TRUE(shown->Came);
    EXPECT_TRUE(shown->Body.contains(MakerHomePage())) << shown->Body.toStdString();
}

TEST_F(HelpCommandsTest, WhatsThisOnTheOffsetDelayHeadingOfAKitWindowGives4035)
{
    TMainForm& form = Start();
    THelpCommands& commands = form.HelpCommands();
    QSignalSpy chosen(&commands.WhatsThisMode(), &TWhatsThisMode::ContextChosen);
    TDataGrid& grid = Active().StandardsPage().Grid();
    ASSERT_EQ(grid.ColumnHeading(8), "Offset\nDelay");
    grid.scrollTo(grid.model()->index(0, 7));
    QHeaderView* header = grid.horizontalHeader();
    const QPoint heading(header->sectionViewportPosition(7) + header->sectionSize(7) / 2, header->height() / 2);

    QTest::keyClick(&grid, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(commands.WhatsThisMode().IsActive());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, heading);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 4035);
    // A pop-up shows the topic; the help window stays closed.
    int popups = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        popups += w->isVisible() && QLatin1String(w->metaObject()->className()) == QLatin1String("QWhatsThat");
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(ShownTopic(commands.Help()), "");
    QWhatsThis::hideText();
}

#include "HelpCommandsTest.moc"
