#include "kit/RowRecords.h"

namespace {

// "VnaStandard" layout.
constexpr std::size_t StdTypeAt = 0;
constexpr std::size_t C0At = 8;
constexpr std::size_t C1At = 16;
constexpr std::size_t C2At = 24;
constexpr std::size_t C3At = 32;
constexpr std::size_t LoadTypeAt = 40;
constexpr std::size_t OffsetDelayAt = 48;
constexpr std::size_t OffsetZ0At = 56;
constexpr std::size_t OffsetLossAt = 64;
constexpr std::size_t MinFreqAt = 72;
constexpr std::size_t MaxFreqAt = 80;
constexpr std::size_t MediumAt = 88;
constexpr std::size_t TermZAt = 96;
constexpr std::size_t StdLabelAt = 104; // 11 bytes: 10 characters and a zero byte

// "VnaStdClass" layout.
constexpr std::size_t ClassStdAt = 0; // seven 32-bit integers
constexpr std::size_t ClassLabelAt = 28;

} // namespace

std::vector<std::uint8_t> EncodeStandardRecord(const TStandardValues& values)
{
    std::vector<std::uint8_t> block(StandardRecordSize, 0);
    PutU8(block, StdTypeAt, Ord(values.StdType));
    PutDouble(block, C0At, values.C0);
    PutDouble(block, C1At, values.C1);
    PutDouble(block, C2At, values.C2);
    PutDouble(block, C3At, values.C3);
    PutU8(block, LoadTypeAt, Ord(values.LoadType));
    PutDouble(block, OffsetDelayAt, values.OffsetDelay);
    PutDouble(block, OffsetZ0At, values.OffsetZ0);
    PutDouble(block, OffsetLossAt, values.OffsetLoss);
    PutDouble(block, MinFreqAt, values.MinFreq);
    PutDouble(block, MaxFreqAt, values.MaxFreq);
    PutU8(block, MediumAt, Ord(values.Medium));
    PutDouble(block, TermZAt, values.TermZ);
    PutText(block, StdLabelAt, RowLabelLength, values.Label); // byte 114 stays zero
    return block;
}

std::optional<TStandardValues> DecodeStandardRecord(TConstByteSpan block)
{
    if (block.size() < StandardRecordSize)
        return std::nullopt;
    TStandardValues values;
    values.StdType = static_cast<TStdType>(GetU8(block, StdTypeAt));
    values.C0 = GetDouble(block, C0At);
    values.C1 = GetDouble(block, C1At);
    values.C2 = GetDouble(block, C2At);
    values.C3 = GetDouble(block, C3At);
    values.LoadType = static_cast<TLoadType>(GetU8(block, LoadTypeAt));
    values.OffsetDelay = GetDouble(block, OffsetDelayAt);
    values.OffsetZ0 = GetDouble(block, OffsetZ0At);
    values.OffsetLoss = GetDouble(block, OffsetLossAt);
    values.MinFreq = GetDouble(block, MinFreqAt);
    values.MaxFreq = GetDouble(block, MaxFreqAt);
    values.Medium = static_cast<TMedium>(GetU8(block, MediumAt));
    values.TermZ = GetDouble(block, TermZAt);
    values.Label = GetText(block, StdLabelAt, RowLabelLength);
    return values;
}

std::vector<std::uint8_t> EncodeStdClassRecord(const TStdClassValues& values)
{
    std::vector<std::uint8_t> block(StdClassRecordSize, 0);
    for (std::size_t i = 0; i < values.Std.size(); ++i)
        PutI32(block, ClassStdAt + 4 * i, values.Std[i]);
    PutText(block, ClassLabelAt, RowLabelLength, values.Label); // byte 38 stays zero
    return block;
}

std::optional<TStdClassValues> DecodeStdClassRecord(TConstByteSpan block)
{
    if (block.size() < StdClassRecordSize)
        return std::nullopt;
    TStdClassValues values;
    for (std::size_t i = 0; i < values.Std.size(); ++i)
        values.Std[i] = GetI32(block, ClassStdAt + 4 * i);
    values.Label = GetText(block, ClassLabelAt, RowLabelLength);
    return values;
}
