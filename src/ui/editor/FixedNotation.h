// Numbers in fixed notation with a set number of decimals, as the kit properties and the
// printed report show the system impedance and the low-band frequency.
#pragma once

#include <string>

// value rounded to `precision` significant digits (and to `decimals` decimals, whichever is
// coarser), written with exactly `decimals` digits after decimalSeparator; places beyond the
// significant digits are zeros, and there are no thousands separators ("50.00", "2.0000").
// A value with more than `precision` digits before the decimal point is written in
// scientific notation instead: its significant digits, trailing zeros dropped, "E" and the
// exponent ("1E3", "1.5E4"). precision is taken as at least 1, decimals as 0 to 18.
std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator);
