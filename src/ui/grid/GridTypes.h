// Small value types shared by the data grid, its model, its delegate and its owners.
#pragma once

#include <QChar>
#include <QColor>
#include <QString>
#include <Qt>

// Read-only state of one cell: as its column says, or forced on or off.
enum class TCellReadOnly { crColumn, crOn, crOff };

// Drop-down button of one cell: as its column says, or none.
enum class TCellButton { cbColumn, cbNone };

// Where on the grid a mouse event happened.
enum class TGridArea {
    gaNone,         // outside every cell (empty space, scroll bars, frame)
    gaHeading,      // the heading row (row 0)
    gaFixedColumn,  // the fixed column at the left of the rows
    gaCell          // an ordinary cell
};

// A place on the grid. Columns count from 1; rows count from 1 with the heading as row 0.
// -1 stands for outside the grid.
struct TGridCoord {
    int Column = -1;
    int Row = -1;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// One key event offered to the grid's owner before the grid handles it. Setting Refused
// discards the key. For a key press, Char holds the character the key produces: a printable
// character, or one of Backspace (8), Tab (9), Enter (13) and Escape (27).
struct TGridKey {
    int Key = 0;
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
    QChar Char;
    bool Refused = false;
};

// The settings of one column.
struct TGridColumn {
    int Width = 64;
    QString Heading;        // line breaks as "\n"
    QColor Color;           // invalid: the grid's own cell colour
    bool ReadOnly = false;
    int MaxLength = 0;      // 0: no limit
    bool DropDown = false;  // a drop-down button whose list allows picking entries only
};
