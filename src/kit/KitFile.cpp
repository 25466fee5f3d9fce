#include "kit/KitFile.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/FileImage.h"
#include "kit/Utility.h"

#include <array>

namespace {

// Kit record.
constexpr std::size_t LabelAt = 0;
constexpr std::size_t LabelWidth = 10;
constexpr std::size_t DateAt = 10;
constexpr std::size_t DescriptionAt = 18;
constexpr std::size_t DescriptionWidth = 256;
constexpr std::size_t ModelCodeAt = 274;
constexpr std::size_t StandardsAt = 276;
constexpr std::size_t ClassesAt = 3444;
constexpr std::size_t TrlCalZ0At = 4236;
constexpr std::size_t TrlSetRefAt = 4238;
constexpr std::size_t MarkerAt = 4240;
constexpr std::size_t FileNameAt = 4246; // two reserved words lie before it
constexpr std::size_t FileNameWidth = 256;
constexpr std::size_t LowbandAt = 4502;
constexpr std::size_t SystemZ0At = 4510;
constexpr std::size_t CalTypeAt = 4518; // reserved bytes and texts follow up to the end

// Standard record, 96 bytes.
constexpr std::size_t StandardSize = 96;
constexpr std::size_t StdTypeAt = 0;
constexpr std::size_t C0At = 2;
constexpr std::size_t C1At = 10;
constexpr std::size_t C2At = 18;
constexpr std::size_t C3At = 26;
constexpr std::size_t LoadTypeAt = 34;
constexpr std::size_t OffsetDelayAt = 36;
constexpr std::size_t OffsetZ0At = 44;
constexpr std::size_t OffsetLossAt = 52;
constexpr std::size_t MinFreqAt = 60;
constexpr std::size_t MaxFreqAt = 68;
constexpr std::size_t MediumAt = 76;
constexpr std::size_t TermZAt = 78;
constexpr std::size_t StdLabelAt = 86;

// Class record, 24 bytes: seven words, then the label.
constexpr std::size_t ClassSize = 24;
constexpr std::size_t ClassLabelAt = 14;

constexpr std::uint16_t ArbiZTypeWord = 5;

// Catalogue index -> file code, and the reverse.
constexpr std::array<int, VnaCount> CodeOfIndex{6, 16, 4, 5, 7, 8, 9, 10, 2, 3, 11, 12, 13, 14, 0, 1, 15};
constexpr std::array<int, VnaCount> IndexOfCode{14, 15, 8, 9, 2, 3, 0, 4, 5, 6, 7, 10, 11, 12, 13, 16, 1};

std::uint8_t LowByte(std::uint16_t word)
{
    return static_cast<std::uint8_t>(word & 0xFFu);
}

void PutStandard(TByteSpan image, std::size_t at, const TStandard& standard)
{
    const TStandardValues& v = standard.Values();
    PutU16(image, at + StdTypeAt, Ord(v.StdType));
    PutDouble(image, at + C0At, v.C0);
    PutDouble(image, at + C1At, v.C1);
    PutDouble(image, at + C2At, v.C2);
    PutDouble(image, at + C3At, v.C3);
    PutU16(image, at + LoadTypeAt, static_cast<std::uint16_t>(Ord(v.LoadType) + 1));
    PutDouble(image, at + OffsetDelayAt, v.OffsetDelay);
    PutDouble(image, at + OffsetZ0At, v.OffsetZ0);
    PutDouble(image, at + OffsetLossAt, v.OffsetLoss);
    PutDouble(image, at + MinFreqAt, v.MinFreq);
    PutDouble(image, at + MaxFreqAt, v.MaxFreq);
    PutU16(image, at + MediumAt, static_cast<std::uint16_t>(Ord(v.Medium) + 1));
    PutDouble(image, at + TermZAt, v.TermZ);
    PutText(image, at + StdLabelAt, LabelWidth, v.Label);
}

// Load type and medium are stored as ordinal + 1; a stored 0 wraps to 255, which the setters
// turn into the first value.
void GetStandard(TConstByteSpan image, std::size_t at, bool olderFile, TStandard& standard)
{
    const std::uint16_t typeWord = GetU16(image, at + StdTypeAt);
    TStandardValues v;
    v.StdType = static_cast<TStdType>(LowByte(typeWord));
    v.C0 = GetDouble(image, at + C0At);
    v.C1 = GetDouble(image, at + C1At);
    v.C2 = GetDouble(image, at + C2At);
    v.C3 = GetDouble(image, at + C3At);
    v.LoadType = static_cast<TLoadType>(static_cast<std::uint8_t>(LowByte(GetU16(image, at + LoadTypeAt)) - 1));
    v.OffsetDelay = GetDouble(image, at + OffsetDelayAt);
    v.OffsetZ0 = GetDouble(image, at + OffsetZ0At);
    v.OffsetLoss = GetDouble(image, at + OffsetLossAt);
    v.MinFreq = GetDouble(image, at + MinFreqAt);
    v.MaxFreq = GetDouble(image, at + MaxFreqAt);
    v.Medium = static_cast<TMedium>(static_cast<std::uint8_t>(LowByte(GetU16(image, at + MediumAt)) - 1));
    // Files without the marker kept an arbitrary impedance's terminal impedance in C0.
    v.TermZ = GetDouble(image, at + (olderFile && typeWord == ArbiZTypeWord ? C0At : TermZAt));
    v.Label = GetText(image, at + StdLabelAt, LabelWidth);
    standard.SetValues(v);
}

void PutClass(TByteSpan image, std::size_t at, const TStdClass& stdClass)
{
    for (int j = 1; j <= TStdClass::PositionCount; ++j)
        PutU16(image, at + 2 * static_cast<std::size_t>(j - 1), static_cast<std::uint16_t>(stdClass.GetStd(j)));
    PutText(image, at + ClassLabelAt, LabelWidth, stdClass.Label());
}

void GetClass(TConstByteSpan image, std::size_t at, TStdClass& stdClass)
{
    TStdClassValues v;
    for (std::size_t j = 0; j < v.Std.size(); ++j)
        v.Std[j] = GetU16(image, at + 2 * j);
    v.Label = GetText(image, at + ClassLabelAt, LabelWidth);
    stdClass.SetValues(v);
}

std::vector<std::uint8_t> BuildImage(const TCalKit& kit, const std::string& fileName, double saveDate)
{
    // Only the catalogue's own models have a code.
    const int index = kit.Vna().ModelIndex;
    const int code = KitFileCode(index);
    if (code < 0 || Vnas()[static_cast<std::size_t>(index)].get() != &kit.Vna())
        throw ECannotSaveFile(CannotSaveMessage(fileName));

    std::vector<std::uint8_t> image(KitFileSize, 0);
    PutText(image, LabelAt, LabelWidth, kit.Label());
    PutDouble(image, DateAt, saveDate);
    PutText(image, DescriptionAt, DescriptionWidth, kit.Description());
    PutU16(image, ModelCodeAt, static_cast<std::uint16_t>(code));
    for (int n = 0; n < TCalKit::RecordCount; ++n)
        PutStandard(image, StandardsAt + StandardSize * static_cast<std::size_t>(n), kit.Standard(n));
    for (int n = 0; n < TCalKit::RecordCount; ++n)
        PutClass(image, ClassesAt + ClassSize * static_cast<std::size_t>(n), kit.StdClass(n));
    PutU16(image, TrlCalZ0At, Ord(kit.TrlCalZ0()));
    PutU16(image, TrlSetRefAt, Ord(kit.TrlSetRef()));
    PutU16(image, MarkerAt, KitFileMarker);
    PutText(image, FileNameAt, FileNameWidth, fileName);
    PutDouble(image, LowbandAt, kit.LowbandFrequency());
    PutDouble(image, SystemZ0At, kit.SystemZ0());
    PutU16(image, CalTypeAt, kit.CalType());
    return image;
}

void Interpret(TCalKit& kit, TConstByteSpan image, const std::string& fileName)
{
    const bool olderFile = GetU16(image, MarkerAt) != KitFileMarker;
    kit.SetLabel(GetText(image, LabelAt, LabelWidth));
    kit.SetDateLastModified(GetDouble(image, DateAt));
    kit.SetDescription(GetText(image, DescriptionAt, DescriptionWidth));
    // Still against the limits of the kit's model before this file.
    kit.SetLowbandFrequency(GetDouble(image, LowbandAt));
    kit.SetSystemZ0(GetDouble(image, SystemZ0At));
    kit.SetTrlSetRef(static_cast<TTrlSetRef>(LowByte(GetU16(image, TrlSetRefAt))));
    kit.SetTrlCalZ0(static_cast<TTrlCalZ0>(LowByte(GetU16(image, TrlCalZ0At))));
    kit.SetCalType(LowByte(GetU16(image, CalTypeAt)));

    const int index = CatalogueIndexOfKitFileCode(GetU16(image, ModelCodeAt));
    if (index < 0)
        throw ECorruptCalKit(CorruptKitMessage(fileName));
    kit.SetVna(*Vnas()[static_cast<std::size_t>(index)]);

    for (int n = 0; n < TCalKit::RecordCount; ++n)
        GetStandard(image, StandardsAt + StandardSize * static_cast<std::size_t>(n), olderFile, kit.Standard(n));
    for (int n = 0; n < TCalKit::RecordCount; ++n)
        GetClass(image, ClassesAt + ClassSize * static_cast<std::size_t>(n), kit.StdClass(n));
}

} // namespace

int KitFileCode(int catalogueIndex)
{
    return catalogueIndex >= 0 && catalogueIndex < VnaCount ? CodeOfIndex[static_cast<std::size_t>(catalogueIndex)]
                                                             : -1;
}

int CatalogueIndexOfKitFileCode(int code)
{
    return code >= 0 && code < VnaCount ? IndexOfCode[static_cast<std::size_t>(code)] : -1;
}

std::vector<std::uint8_t> EncodeKitFile(const TCalKit& kit, const std::string& fileName, double saveDate)
{
    return BuildFileImage(fileName, [&] { return BuildImage(kit, fileName, saveDate); });
}

void DecodeKitFile(TCalKit& kit, TConstByteSpan image, const std::string& fileName)
{
    if (image.size() < KitFileSize)
        throw ECannotOpenFile(CannotOpenMessage(fileName));
    InterpretFileImage(fileName, [&] { Interpret(kit, image.first(KitFileSize), fileName); });
}

void ReadKitFile(TCalKit& kit, const std::string& fileName)
{
    const std::vector<std::uint8_t> image = ReadFileImage(fileName, KitFileSize);
    DecodeKitFile(kit, image, fileName);
}

void WriteKitFile(const TCalKit& kit, const std::string& fileName)
{
    const std::vector<std::uint8_t> image = EncodeKitFile(kit, fileName, TodayOleDate());
    SaveFileImage(fileName, image);
}
