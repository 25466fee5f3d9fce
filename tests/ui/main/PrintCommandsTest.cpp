// Page Setup, Print and Print to Clipboard through the main window's commands.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <functional>

#include "MainWindowRun.h"
#include "ui/main/MainActions.h"
#include "ui/main/PrintCommands.h"

namespace {

// Answers the dialogs in place of the user and keeps the page layout page setup offered.
class TScriptedPrintDialogs : public TPrintDialogs {
public:
    std::function<bool(QPrinter&)> Answer;
    QPageLayout Offered;
    bool PageSetup(QPrinter& printer) override
    {
        Offered = printer.pageLayout();
        return Answer && Answer(printer);
    }
    bool Print(QPrinter& printer) override { return Answer && Answer(printer); }
};

class PrintCommandsTest : public TMainWindowRun {
protected:
    void TearDown() override
    {
        TMainWindowRun::TearDown();
        QLocale::setDefault(QLocale::system());
    }
    TMainForm& StartWithDialogs()
    {
        TMainForm& form = Start();
        auto dialogs = std::make_unique<TScriptedPrintDialogs>();
        Dialogs = dialogs.get();
        form.PrintCommands().SetPrintDialogs(std::move(dialogs));
        return form;
    }
    TScriptedPrintDialogs* Dialogs = nullptr;
};

}  // namespace

TEST_F(PrintCommandsTest, MarginsStartByTheLocaleAndFollowThePageSetupDialog)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMainForm& form = StartWithDialogs();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 799, 500, 701}));
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(Dialogs->Offered.units(), QPageLayout::Millimeter);
    EXPECT_NEAR(Dialogs->Offered.margins().top(), 20.30, 1e-9);

    // Hundredths of a millimetre times 0.3937, halves to even; a cancelled dialog keeps them.
    Dialogs->Answer = [](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(25.40, 10.00, 50.80, 12.70), QPageLayout::Millimeter);
        return true;
    };
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 394, 2000, 500}));
    Dialogs->Answer = [](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(0.25, 0.5, 0.75, 1.125), QPageLayout::Inch);
        return false;
    };
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 394, 2000, 500}));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(StartWithDialogs().PrintCommands().PrintMargins(), (TPrintMargins{1000, 800, 500, 700}));
}

TEST_F(PrintCommandsTest, PrintGivesOnePageOfTheActiveKitAndIsDisabledWithoutOne)
{
    TMainForm& form = StartWithDialogs();
    const QString pdf = Scratch.filePath("report.pdf");
    Dialogs->Answer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    form.Actions().FilePrint->trigger();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);

    form.Actions().FileCloseAll->trigger();
    QTest::qWait(10);
    form.UpdateActions();
    for (QAction* command : {form.Actions().FilePageSetup, form.Actions().FilePrint,
                             form.Actions().FilePrintToClipboard})
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    QFile::remove(pdf);
    form.PrintCommands().FilePrintExecute();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommandsTest, PrintToClipboardPutsTheActiveKitsReportAsPngAndSvg)
{
    TMainForm& form = Start();
    ASSERT_TRUE(form.OpenKitFile(WriteKit("first.tsy", "8753D/E", "FIRSTKIT")));
    ASSERT_TRUE(form.OpenKitFile(WriteKit("second.tsy", "8753D/E", "SECONDKIT")));
    Active().Kit().SetCalType(ctSolt);  // hides the TRL classes on the class page only
    Active().Kit().Standard(3).SetLabel("TYPEDLOAD");
    QGuiApplication::clipboard()->setText("replaced");

    form.Actions().FilePrintToClipboard->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasText());
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(672, 912));
    const QString svg = QString::fromUtf8(data->data("image/svg+xml"));
    for (const char* text : {"SECONDKIT", "TYPEDLOAD", "TRL Reflect", "TRL REFL", "TRL Set Ref = Reflect",
                             "TRL Cal Z0 = System Z0"})
        EXPECT_TRUE(svg.contains(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(svg.contains("FIRSTKIT"));
}
