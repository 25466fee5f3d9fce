#include "../kit/SampleKits.h"
#include "../kit/TempFolder.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "analyzers/DiskFileFields.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes Slice(const TBytes& image, std::size_t at, std::size_t size)
{
    return {image.begin() + static_cast<std::ptrdiff_t>(at), image.begin() + static_cast<std::ptrdiff_t>(at + size)};
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

constexpr std::size_t Standard8753At(int n)
{
    return 312 + 50 * static_cast<std::size_t>(n - 1);
}

} // namespace

TEST(DiskFile8753, ImageLayout)
{
    TVna& vna = *FindVna("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    auto image = EncodeDiskFile8753(kit, vna, "KIT.ck");
    ASSERT_EQ(image.size(), DiskFile8753Size);
    EXPECT_EQ(Slice(image, 0, 12), (TBytes{10, 9, 'S', 'a', 'm', 'p', 'l', 'e', ' ', '8', '5', ' '}));
    EXPECT_EQ(Slice(image, 712, 4), (TBytes{0x4B, 0x00, 0x00, 0x07})); // system Z0 75

    // Numbers in the file's units (Hz, s, ohm/s); an arbitrary impedance's first field is its TermZ.
    const std::size_t open = Standard8753At(1);
    EXPECT_NEAR(GetHpFloat32(image, open + 4), 18e9, 18e9 * 1e-6);
    EXPECT_NEAR(GetHpFloat32(image, open + 12), 29.243e-12, 29.243e-12 * 1e-6);
    EXPECT_NEAR(GetHpFloat32(image, open + 16), 0.7e9, 0.7e9 * 1e-6);
    EXPECT_EQ(GetHpFloat32(image, open + 20), 62.5);
    EXPECT_EQ(GetHpFloat32(image, Standard8753At(6) + 20), 75);
    EXPECT_EQ(GetHpLabel12(image, Standard8753At(8) + 36), "WG LINE");
    // Type codes: open 0, short 1, load 2, delay 3 (None too), arbitrary 4. Flags: sliding 2,
    // waveguide 1, and System Z0 (8) and Reflect (16) in standard 1's byte.
    TBytes types, flags;
    for (int n = 1; n <= 8; ++n) {
        types.push_back(image[Standard8753At(n) + 48]);
        flags.push_back(image[Standard8753At(n) + 49]);
    }
    EXPECT_EQ(types, (TBytes{0, 1, 2, 2, 3, 4, 3, 3}));
    EXPECT_EQ(flags, (TBytes{24, 0, 0, 2, 0, 0, 0, 1}));

    // Ordinary slots: 0 S11A, 3 TRLT, 12 RESP, 14 TRLL.
    EXPECT_EQ(Slice(image, 12, 8), (TBytes{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(image, 12 + 3 * 8, 8), (TBytes{1, 8, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(image, 12 + 12 * 8, 8), (TBytes{7, 1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(GetHpLabel12(image, 132 + 14 * 12), "TRL MATCH");

    // A TRL kit writes TRLR into slots 0, 6 and 9; a gap counts only the used positions.
    kit.SetCalType(ctTrl);
    kit.StdClass(14).SetValues({{1, 0, 3}, "TRL REFL"});
    kit.SetTrlSetRef(TTrlSetRef::Thru);
    image = EncodeDiskFile8753(kit, vna, "KIT.ck");
    for (std::size_t slot : {0u, 6u, 9u}) {
        EXPECT_EQ(Slice(image, 12 + 8 * slot, 8), (TBytes{2, 1, 0, 3, 0, 0, 0, 0})) << slot;
        EXPECT_EQ(GetHpLabel12(image, 132 + 12 * slot), "TRL REFL") << slot;
    }
    EXPECT_EQ(image[361], 8);
}

TEST(DiskFile8753, RoundTripThroughTheModel)
{
    TTempFolder folder;
    TVna& vna = *FindVna("8753D/E");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.StdClass(12).SetValues({{1, 0, 3}, "GAP"});
    const std::string name = folder.File("KIT1.ck");
    vna.WriteDiskFile(kit, name);

    TCalKit read(vna);
    read.SetDescription("kept");
    read.SetCalType(ctSolt);
    vna.ReadDiskFile(read, name);

    ApplyDiskStandardLimits(kit, 8);
    kit.StdClass(12).SetValues({{1}, "GAP"});   // only the first count positions
    kit.StdClass(13).Assign(kit.StdClass(7));  // TRLT read again from FWDT's slot
    kit.StdClass(14).Assign(kit.StdClass(1));  // TRLR from S11A's
    kit.StdClass(15).Assign(kit.StdClass(3));  // TRLL from S11C's
    kit.SetDescription("kept");
    kit.SetCalType(ctSolt);
    kit.SetLowbandFrequency(read.LowbandFrequency());
    kit.SetDateLastModified(read.DateLastModified());
    // Numbers keep about six digits through the 24-bit mantissa whose low bits are dropped.
    EXPECT_EQ(DumpKit(read, 6), DumpKit(kit, 6));
    EXPECT_NE(read.Standard(8).OffsetDelay(), 100); // 99.99998
    EXPECT_EQ(read.Standard(1).C0(), 62.5);
    EXPECT_EQ(read.Standard(1).OffsetDelay(), 29.243);
    EXPECT_EQ(read.Standard(8).MinFreq(), 0.3);

    // A TRL kit keeps its TRL classes; S11A then holds TRLR (slot 0).
    kit.SetCalType(ctTrl);
    TCalKit trl(vna);
    DecodeDiskFile8753(trl, vna, EncodeDiskFile8753(kit, vna, "TRL.ck"), "TRL.ck");
    for (int n : {11, 12, 13, 14, 15})
        EXPECT_EQ(trl.StdClass(n).Values(), kit.StdClass(n).Values()) << n;
    EXPECT_EQ(trl.StdClass(1).Values(), kit.StdClass(14).Values());

    // A count beyond the seven positions reads seven; bytes after the file are ignored; a file
    // of 715 bytes is refused and leaves the kit alone.
    auto image = ReadBytes(name);
    image[12 + 12 * 8] = 200; // slot 12 (RESP)
    image.resize(800, 0x55);
    DecodeDiskFile8753(trl, vna, image, "x.ck");
    EXPECT_EQ(trl.StdClass(11).Values().Std, (std::array<std::int32_t, 7>{1, 2, 3, 4, 5, 6, 8}));
    WriteBytes(name, Slice(image, 0, 715));
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { vna.ReadDiskFile(trl, name); }),
              "Unable to open file: " + name + "\nReason unknown.");
    EXPECT_EQ(trl.StdClass(11).Values().Std, (std::array<std::int32_t, 7>{1, 2, 3, 4, 5, 6, 8}));
}

TEST(DiskFile8510, ImageLayout)
{
    TVna& vna = *FindVna("8510C");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.SetLowbandFrequency(2);
    kit.Standard(21).SetValues({.StdType = TStdType::Open, .C0 = 10, .Label = "LAST"});
    auto image = EncodeDiskFile8510(kit, vna, "CK_KIT");
    ASSERT_EQ(image.size(), DiskFile8510Size);
    EXPECT_EQ(Slice(image, 0, 16), (TBytes{0x00, 0x0C, 0x00, 0x03, 0x00, 0x03, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00,
                                           0x05, 0x80, 0x05, 0x80}));
    EXPECT_EQ(GetHpLabel12(image, 16), "Sample 85");
    EXPECT_EQ(Slice(image, 1418, 8), (TBytes{0x77, 0x35, 0x94, 0x1F, 17, 0, 255, 255})); // 2e9 Hz, flags
    // Standard 21 ends at 1337; the second class block follows directly.
    EXPECT_EQ(GetHpLabel12(image, 1288 + 36), "LAST");
    EXPECT_EQ(Slice(image, 1338, 8), (TBytes{2, 1, 2, 0, 0, 0, 0, 0})); // class 14
    // First block slot 3 is FWDI (class 11); second block: TRLT, TRLL, TRLR, ADAP by number.
    EXPECT_EQ(Slice(image, 28 + 3 * 8, 8), (TBytes{7, 1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(GetHpLabel12(image, 132 + 12 * 12), "TRL LINE");
    std::vector<std::string> second;
    for (std::size_t slot = 0; slot < 4; ++slot)
        second.push_back(GetHpLabel12(image, 1370 + 12 * slot));
    EXPECT_EQ(second, (std::vector<std::string>{"TRL REFL", "Line", "TRL MATCH", "Adapter"}));

    // System Z0 is flag 16, Reflect flag 1; the calibration type plays no part.
    kit.SetCalType(ctTrl);
    const std::tuple<TTrlCalZ0, TTrlSetRef, int> flags[] = {{TTrlCalZ0::LineZ0, TTrlSetRef::Reflect, 1},
                                                            {TTrlCalZ0::SystemZ0, TTrlSetRef::Thru, 16},
                                                            {TTrlCalZ0::LineZ0, TTrlSetRef::Thru, 0}};
    for (const auto& [calZ0, setRef, flag] : flags) {
        kit.SetTrlCalZ0(calZ0);
        kit.SetTrlSetRef(setRef);
        const auto other = EncodeDiskFile8510(kit, vna, "CK_KIT");
        EXPECT_EQ(other[1422], flag);
        EXPECT_EQ(Slice(other, 0, 1422), Slice(image, 0, 1422));
    }
}

TEST(DiskFile8510, RoundTripThroughTheModel)
{
    TTempFolder folder;
    TVna& vna = *FindVna("8510C");
    TCalKit kit(vna);
    FillSampleKit(kit);
    kit.SetLowbandFrequency(2);
    kit.Standard(12).SetValues({.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetDelay = 12.5,
                                .Label = "OFFSET LD"});
    kit.Standard(15).SetValues({.StdType = TStdType::ArbiZ, .LoadType = TLoadType::Offset, .TermZ = 25.25});
    kit.Standard(21).SetValues({.StdType = TStdType::Short, .C0 = -5, .C3 = 1e-5, .MaxFreq = 50, .Label = "LAST"});
    kit.StdClass(17).SetValues({{12, 15, 21}, "ADAPTERS"});
    kit.StdClass(2).SetValues({{1, 0, 3}, "GAP"});
    const std::string name = folder.File("CK_KIT1");
    vna.WriteDiskFile(kit, name);

    TCalKit read(vna);
    read.SetSystemZ0(60);
    vna.ReadDiskFile(read, name);

    ApplyDiskStandardLimits(kit, 21);
    kit.StdClass(2).SetValues({{1}, "GAP"});
    kit.SetDescription("");
    kit.SetSystemZ0(60); // not part of the file
    kit.SetDateLastModified(read.DateLastModified());
    EXPECT_EQ(DumpKit(read, 6), DumpKit(kit, 6));
    EXPECT_EQ(read.LowbandFrequency(), 2);
    EXPECT_EQ(read.Standard(21).TermZ(), 0); // C0 -5 is no impedance

    // Header and trailer are not checked; a file of 1425 bytes is refused.
    auto image = ReadBytes(name);
    std::fill(image.begin(), image.begin() + 16, std::uint8_t{0xAB});
    TCalKit odd(vna);
    odd.SetSystemZ0(60);
    DecodeDiskFile8510(odd, vna, image, "CK_ODD");
    EXPECT_EQ(DumpKit(odd), DumpKit(read));
    EXPECT_EQ(MessageOf<ECannotOpenFile>([&] { DecodeDiskFile8510(odd, vna, Slice(image, 0, 1425), "CK_A"); }),
              "Unable to open file: CK_A\nReason unknown.");
}
