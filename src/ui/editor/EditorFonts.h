// The kit editor's fonts. The window was laid out for a small sans-serif face: headings and
// tabs are bold and 15 pixels high, cells a size smaller, so the columns' pixel widths hold
// their numbers.
#pragma once

#include <QFont>

// A bold face of base whose lines are at most lineHeight pixels high.
QFont BoldFontOfHeight(const QFont& base, int lineHeight);
// The cells' face: base at a size whose lines are at most lineHeight pixels high.
QFont FontOfHeight(const QFont& base, int lineHeight);

inline constexpr int HeadingLineHeight = 15;
inline constexpr int CellLineHeight = 13;
