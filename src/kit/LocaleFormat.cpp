#include "kit/LocaleFormat.h"

#include "kit/Utility.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

TLocaleFormat& Installed()
{
    static TLocaleFormat format;
    return format;
}

constexpr int SignificantDigits = 15;

} // namespace

void SetLocaleFormat(TLocaleFormat format)
{
    Installed() = std::move(format);
}

const TLocaleFormat& LocaleFormat()
{
    return Installed();
}

std::string FormatNumber(double value, char decimalSeparator)
{
    return FormatNumber(value, decimalSeparator, SignificantDigits);
}

std::string FormatNumber(double value, char decimalSeparator, int significantDigits)
{
    significantDigits = ClampInt(significantDigits, 1, 17);
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";

    // d.dddde[+-]x: the value rounded to the significant digits and its exponent.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= significantDigits) {
        text += digits.front();
        if (digits.size() > 1)
            text += decimalSeparator + digits.substr(1);
        text += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += decimalSeparator;
            text += digits.substr(integerDigits);
        }
    }
    return text;
}

std::string FormatNumber(double value)
{
    return FormatNumber(value, LocaleFormat().DecimalSeparator);
}

std::string EnglishLongDate(double oleDate)
{
    static const std::array<const char*, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
    static const std::array<const char*, 12> monthNames{"January", "February", "March",     "April",
                                                        "May",     "June",     "July",      "August",
                                                        "September", "October", "November", "December"};
    const auto date = CivilFromOleDate(oleDate);
    if (!date)
        return {};
    using namespace std::chrono;
    const weekday day{sys_days{year{date->Year} / month{date->Month} / std::chrono::day{date->Day}}};
    return std::string(dayNames[day.c_encoding()]) + ", " + monthNames[date->Month - 1] + " " +
           std::to_string(date->Day) + ", " + std::to_string(date->Year);
}

std::string FormatLongDate(double oleDate)
{
    const TLocaleFormat& format = LocaleFormat();
    return format.LongDate ? format.LongDate(oleDate) : EnglishLongDate(oleDate);
}
