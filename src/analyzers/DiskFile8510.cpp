#include "analyzers/DiskFile8510.h"

#include "analyzers/DiskFileFields.h"
#include "analyzers/DiskFileRecords.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/FileImage.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::array<std::uint8_t, 16> Header{0x00, 0x0C, 0x00, 0x03, 0x00, 0x03, 0x00, 0x02,
                                              0x00, 0x01, 0x00, 0x00, 0x05, 0x80, 0x05, 0x80};
constexpr std::size_t KitLabelAt = 16;
constexpr TDiskClassBlock FirstClasses{28, 132};
constexpr std::size_t FirstSlotCount = 13;
constexpr std::size_t StandardsAt = 288;
constexpr int StandardCount = 21;
constexpr TDiskClassBlock SecondClasses{1338, 1370};
constexpr std::size_t SecondSlotCount = 4;
constexpr std::size_t LowbandAt = 1418;
constexpr std::size_t FlagsAt = 1422;
constexpr std::uint8_t SystemZ0Flag = 16;
constexpr std::uint8_t ReflectFlag = 1;
constexpr std::array<std::uint8_t, 3> Trailer{0, 255, 255};
constexpr double ToFileFrequency = 1e9;
constexpr double FromFileFrequency = 1e-9;

std::size_t StandardAt(int n)
{
    return StandardsAt + DiskStandardRecordSize * static_cast<std::size_t>(n - 1);
}

const TIntArray& SlotTable(const TIntArray& order, std::size_t count)
{
    if (order.size() != count)
        throw std::logic_error("The 8510 disk file needs class slot tables of 13 and 4 entries.");
    return order;
}

std::vector<std::uint8_t> BuildImage(const TCalKit& kit, const TVna& format)
{
    std::vector<std::uint8_t> image(DiskFile8510Size, 0);
    for (std::size_t i = 0; i < Header.size(); ++i)
        PutU8(image, i, Header[i]);
    PutHpLabel12(image, KitLabelAt, kit.Label());
    for (int n = 1; n <= StandardCount; ++n)
        PutDiskStandard(image, StandardAt(n), kit.Standard(n));
    PutDiskClassSlots(image, FirstClasses, kit, SlotTable(format.DiskClassOrder, FirstSlotCount));
    PutDiskClassSlots(image, SecondClasses, kit, SlotTable(format.DiskTrlClassOrder, SecondSlotCount));
    PutHpFloat32(image, LowbandAt, kit.LowbandFrequency() * ToFileFrequency);
    std::uint8_t flags = 0;
    if (kit.TrlCalZ0() == TTrlCalZ0::SystemZ0)
        flags |= SystemZ0Flag;
    if (kit.TrlSetRef() == TTrlSetRef::Reflect)
        flags |= ReflectFlag;
    PutU8(image, FlagsAt, flags);
    for (std::size_t i = 0; i < Trailer.size(); ++i)
        PutU8(image, FlagsAt + 1 + i, Trailer[i]);
    return image;
}

void Interpret(TCalKit& kit, const TVna& format, TConstByteSpan image)
{
    kit.SetLabel(GetHpLabel12(image, KitLabelAt));
    for (int n = 1; n <= StandardCount; ++n)
        GetDiskStandard(image, StandardAt(n), kit.Standard(n));
    GetDiskClassSlots(image, FirstClasses, kit, SlotTable(format.DiskClassOrder, FirstSlotCount));
    GetDiskClassSlots(image, SecondClasses, kit, SlotTable(format.DiskTrlClassOrder, SecondSlotCount));
    kit.SetLowbandFrequency(GetHpFloat32(image, LowbandAt) * FromFileFrequency);
    const std::uint8_t flags = GetU8(image, FlagsAt);
    kit.SetTrlCalZ0((flags & SystemZ0Flag) != 0 ? TTrlCalZ0::SystemZ0 : TTrlCalZ0::LineZ0);
    kit.SetTrlSetRef((flags & ReflectFlag) != 0 ? TTrlSetRef::Reflect : TTrlSetRef::Thru);
}

} // namespace

std::vector<std::uint8_t> EncodeDiskFile8510(const TCalKit& kit, const TVna& format, const std::string& fileName)
{
    return BuildFileImage(fileName, [&] { return BuildImage(kit, format); });
}

void DecodeDiskFile8510(TCalKit& kit, const TVna& format, TConstByteSpan image, const std::string& fileName)
{
    if (image.size() < DiskFile8510Size)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    InterpretFileImage(fileName, [&] { Interpret(kit, format, image.first(DiskFile8510Size)); });
}

void WriteDiskFile8510(const TCalKit& kit, const TVna& format, const std::string& fileName)
{
    SaveFileImage(fileName, EncodeDiskFile8510(kit, format, fileName));
}

void ReadDiskFile8510(TCalKit& kit, const TVna& format, const std::string& fileName)
{
    DecodeDiskFile8510(kit, format, ReadFileImage(fileName, DiskFile8510Size), fileName);
}
