#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "response/StandardModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

TStandardModel Model(TStdType type)
{
    TStandardModel m;
    m.Type = type;
    return m;
}

void ExpectComplex(TComplex actual, TComplex expected, double tolerance, const char* what)
{
    EXPECT_NEAR(actual.real(), expected.real(), tolerance) << what;
    EXPECT_NEAR(actual.imag(), expected.imag(), tolerance) << what;
}

} // namespace

TEST(StandardModel, IdealStandardsAtEveryFrequency)
{
    const std::vector<double> f{0, 0.045, 1, 18, 67, 500};
    const struct {
        TStdType type;
        TComplex s11;
    } ideals[] = {{TStdType::Open, 1.0}, {TStdType::Short, -1.0}, {TStdType::Load, 0.0}};
    for (const auto& ideal : ideals) {
        const auto response = ModelResponse(Model(ideal.type), f);
        ASSERT_EQ(response.size(), f.size());
        for (const TSParameters& s : response) {
            ExpectComplex(s.S11, ideal.s11, 1e-15, StdTypeDisplayNames[Ord(ideal.type)].c_str());
            EXPECT_EQ(s.S21, 0.0);
            EXPECT_EQ(s.S12, 0.0);
            EXPECT_EQ(s.S22, 0.0);
        }
    }
    const TSParameters thru = ModelResponseAt(Model(TStdType::Thru), 3);
    ExpectComplex(thru.S21, 1.0, 1e-15, "thru S21");
    ExpectComplex(thru.S12, 1.0, 1e-15, "thru S12");
    ExpectComplex(thru.S11, 0.0, 1e-15, "thru S11");
}

TEST(StandardModel, TerminationPolynomialsInKitUnits)
{
    // At 10 GHz each of C1..C3 (and L1..L3) adds as much as 10 units of C0 (L0).
    TStandardModel open = Model(TStdType::Open);
    open.Coefficients = {100, 1000, 100, 10}; // 130 fF at 10 GHz
    TSParameters s = ModelResponseAt(open, 10);
    EXPECT_NEAR(std::abs(s.S11), 1, 1e-12);
    EXPECT_NEAR(PhaseDegrees(s.S11), -44.4309008103, 1e-8);

    TStandardModel shortStd = Model(TStdType::Short);
    shortStd.Coefficients = {100, 1000, 100, 10}; // 130 pH at 10 GHz
    s = ModelResponseAt(shortStd, 10);
    EXPECT_NEAR(std::abs(s.S11), 1, 1e-12);
    EXPECT_NEAR(PhaseDegrees(s.S11), 161.443912695, 1e-8);

    // A 75 ohm arbitrary impedance in a 50 ohm system, and a 50 ohm one in a 75 ohm system.
    TStandardModel arbitrary = Model(TStdType::ArbiZ);
    arbitrary.TermZ = 75;
    ExpectComplex(ModelResponseAt(arbitrary, 5).S11, 0.2, 1e-15, "75 in 50");
    arbitrary.TermZ = 50;
    arbitrary.SystemZ0 = 75;
    ExpectComplex(ModelResponseAt(arbitrary, 5).S11, -0.2, 1e-15, "50 in 75");
    arbitrary.TermZ = 0;
    ExpectComplex(ModelResponseAt(arbitrary, 0).S11, -1.0, 1e-15, "0 ohm");
}

TEST(StandardModel, LosslessOffsetShortTurnsTwiceTheDelay)
{
    TStandardModel s = Model(TStdType::Short);
    s.OffsetDelay = 30;
    std::vector<double> f;
    for (int i = 0; i <= 100; ++i)
        f.push_back(0.2 * i);
    const auto response = ModelResponse(s, f);
    std::vector<TComplex> s11;
    for (const TSParameters& p : response) {
        EXPECT_NEAR(std::abs(p.S11), 1, 1e-12);
        s11.push_back(p.S11);
    }
    // -180 degrees at 0 Hz (shown as 180), then falling by twice the delay.
    const std::vector<double> phase = UnwrappedPhaseDegrees(s11);
    EXPECT_NEAR(phase[0], 180, 1e-12);
    for (std::size_t i = 0; i < f.size(); ++i)
        EXPECT_NEAR(phase[i] - 360, -2 * 360 * f[i] * 1e9 * 30e-12 - 180, 1e-9) << f[i] << " GHz";
    EXPECT_NEAR(PhaseDegrees(ModelResponseAt(s, 5).S11), 72, 1e-9); // -288 degrees wrapped
}

TEST(StandardModel, LossyLineAttenuatesWithTheRootOfFrequency)
{
    // 2 ohm/ns over 100 ps on 50 ohm: alpha*l = 0.002 Np at 1 GHz, 0.004 at 4 GHz, 0.008 at 16 GHz.
    TStandardModel line = Model(TStdType::Thru);
    line.OffsetDelay = 100;
    line.OffsetLoss = 2;
    const double dbPerNeper = 20 / std::log(10.0);
    for (double f : {1.0, 4.0, 16.0}) {
        const TSParameters s = ModelResponseAt(line, f);
        EXPECT_NEAR(MagnitudeDb(s.S21), -dbPerNeper * 0.002 * std::sqrt(f), 1e-4) << f << " GHz";
        EXPECT_EQ(s.S12, s.S21);
        EXPECT_EQ(s.S22, s.S11);
        // The loss makes Zc slightly larger than 50 ohm (0.16 ohm at 1 GHz): a small reflection.
        EXPECT_GT(std::abs(s.S11), 1e-4);
        EXPECT_LT(std::abs(s.S11), 5e-3);
    }
}

TEST(StandardModel, ThruOfOtherImpedanceIsATransformer)
{
    // A 75 ohm quarter wave (25 ps at 10 GHz) between 50 ohm ports: Zin = 75^2/50 = 112.5 ohm.
    TStandardModel thru = Model(TStdType::Thru);
    thru.OffsetZ0 = 75;
    thru.OffsetDelay = 25;
    TSParameters s = ModelResponseAt(thru, 10);
    ExpectComplex(s.S11, 5.0 / 13, 1e-12, "quarter wave S11");
    ExpectComplex(s.S21, TComplex(0, -12.0 / 13), 1e-12, "quarter wave S21");
    ExpectComplex(s.S22, s.S11, 0, "S22");
    // At the half wave the line disappears.
    s = ModelResponseAt(thru, 20);
    ExpectComplex(s.S11, 0.0, 1e-12, "half wave S11");
    ExpectComplex(s.S21, -1.0, 1e-12, "half wave S21");
    // A one-port behind the same offset: the matched load sees 112.5 ohm at the quarter wave.
    thru.Type = TStdType::Load;
    ExpectComplex(ModelResponseAt(thru, 10).S11, 5.0 / 13, 1e-12, "load behind quarter wave");
}

TEST(StandardModel, WaveguideShortAboveCutoffOnly)
{
    TStandardModel wg = Model(TStdType::Short);
    wg.Medium = TMedium::Waveguide;
    wg.MinFreq = 6.557; // WR-90
    wg.OffsetDelay = 100;
    wg.OffsetLoss = 50; // a waveguide offset is lossless
    wg.OffsetZ0 = 1;    // and matched to the system
    const TSParameters s = ModelResponseAt(wg, 10);
    EXPECT_NEAR(std::abs(s.S11), 1, 1e-12);
    EXPECT_NEAR(PhaseDegrees(s.S11), -3.61550123594, 1e-8);

    EXPECT_FALSE(HasResponseAt(wg, 6.557));
    EXPECT_FALSE(HasResponseAt(wg, 3));
    EXPECT_FALSE(HasResponseAt(wg, 0));
    EXPECT_TRUE(HasResponseAt(wg, 6.56));
    const auto response = ModelResponse(wg, std::vector<double>{0, 6.557, 10});
    EXPECT_EQ(response[0].S11, 0.0);
    EXPECT_EQ(response[1].S11, 0.0);
    EXPECT_EQ(response[2].S11, s.S11);

    wg.Type = TStdType::Thru;
    const TSParameters line = ModelResponseAt(wg, 10);
    ExpectComplex(line.S21 * line.S21 * -1.0, s.S11, 1e-12, "thru is half the short's path");
    EXPECT_EQ(line.S11, 0.0);
    // Far above cutoff the dispersion fades: the phase approaches that of coax.
    wg.MinFreq = 0.001;
    EXPECT_NEAR(std::arg(ModelResponseAt(wg, 1.25).S21), -std::numbers::pi / 4, 1e-6);
}

TEST(StandardModel, ZeroFrequencyIsTheLimit)
{
    // Lossless: the ideal termination, whatever the offset.
    TStandardModel s = Model(TStdType::Short);
    s.OffsetDelay = 30;
    s.OffsetZ0 = 30;
    s.Coefficients = {500, 0, 0, 0};
    ExpectComplex(ModelResponseAt(s, 0).S11, -1.0, 0, "lossless short");
    TStandardModel o = Model(TStdType::Open);
    o.OffsetDelay = 30;
    o.OffsetLoss = 2.2;
    o.Coefficients = {80, -300, 50, -1};
    ExpectComplex(ModelResponseAt(o, 0).S11, 1.0, 0, "lossy open");

    // Lossy: the offset's series resistance A^2*t/(4*pi*Zoff*1 GHz) = 0.000231 ohm remains,
    // and the formulas approach the same value from above.
    s.OffsetZ0 = 50;
    s.OffsetLoss = 2.2;
    const TComplex atZero = ModelResponseAt(s, 0).S11;
    EXPECT_NEAR(atZero.real(), -0.99999075632, 1e-10);
    EXPECT_EQ(atZero.imag(), 0);
    ExpectComplex(ModelResponseAt(s, 1e-15).S11, atZero, 1e-7, "short near 0 Hz");

    TStandardModel thru = Model(TStdType::Thru);
    thru.OffsetDelay = 30;
    thru.OffsetLoss = 2.2;
    const TSParameters t0 = ModelResponseAt(thru, 0);
    const TSParameters tNear = ModelResponseAt(thru, 1e-15);
    ExpectComplex(t0.S21, tNear.S21, 1e-7, "thru S21 near 0 Hz");
    ExpectComplex(t0.S11, tNear.S11, 1e-7, "thru S11 near 0 Hz");
    EXPECT_LT(1 - t0.S21.real(), 1e-5);
    for (const TSParameters& p : {t0, tNear, ModelResponseAt(s, 1e-15)})
        EXPECT_TRUE(std::isfinite(p.S11.real()) && std::isfinite(p.S21.imag()));
}

TEST(StandardModel, NoModelGivesZero)
{
    const std::vector<double> f{0, 1, 10};
    TStandardModel sliding = Model(TStdType::Load);
    sliding.LoadType = TLoadType::Sliding;
    sliding.OffsetDelay = 40;
    TStandardModel none = Model(TStdType::None);
    none.Coefficients = {10, 0, 0, 0};
    for (const TStandardModel& m : {sliding, none})
        for (const TSParameters& p : ModelResponse(m, f))
            EXPECT_EQ(p.S11, 0.0);
    // An offset load is matched at its end and reflects only through its offset.
    TStandardModel offsetLoad = Model(TStdType::Load);
    offsetLoad.LoadType = TLoadType::Offset;
    offsetLoad.OffsetDelay = 40;
    EXPECT_EQ(ModelResponseAt(offsetLoad, 3).S11, 0.0);
}

TEST(StandardModel, DegenerateValuesStayFinite)
{
    // A negative delay with loss gains instead of losing; huge values must not overflow into NaN.
    TStandardModel o = Model(TStdType::Open);
    o.OffsetDelay = -1e12;
    o.OffsetLoss = 1000;
    TStandardModel thru = o;
    thru.Type = TStdType::Thru;
    TStandardModel zeroZ = Model(TStdType::Load);
    zeroZ.OffsetZ0 = 0;
    zeroZ.OffsetDelay = 10;
    for (const TStandardModel& m : {o, thru, zeroZ})
        for (double f : {0.0, 0.001, 2.0, 999.0}) {
            const TSParameters p = ModelResponseAt(m, f);
            for (TComplex v : {p.S11, p.S21})
                EXPECT_TRUE(std::isfinite(v.real()) && std::isfinite(v.imag())) << f;
        }
    // A line of negative delay undoes the same line of positive delay: cascaded they are a thru.
    TStandardModel forward = Model(TStdType::Thru);
    forward.OffsetDelay = 80;
    forward.OffsetLoss = 30;
    forward.OffsetZ0 = 60;
    TStandardModel backward = forward;
    backward.OffsetDelay = -80;
    for (double f : {0.5, 7.0, 40.0}) {
        const TSParameters a = ModelResponseAt(forward, f);
        const TSParameters b = ModelResponseAt(backward, f);
        const TComplex loop = 1.0 - a.S22 * b.S11;
        ExpectComplex(a.S21 * b.S21 / loop, 1.0, 1e-9, "cascaded S21");
        ExpectComplex(a.S11 + a.S21 * a.S12 * b.S11 / loop, 0.0, 1e-9, "cascaded S11");
    }
    // A 0 ohm offset shorts the reference plane.
    ExpectComplex(ModelResponseAt(zeroZ, 2).S11, -1.0, 0, "0 ohm offset");
    // Without a reference impedance there is nothing to reflect against.
    TStandardModel noReference = Model(TStdType::ArbiZ);
    noReference.SystemZ0 = 0;
    EXPECT_FALSE(HasResponseAt(noReference, 1));
    EXPECT_EQ(ModelResponseAt(noReference, 1).S11, 0.0);
    EXPECT_FALSE(HasResponseAt(Model(TStdType::Open), -1));
    EXPECT_FALSE(HasResponseAt(Model(TStdType::Open), NAN));
}

TEST(StandardModel, FromStandardKeepsOnlyWhatTheModelSends)
{
    const TStandardValues shortValues{.StdType = TStdType::Short, .C0 = 2.5, .C1 = 3, .C2 = 4, .C3 = 5,
                                      .OffsetDelay = 31.785, .OffsetZ0 = 49.9, .OffsetLoss = 0.75,
                                      .MinFreq = 0.045, .MaxFreq = 26.5, .TermZ = 75};
    // The 8753 family's shorts have no inductance: an ideal short behind the same offset.
    TCalKit kit8753(*FindVna("8753D/E"));
    kit8753.SetSystemZ0(75);
    kit8753.Standard(1).SetValues(shortValues);
    TStandardModel m = TStandardModel::FromStandard(kit8753.Standard(1));
    EXPECT_EQ(m.Type, TStdType::Short);
    EXPECT_EQ(m.Coefficients, (std::array<double, 4>{0, 0, 0, 0}));
    EXPECT_EQ(m.OffsetDelay, 31.785);
    EXPECT_EQ(m.OffsetZ0, 49.9);
    EXPECT_EQ(m.OffsetLoss, 0.75);
    EXPECT_EQ(m.MinFreq, 0.045);
    EXPECT_EQ(m.MaxFreq, 26.5);
    EXPECT_EQ(m.TermZ, 0);
    EXPECT_EQ(m.SystemZ0, 75);
    EXPECT_FALSE(m.IsTwoPort());

    TCalKit kit8510(*FindVna("8510C"));
    kit8510.Standard(1).SetValues(shortValues);
    m = TStandardModel::FromStandard(kit8510.Standard(1));
    EXPECT_EQ(m.Coefficients, (std::array<double, 4>{2.5, 3, 4, 5}));

    // A load ignores the coefficient cells; an arbitrary impedance reads its terminal impedance
    // from the first of them, and a thru has no load type.
    TStandardValues values = shortValues;
    values.StdType = TStdType::Load;
    values.LoadType = TLoadType::Sliding;
    kit8510.Standard(2).SetValues(values);
    m = TStandardModel::FromStandard(kit8510.Standard(2));
    EXPECT_EQ(m.Coefficients, (std::array<double, 4>{0, 0, 0, 0}));
    EXPECT_EQ(m.LoadType, TLoadType::Sliding);
    values.StdType = TStdType::ArbiZ;
    values.LoadType = TLoadType::Fixed;
    kit8510.Standard(3).SetValues(values);
    m = TStandardModel::FromStandard(kit8510.Standard(3));
    EXPECT_EQ(m.TermZ, 75);
    EXPECT_EQ(m.Coefficients, (std::array<double, 4>{0, 0, 0, 0}));
    values.StdType = TStdType::Thru;
    values.Medium = TMedium::Waveguide;
    kit8510.Standard(4).SetValues(values);
    kit8510.Standard(4).SetLoadType(TLoadType::Sliding);
    m = TStandardModel::FromStandard(kit8510.Standard(4));
    EXPECT_TRUE(m.IsTwoPort());
    EXPECT_EQ(m.LoadType, TLoadType::Fixed);
    EXPECT_EQ(m.Medium, TMedium::Waveguide);
}
