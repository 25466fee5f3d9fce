// The enumerations of a calibration kit, with their fixed ordinals and display names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class TStdType : std::uint8_t { None = 0, Short = 1, Open = 2, Load = 3, Thru = 4, ArbiZ = 5 };
enum class TLoadType : std::uint8_t { Fixed = 0, Sliding = 1, Offset = 2 };
enum class TMedium : std::uint8_t { Coax = 0, Waveguide = 1 };
enum class TTrlCalZ0 : std::uint8_t { None = 0, SystemZ0 = 1, LineZ0 = 2 };
enum class TTrlSetRef : std::uint8_t { None = 0, Thru = 1, Reflect = 2 };

// The kit's calibration type: 1 is SOLT, 2 is TRL; a new kit holds 0, read as SOLT.
using TCalType = std::uint8_t;
inline constexpr TCalType ctSolt = 1;
inline constexpr TCalType ctTrl = 2;

inline constexpr int StdTypeCount = 6;

// Display names by ordinal, as the text export writes them.
inline const std::array<std::string, 6> StdTypeDisplayNames{"None", "Short", "Open", "Load", "Thru", "ArbiZ"};
inline const std::array<std::string, 3> LoadTypeDisplayNames{"Fixed", "Sliding", "Offset"};
inline const std::array<std::string, 2> MediumDisplayNames{"Coax", "Waveguide"};
inline const std::array<std::string, 3> TrlCalZ0DisplayNames{"None", "System Z0", "Line Z0"};
inline const std::array<std::string, 3> TrlSetRefDisplayNames{"None", "Thru", "Reflect"};

template <typename E>
constexpr std::uint8_t Ord(E value)
{
    return static_cast<std::uint8_t>(value);
}

// The display name of an ordinal, or an empty text for an ordinal outside the table.
template <std::size_t N>
const std::string& DisplayName(const std::array<std::string, N>& table, unsigned ordinal)
{
    static const std::string empty;
    return ordinal < N ? table[ordinal] : empty;
}
