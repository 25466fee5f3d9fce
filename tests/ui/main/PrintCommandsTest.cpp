// Page Setup, Print and Print to Clipboard through the main window's commands: when they are
// enabled, the margins from the locale and from the dialog, one page in a PDF file inside the
// margins, and the active kit's report on the clipboard.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <functional>

#include "MainWindowRun.h"
#include "ui/main/MainActions.h"
#include "ui/main/PrintCommands.h"

namespace {

// Answers the page setup and print dialogs in place of the user and keeps what they offered.
class TScriptedPrintDialogs : public TPrintDialogs {
public:
    std::function<bool(QPrinter&)> AnswerPageSetup;
    std::function<bool(QPrinter&)> AnswerPrint;
    QPageLayout OfferedLayout;
    int PageSetups = 0;
    int Prints = 0;

    bool PageSetup(QPrinter& printer) override
    {
        ++PageSetups;
        OfferedLayout = printer.pageLayout();
        return AnswerPageSetup && AnswerPageSetup(printer);
    }
    bool Print(QPrinter& printer) override
    {
        ++Prints;
        return AnswerPrint && AnswerPrint(printer);
    }
};

// The dialog chose these margins in unit and was accepted.
std::function<bool(QPrinter&)> ChooseMargins(QMarginsF margins, QPageLayout::Unit unit)
{
    return [margins, unit](QPrinter& printer) {
        printer.setPageMargins(margins, unit);
        return true;
    };
}

// The user chose to print into a PDF file on Letter paper.
std::function<bool(QPrinter&)> PrintToPdf(const QString& fileName)
{
    return [fileName](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    };
}

int PageCount(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

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

TEST_F(PrintCommandsTest, EnabledOnlyWithAnActiveKitWindow)
{
    TMainForm& form = StartWithDialogs();
    TMainActions& actions = form.Actions();
    const QList<QAction*> commands{actions.FilePageSetup, actions.FilePrint, actions.FilePrintToClipboard};
    for (QAction* command : commands)
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();

    actions.FileCloseAll->trigger();
    QTest::qWait(10);
    ASSERT_EQ(form.KitWindows().Count(), 0);
    form.UpdateActions();
    for (QAction* command : commands)
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();

    // Without a kit the commands do nothing, even when run directly.
    QGuiApplication::clipboard()->setText("kept");
    form.PrintCommands().FilePrintExecute();
    form.PrintCommands().FilePrintToClipboardExecute();
    EXPECT_EQ(Dialogs->Prints, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");

    actions.FileNew->trigger();
    form.UpdateActions();
    for (QAction* command : commands)
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
}

TEST_F(PrintCommandsTest, MarginsStartByTheLocaleAndFollowThePageSetupDialog)
{
    // A metric locale: the dialog starts in millimetres; the margins are held in thousandths
    // of an inch.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMainForm& form = StartWithDialogs();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 799, 500, 701}));
    form.Actions().FilePageSetup->trigger();
    ASSERT_EQ(Dialogs->PageSetups, 1);
    EXPECT_EQ(Dialogs->OfferedLayout.units(), QPageLayout::Millimeter);
    const QMarginsF offered = Dialogs->OfferedLayout.margins();
    EXPECT_NEAR(offered.left(), 25.40, 1e-9);
    EXPECT_NEAR(offered.top(), 20.30, 1e-9);
    EXPECT_NEAR(offered.right(), 12.70, 1e-9);
    EXPECT_NEAR(offered.bottom(), 17.80, 1e-9);

    // Accepted in millimetres: hundredths of a millimetre times 0.3937, halves to even.
    Dialogs->AnswerPageSetup = ChooseMargins(QMarginsF(25.40, 10.00, 50.80, 12.70), QPageLayout::Millimeter);
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 394, 2000, 500}));

    // A cancelled dialog changes nothing; a unit chosen in the dialog takes precedence.
    Dialogs->AnswerPageSetup = [](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        return false;
    };
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{1000, 394, 2000, 500}));
    Dialogs->AnswerPageSetup = ChooseMargins(QMarginsF(0.25, 0.5, 0.75, 1.125), QPageLayout::Inch);
    form.Actions().FilePageSetup->trigger();
    EXPECT_EQ(form.PrintCommands().PrintMargins(), (TPrintMargins{250, 500, 750, 1125}));

    // Elsewhere the dialog starts in inches.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TMainForm& american = StartWithDialogs();
    EXPECT_EQ(american.PrintCommands().PrintMargins(), (TPrintMargins{1000, 800, 500, 700}));
    american.Actions().FilePageSetup->trigger();
    EXPECT_EQ(Dialogs->OfferedLayout.units(), QPageLayout::Inch);
    EXPECT_EQ(Dialogs->OfferedLayout.margins(), QMarginsF(1.0, 0.8, 0.5, 0.7));
}

TEST_F(PrintCommandsTest, PrintGivesOnePageInsideThePageSetupMargins)
{
    TMainForm& form = StartWithDialogs();
    ASSERT_TRUE(form.OpenKitFile(WriteKit("sample.tsy")));
    // 2 inches left, 1 inch top, half an inch right and bottom of Letter leave 6 x 9.5
    // inches: the report is squeezed across and keeps its height.
    Dialogs->AnswerPageSetup = ChooseMargins(QMarginsF(2, 1, 0.5, 0.5), QPageLayout::Inch);
    form.Actions().FilePageSetup->trigger();

    // A cancelled print dialog prints nothing.
    const QString pdf = Scratch.filePath("report.pdf");
    form.Actions().FilePrint->trigger();
    EXPECT_EQ(Dialogs->Prints, 1);
    EXPECT_FALSE(QFile::exists(pdf));

    Dialogs->AnswerPrint = PrintToPdf(pdf);
    form.Actions().FilePrint->trigger();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PageCount(bytes), 1);

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed; the page is not checked as pixels";
    const QString pngBase = Scratch.filePath("report");
    // At 200 dots per inch even the squeezed column lines are dark pixels.
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "200", "-png", "-singlefile", pdf, pngBase}), 0);
    const QImage page(pngBase + ".png");
    ASSERT_EQ(page.size(), QSize(1700, 2200));
    const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 160; };
    // The standards frame: its top 77/96 inch below the top margin, its sides at the margins.
    const int frameRow = static_cast<int>(std::lround((1.0 + 90.0 / 96) * 200));
    int first = -1;
    int last = -1;
    for (int x = 0; x < page.width(); ++x)
        if (dark(x, frameRow)) {
            if (first < 0)
                first = x;
            last = x;
        }
    EXPECT_NEAR(first, 400, 2);
    EXPECT_NEAR(last, 1599, 2);
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        if (dark(first, y))
            top = y;
    EXPECT_NEAR(top, (1.0 + 77.0 / 96) * 200, 2);
}

TEST_F(PrintCommandsTest, APrintThatCannotStartIsReported)
{
    TMainForm& form = StartWithDialogs();
    Dialogs->AnswerPrint = PrintToPdf(Scratch.filePath("no/such/folder/report.pdf"));
    QString text;
    auto shown = WhenModal([&](QWidget& dialog) {
        text = static_cast<QMessageBox&>(dialog).text();
        ClickButton(dialog, QMessageBox::Ok);
    });
    form.Actions().FilePrint->trigger();
    ASSERT_TRUE(*shown);
    EXPECT_EQ(text, "The printer could not start the print job.");
}

TEST_F(PrintCommandsTest, PrintToClipboardPutsTheActiveKitsReport)
{
    TMainForm& form = StartWithDialogs();
    ASSERT_TRUE(form.OpenKitFile(WriteKit("first.tsy", "8753D/E", "FIRSTKIT")));
    ASSERT_TRUE(form.OpenKitFile(WriteKit("second.tsy", "8753D/E", "SECONDKIT")));
    TCalKit& kit = Active().Kit();
    kit.SetCalType(ctSolt);  // the TRL classes are hidden on the class page, not in the report
    kit.Standard(3).SetLabel("TYPEDLOAD");
    QGuiApplication::clipboard()->setText("replaced");

    form.Actions().FilePrintToClipboard->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasText());
    EXPECT_TRUE(data->hasFormat("image/png"));
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_EQ(png.size(), QSize(672, 912));  // 7 x 9.5 inches at the screen's 96 dots per inch

    const QString svg = QString::fromUtf8(data->data("image/svg+xml"));
    for (const char* text : {"SECONDKIT", "TYPEDLOAD", "TRL Reflect", "TRL REFL", "TRL Set Ref = Reflect",
                             "TRL Cal Z0 = System Z0", "VNA = Agilent 8753D/E"})
        EXPECT_TRUE(svg.contains(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(svg.contains("FIRSTKIT"));
}
