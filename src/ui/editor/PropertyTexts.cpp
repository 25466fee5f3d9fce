#include "ui/editor/PropertyTexts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "kit/LocaleFormat.h"
#include "kit/Utility.h"

namespace {

constexpr int LowbandDigits = 5;
constexpr int LowbandDecimals = 4;
constexpr int SystemZ0Digits = 3;
constexpr int SystemZ0Decimals = 2;

}  // namespace

std::string FormatFixed(double value, int significantDigits, int decimals, char decimalSeparator)
{
    significantDigits = ClampInt(significantDigits, 1, 17);
    decimals = ClampInt(decimals, 0, 18);
    if (!std::isfinite(value))
        return FormatNumber(value, decimalSeparator, significantDigits);

    // The value rounded to its significant digits, and the place of its first digit.
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
    const double rounded = std::strtod(buffer, nullptr);
    const char* exponentMark = buffer;
    while (*exponentMark != 'e' && *exponentMark != 0)
        ++exponentMark;
    const int exponent = *exponentMark == 'e' ? std::atoi(exponentMark + 1) : 0;
    if (rounded != 0 && exponent + 1 > significantDigits)
        return FormatNumber(rounded, decimalSeparator, significantDigits);

    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    std::string text = buffer;
    // A value that rounds to zero carries no sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    for (char& character : text)
        if (character == '.')
            character = decimalSeparator;
    return text;
}

std::string LowbandText(double gigahertz, char decimalSeparator)
{
    return FormatFixed(gigahertz, LowbandDigits, LowbandDecimals, decimalSeparator);
}

std::string SystemZ0Text(double ohms, char decimalSeparator)
{
    return FormatFixed(ohms, SystemZ0Digits, SystemZ0Decimals, decimalSeparator);
}
