#include "ui/response/TraceValues.h"

#include <cmath>
#include <limits>

std::vector<double> PlottedPhaseDegrees(std::span<const TComplex> values)
{
    std::vector<double> phases = UnwrappedPhaseDegrees(values);
    for (std::size_t i = 0; i < phases.size(); ++i)
        if (values[i] == TComplex(0, 0))
            phases[i] = std::numeric_limits<double>::quiet_NaN();
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
