#include "ui/response/ResponseRange.h"

#include <algorithm>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"

TFrequencyRange DefaultResponseRange(const TCalKit& kit, int n)
{
    const TStandard& standard = kit.Standard(n);
    TFrequencyRange range{standard.MinFreq(), standard.MaxFreq()};
    if (range.StopGHz < NoLimitMaxFreq)
        return range;
    double largest = 0;
    for (int other = 1; other <= kit.Vna().NumStandards; ++other) {
        const TStandard* candidate = kit.GetStandard(other);
        if (other != n && candidate && candidate->StdType() != TStdType::None &&
            candidate->MaxFreq() < NoLimitMaxFreq)
            largest = std::max(largest, candidate->MaxFreq());
    }
    range.StopGHz = largest > 0 ? largest : FallbackStopGHz;
    if (range.StopGHz <= range.StartGHz)
        range.StopGHz = std::max(FallbackStopGHz, 2 * range.StartGHz);
    return range;
}

std::vector<double> ResponseFrequencies(const TStandardModel& model, TFrequencyRange range, int points)
{
    std::vector<double> frequencies;
    const int count = range.StopGHz > range.StartGHz ? std::max(points, 2) : 1;
    frequencies.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double frequency = count == 1 ? range.StartGHz
                                            : range.StartGHz + (range.StopGHz - range.StartGHz) * i / (count - 1);
        if (HasResponseAt(model, frequency))
            frequencies.push_back(frequency);
    }
    return frequencies;
}
