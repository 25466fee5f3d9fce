// What a data grid asks of the window that owns it. The grid stores no cell values: it asks
// its owner for every text it paints or needs.
#pragma once

#include <QString>

class TDataGrid;

class TGridOwner {
public:
    virtual ~TGridOwner() = default;

    // The text of the cell (column >= 1, row >= 1), asked whenever the grid paints the cell
    // or needs its value. The owner may set the cell's read-only and button state here.
    virtual void CellLoaded(TDataGrid& grid, int column, int row, QString& text) = 0;

    // A drop-down list is about to open on the cell: the number of entries it offers.
    virtual int ComboInit(TDataGrid& grid, int column, int row)
    {
        (void)grid;
        (void)column;
        (void)row;
        return 0;
    }

    // The text of entry listRow (1 to the number given by ComboInit) of the open drop-down.
    virtual void ComboCellLoaded(TDataGrid& grid, int listRow, QString& text)
    {
        (void)grid;
        (void)listRow;
        (void)text;
    }
};
