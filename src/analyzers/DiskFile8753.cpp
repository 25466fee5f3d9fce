#include "analyzers/DiskFile8753.h"

#include "analyzers/DiskFileFields.h"
#include "analyzers/DiskFileRecords.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/FileImage.h"

#include <stdexcept>

namespace {

constexpr std::size_t KitLabelAt = 0;
constexpr TDiskClassBlock Classes{12, 132};
constexpr std::size_t SlotCount = 15;
constexpr std::size_t StandardsAt = 312;
constexpr int StandardCount = 8;
constexpr std::size_t SystemZ0At = 712;

// Standard 1's flags byte also carries the kit's TRL settings.
constexpr std::size_t KitFlagsAt = StandardsAt + DiskStandardFlagsAt;
constexpr std::uint8_t SystemZ0Flag = 8;
constexpr std::uint8_t ReflectFlag = 16;

// The TRL classes and the slots they are read from last: TRLT from FWDT, TRLR from S11A,
// TRLL from S11C.
constexpr int TrlThruClass = 13;
constexpr int TrlReflectClass = 14;
constexpr int TrlLineClass = 15;
constexpr std::size_t TrlThruSlot = 5;
constexpr std::size_t TrlReflectSlot = 0;
constexpr std::size_t TrlLineSlot = 2;

std::size_t StandardAt(int n)
{
    return StandardsAt + DiskStandardRecordSize * static_cast<std::size_t>(n - 1);
}

const TIntArray& SlotTable(const TIntArray& order)
{
    if (order.size() != SlotCount)
        throw std::logic_error("The 8753 disk file needs a table of 15 class slots.");
    return order;
}

std::vector<std::uint8_t> BuildImage(const TCalKit& kit, const TVna& format)
{
    std::vector<std::uint8_t> image(DiskFile8753Size, 0);
    PutHpLabel12(image, KitLabelAt, kit.Label());
    for (int n = 1; n <= StandardCount; ++n)
        PutDiskStandard(image, StandardAt(n), kit.Standard(n));
    const TIntArray& order = SlotTable(kit.CalType() == ctTrl ? format.DiskTrlClassOrder : format.DiskClassOrder);
    PutDiskClassSlots(image, Classes, kit, order);
    std::uint8_t flags = GetU8(image, KitFlagsAt);
    if (kit.TrlCalZ0() == TTrlCalZ0::SystemZ0)
        flags |= SystemZ0Flag;
    if (kit.TrlSetRef() == TTrlSetRef::Reflect)
        flags |= ReflectFlag;
    PutU8(image, KitFlagsAt, flags);
    PutHpFloat32(image, SystemZ0At, kit.SystemZ0());
    return image;
}

void Interpret(TCalKit& kit, const TVna& format, TConstByteSpan image)
{
    kit.SetLabel(GetHpLabel12(image, KitLabelAt));
    for (int n = 1; n <= StandardCount; ++n)
        GetDiskStandard(image, StandardAt(n), kit.Standard(n));
    GetDiskClassSlots(image, Classes, kit, SlotTable(format.DiskClassOrder));
    GetDiskClassSlot(image, Classes, TrlThruSlot, kit.StdClass(TrlThruClass));
    GetDiskClassSlot(image, Classes, TrlReflectSlot, kit.StdClass(TrlReflectClass));
    GetDiskClassSlot(image, Classes, TrlLineSlot, kit.StdClass(TrlLineClass));
    const std::uint8_t flags = GetU8(image, KitFlagsAt);
    kit.SetTrlCalZ0((flags & SystemZ0Flag) != 0 ? TTrlCalZ0::SystemZ0 : TTrlCalZ0::LineZ0);
    kit.SetTrlSetRef((flags & ReflectFlag) != 0 ? TTrlSetRef::Reflect : TTrlSetRef::Thru);
    kit.SetSystemZ0(GetHpFloat32(image, SystemZ0At));
}

} // namespace

std::vector<std::uint8_t> EncodeDiskFile8753(const TCalKit& kit, const TVna& format, const std::string& fileName)
{
    return BuildFileImage(fileName, [&] { return BuildImage(kit, format); });
}

void DecodeDiskFile8753(TCalKit& kit, const TVna& format, TConstByteSpan image, const std::string& fileName)
{
    if (image.size() < DiskFile8753Size)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    InterpretFileImage(fileName, [&] { Interpret(kit, format, image.first(DiskFile8753Size)); });
}

void WriteDiskFile8753(const TCalKit& kit, const TVna& format, const std::string& fileName)
{
    SaveFileImage(fileName, EncodeDiskFile8753(kit, format, fileName));
}

void ReadDiskFile8753(TCalKit& kit, const TVna& format, const std::string& fileName)
{
    DecodeDiskFile8753(kit, format, ReadFileImage(fileName, DiskFile8753Size), fileName);
}
