#include "response/Touchstone.h"

#include "kit/FileImage.h"
#include "kit/LocaleFormat.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int MinSignificantDigits = 12;

// The shortest scientific form that reads back as the same double, its mantissa padded with
// zeros to at least 12 significant digits: "1.00000000000e-01", "-4.76912345678901e+00".
std::string DataNumber(double value)
{
    if (!std::isfinite(value))
        throw ETessalyError("A response value is not a finite number; a Touchstone file cannot hold it.");
    if (value == 0)
        value = 0; // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    int digits = 0;
    for (char c : mantissa)
        digits += c >= '0' && c <= '9';
    if (digits < MinSignificantDigits) {
        if (mantissa.find('.') == std::string::npos)
            mantissa += '.';
        mantissa.append(static_cast<std::size_t>(MinSignificantDigits - digits), '0');
    }
    return mantissa + text.substr(e);
}

std::string CommentLine(const std::string& comment)
{
    std::string line = "!" + comment;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line + "\n";
}

} // namespace

std::string TouchstoneText(const TTouchstoneData& data)
{
    if (data.Ports != 1 && data.Ports != 2)
        throw std::invalid_argument("A Touchstone file of this kind holds one or two ports.");
    if (data.Points.size() != data.FrequenciesGHz.size())
        throw std::invalid_argument("Touchstone data needs one point per frequency.");
    std::string text;
    for (const std::string& comment : data.Comments)
        text += CommentLine(comment);
    text += "# GHz S RI R " + FormatNumber(data.ReferenceZ0, '.') + "\n";
    for (std::size_t i = 0; i < data.Points.size(); ++i) {
        const TSParameters& s = data.Points[i];
        text += DataNumber(data.FrequenciesGHz[i]);
        const TComplex one[] = {s.S11};
        const TComplex two[] = {s.S11, s.S21, s.S12, s.S22};
        for (const TComplex& v : data.Ports == 1 ? std::span<const TComplex>(one) : std::span<const TComplex>(two))
            text += " " + DataNumber(v.real()) + " " + DataNumber(v.imag());
        text += "\n";
    }
    return text;
}

void WriteTouchstone(const std::string& fileName, const TTouchstoneData& data)
{
    const std::vector<std::uint8_t> image = BuildFileImage(fileName, [&] {
        const std::string text = TouchstoneText(data);
        return std::vector<std::uint8_t>(text.begin(), text.end());
    });
    SaveFileImage(fileName, image);
}
