// How the kit properties page shows its numbers: fixed notation with a set number of
// significant digits and decimals, as "2.0000" GHz or "50.00" ohm.
#pragma once

#include <string>

// value rounded to significantDigits and to decimals, written with exactly decimals digits
// after the separator (digits beyond the significant ones are zeros). A value with more
// integer digits than significantDigits is written in the general scientific form ("1E3").
std::string FormatFixed(double value, int significantDigits, int decimals, char decimalSeparator);

// The low-band frequency: 5 significant digits, 4 decimals.
std::string LowbandText(double gigahertz, char decimalSeparator);
// The system impedance: 3 significant digits, 2 decimals.
std::string SystemZ0Text(double ohms, char decimalSeparator);
