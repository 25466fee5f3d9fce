#include "TestModels.h"

#include "kit/RowClipboard.h"
#include "kit/RowRecords.h"

#include <cstdio>
#include <stdexcept>

namespace {

using TBytes = std::vector<std::uint8_t>;

// The bytes in hexadecimal, a blank after every eight.
std::string Hex(const TBytes& bytes)
{
    std::string text;
    char digits[3];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += (i > 0 && i % 8 == 0 ? " " : "") + std::string(digits);
    }
    return text;
}

void PutBytes(TBytes& block, std::size_t offset, const TBytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
}

const TBytes Le12_5{0, 0, 0, 0, 0, 0, 0x29, 0x40};
const TBytes Le50{0, 0, 0, 0, 0, 0, 0x49, 0x40};

class RowClipboardTest : public KitTest {
protected:
    TMemoryRowClipboard clipboard;
};

} // namespace

TEST(RowRecords, RecordsHaveTheExactLittleEndianLayout)
{
    const TStandardValues v{.StdType = TStdType::Open, .C0 = 12.5, .C1 = -1, .C3 = -10000,
                            .LoadType = TLoadType::Sliding, .OffsetDelay = 0.001, .MaxFreq = 999,
                            .Medium = TMedium::Waveguide, .TermZ = 75, .Label = "0123456789ABC"};
    // Type, C0 12.5, C1 -1, C2, C3 -10000, load type, delay 0.001, Z0 50, loss, min, max 999,
    // medium, TermZ 75, then ten characters of the label and zeros.
    EXPECT_EQ(Hex(EncodeStandardRecord(v)),
              "0200000000000000 0000000000002940 000000000000f0bf 0000000000000000 000000000088c3c0 "
              "0100000000000000 fca9f1d24d62503f 0000000000004940 0000000000000000 0000000000000000 "
              "0000000000388f40 0100000000000000 0000000000c05240 3031323334353637 3839000000000000");
    TStdClassValues c{{12, 0, 3, 258, 0, 0, -1}, "THRU"};
    const TBytes classBlock = EncodeStdClassRecord(c);
    EXPECT_EQ(Hex(classBlock), "0c00000000000000 0300000002010000 0000000000000000 ffffffff54485255 0000000000000000");
    EXPECT_EQ(DecodeStdClassRecord(classBlock), c);
}

TEST(RowRecords, ForeignBytesAreReadFieldByFieldWithinTheBlock)
{
    TBytes block(130, 0xEE); // junk in reserved bytes, after the label's zero and after the record
    PutBytes(block, 0, {3});
    PutBytes(block, 8, Le12_5);
    for (std::size_t at : {16u, 24u, 32u, 48u, 56u, 64u, 72u, 80u, 96u})
        PutBytes(block, at, Le50);
    PutBytes(block, 40, {2});
    PutBytes(block, 88, {0});
    PutBytes(block, 104, {'L', 'D', 0});
    EXPECT_EQ(DecodeStandardRecord(block),
              (TStandardValues{.StdType = TStdType::Load, .C0 = 12.5, .C1 = 50, .C2 = 50, .C3 = 50,
                               .LoadType = TLoadType::Offset, .OffsetDelay = 50, .OffsetZ0 = 50, .OffsetLoss = 50,
                               .MinFreq = 50, .MaxFreq = 50, .TermZ = 50, .Label = "LD"}));
    PutBytes(block, 104, TBytes(16, 'x')); // no zero byte: ten characters
    EXPECT_EQ(DecodeStandardRecord(block)->Label, std::string(10, 'x'));
    EXPECT_FALSE(DecodeStandardRecord(TConstByteSpan(block.data(), 119)).has_value());

    TBytes classBlock(40, 0x55);
    PutBytes(classBlock, 28, {'A', 0, 'z'});
    EXPECT_EQ(DecodeStdClassRecord(classBlock), (TStdClassValues{{0x55555555, 0x55555555, 0x55555555, 0x55555555,
                                                                  0x55555555, 0x55555555, 0x55555555}, "A"}));
    EXPECT_FALSE(DecodeStdClassRecord(TConstByteSpan(classBlock.data(), 39)).has_value());
    EXPECT_THROW(GetI32(classBlock, 37), std::out_of_range);
    EXPECT_THROW(GetText(classBlock, 39, 2), std::out_of_range);
}

TEST_F(RowClipboardTest, PastedRowsObeyTheTargetModel)
{
    TStandard& source = bigKit.Standard(4);
    source.SetValues({.StdType = TStdType::ArbiZ, .C0 = -20000, .LoadType = TLoadType::Sliding, .OffsetLoss = 900,
                      .TermZ = 2000, .Label = "Arbitrary-Z"});
    source.CopyToClipboard(clipboard);
    ASSERT_TRUE(smallKit.Standard(4).PasteFromClipboard(clipboard));
    EXPECT_EQ(smallKit.Standard(4).Values(), // no ArbiZ on a five-type model; numbers still clamped
              (TStandardValues{.C0 = -10000, .OffsetLoss = 500, .TermZ = 500, .Label = "Arbitrary-"}));

    // The type is set before the load type, so a Load record brings its sliding load along.
    clipboard.Put(VnaStandardFormat,
                  EncodeStandardRecord({.StdType = TStdType::Load, .LoadType = TLoadType::Sliding}));
    TStandard& s = smallKit.Standard(5);
    s.SetStdType(TStdType::Short);
    ASSERT_TRUE(s.PasteFromClipboard(clipboard));
    EXPECT_EQ(s.LoadType(), TLoadType::Sliding);

    TStdClass& c = bigKit.StdClass(3);
    c.SetValues({{12, 0, 0, 0, 0, 0, 3}, "class three"});
    c.Cut(clipboard);
    EXPECT_EQ(c.Values(), TStdClassValues{});
    ASSERT_TRUE(smallKit.StdClass(3).PasteFromClipboard(clipboard));
    EXPECT_EQ(smallKit.StdClass(3).Values(), (TStdClassValues{{0, 0, 0, 0, 0, 0, 3}, "class thre"}));
}

TEST_F(RowClipboardTest, PasteWithoutARecordChangesNothingAndCutKeepsTheNumbers)
{
    TStandard& s = smallKit.Standard(2);
    s.SetValues({.StdType = TStdType::Open, .C0 = 5});
    const TStandardValues before = s.Values();
    EXPECT_FALSE(s.PasteFromClipboard(clipboard)); // empty store
    clipboard.Put(VnaStandardFormat, TBytes(119, 1));
    EXPECT_FALSE(s.PasteFromClipboard(clipboard));                    // too short
    EXPECT_FALSE(smallKit.StdClass(1).PasteFromClipboard(clipboard)); // another format
    bigKit.StdClass(1).CopyToClipboard(clipboard);                    // replaces the standard row
    EXPECT_FALSE(s.PasteFromClipboard(clipboard));
    EXPECT_EQ(s.Values(), before);

    s.Cut(clipboard);
    EXPECT_EQ(s.StdType(), TStdType::None);
    EXPECT_EQ(s.C0(), 5);
    ASSERT_TRUE(smallKit.Standard(3).PasteFromClipboard(clipboard));
    EXPECT_EQ(smallKit.Standard(3).Values(), before);
}
