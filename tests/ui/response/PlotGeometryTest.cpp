// The response plots' geometry without a screen: tick choice, axis and Smith chart mapping,
// phase unwrapping, the default frequency range, and where the picture reads off values.
#include <QFont>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "support/UiTestSupport.h"
#include "ui/response/PlotAxis.h"
#include "ui/response/ResponseCurves.h"
#include "ui/response/ResponsePicture.h"
#include "ui/response/SmithChart.h"
#include "ui/response/TraceValues.h"

namespace {

TComplex Polar(double degrees)
{
    return std::polar(1.0, degrees * std::numbers::pi / 180);
}

}  // namespace

TEST(PlotAxisTest, TicksAreOneTwoFiveStepsOnWholeMultiplesAroundTheData)
{
    const auto expectTicks = [](TAxisTicks ticks, double first, double last, double step) {
        EXPECT_DOUBLE_EQ(ticks.First, first);
        EXPECT_DOUBLE_EQ(ticks.Last, last);
        EXPECT_DOUBLE_EQ(ticks.Step, step);
    };
    expectTicks(ChooseTicks(0, 20, 5, 1), 0, 20, 5);
    // 0.045 to 26.5 GHz: steps of 1 and 2 need too many intervals once rounded outward.
    expectTicks(ChooseTicks(0.045, 26.5, 6, 1), 0, 30, 5);
    expectTicks(ChooseTicks(26.5, 0.045, 6, 1), 0, 30, 5);
    // The loss of an open: a few hundredths of a dB.
    expectTicks(ChooseTicks(-0.043, 0, 4, 0.01), -0.06, 0, 0.02);
    // The unwrapped phase of a 30 ps short up to 20 GHz.
    expectTicks(ChooseTicks(-432, 180, 6, 10), -600, 200, 200);
    // A flat or nearly flat trace is widened around its middle.
    expectTicks(ChooseTicks(0, 0, 4, 1.0), -0.5, 0.5, 0.5);
    expectTicks(ChooseTicks(180, 180, 4, 10), 175, 185, 5);
    expectTicks(ChooseTicks(-0.004, 0.004, 4, 0.1), -0.05, 0.05, 0.05);

    const std::vector<double> values = ChooseTicks(-0.043, 0, 4, 0.01).Values();
    ASSERT_EQ(values.size(), 4u);
    EXPECT_NEAR(values[1], -0.04, 1e-12);

    EXPECT_EQ(TickText(-0.04, 0.02), "-0.04");
    EXPECT_EQ(TickText(-1e-17, 0.02), "0.00") << "no minus zero";
    EXPECT_EQ(TickText(2.5, 0.5), "2.5");
    EXPECT_EQ(TickText(-600, 200), "-600");
}

TEST(PlotAxisTest, LinearAxisMapsBothWays)
{
    const TLinearAxis frequency(0, 20, 100, 500);
    EXPECT_DOUBLE_EQ(frequency.ToPixel(5), 200);
    EXPECT_DOUBLE_EQ(frequency.ToValue(400), 15);
    // A vertical axis runs from the bottom up.
    const TLinearAxis decibels(-60, 0, 300, 100);
    EXPECT_DOUBLE_EQ(decibels.ToPixel(-30), 200);
    EXPECT_DOUBLE_EQ(decibels.ToPixel(0), 100);
    EXPECT_DOUBLE_EQ(decibels.ToValue(250), -45);
    EXPECT_DOUBLE_EQ(TLinearAxis(3, 3, 0, 100).ToPixel(3), 50) << "no span: the middle";
}

TEST(SmithChartTest, ReflectionCoefficientsMapIntoTheCentredCircle)
{
    const TSmithMapping smith(QRectF(0, 0, 200, 100));
    EXPECT_EQ(smith.Centre(), QPointF(100, 50));
    EXPECT_DOUBLE_EQ(smith.Radius(), 50);
    EXPECT_EQ(smith.ToPixel({1, 0}), QPointF(150, 50));   // open at the right
    EXPECT_EQ(smith.ToPixel({-1, 0}), QPointF(50, 50));   // short at the left
    EXPECT_EQ(smith.ToPixel({0, 1}), QPointF(100, 0));    // +j at the top
    EXPECT_EQ(smith.ToPixel({-0.6, 0.8}), QPointF(70, 10));
    const TComplex back = smith.ToGamma(QPointF(70, 10));
    EXPECT_NEAR(back.real(), -0.6, 1e-12);
    EXPECT_NEAR(back.imag(), 0.8, 1e-12);
}

TEST(SmithChartTest, GridLinesAreTheCirclesOfConstantResistanceAndReactance)
{
    const auto lines = SmithGridLines();
    constexpr std::size_t values = std::size(SmithGridValues);
    ASSERT_EQ(lines.size(), 1 + 3 * values + 1);
    for (const TComplex gamma : lines.front())
        EXPECT_NEAR(std::abs(gamma), 1, 1e-9) << "r = 0 is the unit circle";
    for (std::size_t i = 0; i < values; ++i) {
        const double value = SmithGridValues[i];
        for (const TComplex gamma : lines[1 + 3 * i])
            EXPECT_NEAR(std::abs(gamma - value / (1 + value)), 1 / (1 + value), 1e-9) << "r = " << value;
        for (const double x : {value, -value})
            for (const TComplex gamma : lines[2 + 3 * i + (x < 0 ? 1 : 0)]) {
                EXPECT_NEAR(std::abs(gamma - TComplex(1, 1 / x)), 1 / value, 1e-9) << "x = " << x;
                EXPECT_LE(std::abs(gamma), 1 + 1e-9);
            }
    }
    // Lines end at the open circuit point, where every circle of the grid meets.
    EXPECT_EQ(lines[1].back(), TComplex(1, 0));
    EXPECT_EQ(lines[2].back(), TComplex(1, 0));
}

TEST(TraceValuesTest, PlottedPhaseRunsOnAcrossTheHalfTurnAndLeavesZerosOut)
{
    // Rising through +180: 170, 190, 210 rather than 170, -170, -150.
    const std::vector<TComplex> rising{Polar(170), Polar(-170), Polar(-150)};
    const std::vector<double> up = PlottedPhaseDegrees(rising);
    ASSERT_EQ(up.size(), 3u);
    EXPECT_NEAR(up[1], 190, 1e-9);
    EXPECT_NEAR(up[2], 210, 1e-9);

    // A short starts at +180, not -180; a matched load has no phase to plot.
    const std::vector<TComplex> values{TComplex(-1, 0), Polar(-170), TComplex(0, 0)};
    const std::vector<double> phases = PlottedPhaseDegrees(values);
    EXPECT_NEAR(phases[0], 180, 1e-9);
    EXPECT_NEAR(phases[1], 190, 1e-9);
    EXPECT_TRUE(std::isnan(phases[2]));
}

TEST(TraceValuesTest, AlignTurnsBringsTheStartWithinHalfATurnOfTheReference)
{
    std::vector<double> phases{500, 520};
    AlignTurns(phases, 180);
    EXPECT_DOUBLE_EQ(phases[0], 140);
    EXPECT_DOUBLE_EQ(phases[1], 160);

    std::vector<double> below{std::nan(""), -190};
    AlignTurns(below, 180);
    EXPECT_DOUBLE_EQ(below[1], 170);

    std::vector<double> edge{0};
    AlignTurns(edge, 180);
    EXPECT_DOUBLE_EQ(edge[0], 360) << "exactly half a turn below becomes half a turn above";
    std::vector<double> kept{-100};
    AlignTurns(kept, std::nan(""));
    EXPECT_DOUBLE_EQ(kept[0], -100);
}

TEST(TraceValuesTest, NearestFrequencyInsideAndOutsideTheList)
{
    const std::vector<double> frequencies{1, 2, 4};
    EXPECT_EQ(NearestFrequency(frequencies, 2.9), 1u);
    EXPECT_EQ(NearestFrequency(frequencies, 3.1), 2u);
    EXPECT_EQ(NearestFrequency(frequencies, 0.2), 0u);
    EXPECT_EQ(NearestFrequency(frequencies, 9), 2u);
    EXPECT_FALSE(NearestFrequency(frequencies, 9, true));
    EXPECT_FALSE(NearestFrequency({}, 1));
}

class ResponseCurvesTest : public ::testing::Test {
protected:
    ResponseCurvesTest() : Kit(Model("8753D/E")) {}
    TStandard& Define(int n, TStdType type, double minFreq, double maxFreq)
    {
        TStandard& standard = Kit.Standard(n);
        standard.SetStdType(type);
        standard.SetMinFreq(minFreq);
        standard.SetMaxFreq(maxFreq);
        return standard;
    }
    TCalKit Kit;
};

TEST_F(ResponseCurvesTest, CurvesOfAnOffsetShortAgainstTheIdealShort)
{
    // A lossless 30 ps offset short: phase -2 * 360 * f * t - 180 degrees.
    TStandard& shortStd = Define(1, TStdType::Short, 0, 20);
    shortStd.SetOffsetDelay(30);
    shortStd.SetLabel("SHORT");
    const TResponseCurves curves = ComputeResponseCurves(Kit, 1);
    EXPECT_EQ(curves.Title, "Standard 1: Short \"SHORT\", 0 to 20 GHz");
    ASSERT_EQ(curves.Traces.size(), 1u);
    ASSERT_EQ(curves.Ideal.size(), 1u);
    EXPECT_EQ(curves.Traces[0].Name, "S11");
    EXPECT_EQ(curves.Ideal[0].Name, "S11 ideal");
    ASSERT_EQ(curves.Traces[0].FrequenciesGHz.size(), static_cast<std::size_t>(ResponsePoints));
    for (const TComplex gamma : curves.Ideal[0].Values)
        EXPECT_NEAR(std::abs(gamma - TComplex(-1, 0)), 0, 1e-12);

    const TResponsePicture picture(curves, {}, QFont());
    const std::vector<TPlottedTrace>& traces = picture.Traces();
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_FALSE(traces[0].Ideal);
    EXPECT_TRUE(traces[1].Ideal);
    const std::size_t at5GHz = 100;  // 401 points over 20 GHz
    ASSERT_DOUBLE_EQ(curves.Traces[0].FrequenciesGHz[at5GHz], 5);
    EXPECT_NEAR(traces[0].PhaseDegrees[at5GHz], -2 * 360 * 5e9 * 30e-12 - 180 + 360, 1e-6);
    EXPECT_NEAR(traces[0].PhaseDegrees.back(), -2 * 360 * 20e9 * 30e-12 - 180 + 360, 1e-6) << "unwrapped";
    EXPECT_NEAR(traces[1].PhaseDegrees.back(), 180, 1e-9);
    EXPECT_EQ(picture.ReadoutText(5.01), "5 GHz   S11: 0.000 dB, 72.00\u00b0");

    // A thru shows S21 beside S11; a standard of type None and a row outside the model, nothing.
    Define(4, TStdType::Thru, 0, 20);
    const TResponseCurves thru = ComputeResponseCurves(Kit, 4);
    ASSERT_EQ(thru.Traces.size(), 2u);
    EXPECT_EQ(thru.Traces[1].Name, "S21");
    EXPECT_NEAR(std::abs(thru.Ideal[1].Values.front() - TComplex(1, 0)), 0, 1e-12);
    const TResponseCurves none = ComputeResponseCurves(Kit, 6);
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_FALSE(none.Title.isEmpty());
    EXPECT_TRUE(ComputeResponseCurves(Kit, 0).Title.isEmpty());
    EXPECT_TRUE(ComputeResponseCurves(Kit, Kit.Vna().NumStandards + 1).Title.isEmpty());
}

TEST_F(ResponseCurvesTest, PictureReadsOffTheFrequencyUnderAPoint)
{
    TStandard& open = Define(2, TStdType::Open, 2, 18);
    open.SetOffsetDelay(20);
    const TResponseCurves curves = ComputeResponseCurves(Kit, 2);
    const std::vector<TResponseTrace> extras{
        {QStringLiteral("Measured"), Qt::magenta, {4, 6, 8}, {TComplex(0.5, 0), TComplex(0, 0.5), TComplex(-0.5, 0)}}};
    const TResponsePicture picture(curves, extras, QFont());
    const QRectF area(0, 0, 1200, 720);
    const TResponseLayout layout = picture.Layout(area);
    EXPECT_TRUE(area.contains(layout.Smith) && area.contains(layout.Magnitude) && area.contains(layout.Phase));
    EXPECT_FALSE(layout.Smith.intersects(layout.Magnitude));
    EXPECT_FALSE(layout.Magnitude.intersects(layout.Phase));
    EXPECT_DOUBLE_EQ(layout.Smith.width(), layout.Smith.height());

    // Along the plots' frequency axis: the middle of the range in the middle.
    EXPECT_NEAR(*picture.FrequencyAt(area, layout.Magnitude.center()), 10, 1e-9);
    EXPECT_NEAR(*picture.FrequencyAt(area, QPointF(layout.Phase.right(), layout.Phase.center().y())), 18, 1e-9);
    // On the Smith chart: the trace point nearest the pointer.
    const TSmithMapping smith(layout.Smith);
    EXPECT_NEAR(*picture.FrequencyAt(area, smith.ToPixel(TComplex(0, 0.5)) + QPointF(2, 1)), 6, 1e-9);
    EXPECT_FALSE(picture.FrequencyAt(area, smith.ToPixel(TComplex(0, -0.9))));
    EXPECT_FALSE(picture.FrequencyAt(area, layout.Legend.center()));

    // The extra trace is listed after the standard's own and its ideal reference, and reads
    // off only inside its own span.
    ASSERT_EQ(picture.Traces().size(), 3u);
    EXPECT_EQ(picture.Traces()[2].Trace->Name, "Measured");
    EXPECT_TRUE(picture.ReadoutText(6).contains("Measured: -6.021 dB, 90.00"));
    EXPECT_FALSE(picture.ReadoutText(12).contains("Measured"));
    // The frequency axis is the standard's range; its ticks lie inside it.
    for (const double tick : picture.FrequencyTicks(6)) {
        EXPECT_GE(tick, 2);
        EXPECT_LE(tick, 18);
    }
}
