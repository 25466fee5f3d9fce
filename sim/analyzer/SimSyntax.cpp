#include "SimSyntax.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char UpperChar(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when only blanks lie between position from and the end of the command.
bool EndsCommand(std::string_view message, std::size_t from)
{
    while (from < message.size() && IsBlank(message[from]))
        ++from;
    return from == message.size() || message[from] == ';';
}

void AddCommand(std::vector<std::string>& commands, const std::string& text)
{
    std::string command = TrimBlanks(text);
    if (!command.empty())
        commands.push_back(command);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of text (sign, digits, point, exponent); 0 when
// there is none.
std::size_t NumberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

std::optional<double> UnitScale(std::string_view suffix, SimUnit unit)
{
    struct Suffix {
        SimUnit unit;
        std::string_view text;
        double scale;
    };
    static constexpr Suffix kSuffixes[] = {
        {SimUnit::Seconds, "S", 1.0},     {SimUnit::Seconds, "MS", 1e-3},  {SimUnit::Seconds, "US", 1e-6},
        {SimUnit::Seconds, "NS", 1e-9},   {SimUnit::Seconds, "PS", 1e-12}, {SimUnit::Seconds, "FS", 1e-15},
        {SimUnit::Hertz, "HZ", 1.0},      {SimUnit::Hertz, "KHZ", 1e3},    {SimUnit::Hertz, "MHZ", 1e6},
        {SimUnit::Hertz, "GHZ", 1e9},
    };
    if (suffix.empty())
        return 1.0;
    for (const Suffix& s : kSuffixes) {
        if (s.unit == unit && s.text == suffix)
            return s.scale;
    }
    return std::nullopt;
}

} // namespace

std::string TrimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

std::string UpperAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

std::vector<std::string> SplitCommands(std::string_view message, std::string_view quoteChars, bool doubledQuotes)
{
    std::vector<std::string> commands;
    std::string current;
    char openQuote = 0;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char c = message[i];
        if (openQuote != 0) {
            current += c;
            if (doubledQuotes && c == openQuote && i + 1 < message.size() && message[i + 1] == openQuote)
                current += message[++i];
            else if (c == openQuote && EndsCommand(message, i + 1))
                openQuote = 0;
        } else if (c == ';') {
            AddCommand(commands, current);
            current.clear();
        } else {
            if (quoteChars.find(c) != std::string_view::npos)
                openQuote = c;
            current += UpperChar(c);
        }
    }
    AddCommand(commands, current);
    return commands;
}

std::optional<double> ParseQuantity(std::string_view text, SimUnit unit)
{
    const std::string t = TrimBlanks(text);
    const std::size_t length = NumberLength(t);
    if (length == 0)
        return std::nullopt;
    const std::optional<double> scale = UnitScale(TrimBlanks(std::string_view(t).substr(length)), unit);
    if (!scale)
        return std::nullopt;
    const char* begin = t.data();
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(begin, t.data() + length, value);
    if (ec != std::errc() || end != t.data() + length)
        return std::nullopt;
    const double result = static_cast<double>(static_cast<long double>(value) * static_cast<long double>(*scale));
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<int> ParseInteger(std::string_view text)
{
    const std::string t = TrimBlanks(text);
    const char* begin = t.data();
    if (!t.empty() && *begin == '+')
        ++begin;
    int value = 0;
    const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseIntegerList(std::string_view text)
{
    std::vector<int> values;
    const std::string t = TrimBlanks(text);
    if (t.empty())
        return values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = t.find(',', start);
        const std::optional<int> value = ParseInteger(std::string_view(t).substr(start, comma - start));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string::npos)
            return values;
        start = comma + 1;
    }
}

std::optional<std::string> ParseQuoted(std::string_view text, std::string_view quoteChars, bool doubledQuotes)
{
    const std::string t = TrimBlanks(text);
    if (t.size() < 2 || quoteChars.find(t.front()) == std::string_view::npos || t.back() != t.front())
        return std::nullopt;
    const std::string inside = t.substr(1, t.size() - 2);
    if (!doubledQuotes)
        return inside;
    std::string unquoted;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        unquoted += inside[i];
        if (inside[i] == t.front() && i + 1 < inside.size() && inside[i + 1] == t.front())
            ++i;
    }
    return unquoted;
}

std::string FormatScientific(double value)
{
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (ec != std::errc())
        return "0E+00";
    std::string text(buffer, end);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text; // not a finite number; the memory never holds one
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    return mantissa + "E" + text.substr(e + 1);
}
