// A linear plot axis: the tick values a reader can take in at a glance (steps of 1, 2 or 5
// times a power of ten, on whole multiples of the step) and the mapping between values and
// pixels along the axis.
#pragma once

#include <QString>
#include <vector>

struct TAxisTicks {
    double First = 0; // the axis' lower end, a multiple of Step at or below the data
    double Last = 1;  // the upper end, a multiple of Step at or above the data
    double Step = 1;

    // The values First, First + Step, ..., Last.
    std::vector<double> Values() const;
};

// Ticks that take in low..high with at most maxTicks intervals. A range narrower than
// minimumSpan (> 0) is widened to it around its middle first; low and high may come in
// either order.
TAxisTicks ChooseTicks(double low, double high, int maxTicks, double minimumSpan);

// Maps a value range onto a pixel range; pixel ends may run either way (a vertical axis
// runs from the bottom up).
class TLinearAxis {
public:
    TLinearAxis(double low, double high, double pixelLow, double pixelHigh);

    double ToPixel(double value) const;
    double ToValue(double pixel) const;
    double Low() const { return FLow; }
    double High() const { return FHigh; }

private:
    double FLow, FHigh, FPixelLow, FPixelHigh;
};

// The text of a tick value: as few decimals as the step needs, no "-0".
QString TickText(double value, double step);
