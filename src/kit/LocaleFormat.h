// How numbers and dates are shown to the user. The desktop program installs the user's
// decimal separator and long date format; without that (the command-line tool, tests) numbers
// use a full stop and dates read like "Monday, August 1, 1998".
#pragma once

#include <functional>
#include <string>

struct TLocaleFormat {
    char DecimalSeparator = '.';
    // The user's long date format of an OLE date; empty: the English form.
    std::function<std::string(double oleDate)> LongDate;
};

// Installs format for the rest of the run; a default TLocaleFormat restores the defaults.
void SetLocaleFormat(TLocaleFormat format);
const TLocaleFormat& LocaleFormat();

// The general number format: up to 15 significant digits, no trailing zeros or trailing
// separator, no thousands separators; scientific notation ("5E-5", "1.5E20") for non-zero
// values below 0.0001 in magnitude or with more than 15 integer digits.
std::string FormatNumber(double value, char decimalSeparator);
// With the installed decimal separator.
std::string FormatNumber(double value);
// The same general format with significantDigits (1 to 17) instead of 15, as the editor's
// cells show numbers with 10.
std::string FormatNumber(double value, char decimalSeparator, int significantDigits);

// "Monday, August 1, 1998": English names, no leading zero on the day; empty for a value
// that is no date of the years 100 to 9999.
std::string EnglishLongDate(double oleDate);
// With the installed long date format.
std::string FormatLongDate(double oleDate);
