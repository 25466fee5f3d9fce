#include "analyzers/DiskFileFields.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// log10(2) as the instrument's firmware has it, twelve digits.
constexpr long double Log10Of2 = 0.301029995664L;
constexpr double SmallestMagnitude = 1.2e-38;
constexpr std::array<std::uint8_t, HpFloat32Size> ZeroBytes{0x00, 0x00, 0x00, 0x81};
constexpr double MantissaLimit = 2147483648.0; // 2^31
constexpr int LargestExponent = 127;

std::array<std::uint8_t, HpFloat32Size> Bytes(std::int32_t mantissa, int exponent)
{
    const auto m = static_cast<std::uint32_t>(mantissa);
    return {static_cast<std::uint8_t>(m >> 24), static_cast<std::uint8_t>(m >> 16),
            static_cast<std::uint8_t>(m >> 8), static_cast<std::uint8_t>(static_cast<unsigned>(exponent) & 0xFFu)};
}

} // namespace

std::array<std::uint8_t, HpFloat32Size> EncodeHpFloat32(double value)
{
    float single = static_cast<float>(value);
    if (std::isnan(single))
        return ZeroBytes;
    if (std::isinf(single))
        single = std::copysign(std::numeric_limits<float>::max(), single);
    const double magnitude = std::fabs(static_cast<double>(single));
    if (magnitude < SmallestMagnitude)
        return ZeroBytes;
    const double sign = single >= 0 ? 1.0 : -1.0;

    const auto l = static_cast<double>(std::log10(static_cast<long double>(magnitude)) / Log10Of2);
    int exponent = static_cast<int>(std::trunc(l)) + 1;
    double rounded = static_cast<double>(std::nearbyint(std::exp2(static_cast<long double>(l) - exponent + 31)));
    if (rounded * sign >= MantissaLimit) {
        // 2^31 does not fit the signed mantissa: the same value with one more in the exponent.
        rounded = MantissaLimit / 2;
        ++exponent;
    }
    if (exponent > LargestExponent)
        return Bytes(sign > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min(),
                     LargestExponent);
    return Bytes(static_cast<std::int32_t>(rounded * sign), exponent);
}

float DecodeHpFloat32(const std::array<std::uint8_t, HpFloat32Size>& bytes)
{
    std::int32_t mantissa = (std::int32_t{bytes[0]} << 16) | (std::int32_t{bytes[1]} << 8) | bytes[2];
    if (mantissa >= 0x800000)
        mantissa -= 0x1000000;
    const int exponent = static_cast<std::int8_t>(bytes[3]);
    return static_cast<float>(std::ldexp(static_cast<double>(mantissa), exponent - 23));
}

void PutHpFloat32(TByteSpan buffer, std::size_t offset, double value)
{
    const auto bytes = EncodeHpFloat32(value);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        PutU8(buffer, offset + i, bytes[i]);
}

float GetHpFloat32(TConstByteSpan buffer, std::size_t offset)
{
    std::array<std::uint8_t, HpFloat32Size> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = GetU8(buffer, offset + i);
    return DecodeHpFloat32(bytes);
}

void PutHpLabel12(TByteSpan buffer, std::size_t offset, const std::string& label)
{
    const std::size_t used = std::min(label.size(), HpLabelLength);
    PutU8(buffer, offset, static_cast<std::uint8_t>(HpLabelLength));
    PutU8(buffer, offset + 1, static_cast<std::uint8_t>(used));
    for (std::size_t i = 0; i < HpLabelLength; ++i)
        PutU8(buffer, offset + 2 + i, i < used ? static_cast<std::uint8_t>(label[i]) : std::uint8_t{' '});
}

std::string GetHpLabel12(TConstByteSpan buffer, std::size_t offset)
{
    const std::size_t used = std::min<std::size_t>(GetU8(buffer, offset + 1), HpLabelLength);
    std::string label;
    for (std::size_t i = 0; i < used; ++i)
        label.push_back(static_cast<char>(GetU8(buffer, offset + 2 + i)));
    return label;
}
