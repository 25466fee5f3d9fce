// The records that both analyzer disk files are made of: the 50-byte standard record, the
// 8-byte class record and the blocks of class slots with their labels.
#pragma once

#include "kit/LittleEndian.h"
#include "kit/Utility.h"

#include <cstddef>

class TCalKit;
class TStandard;
class TStdClass;

inline constexpr std::size_t DiskStandardRecordSize = 50;
inline constexpr std::size_t DiskClassRecordSize = 8;
// The flags byte of a standard record: waveguide and load type, in standard 1 also kit flags.
inline constexpr std::size_t DiskStandardFlagsAt = 49;

// Frequencies in Hz, offset delay in s, offset loss in ohm/s; the first coefficient field
// holds the terminal impedance of an arbitrary impedance.
void PutDiskStandard(TByteSpan buffer, std::size_t at, const TStandard& standard);
// Through the standard's setters: coefficients, terminal impedance and offsets rounded to 5
// decimals, frequencies to 3.
void GetDiskStandard(TConstByteSpan buffer, std::size_t at, TStandard& standard);

// The count of used positions, then the seven standard numbers.
void PutDiskClass(TByteSpan buffer, std::size_t at, const TStdClass& stdClass);
// Positions 1 to count get the stored numbers (a count above 7 reads as 7), the others are
// cleared; the record's label is not part of it.
void GetDiskClass(TConstByteSpan buffer, std::size_t at, TStdClass& stdClass);

// A block of class slots: the record of slot s at RecordsAt + 8 s, its label at LabelsAt + 12 s.
struct TDiskClassBlock {
    std::size_t RecordsAt = 0;
    std::size_t LabelsAt = 0;
};

// Slot s of the block holds the class numbered order[s].
void PutDiskClassSlots(TByteSpan buffer, const TDiskClassBlock& block, const TCalKit& kit, const TIntArray& order);
void GetDiskClassSlots(TConstByteSpan buffer, const TDiskClassBlock& block, TCalKit& kit, const TIntArray& order);
// One slot into one class: numbers, then the label.
void GetDiskClassSlot(TConstByteSpan buffer, const TDiskClassBlock& block, std::size_t slot, TStdClass& stdClass);
