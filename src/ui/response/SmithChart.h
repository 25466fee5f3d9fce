// The Smith chart's geometry: the unit circle of reflection coefficients drawn in a square,
// the grid of constant resistance and constant reactance (normalised to the reference
// impedance), and the mapping between a reflection coefficient and a pixel.
#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

#include "response/ComplexMath.h"

class TSmithMapping {
public:
    // The largest circle that fits into area, centred in it.
    explicit TSmithMapping(const QRectF& area);

    QPointF Centre() const { return FCentre; }
    double Radius() const { return FRadius; }
    // Gamma = 1 lies at the right, Gamma = j at the top.
    QPointF ToPixel(TComplex gamma) const;
    TComplex ToGamma(const QPointF& pixel) const;

private:
    QPointF FCentre;
    double FRadius;
};

// The normalised resistances and reactances the chart's grid shows.
inline constexpr double SmithGridValues[] = {0.2, 0.5, 1.0, 2.0, 5.0};

// The grid as lines of reflection coefficients: the circle of each resistance in
// SmithGridValues, the arc of each reactance and its negative, the unit circle and the real
// axis. Each line is a list of points close enough to be joined by straight segments.
std::vector<std::vector<TComplex>> SmithGridLines();
