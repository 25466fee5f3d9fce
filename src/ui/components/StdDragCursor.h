// The drag cursors "STD1" to "STD21": an arrow with a tag that shows the number of the
// standard being dragged onto a class. The program draws them itself.
#pragma once

#include <QPixmap>
#include <QString>

inline constexpr int FirstStdCursor = 1;
inline constexpr int LastStdCursor = 21;

// "STD" followed by the number.
QString StdCursorName(int number);
// The cursor of a standard number 1 to 21; a null pixmap for any other number.
QPixmap StdDragCursor(int number);
