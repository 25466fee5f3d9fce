// The fit of an open's C0..C3 to a measurement of 1601 points, started from zero coefficients
// (goal: under 50 ms).
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "response/StandardFit.h"

#include <benchmark/benchmark.h>

namespace {

void FitOpenPolynomial(benchmark::State& state)
{
    TCalKit kit(*FindVna("8753D/E"));
    TStandard& open = kit.Standard(1);
    open.SetValues({.StdType = TStdType::Open, .C0 = 49.433, .C1 = -310.13, .C2 = 23.168, .C3 = -0.15966,
                    .OffsetDelay = 29.243, .OffsetZ0 = 50, .OffsetLoss = 2.2, .MaxFreq = 999});
    TTouchstoneData measured;
    for (int i = 0; i < 1601; ++i)
        measured.FrequenciesGHz.push_back(0.05 + (26.5 - 0.05) * i / 1600);
    measured.Points = ModelResponse(TStandardModel::FromStandard(open), measured.FrequenciesGHz);
    for (TFitParameter p : {TFitParameter::C0, TFitParameter::C1, TFitParameter::C2, TFitParameter::C3})
        SetFitParameter(open, p, 0);
    const auto free = DefaultFreeParameters(open);
    for (auto _ : state) {
        const TFitResult result = FitStandard(open, measured, free);
        if (!result.Converged)
            state.SkipWithError("the fit did not converge");
        benchmark::DoNotOptimize(result.RmsError);
    }
}
BENCHMARK(FitOpenPolynomial)->Unit(benchmark::kMillisecond);

} // namespace
