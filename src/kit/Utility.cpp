#include "kit/Utility.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

double ClampFloat(double value, double low, double high)
{
    if (std::isnan(value))
        value = low;
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

std::string FirstChars(std::string_view text, int count)
{
    if (count <= 0)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
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

std::string EscapeControlCharacters(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\t' || (code >= 32 && code < 127) || code >= 160)
            shown += c;
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else {
            shown += "\\x";
            shown += Hex[code >> 4];
            shown += Hex[code & 15];
        }
    }
    return shown;
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

namespace {

constexpr std::chrono::sys_days OleEpoch{std::chrono::year{1899} / std::chrono::December / 30};
// 1 January 100 and 31 December 9999, the range of OLE dates.
constexpr double FirstOleDay = -657434.0;
constexpr double LastOleDay = 2958465.0;

} // namespace

double OleDateFromCivil(const TCivilDate& date)
{
    using namespace std::chrono;
    const sys_days day{year{date.Year} / month{date.Month} / std::chrono::day{date.Day}};
    return static_cast<double>((day - OleEpoch).count());
}

std::optional<TCivilDate> CivilFromOleDate(double oleDate)
{
    using namespace std::chrono;
    if (!std::isfinite(oleDate))
        return std::nullopt;
    // The whole part names the day on both sides of the epoch (-1.25 is 29 December 1899, 06:00).
    const double whole = std::trunc(oleDate);
    if (whole < FirstOleDay || whole > LastOleDay)
        return std::nullopt;
    const year_month_day ymd{OleEpoch + days{static_cast<int>(whole)}};
    return TCivilDate{static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                      static_cast<unsigned>(ymd.day())};
}

double TodayOleDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return OleDateFromCivil(TCivilDate{local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                       static_cast<unsigned>(local.tm_mday)});
}
