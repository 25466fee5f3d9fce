// The number that names one edited place of the kit editor: a cell of the standards grid, a
// cell of the class grid, or a property control. Undo actions carry it as their tag, so
// consecutive keystrokes in one place merge and undo finds the place again.
#pragma once

inline constexpr int StandardsGridTag = 20000;
inline constexpr int ClassGridTag = 10000;

enum class TTagPlace { tpProperty, tpClassCell, tpStandardCell };

// A grid cell's tag: the grid's tag + 100 x row + column.
constexpr int CellTag(int gridTag, int row, int column)
{
    return gridTag + 100 * row + column;
}

constexpr int TagColumn(int tag)
{
    return tag % 100;
}

constexpr int TagRow(int tag)
{
    return (tag % 10000) / 100;
}

constexpr TTagPlace TagPlace(int tag)
{
    if (tag >= StandardsGridTag)
        return TTagPlace::tpStandardCell;
    if (tag >= ClassGridTag)
        return TTagPlace::tpClassCell;
    return TTagPlace::tpProperty;
}
