#include "analyzers/CommandText.h"

#include "analyzers/Vna.h"
#include "kit/Utility.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

constexpr int SignificantDigits = 15;

// Scientific notation of the value rounded to 15 significant digits: the digits without
// trailing zeros and the decimal exponent of the first one. Built on to_chars, which does not
// look at the locale.
struct TDecimal {
    bool Negative = false;
    std::string Digits; // at least one digit, no trailing zeros unless it is "0"
    int Exponent = 0;
};

TDecimal Decompose(long double value)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, SignificantDigits - 1);
    TDecimal d;
    if (ec != std::errc())
        return d;
    const std::string text(buffer, end);
    std::size_t i = 0;
    if (text[i] == '-') {
        d.Negative = true;
        ++i;
    }
    const std::size_t e = text.find('e', i);
    for (std::size_t k = i; k < e; ++k)
        if (text[k] != '.')
            d.Digits += text[k];
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    d.Exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

std::string FixedNotation(const TDecimal& d)
{
    std::string text;
    if (d.Exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(d.Exponent) + 1;
        if (d.Digits.size() <= whole) {
            text = d.Digits + std::string(whole - d.Digits.size(), '0');
        } else {
            text = d.Digits.substr(0, whole) + "." + d.Digits.substr(whole);
        }
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-d.Exponent - 1), '0') + d.Digits;
    }
    return text;
}

std::string ScientificNotation(const TDecimal& d)
{
    std::string text = d.Digits.substr(0, 1);
    if (d.Digits.size() > 1)
        text += "." + d.Digits.substr(1);
    text += "E";
    if (d.Exponent < 0)
        text += "-";
    text += std::to_string(std::abs(d.Exponent));
    return text;
}

} // namespace

std::string FormatNumber(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    const TDecimal d = Decompose(value);
    // Fixed from 0.0001 (exponent -4) up to 15 digits before the point (exponent 14).
    const bool fixed = d.Exponent >= -4 && d.Exponent < SignificantDigits;
    return (d.Negative ? "-" : "") + (fixed ? FixedNotation(d) : ScientificNotation(d));
}

std::string FormatLossPerSecond(double ohmPerNanosecond)
{
    return FormatNumber(static_cast<long double>(ohmPerNanosecond) * 1e9L);
}

std::string LegacyLabel(const std::string& label)
{
    std::string safe;
    safe.reserve(label.size());
    for (const char c : label)
        if (c != '"')
            safe += c;
    return safe;
}

std::string ScpiLabel(const std::string& label)
{
    std::string safe;
    safe.reserve(label.size() + 2);
    for (const char c : label) {
        safe += c;
        if (c == '\'')
            safe += c;
    }
    return safe;
}

std::string SelectedOptionCommand(const TVna& vna)
{
    const int count = static_cast<int>(vna.GpibOptions.size());
    if (count == 0)
        return {};
    const int selected = ClampInt(vna.SelectedOption, 1, count);
    const std::string caption = TVna::OptionCaption(vna.GpibOptions[static_cast<std::size_t>(selected - 1)]);
    // The value belongs to the caption: the first entry of that caption gives it.
    for (const std::string& entry : vna.GpibOptions)
        if (TVna::OptionCaption(entry) == caption)
            return TVna::OptionCommand(entry);
    return {};
}
