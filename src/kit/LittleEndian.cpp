#include "kit/LittleEndian.h"

#include <bit>
#include <stdexcept>

namespace {

[[noreturn]] void FieldOutside(std::size_t bufferSize, std::size_t offset, std::size_t size)
{
    throw std::out_of_range("Record field at offset " + std::to_string(offset) + " of size " +
                            std::to_string(size) + " lies outside a buffer of " + std::to_string(bufferSize) +
                            " bytes.");
}

void CheckField(std::size_t bufferSize, std::size_t offset, std::size_t size)
{
    if (offset > bufferSize || size > bufferSize - offset)
        FieldOutside(bufferSize, offset, size);
}

// The field's size is a constant, so that the byte loops unroll: reading and writing kit files
// and disk files is mostly this.
template <std::size_t Size>
void PutUnsigned(TByteSpan buffer, std::size_t offset, std::uint64_t value)
{
    CheckField(buffer.size(), offset, Size);
    for (std::size_t i = 0; i < Size; ++i)
        buffer[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
}

template <std::size_t Size>
std::uint64_t GetUnsigned(TConstByteSpan buffer, std::size_t offset)
{
    CheckField(buffer.size(), offset, Size);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < Size; ++i)
        value |= std::uint64_t{buffer[offset + i]} << (8 * i);
    return value;
}

} // namespace

void PutU8(TByteSpan buffer, std::size_t offset, std::uint8_t value) { PutUnsigned<1>(buffer, offset, value); }
void PutU16(TByteSpan buffer, std::size_t offset, std::uint16_t value) { PutUnsigned<2>(buffer, offset, value); }

void PutI32(TByteSpan buffer, std::size_t offset, std::int32_t value)
{
    PutUnsigned<4>(buffer, offset, static_cast<std::uint32_t>(value));
}

void PutDouble(TByteSpan buffer, std::size_t offset, double value)
{
    PutUnsigned<8>(buffer, offset, std::bit_cast<std::uint64_t>(value));
}

void PutText(TByteSpan buffer, std::size_t offset, std::size_t width, const std::string& text)
{
    CheckField(buffer.size(), offset, width);
    for (std::size_t i = 0; i < width; ++i)
        buffer[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

std::uint8_t GetU8(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::uint8_t>(GetUnsigned<1>(buffer, offset));
}

std::uint16_t GetU16(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::uint16_t>(GetUnsigned<2>(buffer, offset));
}

std::int32_t GetI32(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetUnsigned<4>(buffer, offset)));
}

double GetDouble(TConstByteSpan buffer, std::size_t offset)
{
    return std::bit_cast<double>(GetUnsigned<8>(buffer, offset));
}

std::string GetText(TConstByteSpan buffer, std::size_t offset, std::size_t width)
{
    CheckField(buffer.size(), offset, width);
    std::string text;
    for (std::size_t i = 0; i < width && buffer[offset + i] != 0; ++i)
        text.push_back(static_cast<char>(buffer[offset + i]));
    return text;
}
