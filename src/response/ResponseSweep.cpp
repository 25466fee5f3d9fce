#include "response/ResponseSweep.h"

#include "kit/CalKit.h"
#include "response/StandardModel.h"

#include <algorithm>

namespace {

// A waveguide is used from this multiple of its cutoff up.
constexpr double WaveguideBandStart = 1.25;

bool HasUsableTop(double top, double start)
{
    return top < NoLimitMaxFreq && top > start;
}

} // namespace

std::vector<double> SweepFrequencies(const TFrequencySweep& sweep)
{
    const int points = std::max(sweep.Points, 2);
    std::vector<double> frequencies(static_cast<std::size_t>(points));
    const double step = (sweep.StopGHz - sweep.StartGHz) / (points - 1);
    for (int i = 0; i < points; ++i)
        frequencies[static_cast<std::size_t>(i)] = sweep.StartGHz + step * i;
    frequencies.back() = sweep.StopGHz; // exactly, whatever the rounding of the steps
    return frequencies;
}

TFrequencySweep DefaultSweep(const TCalKit& kit, int number)
{
    const TStandardModel model = TStandardModel::FromStandard(kit.Standard(number));
    TFrequencySweep sweep;
    sweep.StartGHz = model.MinFreq;
    sweep.StopGHz = model.MaxFreq;
    if (!HasUsableTop(sweep.StopGHz, sweep.StartGHz)) {
        double top = 0;
        for (int n = 1; n <= std::min(kit.Vna().NumStandards, TCalKit::RecordCount - 1); ++n) {
            const TStandardModel other = TStandardModel::FromStandard(kit.Standard(n));
            if (n != number && other.Type != TStdType::None && other.MaxFreq < NoLimitMaxFreq)
                top = std::max(top, other.MaxFreq);
        }
        if (!HasUsableTop(top, sweep.StartGHz))
            top = sweep.StartGHz < DefaultSweepTopGHz ? DefaultSweepTopGHz : 2 * sweep.StartGHz;
        sweep.StopGHz = top;
    }
    if (model.Medium == TMedium::Waveguide && sweep.StopGHz > model.MinFreq)
        sweep.StartGHz = std::min(WaveguideBandStart * model.MinFreq, (model.MinFreq + sweep.StopGHz) / 2);
    return sweep;
}
