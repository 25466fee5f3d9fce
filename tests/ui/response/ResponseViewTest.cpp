// The response view in the kit window: it follows the grid's current row, is redrawn at the
// next paint after a typed value, shows extra traces, exports what it shows and names it for
// assistive tools.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QSplitter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "editor/EditorTestSupport.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "support/UiTestSupport.h"
#include "ui/editor/StandardCells.h"
#include "ui/editor/StandardsPage.h"
#include "ui/help/HelpTopics.h"
#include "ui/help/WhatsThis.h"
#include "ui/response/ResponseCommands.h"
#include "ui/response/ResponsePicture.h"
#include "ui/response/ResponseView.h"

namespace {

class ResponseViewTest : public TEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.isValid());
        OpenEditor("8753D/E");
        TCalKit& kit = Editor->Kit();
        kit.Standard(1).SetValues({.StdType = TStdType::Short, .Label = "SHORT"});
        kit.Standard(2).SetValues({.StdType = TStdType::Open, .C0 = 49.5, .MaxFreq = 26.5, .Label = "std2"});
        kit.Standard(4).SetValues({.StdType = TStdType::Thru, .Label = "std4"});
        Editor->resize(1000, 700);
        Editor->RefreshPages();
        FocusOn(Grid());
    }

    TDataGrid& Grid() const { return Editor->StandardsPage().Grid(); }
    TResponseView& View() const { return Editor->StandardsPage().ResponseView(); }
    QAction& Action(const char* name) const { return *View().findChild<QAction*>(QString::fromLatin1(name)); }
    void Select(int column, int row)
    {
        Grid().EndEdit();
        ASSERT_TRUE(Grid().SetCurrentCell(column, row));
        Grid().setFocus();
    }
    QString ScratchFile(const char* name) const { return Scratch.filePath(QString::fromLatin1(name)); }

    QTemporaryDir Scratch;
};

// The pixels of an image near this colour (antialiased edges included).
int PixelsOf(const QImage& image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                             std::abs(pixel.blue() - color.blue()) < 90
                         ? 1
                         : 0;
        }
    return count;
}

}  // namespace

TEST_F(ResponseViewTest, SitsBelowTheGridAndFollowsTheCurrentRow)
{
    QSplitter& splitter = Editor->StandardsPage().Splitter();
    EXPECT_EQ(splitter.orientation(), Qt::Vertical);
    EXPECT_EQ(splitter.widget(0), &Grid());
    EXPECT_EQ(splitter.widget(1), &View());
    EXPECT_GT(View().height(), 100);

    EXPECT_EQ(View().Curves().StandardNumber, 1);
    EXPECT_EQ(View().Curves().Model.Type, TStdType::Short);
    Select(StdColumn::C0, 2);
    EXPECT_EQ(View().Curves().StandardNumber, 2);
    EXPECT_EQ(View().Curves().Model.Coefficients[0], 49.5);
    EXPECT_DOUBLE_EQ(View().Curves().Range.StopGHz, 26.5);
    Select(StdColumn::Type, 4);
    EXPECT_EQ(View().LegendNames(), (QStringList{"S11", "S21", "S11 ideal", "S21 ideal"}));
    Select(StdColumn::Type, 6);
    EXPECT_TRUE(View().Curves().IsEmpty()) << "a row of type None";
    EXPECT_FALSE(Action("ResponseExportTouchstone").isEnabled());
}

TEST_F(ResponseViewTest, ATypedValueIsShownAtTheNextPaintAndUndoTakesItBack)
{
    Select(StdColumn::OffsetDelay, 1);
    QApplication::processEvents();
    const int paints = View().PaintCount();
    TypeKeys(Grid(), QStringLiteral("30"));
    // The curves follow each keystroke at once; the paint comes with the next event pass.
    EXPECT_EQ(View().Curves().Model.OffsetDelay, 30);
    QApplication::processEvents();
    EXPECT_GT(View().PaintCount(), paints);
    Grid().EndEdit();
    Editor->EditUndo();
    EXPECT_EQ(View().Curves().Model.OffsetDelay, 0) << "undo reloads the grid, the view follows";

    // A change of the kit's model lays the grid out again; the view shows the new model's row.
    Editor->ChangeVna(Model("8510C"));
    EXPECT_EQ(View().Curves().StandardNumber, Grid().CurrentRow());
    EXPECT_EQ(View().Curves().Model.Type, Editor->Kit().Standard(Grid().CurrentRow()).StdType());
}

TEST_F(ResponseViewTest, HoverReadsOffFrequencyAndValue)
{
    Editor->Kit().Standard(1).SetOffsetDelay(30);
    Editor->Kit().Standard(1).SetMaxFreq(20);
    Editor->RefreshPages();
    Select(StdColumn::Type, 1);
    const TResponsePicture picture(View().Curves(), {}, View().font());
    const TResponseLayout layout = picture.Layout(View().rect());
    const double x = layout.Phase.left() + layout.Phase.width() / 4;  // 5 GHz
    QTest::mouseMove(&View(), QPoint(qRound(x), qRound(layout.Phase.center().y())));
    QApplication::processEvents();
    ASSERT_TRUE(View().HoverFrequency());
    EXPECT_NEAR(*View().HoverFrequency(), 5, 0.05);
    EXPECT_TRUE(View().ReadoutText().startsWith("5 GHz   S11: 0.000 dB, 72.00")) << View().ReadoutText().toStdString();
}

TEST_F(ResponseViewTest, ExtraTracesAreDrawnListedAndReplaced)
{
    Select(StdColumn::Type, 2);
    const QColor measured(0xff, 0x00, 0xff);
    const QImage before = QImage::fromData(View().PngImage(TResponseCommands::PictureSize));
    EXPECT_EQ(PixelsOf(before, measured), 0);

    std::vector<double> frequencies;
    std::vector<TComplex> values;
    for (int i = 0; i <= 50; ++i) {
        frequencies.push_back(0.5 * i);
        values.push_back(std::polar(0.7, -0.2 * i));
    }
    View().SetExtraTraces({{QStringLiteral("Measured"), measured, frequencies, values}});
    EXPECT_EQ(View().LegendNames().last(), "Measured");
    EXPECT_TRUE(View().accessibleDescription().contains("Measured"));
    const QImage with = QImage::fromData(View().PngImage(TResponseCommands::PictureSize));
    EXPECT_GT(PixelsOf(with, measured), 200) << "on the chart, both plots and the legend";

    // The traces stay while the row changes, until replaced.
    Select(StdColumn::Type, 1);
    EXPECT_EQ(View().ExtraTraces().size(), 1u);
    View().SetExtraTraces({});
    EXPECT_EQ(View().LegendNames(), (QStringList{"S11", "S11 ideal"}));
}

TEST_F(ResponseViewTest, ExportsWriteReadablePicturesAndReportFailures)
{
    Select(StdColumn::Type, 1);
    ASSERT_TRUE(Action("ResponseExportPng").isEnabled());
    Host.AnswerFileName = ScratchFile("short.png");
    Action("ResponseExportPng").trigger();
    ASSERT_EQ(Host.FileRequests.size(), 1u);
    EXPECT_EQ(Host.FileRequests[0].FileName, "std1_SHORT.png");
    EXPECT_EQ(Host.FileRequests[0].Kind, TFileDialogRequest::TKind::fdSave);
    const QImage png(ScratchFile("short.png"));
    EXPECT_EQ(png.size(), TResponseCommands::PictureSize);

    Host.AnswerFileName = ScratchFile("short.svg");
    Action("ResponseExportSvg").trigger();
    QSvgRenderer svg(ScratchFile("short.svg"));
    EXPECT_TRUE(svg.isValid());
    QFile svgFile(ScratchFile("short.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("Standard 1: Short"));

    // A cancelled dialog writes nothing; a folder that does not exist is reported and
    // leaves nothing behind.
    Host.AnswerFileName.reset();
    Action("ResponseExportPng").trigger();
    EXPECT_TRUE(Host.Troubles.empty());
    Host.AnswerFileName = ScratchFile("missing/short.png");
    Action("ResponseExportPng").trigger();
    ASSERT_EQ(Host.Troubles.size(), 1u);
    EXPECT_NE(Host.Troubles[0].find("Unable to save file"), std::string::npos);
    EXPECT_FALSE(QFile::exists(ScratchFile("missing/short.png")));
    EXPECT_EQ(QDir(Scratch.path()).entryList(QDir::Files).size(), 2);

    // The thru as a two-port Touchstone file at the plotted frequencies, through the core
    // writer.
    Select(StdColumn::Type, 4);
    Host.AnswerFileName = ScratchFile("thru.s2p");
    Action("ResponseExportTouchstone").trigger();
    EXPECT_EQ(Host.FileRequests.back().FileName, "std4_std4.s2p");
    QFile s2p(ScratchFile("thru.s2p"));
    ASSERT_TRUE(s2p.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromLatin1(s2p.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("# GHz S RI R 50"));
    QStringList data;
    for (const QString& line : lines)
        if (!line.startsWith('!') && !line.startsWith('#'))
            data.append(line);
    const TResponseTrace& s21 = View().Curves().Traces[1];
    ASSERT_EQ(data.size(), static_cast<qsizetype>(s21.FrequenciesGHz.size()));
    const QStringList last = data.last().split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(last.size(), 9);
    EXPECT_DOUBLE_EQ(last[0].toDouble(), s21.FrequenciesGHz.back());
    EXPECT_NEAR(last[3].toDouble(), s21.Values.back().real(), 1e-11);
    EXPECT_NEAR(last[4].toDouble(), s21.Values.back().imag(), 1e-11);
    EXPECT_TRUE(Host.Troubles.size() == 1u);
}

TEST_F(ResponseViewTest, AccessibleNameAndHelpFollowTheShownStandard)
{
    Select(StdColumn::Type, 1);
    // No maximum of its own: the largest of the kit's other standards.
    EXPECT_EQ(View().accessibleName(), "Response: Standard 1: Short \"SHORT\", 0 to 26.5 GHz");
    Select(StdColumn::MaxFreq, 2);
    EXPECT_EQ(View().accessibleName(), "Response: Standard 2: Open \"std2\", 0 to 26.5 GHz");
    TypeKeys(Grid(), QStringLiteral("18"));
    EXPECT_EQ(View().accessibleName(), "Response: Standard 2: Open \"std2\", 0 to 18 GHz");
    EXPECT_TRUE(View().accessibleDescription().contains("Smith chart"));

    EXPECT_EQ(OwnHelpContext(&View()), TResponseView::HelpContext);
    const THelpTopics topics;
    EXPECT_EQ(topics.TopicOfContext(TResponseView::HelpContext), "response-view.html");
    EXPECT_EQ(topics.TopicOfContext(OwnHelpContext(&Action("ResponseExportTouchstone"))), "response-export.html");
}
