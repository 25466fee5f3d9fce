#include "SampleKits.h"
#include "TempFolder.h"
#include "kit/FileImage.h"
#include "kit/KitFile.h"
#include "kit/LittleEndian.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

namespace {

TVna& Model(const std::string& name)
{
    TVna* vna = FindVna(name);
    EXPECT_NE(vna, nullptr) << name;
    return *vna;
}

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

TEST(KitFile, ImageLayout)
{
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    kit.SetCalType(ctTrl);
    kit.SetDescription("Line one");
    kit.Standard(3).SetLabel("TENCHARSXY");
    const auto image = EncodeKitFile(kit, "C:\\Kits\\sample.tsy", 40000);

    ASSERT_EQ(image.size(), KitFileSize);
    EXPECT_EQ(GetText(image, 0, 10), "Sample 85");
    EXPECT_EQ(GetDouble(image, 10), 40000); // the date of saving, not the kit's date
    EXPECT_EQ(GetText(image, 18, 256), "Line one");
    EXPECT_EQ(GetU16(image, 274), 15);

    const std::size_t open = StandardAt(1);
    EXPECT_EQ(GetU16(image, open), 2);
    EXPECT_EQ(GetDouble(image, open + 2), 62.5);
    EXPECT_EQ(GetDouble(image, open + 26), 0.4);
    EXPECT_EQ(GetU16(image, open + 34), 1); // Fixed + 1
    EXPECT_EQ(GetDouble(image, open + 36), 29.243);
    EXPECT_EQ(GetDouble(image, open + 68), 18);
    EXPECT_EQ(GetU16(image, open + 76), 1); // Coax + 1
    EXPECT_EQ(GetText(image, open + 86, 10), "OPEN -M-");
    EXPECT_EQ(GetU16(image, StandardAt(4) + 34), 2);  // Sliding + 1
    EXPECT_EQ(GetU16(image, StandardAt(8) + 76), 2);  // Waveguide + 1
    EXPECT_EQ(GetDouble(image, StandardAt(6) + 78), 75);
    // A label of ten characters fills its field; the next record follows directly.
    EXPECT_EQ(GetText(image, StandardAt(3) + 86, 10), "TENCHARSXY");
    EXPECT_EQ(image[StandardAt(4) - 1], 'Y');
    EXPECT_EQ(GetU16(image, StandardAt(4)), 3);
    // Record 0 and records above the model's eight are stored too.
    EXPECT_EQ(GetText(image, StandardAt(0) + 86, 10), "std0");
    EXPECT_EQ(GetText(image, StandardAt(32) + 86, 10), "std32");

    EXPECT_EQ(GetU16(image, ClassAt(11)), 1);
    EXPECT_EQ(GetU16(image, ClassAt(11) + 12), 8);
    EXPECT_EQ(GetText(image, ClassAt(11) + 14, 10), "RESPONSE");
    EXPECT_EQ(GetU16(image, ClassAt(3) + 2), 4);
    EXPECT_EQ(GetU16(image, ClassAt(3) + 4), 0);

    EXPECT_EQ(GetU16(image, 4236), 1); // System Z0
    EXPECT_EQ(GetU16(image, 4238), 2); // Reflect
    EXPECT_EQ(GetU16(image, 4240), 99);
    EXPECT_EQ(GetI32(image, 4242), 0);
    EXPECT_EQ(GetText(image, 4246, 256), "C:\\Kits\\sample.tsy");
    EXPECT_EQ(GetDouble(image, 4502), 2.5);
    EXPECT_EQ(GetDouble(image, 4510), 75);
    EXPECT_EQ(GetU16(image, 4518), 2);
    for (std::size_t i = 4520; i < KitFileSize; ++i)
        ASSERT_EQ(image[i], 0) << i;
}

TEST(KitFile, ModelCodesAreTheFilesOwnNumbering)
{
    const auto nameOfCode = [](int code) { return Vnas()[static_cast<std::size_t>(CatalogueIndexOfKitFileCode(code))]->ModelName; };
    EXPECT_EQ(nameOfCode(0), "Agilent 8753A/B/C");
    EXPECT_EQ(nameOfCode(4), "Agilent 8510A");
    EXPECT_EQ(nameOfCode(6), "Agilent PNA");
    EXPECT_EQ(nameOfCode(7), "Agilent 8510C");
    EXPECT_EQ(nameOfCode(15), "Agilent 8753D/E");
    EXPECT_EQ(nameOfCode(16), "Agilent PNA 3port");
    for (int index = 0; index < VnaCount; ++index)
        EXPECT_EQ(CatalogueIndexOfKitFileCode(KitFileCode(index)), index);
    EXPECT_EQ(KitFileCode(17), -1);
    EXPECT_EQ(CatalogueIndexOfKitFileCode(17), -1);
    EXPECT_EQ(CatalogueIndexOfKitFileCode(-1), -1);
}

// Every model survives the trip through a file; only the date changes, to the day of saving.
TEST(KitFile, RoundTripOnEveryModel)
{
    TTempFolder folder;
    for (const auto& model : Vnas()) {
        TCalKit kit(*model);
        FillSampleKit(kit);
        kit.SetCalType(ctTrl);
        const std::string name = folder.File("kit.tsy");
        WriteKitFile(kit, name);
        EXPECT_EQ(kit.DateLastModified(), 36008); // the writer leaves the kit alone

        auto read = FreshKit();
        ReadKitFile(*read, name);
        kit.SetDateLastModified(TodayOleDate());
        EXPECT_EQ(DumpKit(*read), DumpKit(kit)) << model->ModelName;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kit.tsy"});
}

TEST(KitFile, LabelsAreCutToTenCharacters)
{
    TCalKit kit(Model("PNA"));
    kit.SetLabel("A kit label of thirty chars...");
    kit.Standard(2).SetLabel("Short with a long label");
    kit.StdClass(1).SetLabel("0123456789");
    ASSERT_EQ(kit.Standard(2).Label(), "Short with a long label");

    auto read = FreshKit();
    DecodeKitFile(*read, EncodeKitFile(kit, "k.tsy", 1), "k.tsy");
    EXPECT_EQ(read->Label(), "A kit labe");
    EXPECT_EQ(read->Standard(2).Label(), "Short with");
    EXPECT_EQ(read->StdClass(1).Label(), "0123456789");
    EXPECT_EQ(read->Standard(3).Label(), "std3");
}

TEST(KitFile, ReaderQuirksOfOlderFilesAndStoredWords)
{
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    auto image = EncodeKitFile(kit, "old.tsy", 1);
    const std::size_t arbiZ = StandardAt(6);
    PutDouble(image, arbiZ + 2, 75);        // C0
    PutDouble(image, arbiZ + 78, 12);       // TermZ field
    PutU16(image, StandardAt(3) + 34, 0);   // load type word 0
    PutU16(image, StandardAt(3) + 76, 3);   // medium word 3
    PutU16(image, StandardAt(5), 0x0104);   // only the low byte counts: Thru
    PutU16(image, ClassAt(2) + 2, 9);       // no standard 9 on this model

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
}

// System Z0 and the low-band frequency are taken in against the kit's previous model first.
TEST(KitFile, PropertiesPassThePreviousModelsLimitsFirst)
{
    TCalKit pnaKit(Model("PNA"));
    pnaKit.SetSystemZ0(800);
    const auto pnaImage = EncodeKitFile(pnaKit, "pna.tsy", 1);
    TCalKit legacy(Model("8510C"));
    DecodeKitFile(legacy, pnaImage, "pna.tsy");
    EXPECT_EQ(&legacy.Vna(), &Model("PNA"));
    EXPECT_EQ(legacy.SystemZ0(), 500);

    TCalKit kit8753(Model("8753D/E"));
    kit8753.SetLowbandFrequency(1000);
    auto pna = FreshKit();
    DecodeKitFile(*pna, EncodeKitFile(kit8753, "a.tsy", 1), "a.tsy");
    EXPECT_EQ(pna->LowbandFrequency(), 999);
}

TEST(KitFile, FailuresGiveTheirMessages)
{
    TTempFolder folder;
    TCalKit kit(Model("8753D/E"));
    FillSampleKit(kit);
    auto image = EncodeKitFile(kit, "x", 1);

    const std::string shortName = folder.File("short.tsy");
    WriteBytes(shortName, std::vector<std::uint8_t>(image.begin(), image.end() - 1));
    auto target = FreshKit();
    const std::string before = DumpKit(*target);
    try {
        ReadKitFile(*target, shortName);
        ADD_FAILURE() << "a short file was read";
    } catch (const ECannotOpenFile& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to open file: " + shortName + "\nReason unknown.");
    }
    EXPECT_EQ(DumpKit(*target), before);

    PutU16(image, 274, 17);
    const std::string corrupt = folder.File("corrupt.tsy");
    image.resize(KitFileSize + 50, 0xEE); // bytes after the record are ignored
    WriteBytes(corrupt, image);
    try {
        ReadKitFile(*target, corrupt);
        ADD_FAILURE() << "model code 17 was read";
    } catch (const ECorruptCalKit& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to open file: " + corrupt + "\nThe cal kit data is corrupt.");
    }
    EXPECT_EQ(target->Label(), "Sample 85"); // fields before the model code were taken

    PutU16(image, 274, 16);
    WriteBytes(corrupt, image);
    ReadKitFile(*target, corrupt);
    EXPECT_EQ(target->Vna().ModelName, "Agilent PNA 3port");

    // A model outside the catalogue has no code.
    class TStranger : public TVna {} stranger;
    TCalKit strangerKit(stranger);
    EXPECT_THROW(EncodeKitFile(strangerKit, "s.tsy", 1), ECannotSaveFile);

    const std::string readOnly = folder.File("ro.tsy");
    WriteKitFile(kit, readOnly);
    const auto saved = ReadBytes(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::all & ~std::filesystem::perms::owner_write &
                                               ~std::filesystem::perms::group_write &
                                               ~std::filesystem::perms::others_write);
    kit.SetLabel("Changed");
    try {
        WriteKitFile(kit, readOnly);
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const EFileReadOnly& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to save to file:  " + readOnly + "\nThis is a read-only file.");
    }
    EXPECT_EQ(ReadBytes(readOnly), saved);

    const std::string nowhere = folder.File("missing/kit.tsy");
    try {
        WriteKitFile(kit, nowhere);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const ECannotSaveFile& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to save file: " + nowhere + "\nReason unknown.");
    }
}
