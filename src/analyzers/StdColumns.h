// The columns of the standards grid, by which a model's StdColumns say which values of a
// standard it uses for each type; column 1 is the fixed column with the standard's number.
#pragma once

namespace StdColumn {
inline constexpr int Number = 1;
inline constexpr int Type = 2;
inline constexpr int C0 = 3;  // the terminal impedance of an arbitrary-impedance standard
inline constexpr int C1 = 4;
inline constexpr int C2 = 5;
inline constexpr int C3 = 6;
inline constexpr int LoadType = 7;
inline constexpr int OffsetDelay = 8;
inline constexpr int OffsetZ0 = 9;
inline constexpr int OffsetLoss = 10;
inline constexpr int MinFreq = 11;
inline constexpr int MaxFreq = 12;
inline constexpr int Medium = 13;
inline constexpr int Label = 14;
inline constexpr int Count = 14;
}  // namespace StdColumn
