// The printed report read back primitive by primitive and as pixels at 96 dots per inch.
#include "RecordingDevice.h"
#include "ReportTestKits.h"

#include "../../kit/SampleKits.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "ui/editor/KitReport.h"
#include "ui/editor/ReportLayout.h"
#include "ui/grid/DataGrid.h"
#include "ui/grid/GridOwner.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Plays the picture onto a recording device of the report's size.
struct TPlayedReport {
    TPlayedReport(const TCalKit& kit, const TReportTexts& texts)
        : Picture(RenderReport(kit, texts, 96)), Device(672, 912)
    {
        QPainter painter(&Device);
        painter.drawPicture(0, 0, Picture);
    }
    TPlayedReport(const TCalKit& kit) : TPlayedReport(kit, ReportTextsOf(kit)) {}

    const TRecordedText& Text(const QString& text) const
    {
        const TRecordedText* found = Device.Find(text);
        if (found == nullptr)
            throw std::runtime_error("not drawn: " + text.toStdString());
        return *found;
    }
    // Every text whose top lies on line y.
    QStringList TextsAt(double y) const
    {
        QStringList texts;
        for (const TRecordedText& t : Device.Texts())
            if (std::abs(t.Top() - y) < 0.01)
                texts.append(t.Text);
        return texts;
    }
    bool HasRect(const QRectF& rect) const
    {
        for (const QRectF& r : Device.Engine().Rects)
            if (r == rect)
                return true;
        return false;
    }
    bool HasLine(const QLineF& line) const
    {
        for (const QLineF& l : Device.Engine().Lines)
            if (l == line)
                return true;
        return false;
    }

    QPicture Picture;
    TRecordingDevice Device;
};

class KitReportTest : public ::testing::Test {
protected:
    void TearDown() override { SetLocaleFormat(TLocaleFormat{}); }
};

}  // namespace

TEST(ReportLayoutTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_DOUBLE_EQ(ScreenDotsPerInch(), 96);  // the offscreen screen the report tests rely on
    EXPECT_EQ(TReportLayout(45, 8, 8).Px(0.5), 22);   // 22.5
    EXPECT_EQ(TReportLayout(47, 8, 8).Px(0.5), 24);   // 23.5
    EXPECT_EQ(TReportLayout(600, 8, 8).RowHeight(), 108);
}

TEST_F(KitReportTest, TitleDescriptionAndStandardsTableAtScreenResolution)
{
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    const TPlayedReport report(kit);
    EXPECT_EQ(report.Picture.boundingRect(), QRect(0, 0, 672, 912));

    const TRecordedText& title = report.Text("Sample 85");
    EXPECT_DOUBLE_EQ(title.Top(), 0);
    EXPECT_EQ(title.Baseline.x(), 336 - title.Width() / 2);
    EXPECT_EQ(title.Font.pixelSize(), 16);

    const TRecordedText& date = report.Text("Saturday, August 1, 1998");
    EXPECT_EQ(date.Baseline.x(), 672 - date.Width() - 5);

    const TRecordedText& description = report.Text("Type-N kit serial 1234");
    EXPECT_DOUBLE_EQ(description.Top(), 26);
    EXPECT_EQ(description.Baseline.x(), 336 - description.Width() / 2);

    const TRecordedText& heading = report.Text("Standard Definitions");
    EXPECT_EQ(heading.Font.pixelSize(), 13);
    EXPECT_DOUBLE_EQ(heading.Top(), 77 - std::nearbyint(1.1 * QFontMetrics(heading.Font).height()));

    // The frame, a line under the heading cells and under every standard, and the column lines.
    const int r = 17;
    const int h1 = 10 * r;
    EXPECT_TRUE(report.HasRect(QRectF(0, 77, 671, h1 - 1)));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(report.HasLine(QLineF(0, 77 + (i + 2) * r, 671, 77 + (i + 2) * r))) << i;
    EXPECT_FALSE(report.HasLine(QLineF(0, 77 + 10 * r, 671, 77 + 10 * r)));
    const std::vector<int> edges = TReportLayout(96, 8, 15).StandardsColumnEdges();
    for (int c = 2; c <= 14; ++c)
        EXPECT_TRUE(report.HasLine(QLineF(edges[c - 1], 77, edges[c - 1], 77 + h1 - 1))) << c;
    EXPECT_FALSE(report.HasLine(QLineF(0, 77, 0, 77 + h1 - 1)));

    // "Offset" CR "Delay" on two centred lines of column 8; "Medium" on the first line only.
    const int centre8 = (edges[7] + edges[8]) / 2;
    EXPECT_DOUBLE_EQ(report.Text("Offset").Top(), 77 + 3);
    const TRecordedText& delay = report.Text("Delay");
    EXPECT_DOUBLE_EQ(delay.Top(), 77 + r + 3);
    EXPECT_EQ(delay.Baseline.x(), centre8 - delay.Width() / 2);
    ASSERT_TRUE(delay.Clip.has_value());
    EXPECT_EQ(*delay.Clip, QRectF(edges[7], 77, edges[8] - edges[7], 2 * r));
    EXPECT_DOUBLE_EQ(report.Text("Medium").Top(), 80);
    EXPECT_EQ(report.TextsAt(77 + r + 3).size(), 9);  // the two-line headings only

    // Cell texts start 5 pixels into their cell, 3 below its top, clipped to the cell.
    const TRecordedText& label = report.Text("OPEN -M-");
    EXPECT_EQ(label.Baseline.x(), edges[13] + 5);
    EXPECT_DOUBLE_EQ(label.Top(), 77 + 2 * r + 3);
    ASSERT_TRUE(label.Clip.has_value());
    EXPECT_EQ(*label.Clip, QRectF(edges[13], 77 + 2 * r, 672 - edges[13], r));
    EXPECT_TRUE(report.TextsAt(77 + 9 * r + 3).contains("Coax") == false &&
                report.TextsAt(77 + 9 * r + 3).filter(QRegularExpression("^Wave")).size() == 1)
        << "standard 8's medium, as much of it as fits";
    EXPECT_EQ(report.TextsAt(77 + 8 * r + 3), QStringList{"#7"});  // a standard of type None
}

TEST_F(KitReportTest, ClassTableAndSettingsOfAModelWithTrl)
{
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    kit.SetCalType(1);  // SOLT: the editor hides the TRL rows, the report does not
    const TPlayedReport report(kit);

    const int r = 17;
    const int t2 = 77 + 10 * r + 38;
    const TRecordedText& heading = report.Text("Class Assignments");
    EXPECT_DOUBLE_EQ(heading.Top(), t2 - std::nearbyint(1.1 * QFontMetrics(heading.Font).height()));
    EXPECT_TRUE(report.HasRect(QRectF(0, t2, 671, 17 * r - 1)));
    EXPECT_EQ(report.TextsAt(t2 + 16 * r + 3), (QStringList{"TRL Line or Match", "5", "TRL MATCH"}));
    EXPECT_EQ(report.TextsAt(t2 + r + 3), QStringList{"Class Label"});

    const int y1 = t2 + 17 * r + 19;
    EXPECT_EQ(report.TextsAt(y1), (QStringList{"VNA = Agilent 8753D/E", "System Z0 = 75.00 ohm"}));
    // No low-band frequency on this model.
    EXPECT_EQ(report.TextsAt(y1 + 19), (QStringList{"TRL Set Ref = Reflect", "TRL Cal Z0 = System Z0"}));
    const TRecordedText& calZ0 = report.Text("TRL Cal Z0 = System Z0");
    EXPECT_EQ(calZ0.Baseline.x(), 672 - calZ0.Width() - 5);
}

TEST_F(KitReportTest, The8510HasTheTallestTablesAndEverySetting)
{
    SetLocaleFormat(TLocaleFormat{',', {}});
    TCalKit kit(Model("8510C"));
    FillSampleKit(kit);
    kit.SetLowbandFrequency(2.5);
    const TPlayedReport report(kit);

    const int r = 17;
    EXPECT_TRUE(report.HasRect(QRectF(0, 77, 671, 23 * r - 1)));
    const int t2 = 77 + 23 * r + 38;
    EXPECT_TRUE(report.HasRect(QRectF(0, t2, 671, 19 * r - 1)));
    EXPECT_EQ(report.TextsAt(77 + 22 * r + 3), QStringList{"#21"});
    EXPECT_EQ(report.TextsAt(t2 + 18 * r + 3).value(0), "Adapter");

    const int y2 = t2 + 19 * r + 19 + 19;
    EXPECT_LT(y2 + r, 912) << "the largest tables still fit on the page";
    EXPECT_EQ(report.TextsAt(y2), (QStringList{"TRL Set Ref = Reflect", "TRL Lowband Frequency = 2,5000 GHz",
                                               "TRL Cal Z0 = System Z0"}));
    const TRecordedText& lowband = report.Text("TRL Lowband Frequency = 2,5000 GHz");
    EXPECT_EQ(lowband.Baseline.x(), 336 - lowband.Width() / 2);
    EXPECT_NE(report.Device.Find("System Z0 = 75,00 ohm"), nullptr);
}

TEST_F(KitReportTest, AModelWithoutTrlSettingsLeavesTheSecondLineEmpty)
{
    TCalKit kit(Model("PNA"));
    const TPlayedReport report(kit);
    const int y1 = 77 + 10 * 17 + 38 + 10 * 17 + 19;
    EXPECT_EQ(report.TextsAt(y1), (QStringList{"VNA = Agilent PNA", "System Z0 = 50.00 ohm"}));
    EXPECT_TRUE(report.TextsAt(y1 + 19).isEmpty());
    for (const TRecordedText& t : report.Device.Texts())
        EXPECT_LE(t.Top(), y1) << t.Text.toStdString();
}

TEST_F(KitReportTest, DescriptionLineEndsAtTheFirstLineBreakOrAfter69Characters)
{
    TCalKit kit(Model("8753D/E"));
    std::string longLine;
    for (int i = 0; i < 100; ++i)
        longLine += static_cast<char>('a' + i % 26);
    kit.SetDescription(longLine);
    EXPECT_EQ(TPlayedReport(kit).TextsAt(26), QStringList{QString::fromStdString(longLine.substr(0, 69))});

    kit.SetDescription("abc\r\ndef");
    EXPECT_EQ(TPlayedReport(kit).TextsAt(26), QStringList{"abc"});
    kit.SetDescription("\xE9talon \xB5m");  // Latin-1 texts stay what they are
    EXPECT_EQ(TPlayedReport(kit).TextsAt(26), QStringList{QString::fromUtf8("étalon µm")});
}

TEST_F(KitReportTest, CellTextsAreCutAtTheirCellsRightEdgeWithoutAnEllipsis)
{
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    TReportTexts texts = ReportTextsOf(kit);
    const QString longName = QStringLiteral("Forward Transmission of a very long class name indeed");
    texts.Classes.Rows[0][0] = longName;
    texts.Classes.Headings[8] = QStringLiteral("A heading far wider than its column\nLabel");
    const TPlayedReport report(kit, texts);

    // Every cell text starts inside its cell and ends a few pixels before the next line.
    int cellTexts = 0;
    for (const TRecordedText& t : report.Device.Texts()) {
        if (!t.Clip)
            continue;
        ++cellTexts;
        EXPECT_GE(t.Baseline.x(), t.Clip->left()) << t.Text.toStdString();
        EXPECT_LE(t.Baseline.x() + t.Width(), t.Clip->right() - 2) << t.Text.toStdString();
    }
    EXPECT_GT(cellTexts, 100);

    // Long texts keep as much of their start as fits, with no "..." added.
    const int t2 = 77 + 10 * 17 + 38;
    const QString name = report.TextsAt(t2 + 2 * 17 + 3).value(0);
    EXPECT_TRUE(longName.startsWith(name)) << name.toStdString();
    EXPECT_GT(name.size(), 10);
    EXPECT_LT(name.size(), longName.size());
    const QString heading = report.TextsAt(t2 + 3).filter(QRegularExpression("^A ")).value(0);
    EXPECT_TRUE(heading.startsWith("A heading")) << heading.toStdString();
    EXPECT_FALSE(heading.contains(QChar(0x2026)) || heading.contains("..."));
    const TRecordedText& cut = report.Text(heading);
    const std::vector<int> edges = TReportLayout(96, 8, 15).ClassesColumnEdges();
    EXPECT_NEAR(cut.Baseline.x() + cut.Width() / 2.0, (edges[8] + edges[9]) / 2.0, 1) << "still centred";
}

namespace {

// A class grid whose rows name themselves; rows hidden as the class page hides them.
class TClassNames : public TGridOwner {
public:
    void CellLoaded(TDataGrid&, int column, int row, QString& text) override
    {
        text = column == 1 ? QStringLiteral("class %1").arg(row) : QString::number(column * 100 + row);
    }
};

}  // namespace

TEST_F(KitReportTest, HiddenClassRowsAreStillPrinted)
{
    TClassNames owner;
    TDataGrid grid;
    grid.SetOwner(&owner);
    grid.SetColumnCount(9);
    grid.SetRowCount(15);
    grid.SetColumnHeading(9, "Standard\nClass Label");
    for (int row = 13; row <= 15; ++row)
        grid.SetRowVisible(row, false);

    const TReportTable table = ReadReportTable(grid);
    ASSERT_EQ(table.Rows.size(), 15u);
    EXPECT_EQ(table.Headings.at(8), "Standard\nClass Label");
    EXPECT_EQ(table.Rows[14].at(8), "915");
    EXPECT_FALSE(grid.RowVisible(14));  // reading leaves the page as it was

    TCalKit kit(Model("8753D/E"));
    TReportTexts texts = ReportTextsOf(kit);
    texts.Classes = table;
    const TPlayedReport report(kit, texts);
    const int t2 = 77 + 10 * 17 + 38;
    EXPECT_EQ(report.TextsAt(t2 + 16 * 17 + 3).value(0), "class 15");
}

TEST_F(KitReportTest, PixelsAtScreenResolutionStayInsideThePicture)
{
    TCalKit kit(Model("8510C"));
    FillSampleKit(kit);
    const QPicture picture = RenderReport(kit, ReportTextsOf(kit), 96);
    QImage image(720, 960, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawPicture(0, 0, picture);
    }
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((x >= 672 || y >= 912) && dark(x, y))
                ++outside;
    EXPECT_EQ(outside, 0);

    // The frames' edges: rows 77 and 77 + 23R - 1, columns 0 and 671.
    for (int x = 0; x < 672; ++x) {
        ASSERT_TRUE(dark(x, 77)) << x;
        ASSERT_TRUE(dark(x, 77 + 23 * 17 - 1)) << x;
        ASSERT_FALSE(dark(x, 77 + 23 * 17)) << x;
    }
    for (int y = 77; y < 77 + 23 * 17; ++y) {
        ASSERT_TRUE(dark(0, y)) << y;
        ASSERT_TRUE(dark(671, y)) << y;
    }
    // Nothing but the heading in the gap between the tables.
    const int t2 = 77 + 23 * 17 + 38;
    for (int y = 77 + 23 * 17; y < t2 - 20; ++y)
        for (int x = 0; x < 672; ++x)
            ASSERT_FALSE(dark(x, y)) << x << "," << y;
    EXPECT_TRUE(dark(0, t2));
}
