#include "response/ComplexMath.h"

#include <cmath>
#include <limits>
#include <numbers>

double MagnitudeDb(TComplex z)
{
    const double magnitude = std::abs(z);
    return magnitude > 0 ? 20 * std::log10(magnitude) : -std::numeric_limits<double>::infinity();
}

double PhaseDegrees(TComplex z)
{
    const double degrees = std::arg(z) * 180 / std::numbers::pi;
    return degrees <= -180 ? degrees + 360 : degrees;
}

std::vector<double> UnwrappedPhaseDegrees(std::span<const TComplex> values)
{
    std::vector<double> phases;
    phases.reserve(values.size());
    for (const TComplex& z : values) {
        double degrees = PhaseDegrees(z);
        if (!phases.empty()) {
            // Add the whole turns that bring it within half a turn of the previous phase.
            degrees += 360 * std::round((phases.back() - degrees) / 360);
        }
        phases.push_back(degrees);
    }
    return phases;
}
