#include "ui/editor/KitReport.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "kit/Utility.h"
#include "ui/editor/PropertyTexts.h"
#include "ui/editor/ReportLayout.h"
#include "ui/grid/DataGrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QString ReportFontFamily = QStringLiteral("Arial");
constexpr int TextIndent = 5;      // cell texts and right-aligned texts keep this from the edge
constexpr int CellTextOffset = 3;  // from the top of a cell to the top of its text
constexpr int CellGap = 3;         // blank pixels kept between a cut cell text and the next line
constexpr int DescriptionLength = 69;

QString FromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The text up to its first line break, and what follows that break (empty without one).
std::pair<QString, QString> SplitAtLineBreak(const QString& text)
{
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (end < 0)
        return {text, QString()};
    QString rest = text.mid(end + 1);
    if (text.at(end) == QLatin1Char('\r') && rest.startsWith(QLatin1Char('\n')))
        rest.remove(0, 1);
    return {text.left(end), rest};
}

// Text output at pixel positions given by the top of the text, as the report's layout
// measures them, on a painter whose fonts are sized in the report's pixels.
class TReportCanvas {
public:
    TReportCanvas(QPainter& painter, const TReportLayout& layout) : FPainter(painter), FLayout(layout)
    {
        FPainter.setPen(QPen(Qt::black, 1));
        FPainter.setBrush(Qt::NoBrush);
    }

    void SetFont(double points, bool bold)
    {
        QFont font(ReportFontFamily);
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(FLayout.FontPixels(points));
        font.setBold(bold);
        FPainter.setFont(font);
    }

    int TextWidth(const QString& text) const { return FPainter.fontMetrics().horizontalAdvance(text); }
    int TextHeight() const { return FPainter.fontMetrics().height(); }

    void Text(int x, int y, const QString& text)
    {
        if (!text.isEmpty())
            FPainter.drawText(QPoint(x, y + FPainter.fontMetrics().ascent()), text);
    }
    // Centred on x; the half width is truncated.
    void CentredText(int x, int y, const QString& text) { Text(x - TextWidth(text) / 2, y, text); }
    void RightAlignedText(int x, int y, const QString& text) { Text(x - TextWidth(text) - TextIndent, y, text); }
    // A cell text from x: cut to what fits before the cell's right edge, as a fixed-layout
    // report does (no ellipsis), and clipped to the cell besides, so that no device whose
    // fonts measure a little wider lets it run into the next cell.
    void ClippedText(const QRect& cell, int x, int y, const QString& text)
    {
        FPainter.save();
        FPainter.setClipRect(cell.intersected(QRect(0, 0, FLayout.Width(), FLayout.Height())));
        Text(x, y, FittingStart(text, cell.right() - CellGap - x));
        FPainter.restore();
    }
    // A cell text centred on x, cut to the cell's width first.
    void ClippedCentredText(const QRect& cell, int x, int y, const QString& text)
    {
        // The gap on both sides, and a pixel more each for the rounding of the centre.
        const QString shown = FittingStart(text, cell.width() - 2 * (CellGap + 1));
        ClippedText(cell, x - TextWidth(shown) / 2, y, shown);
    }

    // The longest start of text no wider than width pixels.
    QString FittingStart(const QString& text, int width) const
    {
        qsizetype length = text.size();
        while (length > 0 && TextWidth(text.left(length)) > width) {
            --length;
            if (length > 0 && text.at(length - 1).isHighSurrogate())
                --length;
        }
        return text.left(length);
    }

    // A frame whose outline covers x from left to right - 1 and y from top to bottom - 1.
    void Frame(int left, int top, int right, int bottom)
    {
        FPainter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    }
    void Line(int x1, int y1, int x2, int y2) { FPainter.drawLine(x1, y1, x2, y2); }

private:
    QPainter& FPainter;
    const TReportLayout& FLayout;
};

// One ruled table: a heading above it, a frame of `rows` + 2 row heights, a line under the
// heading cells and under every row, column lines, and the texts.
void DrawTable(TReportCanvas& canvas, const TReportLayout& layout, const QString& title, int top,
               int height, const TReportTable& table, const std::vector<int>& edges)
{
    const int r = layout.RowHeight();
    const int w = layout.Width();

    canvas.SetFont(10, true);
    canvas.CentredText(w / 2, top - static_cast<int>(std::nearbyint(1.1 * canvas.TextHeight())), title);

    canvas.SetFont(8, false);
    canvas.Frame(0, top, w, top + height);
    const int rows = static_cast<int>(table.Rows.size());
    for (int i = 0; i < rows; ++i)
        canvas.Line(0, top + (i + 2) * r, w - 1, top + (i + 2) * r);

    const int columns = std::min(static_cast<int>(table.Headings.size()), static_cast<int>(edges.size()) - 1);
    for (int c = 1; c <= columns; ++c) {
        const int left = edges[static_cast<std::size_t>(c - 1)];
        const int right = edges[static_cast<std::size_t>(c)];
        if (c > 1)
            canvas.Line(left, top, left, top + height - 1);

        const QRect headingCell(QPoint(left, top), QPoint(right - 1, top + 2 * r - 1));
        const auto [firstLine, secondLine] = SplitAtLineBreak(table.Headings.at(c - 1));
        const int centre = (left + right) / 2;
        canvas.ClippedCentredText(headingCell, centre, top + CellTextOffset, firstLine);
        canvas.ClippedCentredText(headingCell, centre, top + r + CellTextOffset, secondLine);

        for (int row = 1; row <= rows; ++row) {
            const QStringList& cells = table.Rows[static_cast<std::size_t>(row - 1)];
            const QString text = c <= cells.size() ? cells.at(c - 1) : QString();
            const int cellTop = top + (row + 1) * r;
            const QRect cell(QPoint(left, cellTop), QPoint(right - 1, cellTop + r - 1));
            canvas.ClippedText(cell, left + TextIndent, cellTop + CellTextOffset, text);
        }
    }
}

QString DescriptionLine(const std::string& description)
{
    return SplitAtLineBreak(FromLatin1(description)).first.left(DescriptionLength);
}

}  // namespace

double ScreenDotsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

TReportTable ReadReportTable(const TDataGrid& grid)
{
    TReportTable table;
    const int columns = grid.ColumnCount();
    for (int c = 1; c <= columns; ++c)
        table.Headings.append(grid.ColumnHeading(c));
    for (int row = 1; row <= grid.RowCount(); ++row) {
        QStringList cells;
        for (int c = 1; c <= columns; ++c)
            cells.append(grid.CellText(c, row));
        table.Rows.push_back(cells);
    }
    return table;
}

QPicture RenderReport(const TCalKit& kit, const TReportTexts& texts, double dotsPerInch)
{
    const TVna& vna = kit.Vna();
    const TReportLayout layout(dotsPerInch, vna.NumStandards, vna.NumClasses);
    const int w = layout.Width();
    const char separator = LocaleFormat().DecimalSeparator;

    QPicture picture;
    {
        QPainter painter;
        if (!painter.begin(&picture))
            throw ETessalyError("Unable to draw the cal kit report.");
        TReportCanvas canvas(painter, layout);

        canvas.SetFont(12, true);
        canvas.CentredText(w / 2, layout.TitleTop(), FromLatin1(kit.Label()));
        canvas.SetFont(8, true);
        canvas.RightAlignedText(w, layout.TitleTop(), FromLatin1(FormatLongDate(kit.DateLastModified())));

        canvas.SetFont(8, false);
        canvas.CentredText(w / 2, layout.DescriptionTop(), DescriptionLine(kit.Description()));

        DrawTable(canvas, layout, QStringLiteral("Standard Definitions"), layout.StandardsTop(),
                  layout.StandardsHeight(), texts.Standards, layout.StandardsColumnEdges());
        DrawTable(canvas, layout, QStringLiteral("Class Assignments"), layout.ClassesTop(),
                  layout.ClassesHeight(), texts.Classes, layout.ClassesColumnEdges());

        canvas.SetFont(8, false);
        const int y1 = layout.SettingsTop();
        canvas.Text(0, y1, QStringLiteral("VNA = ") + FromLatin1(vna.ModelName));
        canvas.RightAlignedText(w, y1, QStringLiteral("System Z0 = ") +
                                           FromLatin1(SystemZ0Text(kit.SystemZ0(), separator)) +
                                           QStringLiteral(" ohm"));
        const int y2 = layout.SecondSettingsTop();
        if (vna.HasTrlSetRef)
            canvas.Text(0, y2, QStringLiteral("TRL Set Ref = ") + texts.TrlSetRef);
        if (vna.HasLowband)
            canvas.CentredText(w / 2, y2, QStringLiteral("TRL Lowband Frequency = ") +
                                              FromLatin1(LowbandText(kit.LowbandFrequency(), separator)) +
                                              QStringLiteral(" GHz"));
        if (vna.HasTrlCalZ0)
            canvas.RightAlignedText(w, y2, QStringLiteral("TRL Cal Z0 = ") + texts.TrlCalZ0);
        painter.end();
    }
    picture.setBoundingRect(QRect(0, 0, w, layout.Height()));
    return picture;
}
