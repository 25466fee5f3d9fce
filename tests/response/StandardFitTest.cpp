#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "response/Renormalize.h"
#include "response/StandardFit.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using enum TFitParameter;

std::vector<double> LinearGHz(double start, double stop, int points)
{
    std::vector<double> f;
    for (int i = 0; i < points; ++i)
        f.push_back(start + (stop - start) * i / (points - 1));
    return f;
}

// The standard's modelled response as a measurement at the kit's system Z0, with Gaussian
// noise of the given deviation on the real and imaginary part of every value.
TTouchstoneData Measure(const TStandardModel& model, const std::vector<double>& frequencies, double noise = 0)
{
    TTouchstoneData data;
    data.Ports = model.IsTwoPort() ? 2 : 1;
    data.ReferenceZ0 = model.SystemZ0;
    data.FrequenciesGHz = frequencies;
    data.Points = ModelResponse(model, frequencies);
    std::mt19937 random(1234);
    std::normal_distribution<double> gauss(0, noise);
    if (noise > 0)
        for (TSParameters& s : data.Points) {
            for (TComplex* value : {&s.S11, &s.S21, &s.S12, &s.S22})
                if (data.Ports == 2 || value == &s.S11)
                    *value += TComplex{gauss(random), gauss(random)};
        }
    return data;
}

double WorstDeviation(const std::vector<TSParameters>& a, const std::vector<TSParameters>& b)
{
    double worst = 0;
    for (std::size_t k = 0; k < a.size(); ++k)
        for (TComplex d : {a[k].S11 - b[k].S11, a[k].S21 - b[k].S21, a[k].S12 - b[k].S12, a[k].S22 - b[k].S22})
            worst = std::max(worst, std::abs(d));
    return worst;
}

std::string FitError(const TStandard& standard, const TTouchstoneData& data, std::vector<TFitParameter> free)
{
    try {
        FitStandard(standard, data, free);
    } catch (const ETessalyError& e) {
        return e.Message();
    }
    return "no error";
}

class StandardFit : public ::testing::Test {
protected:
    TCalKit legacy{*FindVna("8753D/E")};
    TCalKit pna{*FindVna("PNA")};
    const std::vector<double> band = LinearGHz(0.05, 26.5, 401);

    // The open of the example: a polynomial behind a lossy 50 ohm offset.
    TStandard& ExampleOpen()
    {
        TStandard& open = legacy.Standard(1);
        open.SetValues({.StdType = TStdType::Open, .C0 = 49.433, .C1 = -310.13, .C2 = 23.168, .C3 = -0.15966,
                        .OffsetDelay = 29.243, .OffsetZ0 = 50, .OffsetLoss = 2.2, .MaxFreq = 999, .Label = "OPEN"});
        return open;
    }

    static void ZeroPolynomial(TStandard& standard)
    {
        for (TFitParameter p : {C0, C1, C2, C3})
            SetFitParameter(standard, p, 0);
    }

    static void ExpectRecovered(const TFitResult& result, const TStandardValues& truth, double relative)
    {
        EXPECT_TRUE(result.Converged);
        EXPECT_TRUE(result.Warnings.empty());
        for (const TFittedValue& fitted : result.Fitted) {
            const double expected = FitParameterValue(truth, fitted.Parameter);
            EXPECT_NEAR(fitted.Value, expected, relative * std::abs(expected)) << FitParameterKey(fitted.Parameter);
            EXPECT_EQ(FitParameterValue(result.Values, fitted.Parameter), fitted.Value);
        }
    }
};

TEST_F(StandardFit, OpenPolynomialRecoveredFromZeroThenAppliedThroughTheSetters)
{
    TStandard& open = ExampleOpen();
    const TStandardValues truth = open.Values();
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(open), band);
    ZeroPolynomial(open);

    const TFitResult result = FitStandard(open, measured, DefaultFreeParameters(open));
    ASSERT_EQ(result.Fitted.size(), 4u);
    ExpectRecovered(result, truth, 1e-4);
    EXPECT_LT(result.WorstError, 1e-8);
    EXPECT_LE(result.RmsError, result.WorstError);
    EXPECT_EQ(result.PointsUsed, 401);
    // Everything that was not free keeps the standard's value.
    EXPECT_EQ(result.Values.OffsetDelay, truth.OffsetDelay);
    EXPECT_EQ(result.Values.Label, "OPEN");
    EXPECT_EQ(open.C0(), 0); // the fit itself changes nothing

    ApplyFit(open, result);
    EXPECT_EQ(open.Values(), result.Values);
    EXPECT_LT(WorstDeviation(ModelResponse(TStandardModel::FromStandard(open), band), measured.Points), 1e-8);
}

TEST_F(StandardFit, NoisyOpenStaysCloseToTheTrueResponse)
{
    TStandard& open = ExampleOpen();
    const auto truth = ModelResponse(TStandardModel::FromStandard(open), band);
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(open), band, 1e-3);
    ZeroPolynomial(open);

    const TFitResult result = FitStandard(open, measured, std::vector{C0, C1, C2, C3});
    EXPECT_TRUE(result.Converged);
    EXPECT_LT(WorstDeviation(result.Modelled, truth), 3e-3);
    // The residual is the noise: about sqrt(2) * 1e-3 per complex value.
    EXPECT_NEAR(result.RmsError, std::sqrt(2.0) * 1e-3, 0.2e-3);
    EXPECT_GT(result.WorstError, result.RmsError);
}

TEST_F(StandardFit, ShortInductanceWhereTheModelHasIt)
{
    TStandard& shortStd = pna.Standard(2);
    shortStd.SetValues({.StdType = TStdType::Short, .C0 = 2.0765, .C1 = -108.54, .C2 = 2.1705, .C3 = -0.01,
                        .OffsetDelay = 31.785, .OffsetLoss = 2.36, .MaxFreq = 999});
    const TStandardValues truth = shortStd.Values();
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(shortStd), band);
    ZeroPolynomial(shortStd);
    const TFitResult result = FitStandard(shortStd, measured, DefaultFreeParameters(shortStd));
    ASSERT_EQ(result.Fitted.size(), 4u);
    ExpectRecovered(result, truth, 1e-4);
    EXPECT_NE(FitReport(result).find("L1 = -108.54"), std::string::npos) << FitReport(result);

    // On a model whose shorts are ideal the polynomial is not there to fit; the delay is.
    TStandard& legacyShort = legacy.Standard(2);
    legacyShort.SetValues({.StdType = TStdType::Short, .OffsetDelay = 20, .MaxFreq = 999});
    EXPECT_EQ(DefaultFreeParameters(legacyShort), std::vector{Delay});
    EXPECT_EQ(FitError(legacyShort, measured, {C1}), "L1 is not part of this standard's model.");
}

TEST_F(StandardFit, ThruDelayAndLossFromZero)
{
    TStandard& thru = legacy.Standard(4);
    thru.SetValues({.StdType = TStdType::Thru, .OffsetDelay = 84.5, .OffsetZ0 = 50, .OffsetLoss = 1.3,
                    .MinFreq = 0.03, .MaxFreq = 20});
    const TStandardValues truth = thru.Values();
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(thru), band);
    thru.SetOffsetDelay(0);
    thru.SetOffsetLoss(0);

    const TFitResult result = FitStandard(thru, measured, DefaultFreeParameters(thru));
    ASSERT_EQ(result.Fitted.size(), 2u);
    EXPECT_EQ(result.Fitted[0].Parameter, Delay);
    EXPECT_EQ(result.Fitted[1].Parameter, Loss);
    ExpectRecovered(result, truth, 1e-6);
    // Only the points inside 0.03 .. 20 GHz count.
    EXPECT_EQ(result.PointsUsed, static_cast<int>(std::count_if(band.begin(), band.end(),
                                                                [](double f) { return f <= 20; })));

    TTouchstoneData onePort = measured;
    onePort.Ports = 1;
    EXPECT_EQ(FitError(thru, onePort, {Delay}),
              "A thru/line needs a two-port measurement (.s2p); this one has one port.");
    EXPECT_EQ(FitError(legacy.Standard(6), measured, {Delay}), "The standard has no type: there is nothing to fit.");
}

TEST_F(StandardFit, ArbitraryImpedanceTermZ)
{
    TStandard& arbitrary = legacy.Standard(5);
    arbitrary.SetValues({.StdType = TStdType::ArbiZ, .OffsetDelay = 12.5, .OffsetZ0 = 50, .MaxFreq = 999,
                         .TermZ = 37.5});
    const TStandardValues truth = arbitrary.Values();
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(arbitrary), band);
    arbitrary.SetTermZ(50);
    const TFitResult result = FitStandard(arbitrary, measured, std::vector{TermZ});
    ExpectRecovered(result, truth, 1e-6);
    EXPECT_EQ(FitParameterName(TermZ, TStdType::ArbiZ), "Term Z");
    EXPECT_EQ(FitError(arbitrary, measured, {C0}), "C0 is not part of this standard's model.");
}

TEST_F(StandardFit, MeasurementAt75OhmIsRenormalizedIntoThe50OhmKit)
{
    TStandard& open = ExampleOpen();
    const TStandardValues truth = open.Values();
    TTouchstoneData measured = Measure(TStandardModel::FromStandard(open), band);
    for (TSParameters& s : measured.Points)
        s = Renormalized(s, 1, 50, 75);
    measured.ReferenceZ0 = 75;
    ZeroPolynomial(open);

    const TFitResult result = FitStandard(open, measured, std::vector{C0, C1, C2, C3});
    ExpectRecovered(result, truth, 1e-4);
    EXPECT_LT(result.WorstError, 1e-8);
}

TEST_F(StandardFit, ClampsIntoTheModelsLimitsWithAWarning)
{
    TStandard& open = pna.Standard(1);
    open.SetValues({.StdType = TStdType::Open, .MaxFreq = 999});
    TStandardModel beyond = TStandardModel::FromStandard(open);
    beyond.Coefficients = {12000, 0, 0, 0}; // above the model's 10000
    const TTouchstoneData measured = Measure(beyond, band);
    ZeroPolynomial(open);

    const TFitResult result = FitStandard(open, measured, std::vector{C0});
    ASSERT_EQ(result.Fitted.size(), 1u);
    EXPECT_TRUE(result.Fitted[0].Clamped);
    EXPECT_EQ(result.Fitted[0].Value, 10000);
    EXPECT_EQ(result.Values.C0, 10000);
    EXPECT_EQ(result.Warnings,
              std::vector<std::string>{"C0 fitted to 12000 lies outside the model's limits; clamped to 10000."});
    // The reported errors are those of the clamped value.
    EXPECT_GT(result.WorstError, 1e-3);
    EXPECT_NE(FitReport(result).find("C0 = 10000 fF (clamped)\n"), std::string::npos);
}

TEST_F(StandardFit, RefusesMeasurementsAndChoicesItCannotUse)
{
    TStandard& open = ExampleOpen();
    const TTouchstoneData measured = Measure(TStandardModel::FromStandard(open), band);
    open.SetMinFreq(30);
    open.SetMaxFreq(40);
    EXPECT_EQ(FitError(open, measured, {C0}),
              "No measured point lies inside the standard's frequency range (30 to 40 GHz).");
    open.SetMinFreq(26.5);
    EXPECT_EQ(FitError(open, measured, {C0, C1, C2}),
              "Too few measured points in the standard's frequency range: 1 for 3 free values.");
    EXPECT_EQ(FitError(open, measured, {}), "Choose at least one value to fit.");

    TStandard& load = legacy.Standard(3);
    load.SetValues({.StdType = TStdType::Load, .LoadType = TLoadType::Sliding});
    EXPECT_EQ(FitError(load, measured, {Delay}), "A sliding load has no model to fit.");
    EXPECT_TRUE(FittableParameters(load).empty());
    load.SetLoadType(TLoadType::Fixed);
    EXPECT_EQ(FittableParameters(load), (std::vector{Delay, Loss, Z0}));
    EXPECT_EQ(FitError(load, Measure(TStandardModel::FromStandard(ExampleOpen()), band, 0), {C0}),
              "C0 is not part of this standard's model.");
    load.SetMedium(TMedium::Waveguide); // lossless at the system impedance
    EXPECT_EQ(FittableParameters(load), std::vector{Delay});

    TTouchstoneData twoPort = measured;
    twoPort.Ports = 2;
    EXPECT_EQ(FitError(ExampleOpen(), twoPort, {C0}),
              "A one-port standard needs a one-port measurement (.s1p); this one has two ports.");

    // A (non-physical) reflection of -2 at 150 ohm lies on the pole of the conversion to 50 ohm.
    TTouchstoneData pole;
    pole.ReferenceZ0 = 150;
    pole.FrequenciesGHz = {1, 2};
    pole.Points = {{-2.0, {}, {}, {}}, {0.5, {}, {}, {}}};
    open.SetMinFreq(0);
    EXPECT_EQ(FitError(open, pole, {C0}),
              "The measured values at 1 GHz have no equivalent at the kit's system Z0 of 50 ohm.");

    EXPECT_EQ(FitParameterFromKey("L2"), C2);
    EXPECT_EQ(FitParameterFromKey("TermZ"), TermZ);
    EXPECT_EQ(FitParameterFromKey("c4"), std::nullopt);
}

} // namespace
