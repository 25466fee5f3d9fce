// What the cells of the standards grid show and how a cell's text goes into a standard. The
// grid holds no values: each cell is read from the kit when it is painted and written to the
// kit at every change.
#pragma once

#include <optional>
#include <string>

#include "analyzers/StdColumns.h"
#include "analyzers/Vna.h"

class TStandard;

// Columns 3 to 6 and 8 to 12 hold numbers.
bool IsNumericStandardColumn(int column);
// Columns 2, 7 and 13 pick their text from a list.
bool IsPickListStandardColumn(int column);

// A number as a cell shows it: rounded to 10 significant digits in the general format, with
// the given decimal separator ("0.5", "1.5E-5", "2E12").
std::string FormatCellNumber(double value, char decimalSeparator);

// True when a numeric cell may hold text while it is typed: blank, a lone "-", or a number.
bool IsNumericCellText(const std::string& text, char decimalSeparator);

// Whether column (3 to 14) is in use for the standard's type; columns 1 and 2 always are.
bool StandardColumnApplies(const TStandard& standard, int column);

// The text of the standard in row (its number) at column: none when the column does not
// apply to the standard's type.
std::optional<std::string> StandardCellText(const TStandard& standard, int row, int column,
                                            char decimalSeparator);

// The model's list that a pick-list column offers for the standard; nullptr for other columns.
// An arbitrary-impedance standard picks its load type from its own list.
const TStringList* StandardPickList(const TStandard& standard, int column);

// Stores text into the standard's field of column (2 to 14) through the setters, which force
// the value into the model's limits, then revalidates the standard. A numeric text that is no
// number stores the number of fallbackText instead and gives false; blank and "-" store 0. A
// list text that is not in its list (letter case ignored) selects entry 0.
bool ApplyStandardCell(TStandard& standard, int column, const std::string& text,
                       const std::string& fallbackText, char decimalSeparator);
