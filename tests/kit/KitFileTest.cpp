#include "SampleKits.h"
#include "TempFolder.h"
#include "kit/KitFile.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A kit as the tool and a new editor window start it: on the first catalogue entry.
std::unique_ptr<TCalKit> FreshKit()
{
    return TCalKit::Create(*Vnas().front());
}

constexpr std::size_t StandardAt(int n)
{
    return 276 + 96 * static_cast<std::size_t>(n);
}

constexpr std::size_t ClassAt(int n)
{
    return 3444 + 24 * static_cast<std::size_t>(n);
}

} // namespace

TEST(KitFile, ImageLayoutAndModelCodes)
{
    TCalKit kit(*FindVna("8753D/E"));
    FillSampleKit(kit);
    kit.SetCalType(ctTrl);
    kit.Standard(3).SetLabel("TENCHARSXY");
    const auto image = EncodeKitFile(kit, "C:\\Kits\\sample.tsy", 40000);
    ASSERT_EQ(image.size(), KitFileSize);
    EXPECT_EQ(GetText(image, 0, 10), "Sample 85");
    EXPECT_EQ(GetDouble(image, 10), 40000); // the date of saving, not the kit's date
    EXPECT_EQ(GetText(image, 18, 256), "Type-N kit serial 1234");
    EXPECT_EQ(GetU16(image, 274), 15);
    // Standard records: type ordinal, load type and medium as ordinal + 1.
    const std::size_t open = StandardAt(1);
    EXPECT_EQ(GetU16(image, open), 2);
    EXPECT_EQ(GetDouble(image, open + 2), 62.5);
    EXPECT_EQ(GetDouble(image, open + 26), 0.4);
    EXPECT_EQ(GetDouble(image, open + 36), 29.243);
    EXPECT_EQ(GetDouble(image, open + 68), 18);
    EXPECT_EQ(GetU16(image, StandardAt(4) + 34), 2); // Sliding
    EXPECT_EQ(GetU16(image, StandardAt(8) + 76), 2); // Waveguide
    EXPECT_EQ(GetDouble(image, StandardAt(6) + 78), 75);
    // A ten-character label fills its field; the next record follows directly.
    EXPECT_EQ(GetText(image, StandardAt(3) + 86, 10), "TENCHARSXY");
    EXPECT_EQ(GetU16(image, StandardAt(4)), 3);
    EXPECT_EQ(GetText(image, StandardAt(32) + 86, 10), "std32"); // beyond the model's eight
    EXPECT_EQ(GetU16(image, ClassAt(11) + 12), 8);
    EXPECT_EQ(GetText(image, ClassAt(11) + 14, 10), "RESPONSE");
    EXPECT_EQ(GetU16(image, 4236), 1); // System Z0
    EXPECT_EQ(GetU16(image, 4238), 2); // Reflect
    EXPECT_EQ(GetU16(image, 4240), 99);
    EXPECT_EQ(GetText(image, 4246, 256), "C:\\Kits\\sample.tsy");
    EXPECT_EQ(GetDouble(image, 4502), 2.5);
    EXPECT_EQ(GetDouble(image, 4510), 75);
    EXPECT_EQ(GetU16(image, 4518), 2);
    EXPECT_EQ(std::count(image.begin() + 4520, image.end(), 0), 52);

    // The file's own numbering of the models.
    const std::pair<int, const char*> codes[] = {{0, "8753A/B/C"}, {4, "8510A"},    {6, "PNA"},
                                                 {7, "8510C"},     {15, "8753D/E"}, {16, "PNA 3port"}};
    for (const auto& [code, name] : codes)
        EXPECT_EQ(CatalogueIndexOfKitFileCode(code), FindVna(name)->ModelIndex) << code;
    for (int index = 0; index < VnaCount; ++index)
        EXPECT_EQ(CatalogueIndexOfKitFileCode(KitFileCode(index)), index);
    EXPECT_EQ(KitFileCode(17), -1);
    EXPECT_EQ(CatalogueIndexOfKitFileCode(17), -1);
    EXPECT_EQ(CatalogueIndexOfKitFileCode(-1), -1);
}

// Every model survives the trip through a file; only the date changes, to the day of saving,
// and labels are cut to ten characters.
TEST(KitFile, RoundTripOnEveryModel)
{
    TTempFolder folder;
    const std::string name = folder.File("kit.tsy");
    for (const auto& model : Vnas()) {
        TCalKit kit(*model);
        FillSampleKit(kit);
        kit.SetCalType(ctTrl);
        WriteKitFile(kit, name);
        EXPECT_EQ(kit.DateLastModified(), 36008); // the writer leaves the kit alone
        auto read = FreshKit();
        ReadKitFile(*read, name);
        kit.SetDateLastModified(TodayOleDate());
        EXPECT_EQ(DumpKit(*read), DumpKit(kit)) << model->ModelName;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});

    TCalKit kit(*FindVna("PNA"));
    kit.SetLabel("A kit label of thirty chars...");
    kit.Standard(2).SetLabel("Short with a long label");
    kit.StdClass(1).SetLabel("0123456789");
    auto read = FreshKit();
    DecodeKitFile(*read, EncodeKitFile(kit, "k.tsy", 1), "k.tsy");
    EXPECT_EQ(read->Label(), "A kit labe");
    EXPECT_EQ(read->Standard(2).Label(), "Short with");
    EXPECT_EQ(read->StdClass(1).Label(), "0123456789");
}

TEST(KitFile, ReaderQuirksOfOlderFilesAndStoredWords)
{
    TCalKit kit(*FindVna("8753D/E"));
    FillSampleKit(kit);
    auto image = EncodeKitFile(kit, "old.tsy", 1);
    const std::size_t arbiZ = StandardAt(6);
    PutDouble(image, arbiZ + 2, 75);      // C0
    PutDouble(image, arbiZ + 78, 12);     // TermZ field
    PutU16(image, StandardAt(3) + 34, 0); // load type word 0
    PutU16(image, StandardAt(3) + 76, 3); // medium word 3
    PutU16(image, StandardAt(5), 0x0104); // only the low byte counts: Thru
    PutU16(image, ClassAt(2) + 2, 9);     // no standard 9 on this model
    auto current = FreshKit();
    DecodeKitFile(*current, image, "old.tsy");
    EXPECT_EQ(current->Standard(6).TermZ(), 12);
    EXPECT_EQ(current->Standard(3).LoadType(), TLoadType::Fixed);
    EXPECT_EQ(current->Standard(3).Medium(), TMedium::Coax);
    EXPECT_EQ(current->Standard(5).StdType(), TStdType::Thru);
    EXPECT_EQ(current->StdClass(2).GetStd(2), 0);

    // Without the marker, an arbitrary impedance's terminal impedance comes from C0.
    PutU16(image, 4240, 0);
    auto older = FreshKit();
    DecodeKitFile(*older, image, "old.tsy");
    EXPECT_EQ(older->Standard(6).TermZ(), 75);
    EXPECT_EQ(older->Standard(6).C0(), 75);
    EXPECT_EQ(older->Standard(1).TermZ(), 50); // other types keep their own field

    // System Z0 and the low-band frequency are taken in against the kit's previous model first.
    TCalKit pnaKit(*FindVna("PNA"));
    pnaKit.SetSystemZ0(800);
    TCalKit legacy(*FindVna("8510C"));
    DecodeKitFile(legacy, EncodeKitFile(pnaKit, "pna.tsy", 1), "pna.tsy");
    EXPECT_EQ(&legacy.Vna(), FindVna("PNA"));
    EXPECT_EQ(legacy.SystemZ0(), 500);
    TCalKit kit8753(*FindVna("8753D/E"));
    kit8753.SetLowbandFrequency(1000);
    auto pna = FreshKit();
    DecodeKitFile(*pna, EncodeKitFile(kit8753, "a.tsy", 1), "a.tsy");
    EXPECT_EQ(pna->LowbandFrequency(), 999);
}

TEST(KitFile, FailuresGiveTheirMessages)
{
    TTempFolder folder;
    TCalKit kit(*FindVna("8753D/E"));
    FillSampleKit(kit);
    auto image = EncodeKitFile(kit, "x", 1);

    const std::string shortName = folder.File("short.tsy");
    WriteBytes(shortName, std::vector<std::uint8_t>(image.begin(), image.end() - 1)); // 4571 bytes
    auto target = FreshKit();
    const std::string before = DumpKit(*target);
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { ReadKitFile(*target, shortName); }),
              "Unable to open file: " + shortName + "\nReason unknown.");
    EXPECT_EQ(DumpKit(*target), before);

    PutU16(image, 274, 17);
    const std::string corrupt = folder.File("corrupt.tsy");
    image.resize(KitFileSize + 50, 0xEE); // bytes after the record are ignored
    WriteBytes(corrupt, image);
    EXPECT_EQ(MessageOf<ECorruptCalKit>([&] { ReadKitFile(*target, corrupt); }),
              "Unable to open file: " + corrupt + "\nThe cal kit data is corrupt.");
    EXPECT_EQ(target->Label(), "Sample 85"); // fields before the model code were taken
    PutU16(image, 274, 16);
    WriteBytes(corrupt, image);
    ReadKitFile(*target, corrupt);
    EXPECT_EQ(target->Vna().ModelName, "Agilent PNA 3port");

    // A model outside the catalogue has no code.
    class TStranger : public TVna {} stranger;
    TCalKit strangerKit(stranger);
    EXPECT_THROW(EncodeKitFile(strangerKit, "s.tsy", 1), ECannotSaveFile);
}
