#include "analyzers/DiskFileFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

using TBytes = std::array<std::uint8_t, HpFloat32Size>;

TEST(HpFloat32, WorkedExamplesAndPowersOfTwo)
{
    EXPECT_EQ(EncodeHpFloat32(50), (TBytes{0x64, 0x00, 0x00, 0x06})); // M = 1677721600, E = 6
    // Below one, a value that is no power of two gets a mantissa below one half and E = 0.
    EXPECT_EQ(EncodeHpFloat32(0.3), (TBytes{0x26, 0x66, 0x66, 0x00}));
    EXPECT_NEAR(DecodeHpFloat32({0x26, 0x66, 0x66, 0x00}), 0.3, 1.2e-7); // 2516582 x 2^-23
    // The low byte of the 32-bit mantissa 2AAAAAAB is dropped, not rounded.
    EXPECT_EQ(EncodeHpFloat32(1.0 / 3), (TBytes{0x2A, 0xAA, 0xAA, 0x00}));
    EXPECT_EQ(EncodeHpFloat32(-1), (TBytes{0xC0, 0x00, 0x00, 0x01}));
    EXPECT_EQ(EncodeHpFloat32(2e9), (TBytes{0x77, 0x35, 0x94, 0x1F}));
    const TBytes zero{0x00, 0x00, 0x00, 0x81};
    for (double tiny : {0.0, -1.1e-38, std::nan("")})
        EXPECT_EQ(EncodeHpFloat32(tiny), zero) << tiny;
    EXPECT_EQ(DecodeHpFloat32(zero), 0.0f);
    EXPECT_EQ(DecodeHpFloat32({0x00, 0x00, 0x00, 0x00}), 0.0f);

    // Exact powers of two from 2 up would round to a mantissa of 2^31, which the signed mantissa
    // cannot hold; they are written with 2^30 and the next exponent, keeping value and sign.
    EXPECT_EQ(EncodeHpFloat32(2), (TBytes{0x40, 0x00, 0x00, 0x02}));
    EXPECT_EQ(EncodeHpFloat32(32), (TBytes{0x40, 0x00, 0x00, 0x06}));
    EXPECT_EQ(EncodeHpFloat32(-32), (TBytes{0x80, 0x00, 0x00, 0x05})); // -2^31 fits as it is
    for (int k = 1; k <= 100; ++k)
        for (double value : {std::ldexp(1.0, k), -std::ldexp(1.0, k)})
            EXPECT_EQ(DecodeHpFloat32(EncodeHpFloat32(value)), static_cast<float>(value)) << value;
    // Beyond the exponent's range the largest magnitude is written, with its sign.
    EXPECT_EQ(EncodeHpFloat32(1e300), (TBytes{0x7F, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(EncodeHpFloat32(-3.4e38), (TBytes{0x80, 0x00, 0x00, 0x7F}));
}

TEST(HpFloat32, EveryValueComesBackWithinTheMantissasPrecision)
{
    std::mt19937 random(1234);
    std::uniform_real_distribution<double> exponent(-37, 37);
    for (int i = 0; i < 20000; ++i) {
        const double value = (i % 2 ? -1 : 1) * std::pow(10.0, exponent(random));
        const double back = DecodeHpFloat32(EncodeHpFloat32(value));
        // The 24-bit mantissa keeps at least 21 bits: below one it may be under one half.
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * std::ldexp(1.0, -20)) << value;
        ASSERT_EQ(std::signbit(back), std::signbit(value)) << value;
    }
}

TEST(HpLabel12, CapacityCountAndBlankPadding)
{
    std::vector<std::uint8_t> buffer(14, 0xEE);
    PutHpLabel12(buffer, 1, "OPEN");
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0xEE, 10, 4, 'O', 'P', 'E', 'N', ' ', ' ', ' ', ' ', ' ', ' ', 0xEE}));
    EXPECT_EQ(GetHpLabel12(buffer, 1), "OPEN");
    PutHpLabel12(buffer, 1, "A LONG LABEL");
    EXPECT_EQ(buffer[2], 10);
    EXPECT_EQ(buffer[13], 0xEE);
    buffer[2] = 3;
    EXPECT_EQ(GetHpLabel12(buffer, 1), "A L");
    buffer[2] = 200; // more than the field holds: all ten characters
    EXPECT_EQ(GetHpLabel12(buffer, 1), "A LONG LAB");
    EXPECT_THROW(PutHpLabel12(buffer, 3, "X"), std::out_of_range);
    EXPECT_THROW(GetHpFloat32(buffer, 11), std::out_of_range);
}
