#include "kit/Utility.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

double ClampFloat(double value, double low, double high)
{
    return std::min(std::max(value, low), high);
}

int ClampInt(int value, int low, int high)
{
    return std::min(std::max(value, low), high);
}

long double RoundToExtended(long double value, int decimals)
{
    decimals = ClampInt(decimals, 0, 15);
    long double scale = 1.0L;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0L;
    // nearbyint rounds in the current rounding mode, which is to-nearest with ties to even.
    return std::nearbyint(value * scale) / scale;
}

double RoundTo(double value, int decimals)
{
    decimals = ClampInt(decimals, 0, 15);
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0;
    return std::nearbyint(value * scale) / scale;
}

std::string Trim(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return std::string(text.substr(first, last - first));
}

bool TryParseInt(std::string_view text, std::int32_t& value)
{
    const std::string t = Trim(text);
    if (t.empty())
        return false;
    const char* begin = t.data();
    if (*begin == '+')
        ++begin;
    std::int32_t v = 0;
    auto [end, ec] = std::from_chars(begin, t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size())
        return false;
    value = v;
    return true;
}

bool TryParseFloat(std::string_view text, double& value, char decimalSeparator)
{
    std::string t = Trim(text);
    if (t.empty())
        return false;
    // Accept only the given separator; the C locale parser wants a full stop.
    if (decimalSeparator != '.') {
        if (t.find('.') != std::string::npos)
            return false;
        std::replace(t.begin(), t.end(), decimalSeparator, '.');
    }
    // Only plain decimal notation with an optional exponent: no hex, inf or nan.
    for (char c : t) {
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
        if (!ok)
            return false;
    }
    const char* begin = t.c_str();
    if (*begin == '+')
        ++begin;
    double v = 0.0;
    auto [end, ec] = std::from_chars(begin, t.c_str() + t.size(), v);
    if (end != t.c_str() + t.size())
        return false;
    if (ec == std::errc::result_out_of_range) {
        // Overflow gives the largest magnitude of the right sign, underflow zero.
        errno = 0;
        v = std::strtod(begin, nullptr);
    } else if (ec != std::errc()) {
        return false;
    }
    value = v;
    return true;
}

std::int32_t ParseIntOrZero(std::string_view text)
{
    std::int32_t v = 0;
    return TryParseInt(text, v) ? v : 0;
}

double ParseFloatOrZero(std::string_view text, char decimalSeparator)
{
    double v = 0.0;
    return TryParseFloat(text, v, decimalSeparator) ? v : 0.0;
}

bool DirectoryExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(std::filesystem::path(path), ec);
}
