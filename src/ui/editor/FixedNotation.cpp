#include "ui/editor/FixedNotation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The decimal digits of |value| rounded to `digits` significant digits, and the power of ten
// of the first of them.
struct TSignificand {
    std::string Digits;
    int Exponent = 0;
};

TSignificand Significand(double value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, std::fabs(value));
    TSignificand result;
    const char* p = buffer;
    for (; *p != 'e' && *p != '\0'; ++p)
        if (*p >= '0' && *p <= '9')
            result.Digits.push_back(*p);
    if (*p == 'e')
        result.Exponent = std::atoi(p + 1);
    return result;
}

std::string Scientific(const TSignificand& number, bool negative, char decimalSeparator)
{
    std::string digits = number.Digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string text = negative ? "-" : "";
    text += digits.front();
    if (digits.size() > 1) {
        text += decimalSeparator;
        text += digits.substr(1);
    }
    return text + 'E' + std::to_string(number.Exponent);
}

}  // namespace

std::string FormatFixed(double value, int precision, int decimals, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);

    const TSignificand rounded = Significand(value, precision);
    const int integerDigits = rounded.Exponent + 1;
    if (value != 0 && integerDigits > precision)
        return Scientific(rounded, value < 0, decimalSeparator);

    // The places the significant digits reach after the decimal point; when they reach
    // further than the wanted decimals, round at the decimals instead.
    std::string integerPart;
    std::string fraction;
    if (value == 0) {
        integerPart = "0";
    } else if (precision - integerDigits <= decimals) {
        const std::string& d = rounded.Digits;
        if (integerDigits <= 0) {
            integerPart = "0";
            fraction = std::string(static_cast<std::size_t>(-integerDigits), '0') + d;
        } else {
            integerPart = d.substr(0, static_cast<std::size_t>(integerDigits));
            fraction = d.substr(static_cast<std::size_t>(integerDigits));
        }
    } else {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
        const std::string text = buffer;
        const std::size_t point = text.find('.');
        integerPart = text.substr(0, point);
        if (point != std::string::npos)
            fraction = text.substr(point + 1);
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');

    const bool allZero = integerPart.find_first_not_of('0') == std::string::npos &&
                         fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !allZero) ? "-" : "";
    text += integerPart;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}
