#include "ui/editor/PrintMargins.h"

#include <QPrinter>
#include <cmath>

namespace {

constexpr double InchPerMillimetre = 0.3937;  // thousandths of an inch per hundredth of a mm
constexpr double PointsPerInch = 72.0;

int Nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

bool IsDirectUnit(QPageLayout::Unit unit)
{
    return unit == QPageLayout::Millimeter || unit == QPageLayout::Inch || unit == QPageLayout::Point;
}

// One margin in thousandths of an inch; unit is one of the direct units.
int Thousandths(double value, QPageLayout::Unit unit)
{
    switch (unit) {
    case QPageLayout::Millimeter:
        return ThousandthsOfInch(static_cast<int>(std::lround(value * 100.0)));
    case QPageLayout::Point:
        return Nearest(value * 1000.0 / PointsPerInch);
    default:
        return Nearest(value * 1000.0);
    }
}

}  // namespace

int ThousandthsOfInch(int hundredthsOfMillimetre)
{
    return Nearest(hundredthsOfMillimetre * InchPerMillimetre);
}

int HundredthsOfMillimetre(int thousandthsOfInch)
{
    return Nearest(thousandthsOfInch / InchPerMillimetre);
}

QPageLayout::Unit PageSetupUnit(QLocale::MeasurementSystem system)
{
    return system == QLocale::MetricSystem ? QPageLayout::Millimeter : QPageLayout::Inch;
}

QMarginsF DefaultPageSetupMargins(QPageLayout::Unit unit)
{
    if (unit == QPageLayout::Millimeter)
        return QMarginsF(25.40, 20.30, 12.70, 17.80);
    return PageSetupMargins(TPrintMargins{1000, 800, 500, 700}, unit);
}

TPrintMargins TakeMargins(const QPageLayout& layout)
{
    QPageLayout::Unit unit = layout.units();
    QMarginsF m = layout.margins();
    if (!IsDirectUnit(unit)) {
        unit = QPageLayout::Inch;
        m = layout.margins(unit);
    }
    return {Thousandths(m.left(), unit), Thousandths(m.top(), unit), Thousandths(m.right(), unit),
            Thousandths(m.bottom(), unit)};
}

QMarginsF PageSetupMargins(const TPrintMargins& margins, QPageLayout::Unit unit)
{
    if (unit == QPageLayout::Millimeter)
        return QMarginsF(HundredthsOfMillimetre(margins.Left), HundredthsOfMillimetre(margins.Top),
                         HundredthsOfMillimetre(margins.Right), HundredthsOfMillimetre(margins.Bottom)) /
               100.0;
    const QMarginsF inches = QMarginsF(margins.Left, margins.Top, margins.Right, margins.Bottom) / 1000.0;
    if (unit == QPageLayout::Inch)
        return inches;
    if (unit == QPageLayout::Point)
        return inches * PointsPerInch;
    // The typographic units: let a page layout convert.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch);
    layout.setMargins(inches);
    layout.setUnits(unit);
    return layout.margins();
}

TPrinterGeometry PrinterGeometry(const QPrinter& printer)
{
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    TPrinterGeometry geometry;
    geometry.PageWidth = paper.width();
    geometry.PageHeight = paper.height();
    if (!printer.fullPage()) {
        geometry.OffsetX = printable.left() - paper.left();
        geometry.OffsetY = printable.top() - paper.top();
    }
    geometry.DotsPerInchX = printer.logicalDpiX();
    geometry.DotsPerInchY = printer.logicalDpiY();
    return geometry;
}

QRect PrintTargetRect(const TPrintMargins& margins, const TPrinterGeometry& printer)
{
    const double x = printer.DotsPerInchX;
    const double y = printer.DotsPerInchY;
    const int left = Nearest(margins.Left * x / 1000.0) - printer.OffsetX;
    const int right = printer.PageWidth - Nearest(margins.Right * x / 1000.0) - printer.OffsetX;
    const int top = Nearest(margins.Top * y / 1000.0) - printer.OffsetY;
    const int bottom = printer.PageHeight - Nearest(margins.Bottom * y / 1000.0) - printer.OffsetY;
    if (right <= left || bottom <= top)
        return QRect();
    return QRect(left, top, right - left, bottom - top);
}
