// Reading and writing the fixed little-endian fields of the program's own binary records
// (row clipboard records, kit file), byte by byte so the result is the same on any host.
// Every access checks that the field lies inside the buffer and raises std::out_of_range
// otherwise; nothing is ever read or written outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

using TByteSpan = std::span<std::uint8_t>;
using TConstByteSpan = std::span<const std::uint8_t>;

void PutU8(TByteSpan buffer, std::size_t offset, std::uint8_t value);
void PutU16(TByteSpan buffer, std::size_t offset, std::uint16_t value);
void PutI32(TByteSpan buffer, std::size_t offset, std::int32_t value);
void PutDouble(TByteSpan buffer, std::size_t offset, double value);
// A text field of the given width: the first width characters of text; when text is shorter,
// a zero byte follows it and the rest of the field is zero too.
void PutText(TByteSpan buffer, std::size_t offset, std::size_t width, const std::string& text);

std::uint8_t GetU8(TConstByteSpan buffer, std::size_t offset);
std::uint16_t GetU16(TConstByteSpan buffer, std::size_t offset);
std::int32_t GetI32(TConstByteSpan buffer, std::size_t offset);
double GetDouble(TConstByteSpan buffer, std::size_t offset);
// The characters of a text field up to its first zero byte, at most width of them.
std::string GetText(TConstByteSpan buffer, std::size_t offset, std::size_t width);
