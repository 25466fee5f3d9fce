// The printed kit report: a one-page picture of a kit as the editor shows it, with a title
// line, the first line of the description, a ruled table of the standards, a ruled table of
// the class assignments, and the kit's impedance and TRL settings. The same picture is
// printed and put on the clipboard.
#pragma once

#include <QPicture>
#include <QString>
#include <QStringList>
#include <vector>

class TCalKit;
class TDataGrid;

// The texts of one grid as the report prints them: the headings of columns 1..count (a line
// break, "\r" or "\n", splits a heading into two lines) and, for rows 1..count, the cell
// texts of those columns.
struct TReportTable {
    QStringList Headings;
    std::vector<QStringList> Rows;
};

// The heading and cell texts of every row and column of grid, hidden rows included: the
// report lists all classes whatever the calibration type hides on the class page.
TReportTable ReadReportTable(const TDataGrid& grid);

// What the report takes from the editor's pages: the two grids and the selected items of the
// "TRL Cal Z0" and "TRL Set Ref" radio groups.
struct TReportTexts {
    TReportTable Standards;
    TReportTable Classes;
    QString TrlCalZ0;
    QString TrlSetRef;
};

// The resolution the report is drawn at: the primary screen's logical dots per inch (96
// without a screen).
double ScreenDotsPerInch();

// Draws the report of kit into a picture of 7 x 9.5 inches at dotsPerInch (the screen's
// logical resolution): its bounding rectangle is (0, 0, W, H) in those pixels. The kit gives
// the label, date, description, impedances and model; texts give the table cells.
QPicture RenderReport(const TCalKit& kit, const TReportTexts& texts, double dotsPerInch);
