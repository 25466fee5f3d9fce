// The fixed little-endian records in which one standard row ("VnaStandard", 120 bytes) or one
// class row ("VnaStdClass", 40 bytes) travels over the clipboard. Labels travel as at most 10
// characters followed by a zero byte; reserved bytes are written as zero and ignored on reading.
#pragma once

#include "kit/LittleEndian.h"
#include "kit/StdClass.h"
#include "kit/Standard.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr std::size_t StandardRecordSize = 120;
inline constexpr std::size_t StdClassRecordSize = 40;
inline constexpr std::size_t RowLabelLength = 10;

std::vector<std::uint8_t> EncodeStandardRecord(const TStandardValues& values);
// The values of a record, unvalidated (a standard takes them in through its setters); none
// when the block is shorter than a record. Bytes after the record are ignored.
std::optional<TStandardValues> DecodeStandardRecord(TConstByteSpan block);

std::vector<std::uint8_t> EncodeStdClassRecord(const TStdClassValues& values);
std::optional<TStdClassValues> DecodeStdClassRecord(TConstByteSpan block);
