// Page margins of the printed report, held in thousandths of an inch, and the rectangle of
// the printer page that the report is stretched into.
#pragma once

#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QRect>

class QPrinter;

struct TPrintMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TPrintMargins&, const TPrintMargins&) = default;
};

// Hundredths of a millimetre to thousandths of an inch: the value times 0.3937, to the nearest
// integer with halves going to the even neighbour (2540 gives 1000).
int ThousandthsOfInch(int hundredthsOfMillimetre);
// The reverse, to the nearest hundredth of a millimetre (1000 gives 2540).
int HundredthsOfMillimetre(int thousandthsOfInch);

// The unit a page setup dialog starts with: millimetres in a metric locale, else inches.
QPageLayout::Unit PageSetupUnit(QLocale::MeasurementSystem system);

// The margins a new main window gives its page setup dialog, in unit: for millimetres left
// 25.40, top 20.30, right 12.70, bottom 17.80; for inches (and every other unit, converted)
// left 1.000, top 0.800, right 0.500, bottom 0.700.
QMarginsF DefaultPageSetupMargins(QPageLayout::Unit unit);

// The margins of a page layout chosen in the page setup dialog, in thousandths of an inch.
// Millimetres go through hundredths of a millimetre and ThousandthsOfInch.
TPrintMargins TakeMargins(const QPageLayout& layout);
// margins in unit, for handing them back to the page setup dialog.
QMarginsF PageSetupMargins(const TPrintMargins& margins, QPageLayout::Unit unit);

// A printer's page in its device pixels: the physical page size, the offsets of the
// printable area (where the printer's painter has its origin) and the resolution.
struct TPrinterGeometry {
    int PageWidth = 0;
    int PageHeight = 0;
    int OffsetX = 0;
    int OffsetY = 0;
    double DotsPerInchX = 0;
    double DotsPerInchY = 0;
};
TPrinterGeometry PrinterGeometry(const QPrinter& printer);

// The page inside the margins in the printer painter's coordinates, every product rounded to
// the nearest integer (halves to even): left = Left x X / 1000 - OffsetX, right = PageWidth -
// Right x X / 1000 - OffsetX, and likewise vertically. Empty when the margins leave no room.
QRect PrintTargetRect(const TPrintMargins& margins, const TPrinterGeometry& printer);
