// Page margins, the target rectangle on the printer page, a real print into a PDF file, and
// the report on the clipboard.
#include "ReportTestKits.h"

#include "../../kit/SampleKits.h"
#include "kit/Utility.h"
#include "ui/editor/KitReport.h"
#include "ui/editor/PictureClipboard.h"
#include "ui/editor/PicturePrinting.h"
#include "ui/editor/PrintMargins.h"
#include "ui/editor/ReportLayout.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(PrintMarginsTest, MillimetresBecomeThousandthsOfAnInch)
{
    EXPECT_EQ(ThousandthsOfInch(2540), 1000);
    EXPECT_EQ(ThousandthsOfInch(5000), 1968);  // 1968.5: halves go to the even neighbour
    EXPECT_EQ(HundredthsOfMillimetre(1000), 2540);

    // The defaults of a new main window, and margins going back to the dialog and returning.
    EXPECT_EQ(PageSetupUnit(QLocale::ImperialUSSystem), QPageLayout::Inch);
    EXPECT_EQ(DefaultPageSetupMargins(QPageLayout::Inch), QMarginsF(1.0, 0.8, 0.5, 0.7));
    for (const QPageLayout::Unit unit : {QPageLayout::Millimeter, QPageLayout::Inch, QPageLayout::Point}) {
        const TPrintMargins margins{1000, 800, 500, 700};
        QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, PageSetupMargins(margins, unit),
                           unit);
        EXPECT_EQ(TakeMargins(layout), margins) << unit;
    }
}

TEST(PrintMarginsTest, TargetRectangleFromMarginsPageAndOffsets)
{
    // Letter at 600 x 300 dots per inch with a printable area 100 and 50 pixels in.
    const TPrinterGeometry printer{5100, 3300, 100, 50, 600, 300};
    const QRect target = PrintTargetRect({1000, 800, 500, 700}, printer);
    EXPECT_EQ(target, QRect(QPoint(600 - 100, 240 - 50), QPoint(5100 - 300 - 100 - 1, 3300 - 210 - 50 - 1)));

    // Each product is rounded on its own, halves to the even neighbour: 1.5 -> 2, 2.5 -> 2.
    const TPrinterGeometry coarse{1000, 1000, 0, 0, 100, 100};
    const QRect rounded = PrintTargetRect({15, 25, 25, 15}, coarse);
    EXPECT_EQ(rounded, QRect(QPoint(2, 2), QPoint(997, 997)));

    EXPECT_TRUE(PrintTargetRect({6000, 0, 6000, 0}, coarse).isEmpty());
}

namespace {

QPicture SampleReport(const char* model)
{
    TCalKit kit(Model(model));
    FillSampleKit(kit);
    kit.SetDescription("Type-N 50 ohm calibration kit, serial 1234\r\nsecond line not printed");
    return RenderReport(kit, ReportTextsOf(kit), 96);
}

// The folder where the sample print is kept: TESSALY_REPORT_SAMPLE_DIR (for the user guide)
// or a temporary folder.
QString SampleFolder(const QTemporaryDir& temporary)
{
    const QString wanted = qEnvironmentVariable("TESSALY_REPORT_SAMPLE_DIR");
    return wanted.isEmpty() ? temporary.path() : wanted;
}

}  // namespace

TEST(PrintReportTest, OnePageInsideTheMarginsOfAPdfFile)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString folder = SampleFolder(temporary);
    const QString pdf = QDir(folder).filePath("report-sample.pdf");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    PrintPicture(printer, SampleReport("8753D/E"), QSize(672, 912), TPrintMargins{1000, 800, 500, 700});

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);

    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed; the page is not checked as pixels";
    const QString pngBase = QDir(folder).filePath("report-sample");
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "100", "-png", "-singlefile", pdf, pngBase}), 0);
    const QImage page(pngBase + ".png");
    ASSERT_EQ(page.size(), QSize(850, 1100));

    // Letter minus the margins leaves 7 x 9.5 inches: the report at its own size, 1 inch from
    // the left and 0.8 inch from the top; the standards frame starts 77/96 inch lower.
    const auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 160; };
    const int frameRow = static_cast<int>(std::lround((0.8 + 90.0 / 96) * 100));
    int first = -1;
    int last = -1;
    for (int x = 0; x < page.width(); ++x)
        if (dark(x, frameRow)) {
            if (first < 0)
                first = x;
            last = x;
        }
    EXPECT_NEAR(first, 100, 1);
    EXPECT_NEAR(last, 799, 1);
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        if (dark(first, y))
            top = y;
    EXPECT_NEAR(top, (0.8 + 77.0 / 96) * 100, 1);
    for (int y = 0; y < 75; ++y)  // nothing above the top margin
        for (int x = 0; x < page.width(); ++x)
            ASSERT_FALSE(dark(x, y)) << x << "," << y;
}

TEST(PrintReportTest, AFailedDrawingAbortsTheJob)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.filePath("aborted.pdf"));
    bool drew = false;
    EXPECT_THROW(PrintOnePage(printer,
                              [&](QPainter& painter) {
                                  painter.drawLine(0, 0, 100, 100);
                                  drew = true;
                                  throw std::runtime_error("out of paper");
                              }),
                 std::runtime_error);
    EXPECT_TRUE(drew);
    EXPECT_NE(printer.printerState(), QPrinter::Active);
    EXPECT_FALSE(QFile::exists(temporary.filePath("aborted.pdf")));  // no half-drawn page is left

    // A printer that cannot start the job, and margins that leave no room.
    QPrinter nowhere(QPrinter::HighResolution);
    nowhere.setOutputFormat(QPrinter::PdfFormat);
    nowhere.setOutputFileName(temporary.filePath("no/such/folder/report.pdf"));
    try {
        PrintPicture(nowhere, SampleReport("PNA"), QSize(672, 912), TPrintMargins{1000, 800, 500, 700});
        ADD_FAILURE() << "printing into a missing folder succeeded";
    } catch (const ETessalyError& e) {
        EXPECT_EQ(e.Message(), "The printer could not start the print job.");
    }
    QPrinter narrow(QPrinter::HighResolution);
    narrow.setOutputFormat(QPrinter::PdfFormat);
    narrow.setOutputFileName(temporary.filePath("narrow.pdf"));
    EXPECT_THROW(PrintPicture(narrow, SampleReport("PNA"), QSize(672, 912), TPrintMargins{5000, 0, 5000, 0}),
                 ETessalyError);
    EXPECT_FALSE(QFile::exists(temporary.filePath("narrow.pdf")));
}

TEST(ReportClipboardTest, PngAndSvgOfTheWholePicture)
{
    const QPicture picture = SampleReport("8510C");
    std::unique_ptr<QMimeData> data(PictureMimeData(picture, QSize(672, 912), 96));
    EXPECT_EQ(data->formats(), (QStringList{"image/png", "image/svg+xml"}));

    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    ASSERT_EQ(png.size(), QSize(672, 912));
    EXPECT_LT(qGray(png.pixel(0, 77)), 128);
    EXPECT_LT(qGray(png.pixel(671, 100)), 128);
    EXPECT_EQ(qGray(png.pixel(300, 60)), 255);  // the white background

    QSvgRenderer svg(data->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 672, 912));

    PutPictureOnClipboard(picture, QSize(672, 912), 96);
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(clipboard, nullptr);
    EXPECT_TRUE(clipboard->hasFormat("image/png") && clipboard->hasFormat("image/svg+xml"));
}
