// The Help menu through the main window: F1 and the topics by keyword, the rule that context
// requests are not shown in the help window, the home page, and What's This on a real kit
// window and on a toolbar button.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolBar>
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
#include "ui/main/MainMenus.h"
#include "ui/main/PrintCommands.h"

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

class TBrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

class HelpCommandsTest : public TMainWindowRun {
protected:
    void TearDown() override
    {
        QWhatsThis::hideText();
        TMainWindowRun::TearDown();
    }
};

}  // namespace

TEST_F(HelpCommandsTest, F1ShowsTheContentsAndKeywordsTheirTopicsButContextRequestsNothing)
{
    TMainForm& form = Start();
    THelpSystem& help = form.HelpCommands().Help();
    TMainActions& actions = form.Actions();
    for (QAction* command : {actions.HelpContents, actions.HelpWhatsThis, actions.HelpOnHelp, actions.HelpTutorial,
                             actions.HelpHomePage})
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();

    Active().StandardsPage().Grid().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(ShownTopic(help), "contents.html");

    actions.HelpTutorial->trigger();
    EXPECT_EQ(ShownTopic(help), "tutorial.html");
    actions.HelpOnHelp->trigger();
    EXPECT_EQ(ShownTopic(help), "how-to-use-help.html");

    // A request by context number is taken as handled and shows nothing; one by keyword (the
    // message dialog's Help button) shows its topic.
    help.Window()->hide();
    ShowHelpContext(3038);
    EXPECT_EQ(ShownTopic(help), "");
    ShowHelpKeyword("ErrorReadOnly");
    EXPECT_EQ(ShownTopic(help), "error-read-only.html");
}

TEST_F(HelpCommandsTest, TheHomePageOpensInTheBrowserOrItsAddressIsShown)
{
    TMainForm& form = Start();
    TBrowserStandIn browser;
    QDesktopServices::setUrlHandler("https", &browser, "Open");
    form.Actions().HelpHomePage->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(browser.Opened.size(), 1);
    EXPECT_EQ(browser.Opened.first(), QUrl(MakerHomePage()));

    // A browser that cannot be started: the message dialog shows the address instead.
    QDesktopServices::setUrlHandler("https", &browser, "NoSuchSlot");
    QString body;
    auto shown = WhenModal([&](QWidget& dialog) {
        body = dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    form.Actions().HelpHomePage->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_TRUE(*shown);
    EXPECT_TRUE(body.contains(MakerHomePage())) << body.toStdString();
}

TEST_F(HelpCommandsTest, WhatsThisOnTheOffsetDelayHeadingOfAKitWindowGives4035)
{
    TMainForm& form = Start();
    THelpCommands& commands = form.HelpCommands();
    QSignalSpy chosen(&commands.WhatsThisMode(), &TWhatsThisMode::ContextChosen);

    TDataGrid& grid = Active().StandardsPage().Grid();
    grid.scrollTo(grid.model()->index(0, 7));
    QHeaderView* header = grid.horizontalHeader();
    const int x = header->sectionViewportPosition(7) + header->sectionSize(7) / 2;
    ASSERT_GT(x, 0);
    ASSERT_LT(x, header->viewport()->width());
    ASSERT_EQ(grid.ColumnHeading(8), "Offset\nDelay");

    QTest::keyClick(&grid, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(commands.WhatsThisMode().IsActive());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 4035);
    EXPECT_FALSE(commands.WhatsThisMode().IsActive());

    // The pop-up shows the topic; the help window stays closed.
    QWidget* popup = VisiblePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ShownTopic(commands.Help()), "");
}

TEST_F(HelpCommandsTest, WhatsThisOnAToolbarButtonExplainsItsCommandWithoutRunningIt)
{
    TMainForm& form = Start();
    THelpCommands& commands = form.HelpCommands();
    QSignalSpy chosen(&commands.WhatsThisMode(), &TWhatsThisMode::ContextChosen);
    int prints = 0;
    QObject::connect(form.Actions().FilePrint, &QAction::triggered, [&] { ++prints; });

    form.Actions().HelpWhatsThis->trigger();
    QWidget* printButton = form.Menus().ToolBar->widgetForAction(form.Actions().FilePrint);
    ASSERT_NE(printButton, nullptr);
    QTest::mouseClick(printButton, Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3038);
    EXPECT_EQ(prints, 0);

    // Esc leaves the mode without a choice.
    form.Actions().HelpWhatsThis->trigger();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(commands.WhatsThisMode().IsActive());
    EXPECT_EQ(chosen.count(), 1);
}

#include "HelpCommandsTest.moc"
