#include "analyzers/DiskFileRecords.h"

#include "analyzers/DiskFileFields.h"
#include "kit/CalKit.h"

#include <algorithm>

namespace {

constexpr std::size_t MinFreqAt = 0;
constexpr std::size_t MaxFreqAt = 4;
constexpr std::size_t OffsetZ0At = 8;
constexpr std::size_t OffsetDelayAt = 12;
constexpr std::size_t OffsetLossAt = 16;
constexpr std::size_t C0At = 20;
constexpr std::size_t C1At = 24;
constexpr std::size_t C2At = 28;
constexpr std::size_t C3At = 32;
constexpr std::size_t LabelAt = 36;
constexpr std::size_t TypeCodeAt = 48;

// Type codes.
constexpr std::uint8_t OpenCode = 0;
constexpr std::uint8_t ShortCode = 1;
constexpr std::uint8_t LoadCode = 2;
constexpr std::uint8_t DelayCode = 3;
constexpr std::uint8_t ArbiZCode = 4;

// Flags.
constexpr std::uint8_t WaveguideFlag = 1;
constexpr std::uint8_t SlidingFlag = 2;
constexpr std::uint8_t OffsetFlag = 4;
constexpr std::uint8_t LoadTypeFlags = SlidingFlag | OffsetFlag;

// Unit conversions between the kit (GHz, ps, ohm/ns) and the file (Hz, s, ohm/s).
constexpr double ToFileFrequency = 1e9;
constexpr double FromFileFrequency = 1e-9;
constexpr double ToFileDelay = 1e-12;
constexpr double FromFileDelay = 1e12;
constexpr double ToFileLoss = 1e9;
constexpr double FromFileLoss = 1e-9;

std::uint8_t TypeCode(TStdType type)
{
    switch (type) {
    case TStdType::Short:
        return ShortCode;
    case TStdType::Open:
        return OpenCode;
    case TStdType::Load:
        return LoadCode;
    case TStdType::ArbiZ:
        return ArbiZCode;
    default: // Thru, and None
        return DelayCode;
    }
}

TStdType TypeOfCode(std::uint8_t code)
{
    switch (code) {
    case OpenCode:
        return TStdType::Open;
    case ShortCode:
        return TStdType::Short;
    case LoadCode:
        return TStdType::Load;
    case DelayCode:
        return TStdType::Thru;
    case ArbiZCode:
        return TStdType::ArbiZ;
    default:
        return TStdType::None;
    }
}

std::uint8_t Flags(const TStandard& standard)
{
    std::uint8_t flags = 0;
    if (standard.LoadType() == TLoadType::Sliding)
        flags |= SlidingFlag;
    else if (standard.LoadType() == TLoadType::Offset)
        flags |= OffsetFlag;
    if (standard.Medium() == TMedium::Waveguide)
        flags |= WaveguideFlag;
    return flags;
}

TLoadType LoadTypeOfFlags(std::uint8_t flags)
{
    switch (flags & LoadTypeFlags) {
    case SlidingFlag:
        return TLoadType::Sliding;
    case OffsetFlag:
        return TLoadType::Offset;
    default:
        return TLoadType::Fixed;
    }
}

double Number(TConstByteSpan buffer, std::size_t at)
{
    return static_cast<double>(GetHpFloat32(buffer, at));
}

} // namespace

void PutDiskStandard(TByteSpan buffer, std::size_t at, const TStandard& standard)
{
    PutHpFloat32(buffer, at + MinFreqAt, standard.MinFreq() * ToFileFrequency);
    PutHpFloat32(buffer, at + MaxFreqAt, standard.MaxFreq() * ToFileFrequency);
    PutHpFloat32(buffer, at + OffsetZ0At, standard.OffsetZ0());
    PutHpFloat32(buffer, at + OffsetDelayAt, standard.OffsetDelay() * ToFileDelay);
    PutHpFloat32(buffer, at + OffsetLossAt, standard.OffsetLoss() * ToFileLoss);
    PutHpFloat32(buffer, at + C0At, standard.StdType() == TStdType::ArbiZ ? standard.TermZ() : standard.C0());
    PutHpFloat32(buffer, at + C1At, standard.C1());
    PutHpFloat32(buffer, at + C2At, standard.C2());
    PutHpFloat32(buffer, at + C3At, standard.C3());
    PutHpLabel12(buffer, at + LabelAt, standard.Label());
    PutU8(buffer, at + TypeCodeAt, TypeCode(standard.StdType()));
    PutU8(buffer, at + DiskStandardFlagsAt, Flags(standard));
}

void GetDiskStandard(TConstByteSpan buffer, std::size_t at, TStandard& standard)
{
    const std::uint8_t flags = GetU8(buffer, at + DiskStandardFlagsAt);
    standard.SetStdType(TypeOfCode(GetU8(buffer, at + TypeCodeAt)));
    standard.SetC0(RoundTo(Number(buffer, at + C0At), 5));
    standard.SetC1(RoundTo(Number(buffer, at + C1At), 5));
    standard.SetC2(RoundTo(Number(buffer, at + C2At), 5));
    standard.SetC3(RoundTo(Number(buffer, at + C3At), 5));
    standard.SetTermZ(RoundTo(Number(buffer, at + C0At), 5));
    standard.SetLoadType(LoadTypeOfFlags(flags));
    standard.SetOffsetDelay(RoundTo(Number(buffer, at + OffsetDelayAt) * FromFileDelay, 5));
    standard.SetOffsetZ0(RoundTo(Number(buffer, at + OffsetZ0At), 5));
    standard.SetOffsetLoss(RoundTo(Number(buffer, at + OffsetLossAt) * FromFileLoss, 5));
    standard.SetMinFreq(RoundTo(Number(buffer, at + MinFreqAt) * FromFileFrequency, 3));
    standard.SetMaxFreq(RoundTo(Number(buffer, at + MaxFreqAt) * FromFileFrequency, 3));
    standard.SetMedium((flags & WaveguideFlag) != 0 ? TMedium::Waveguide : TMedium::Coax);
    standard.SetLabel(GetHpLabel12(buffer, at + LabelAt));
}

void PutDiskClass(TByteSpan buffer, std::size_t at, const TStdClass& stdClass)
{
    std::uint8_t used = 0;
    for (int i = 1; i <= TStdClass::PositionCount; ++i) {
        const std::int32_t n = stdClass.GetStd(i);
        PutU8(buffer, at + static_cast<std::size_t>(i), static_cast<std::uint8_t>(n));
        if (n != 0)
            ++used;
    }
    PutU8(buffer, at, used);
}

void GetDiskClass(TConstByteSpan buffer, std::size_t at, TStdClass& stdClass)
{
    const int used = std::min<int>(GetU8(buffer, at), TStdClass::PositionCount);
    for (int i = 1; i <= TStdClass::PositionCount; ++i)
        stdClass.SetStd(i, i <= used ? GetU8(buffer, at + static_cast<std::size_t>(i)) : 0);
}

void PutDiskClassSlots(TByteSpan buffer, const TDiskClassBlock& block, const TCalKit& kit, const TIntArray& order)
{
    for (std::size_t slot = 0; slot < order.size(); ++slot) {
        const TStdClass& stdClass = kit.StdClass(order[slot]);
        PutDiskClass(buffer, block.RecordsAt + DiskClassRecordSize * slot, stdClass);
        PutHpLabel12(buffer, block.LabelsAt + HpLabel12Size * slot, stdClass.Label());
    }
}

void GetDiskClassSlot(TConstByteSpan buffer, const TDiskClassBlock& block, std::size_t slot, TStdClass& stdClass)
{
    GetDiskClass(buffer, block.RecordsAt + DiskClassRecordSize * slot, stdClass);
    stdClass.SetLabel(GetHpLabel12(buffer, block.LabelsAt + HpLabel12Size * slot));
}

void GetDiskClassSlots(TConstByteSpan buffer, const TDiskClassBlock& block, TCalKit& kit, const TIntArray& order)
{
    for (std::size_t slot = 0; slot < order.size(); ++slot)
        GetDiskClassSlot(buffer, block, slot, kit.StdClass(order[slot]));
}
