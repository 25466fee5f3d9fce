#include "ui/response/SmithChart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int PointsPerLine = 181;

// A line of constant resistance r (reactance from -inf to +inf) or of constant reactance x
// (resistance from 0 to +inf), through a parameter that spreads its points evenly on the
// chart.
std::vector<TComplex> ResistanceCircle(double r)
{
    std::vector<TComplex> line;
    for (int i = 0; i < PointsPerLine; ++i) {
        const double angle = -std::numbers::pi / 2 + std::numbers::pi * i / (PointsPerLine - 1);
        if (i == 0 || i == PointsPerLine - 1)
            line.emplace_back(1.0, 0.0);
        else
            line.push_back(ReflectionOf({r, (1 + r) * std::tan(angle)}, 1));
    }
    return line;
}

std::vector<TComplex> ReactanceArc(double x)
{
    std::vector<TComplex> line;
    for (int i = 0; i < PointsPerLine; ++i) {
        const double angle = std::numbers::pi / 2 * i / (PointsPerLine - 1);
        if (i == PointsPerLine - 1)
            line.emplace_back(1.0, 0.0);
        else
            line.push_back(ReflectionOf({(1 + std::fabs(x)) * std::tan(angle), x}, 1));
    }
    return line;
}

}  // namespace

TSmithMapping::TSmithMapping(const QRectF& area)
    : FCentre(area.center()), FRadius(std::max(0.0, std::min(area.width(), area.height()) / 2))
{
}

QPointF TSmithMapping::ToPixel(TComplex gamma) const
{
    return {FCentre.x() + gamma.real() * FRadius, FCentre.y() - gamma.imag() * FRadius};
}

TComplex TSmithMapping::ToGamma(const QPointF& pixel) const
{
    if (FRadius <= 0)
        return {};
    return {(pixel.x() - FCentre.x()) / FRadius, (FCentre.y() - pixel.y()) / FRadius};
}

std::vector<std::vector<TComplex>> SmithGridLines()
{
    std::vector<std::vector<TComplex>> lines;
    lines.push_back(ResistanceCircle(0));
    for (const double value : SmithGridValues) {
        lines.push_back(ResistanceCircle(value));
        lines.push_back(ReactanceArc(value));
        lines.push_back(ReactanceArc(-value));
    }
    lines.push_back({TComplex(-1, 0), TComplex(1, 0)});
    return lines;
}
