// The number and label fields of the analyzers' own disk files (8753 family and 8510).
//
// HpFloat32, 4 bytes: a 24-bit two's-complement mantissa, most significant byte first, then a
// signed 8-bit exponent E; the value is mantissa x 2^(E - 23). Zero is 00 00 00 81.
// HpLabel12, 12 bytes: the capacity 10, the number of characters used, then ten characters
// padded with blanks.
#pragma once

#include "kit/LittleEndian.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t HpFloat32Size = 4;
inline constexpr std::size_t HpLabel12Size = 12;
inline constexpr std::size_t HpLabelLength = 10;

// The instrument's encoding of value (first made a 32-bit float): exponent from the 12-digit
// base-2 logarithm constant, mantissa rounded to 32 bits and its low byte dropped. A mantissa
// that rounds up to 2^31 is written as 2^30 with the exponent one higher, so exact powers of
// two keep their value and sign. Not-a-number is written as zero; magnitudes beyond the
// format saturate.
std::array<std::uint8_t, HpFloat32Size> EncodeHpFloat32(double value);
float DecodeHpFloat32(const std::array<std::uint8_t, HpFloat32Size>& bytes);

void PutHpFloat32(TByteSpan buffer, std::size_t offset, double value);
float GetHpFloat32(TConstByteSpan buffer, std::size_t offset);

// The first ten characters of label.
void PutHpLabel12(TByteSpan buffer, std::size_t offset, const std::string& label);
// As many of the ten characters as the count byte says (all ten for a larger count).
std::string GetHpLabel12(TConstByteSpan buffer, std::size_t offset);
