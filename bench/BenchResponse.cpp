// The standard model over a 1601-point sweep for every standard of a full 21-standard kit
// (what the response view computes when the kit changes; goal: well under 1 ms), and the
// Touchstone text of one two-port standard over the same sweep.
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "response/ResponseSweep.h"
#include "response/StandardModel.h"
#include "response/StandardTouchstone.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int SweepPoints = 1601;

// Every kind of standard the model distinguishes, lossy offsets throughout, three waveguide ones.
std::unique_ptr<TCalKit> FullKit()
{
    auto kit = TCalKit::Create(*FindVna("8510C"));
    const TStandardValues kinds[] = {
        {.StdType = TStdType::Open, .C0 = 49.43, .C1 = -310.13, .C2 = 23.168, .C3 = -0.16, .OffsetDelay = 29.243,
         .OffsetLoss = 2.2},
        {.StdType = TStdType::Short, .C0 = 2.08, .C1 = -108.5, .C2 = 2.17, .C3 = -0.01, .OffsetDelay = 31.785,
         .OffsetLoss = 2.36},
        {.StdType = TStdType::Load, .OffsetDelay = 5, .OffsetLoss = 2.3},
        {.StdType = TStdType::Thru, .OffsetDelay = 88, .OffsetZ0 = 49.6, .OffsetLoss = 2.3},
        {.StdType = TStdType::ArbiZ, .OffsetDelay = 17.5, .OffsetLoss = 1.3, .TermZ = 75},
        {.StdType = TStdType::Load, .LoadType = TLoadType::Offset, .OffsetDelay = 40, .OffsetZ0 = 51, .OffsetLoss = 2},
        {.StdType = TStdType::Short, .OffsetDelay = 16.578, .MinFreq = 6.557, .Medium = TMedium::Waveguide},
    };
    for (int n = 1; n <= kit->Vna().NumStandards; ++n) {
        TStandardValues values = kinds[(n - 1) % 7];
        values.OffsetDelay += n;
        values.MaxFreq = 26.5;
        kit->Standard(n).SetValues(values);
    }
    return kit;
}

void ModelOfAFullKit(benchmark::State& state)
{
    const auto kit = FullKit();
    const std::vector<double> f = SweepFrequencies({.StartGHz = 0, .StopGHz = 26.5, .Points = SweepPoints});
    for (auto _ : state) {
        for (int n = 1; n <= kit->Vna().NumStandards; ++n)
            benchmark::DoNotOptimize(ModelResponse(TStandardModel::FromStandard(kit->Standard(n)), f));
    }
    state.SetItemsProcessed(state.iterations() * kit->Vna().NumStandards * SweepPoints);
}
BENCHMARK(ModelOfAFullKit)->Unit(benchmark::kMicrosecond);

void TouchstoneOfAThru(benchmark::State& state)
{
    const auto kit = FullKit();
    const std::vector<double> f = SweepFrequencies({.StartGHz = 0, .StopGHz = 26.5, .Points = SweepPoints});
    for (auto _ : state)
        benchmark::DoNotOptimize(TouchstoneText(StandardTouchstone(*kit, 4, f)));
}
BENCHMARK(TouchstoneOfAThru)->Unit(benchmark::kMicrosecond);

} // namespace
