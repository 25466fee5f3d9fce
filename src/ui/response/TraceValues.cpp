#include "ui/response/TraceValues.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

}  // namespace

double MagnitudeDb(TComplex value)
{
    const double magnitude = std::abs(value);
    return magnitude > 0 && std::isfinite(magnitude) ? 20 * std::log10(magnitude) : Nan;
}

std::vector<double> UnwrappedPhaseDegrees(std::span<const TComplex> values)
{
    std::vector<double> phases;
    phases.reserve(values.size());
    double previous = Nan;
    for (const TComplex value : values) {
        if (!(std::abs(value) > 0)) {
            phases.push_back(Nan);
            continue;
        }
        double phase = std::arg(value) * 180 / std::numbers::pi;
        if (phase == -180)
            phase = 180;
        if (!std::isnan(previous))
            phase -= 360 * std::round((phase - previous) / 360);
        phases.push_back(phase);
        previous = phase;
    }
    return phases;
}

void AlignTurns(std::vector<double>& phases, double reference)
{
    if (std::isnan(reference))
        return;
    for (const double phase : phases) {
        if (std::isnan(phase))
            continue;
        const double turns = std::ceil((phase - reference - 180) / 360);
        if (turns != 0)
            for (double& shifted : phases)
                shifted -= 360 * turns;
        return;
    }
}
