#include "../kit/SampleKits.h"
#include "../kit/TempFolder.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "analyzers/DiskFileFields.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

TVna& Model(const std::string& name)
{
    return *FindVna(name);
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& image, std::size_t at, std::size_t size)
{
    return {image.begin() + static_cast<std::ptrdiff_t>(at), image.begin() + static_cast<std::ptrdiff_t>(at + size)};
}

void SetClass(TCalKit& kit, int n, std::array<std::int32_t, 7> numbers, const std::string& label)
{
    kit.StdClass(n).SetValues({numbers, label});
}

// What a disk file cannot carry: the first coefficient field holds the terminal impedance of
// an arbitrary impedance and is read back into both; None is stored as a delay (Thru).
void ApplyDiskStandardLimits(TCalKit& kit, int standards)
{
    for (int n = 1; n <= standards; ++n) {
        TStandard& standard = kit.Standard(n);
        const double first = standard.StdType() == TStdType::ArbiZ ? standard.TermZ() : standard.C0();
        standard.SetC0(first);
        standard.SetTermZ(first);
        if (standard.StdType() == TStdType::None)
            standard.SetStdType(TStdType::Thru);
    }
}

std::string Message(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ETessalyError& e) {
        return e.what();
    }
    return "(no exception)";
}

constexpr std::size_t Standard8753At(int n)
{
    return 312 + 50 * static_cast<std::size_t>(n - 1);
}

constexpr std::size_t Standard8510At(int n)
{
    return 288 + 50 * static_cast<std::size_t>(n - 1);
}

} // namespace

TEST(DiskFile8753, ImageLayout)
{
    TVna& vna = Model("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    const auto image = EncodeDiskFile8753(kit, vna, "KIT.ck");
    ASSERT_EQ(image.size(), DiskFile8753Size);

    EXPECT_EQ(Slice(image, 0, 12), (std::vector<std::uint8_t>{10, 9, 'S', 'a', 'm', 'p', 'l', 'e', ' ', '8', '5', ' '}));
    EXPECT_EQ(Slice(image, 712, 4), (std::vector<std::uint8_t>{0x4B, 0x00, 0x00, 0x07})); // system Z0 75

    // Numbers in the file's units: Hz, s, ohm/s.
    const std::size_t open = Standard8753At(1);
    const auto number = [&image](std::size_t at) { return static_cast<double>(GetHpFloat32(image, at)); };
    EXPECT_NEAR(number(open + 4), 18e9, 18e9 * 1e-6);
    EXPECT_NEAR(number(open + 12), 29.243e-12, 29.243e-12 * 1e-6);
    EXPECT_NEAR(number(open + 16), 0.7e9, 0.7e9 * 1e-6);
    EXPECT_EQ(number(open + 20), 62.5);
    EXPECT_EQ(number(open + 8), 50);
    EXPECT_EQ(image[open + 48], 0); // open
    EXPECT_EQ(image[361], 8 + 16);  // its own flags 0, System Z0 and Reflect
    const std::size_t arbiZ = Standard8753At(6);
    EXPECT_EQ(number(arbiZ + 20), 75); // the terminal impedance, not C0
    EXPECT_EQ(image[arbiZ + 48], 4);
    EXPECT_EQ(image[Standard8753At(2) + 48], 1);      // short
    EXPECT_EQ(image[Standard8753At(4) + 48], 2);      // load
    EXPECT_EQ(image[Standard8753At(4) + 49], 2);      // sliding
    EXPECT_EQ(image[Standard8753At(7) + 48], 3);      // None is written as a delay
    EXPECT_EQ(image[Standard8753At(8) + 48], 3);      // thru
    EXPECT_EQ(image[Standard8753At(8) + 49], 1);      // waveguide
    EXPECT_EQ(Slice(image, Standard8753At(8) + 36, 12),
              (std::vector<std::uint8_t>{10, 7, 'W', 'G', ' ', 'L', 'I', 'N', 'E', ' ', ' ', ' '}));

    // Slots of an ordinary kit: 0 S11A, 3 TRLT, 4 FWDM, 12 RESP, 14 TRLL.
    EXPECT_EQ(Slice(image, 12, 8), (std::vector<std::uint8_t>{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(image, 12 + 3 * 8, 8), (std::vector<std::uint8_t>{1, 8, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(image, 12 + 4 * 8, 8), (std::vector<std::uint8_t>{2, 5, 8, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(image, 12 + 12 * 8, 8), (std::vector<std::uint8_t>{7, 1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(GetHpLabel12(image, 132 + 14 * 12), "TRL MATCH");

    // A class with a gap counts only its used positions and keeps the gap.
    SetClass(kit, 1, {1, 0, 3}, "GAP");
    kit.SetTrlCalZ0(TTrlCalZ0::LineZ0);
    kit.SetTrlSetRef(TTrlSetRef::Thru);
    const auto second = EncodeDiskFile8753(kit, vna, "KIT.ck");
    EXPECT_EQ(Slice(second, 12, 8), (std::vector<std::uint8_t>{2, 1, 0, 3, 0, 0, 0, 0}));
    EXPECT_EQ(second[361], 0);
}

TEST(DiskFile8753, TrlKitsFillTheSlotsFromTheTrlClasses)
{
    TVna& vna = Model("8720D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.SetCalType(ctTrl);
    const auto image = EncodeDiskFile8753(kit, vna, "TRL.ck");
    for (std::size_t slot : {0u, 6u, 9u}) {
        EXPECT_EQ(Slice(image, 12 + 8 * slot, 8), (std::vector<std::uint8_t>{2, 1, 2, 0, 0, 0, 0, 0})) << slot;
        EXPECT_EQ(GetHpLabel12(image, 132 + 12 * slot), "TRL REFL") << slot;
    }
    EXPECT_EQ(GetHpLabel12(image, 132 + 12 * 12), "RESPONSE");

    TCalKit read(vna);
    DecodeDiskFile8753(read, vna, image, "TRL.ck");
    for (int n : {11, 12, 13, 14, 15})
        EXPECT_EQ(read.StdClass(n).Values(), kit.StdClass(n).Values()) << n;
    EXPECT_EQ(read.StdClass(1).Values(), kit.StdClass(14).Values()); // S11A read from slot 0
    EXPECT_EQ(read.CalType(), 0);                                      // not part of the file
}

TEST(DiskFile8753, RoundTripThroughTheModel)
{
    TTempFolder folder;
    TVna& vna = Model("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    SetClass(kit, 12, {1, 0, 3}, "GAP");
    const std::string name = folder.File("KIT1.ck");
    vna.WriteDiskFile(kit, name);
    EXPECT_EQ(ReadBytes(name).size(), DiskFile8753Size);

    TCalKit read(vna);
    read.SetDescription("kept");
    read.SetCalType(ctSolt);
    vna.ReadDiskFile(read, name);

    ApplyDiskStandardLimits(kit, 8);
    SetClass(kit, 12, {1}, "GAP");                         // only the first count positions
    kit.StdClass(13).Assign(kit.StdClass(7));              // TRLT read again from FWDT's slot
    kit.StdClass(14).Assign(kit.StdClass(1));              // TRLR from S11A's
    kit.StdClass(15).Assign(kit.StdClass(3));              // TRLL from S11C's
    kit.SetDescription("kept");
    kit.SetCalType(ctSolt);
    kit.SetLowbandFrequency(read.LowbandFrequency());
    kit.SetDateLastModified(read.DateLastModified());
    // Numbers keep about six digits through the 24-bit mantissa whose low bits are dropped.
    EXPECT_EQ(DumpKit(read, 6), DumpKit(kit, 6));
    EXPECT_NE(read.Standard(8).OffsetDelay(), 100); // 99.99998

    // The worked values survive the 24-bit mantissa and the rounding.
    EXPECT_EQ(read.Standard(1).C0(), 62.5);
    EXPECT_EQ(read.Standard(1).OffsetDelay(), 29.243);
    EXPECT_EQ(read.Standard(8).MinFreq(), 0.3);
    EXPECT_EQ(read.Standard(7).StdType(), TStdType::Thru);
}

TEST(DiskFile8753, ClassCountsBeyondSevenReadSevenStandards)
{
    TVna& vna = Model("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    auto image = EncodeDiskFile8753(kit, vna, "x.ck");
    image[12 + 12 * 8] = 200; // slot 12 (RESP) holds 1..6, 8
    image[12] = 9;            // slot 0 (S11A): one used, then zeros
    TCalKit read(vna);
    DecodeDiskFile8753(read, vna, image, "x.ck");
    EXPECT_EQ(read.StdClass(11).Values().Std, (std::array<std::int32_t, 7>{1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(read.StdClass(11).Label(), "RESPONSE");
    EXPECT_EQ(read.StdClass(1).Values().Std, (std::array<std::int32_t, 7>{1}));
}

TEST(DiskFile8753, FailuresGiveTheirMessages)
{
    TTempFolder folder;
    TVna& vna = Model("8719D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    const std::string name = folder.File("SHORT.ck");
    auto image = EncodeDiskFile8753(kit, vna, name);
    WriteBytes(name, std::vector<std::uint8_t>(image.begin(), image.end() - 1));
    TCalKit read(vna);
    EXPECT_EQ(Message([&] { vna.ReadDiskFile(read, name); }), "Unable to open file: " + name + "\nReason unknown.");
    EXPECT_EQ(read.Label(), "New Kit");

    image.resize(800, 0x55); // longer files are read
    WriteBytes(name, image);
    vna.ReadDiskFile(read, name);
    EXPECT_EQ(read.Label(), "Sample 85");

    std::filesystem::permissions(name, std::filesystem::perms::owner_read);
    EXPECT_EQ(Message([&] { vna.WriteDiskFile(kit, name); }),
              "Unable to save to file:  " + name + "\nThis is a read-only file.");
    EXPECT_EQ(ReadBytes(name), image);
    const std::string nowhere = folder.File("missing/KIT.ck");
    EXPECT_EQ(Message([&] { vna.WriteDiskFile(kit, nowhere); }), "Unable to save file: " + nowhere + "\nReason unknown.");
}

TEST(DiskFile8510, ImageLayout)
{
    TVna& vna = Model("8510C");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.SetLowbandFrequency(2);
    kit.Standard(21).SetValues({.StdType = TStdType::Open, .C0 = 10, .Label = "LAST"});
    auto image = EncodeDiskFile8510(kit, vna, "CK_KIT");
    ASSERT_EQ(image.size(), DiskFile8510Size);

    EXPECT_EQ(Slice(image, 0, 16), (std::vector<std::uint8_t>{0x00, 0x0C, 0x00, 0x03, 0x00, 0x03, 0x00, 0x02, 0x00,
                                                              0x01, 0x00, 0x00, 0x05, 0x80, 0x05, 0x80}));
    EXPECT_EQ(GetHpLabel12(image, 16), "Sample 85");
    EXPECT_EQ(Slice(image, 1418, 4), (std::vector<std::uint8_t>{0x77, 0x35, 0x94, 0x1F})); // 2e9 Hz
    EXPECT_EQ(Slice(image, 1422, 4), (std::vector<std::uint8_t>{17, 0, 255, 255}));
    // Standard 21 ends at 1337; the second class block follows directly.
    EXPECT_EQ(GetHpLabel12(image, Standard8510At(21) + 36), "LAST");
    EXPECT_EQ(Standard8510At(21) + 50, 1338u);
    // First block: slot 3 FWDI (class 11), slot 12 RESP (class 13); second: TRLT, TRLL, TRLR, ADAP.
    EXPECT_EQ(Slice(image, 28 + 3 * 8, 8), (std::vector<std::uint8_t>{7, 1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(GetHpLabel12(image, 132 + 12 * 12), "TRL LINE");
    EXPECT_EQ(GetHpLabel12(image, 1370 + 0 * 12), "TRL REFL");  // class 14
    EXPECT_EQ(GetHpLabel12(image, 1370 + 1 * 12), "Line");      // class 16, its default label
    EXPECT_EQ(GetHpLabel12(image, 1370 + 2 * 12), "TRL MATCH"); // class 15
    EXPECT_EQ(GetHpLabel12(image, 1370 + 3 * 12), "Adapter");

    kit.SetTrlCalZ0(TTrlCalZ0::LineZ0);
    kit.SetTrlSetRef(TTrlSetRef::Thru);
    kit.SetCalType(ctTrl); // plays no part
    const auto second = EncodeDiskFile8510(kit, vna, "CK_KIT");
    EXPECT_EQ(second[1422], 0);
    EXPECT_EQ(Slice(second, 28, 1310), Slice(image, 28, 1310));
}

TEST(DiskFile8510, RoundTripThroughTheModel)
{
    TTempFolder folder;
    TVna& vna = Model("8510C");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.SetLowbandFrequency(2);
    kit.Standard(12).SetValues({.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetDelay = 12.5,
                                .Label = "OFFSET LD"});
    kit.Standard(15).SetValues({.StdType = TStdType::ArbiZ, .LoadType = TLoadType::Offset, .TermZ = 25.25,
                                .Label = "ARB 25"});
    kit.Standard(21).SetValues({.StdType = TStdType::Short, .C0 = -5, .C3 = 1e-5, .MaxFreq = 50, .Label = "LAST"});
    SetClass(kit, 17, {12, 15, 21}, "ADAPTERS");
    SetClass(kit, 2, {1, 0, 3}, "GAP");
    const std::string name = folder.File("CK_KIT1");
    vna.WriteDiskFile(kit, name);

    TCalKit read(vna);
    read.SetSystemZ0(60);
    vna.ReadDiskFile(read, name);

    ApplyDiskStandardLimits(kit, 21);
    SetClass(kit, 2, {1}, "GAP");
    kit.SetDescription("");
    kit.SetSystemZ0(60); // not part of the file
    kit.SetDateLastModified(read.DateLastModified());
    EXPECT_EQ(DumpKit(read, 6), DumpKit(kit, 6));
    EXPECT_EQ(read.LowbandFrequency(), 2);
    EXPECT_EQ(read.Standard(21).TermZ(), 0); // C0 -5 is no impedance
}

TEST(DiskFile8510, HeaderIsNotCheckedAndShortFilesAreRefused)
{
    TTempFolder folder;
    TVna& vna = Model("8510C");
    TCalKit kit(vna);
    FillSampleKit(kit);
    auto image = EncodeDiskFile8510(kit, vna, "CK_A");
    std::fill(image.begin(), image.begin() + 16, std::uint8_t{0xAB});
    image[1425] = 0;
    TCalKit read(vna);
    DecodeDiskFile8510(read, vna, image, "CK_A");
    EXPECT_EQ(read.StdClass(11).Label(), "RESPONSE");

    const std::string name = folder.File("CK_SHORT");
    WriteBytes(name, std::vector<std::uint8_t>(image.begin(), image.end() - 1));
    EXPECT_EQ(Message([&] { vna.ReadDiskFile(read, name); }), "Unable to open file: " + name + "\nReason unknown.");
    EXPECT_THROW(DecodeDiskFile8510(read, vna, std::vector<std::uint8_t>(100), "CK_A"), ECannotOpenFile);

    // The 8510A has no disk files to offer, but the format holds all 13 + 4 slots anyway.
    TVna& older = Model("8510A");
    TCalKit olderKit(older);
    FillSampleKit(olderKit);
    EXPECT_EQ(GetHpLabel12(EncodeDiskFile8510(olderKit, older, "CK_B"), 132 + 12 * 12), "TRL LINE");

    const std::string readOnly = folder.File("CK_RO");
    vna.WriteDiskFile(kit, readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    EXPECT_EQ(Message([&] { vna.WriteDiskFile(kit, readOnly); }),
              "Unable to save to file:  " + readOnly + "\nThis is a read-only file.");
    const std::string nowhere = folder.File("none/CK_KIT");
    EXPECT_EQ(Message([&] { vna.WriteDiskFile(kit, nowhere); }), "Unable to save file: " + nowhere + "\nReason unknown.");
}
