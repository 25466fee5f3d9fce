// What the cells of the class grid show and how a cell's text goes into a class: the class's
// name, its standard numbers in the letter columns "A" to "G", and its label.
#pragma once

#include <optional>
#include <string>

class TStdClass;

// The columns of the class grid; column 1 is the fixed column with the class's name.
namespace ClassColumn {
inline constexpr int Name = 1;
inline constexpr int FirstStd = 2;  // "A", position 1 of the class
inline constexpr int LastStd = 8;   // "G", position 7
inline constexpr int Label = 9;
inline constexpr int Count = 9;
}  // namespace ClassColumn

// Columns 2 to 8 hold standard numbers.
bool IsClassNumberColumn(int column);

// The text of the class in row (its number) at column: none when the model does not use the
// column. A position without a standard (0) shows empty.
std::optional<std::string> ClassCellText(const TStdClass& stdClass, int row, int column);

// Whether a key may be typed into column: digits, Backspace (8), Tab (9), Enter (13) and
// Escape (27) in the number columns, every key in the others.
bool ClassCellAcceptsKey(int column, char16_t character);

// Stores text into the class's field of column: a number column takes the integer of the text
// (blank and "-" give 0; a number that names no standard of the model is stored as 0); a text
// that is no integer stores the integer of fallbackText and gives false. The label column
// takes the text as it is (the setter keeps the model's length). Other columns change nothing.
bool ApplyClassCell(TStdClass& stdClass, int column, const std::string& text, const std::string& fallbackText);
