#include "kit/LittleEndian.h"

#include <bit>
#include <stdexcept>

namespace {

void CheckField(std::size_t bufferSize, std::size_t offset, std::size_t size)
{
    if (offset > bufferSize || size > bufferSize - offset)
        throw std::out_of_range("Record field at offset " + std::to_string(offset) + " of size " +
                                std::to_string(size) + " lies outside a buffer of " +
                                std::to_string(bufferSize) + " bytes.");
}

void PutUnsigned(TByteSpan buffer, std::size_t offset, std::uint64_t value, std::size_t size)
{
    CheckField(buffer.size(), offset, size);
    for (std::size_t i = 0; i < size; ++i)
        buffer[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
}

std::uint64_t GetUnsigned(TConstByteSpan buffer, std::size_t offset, std::size_t size)
{
    CheckField(buffer.size(), offset, size);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint64_t{buffer[offset + i]} << (8 * i);
    return value;
}

} // namespace

void PutU8(TByteSpan buffer, std::size_t offset, std::uint8_t value) { PutUnsigned(buffer, offset, value, 1); }
void PutU16(TByteSpan buffer, std::size_t offset, std::uint16_t value) { PutUnsigned(buffer, offset, value, 2); }

void PutI32(TByteSpan buffer, std::size_t offset, std::int32_t value)
{
    PutUnsigned(buffer, offset, static_cast<std::uint32_t>(value), 4);
}

void PutDouble(TByteSpan buffer, std::size_t offset, double value)
{
    PutUnsigned(buffer, offset, std::bit_cast<std::uint64_t>(value), 8);
}

void PutText(TByteSpan buffer, std::size_t offset, std::size_t width, const std::string& text)
{
    CheckField(buffer.size(), offset, width);
    for (std::size_t i = 0; i < width; ++i)
        buffer[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

std::uint8_t GetU8(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::uint8_t>(GetUnsigned(buffer, offset, 1));
}

std::uint16_t GetU16(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::uint16_t>(GetUnsigned(buffer, offset, 2));
}

std::int32_t GetI32(TConstByteSpan buffer, std::size_t offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetUnsigned(buffer, offset, 4)));
}

double GetDouble(TConstByteSpan buffer, std::size_t offset)
{
    return std::bit_cast<double>(GetUnsigned(buffer, offset, 8));
}

std::string GetText(TConstByteSpan buffer, std::size_t offset, std::size_t width)
{
    CheckField(buffer.size(), offset, width);
    std::string text;
    for (std::size_t i = 0; i < width && buffer[offset + i] != 0; ++i)
        text.push_back(static_cast<char>(buffer[offset + i]));
    return text;
}
