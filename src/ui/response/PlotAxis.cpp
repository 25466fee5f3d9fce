#include "ui/response/PlotAxis.h"

#include <algorithm>
#include <cmath>

std::vector<double> TAxisTicks::Values() const
{
    std::vector<double> values;
    const long count = std::lround((Last - First) / Step);
    for (long i = 0; i <= count; ++i)
        values.push_back(First + static_cast<double>(i) * Step);
    return values;
}

TAxisTicks ChooseTicks(double low, double high, int maxTicks, double minimumSpan)
{
    if (low > high)
        std::swap(low, high);
    if (!(high - low >= minimumSpan)) {
        const double middle = (low + high) / 2;
        low = middle - minimumSpan / 2;
        high = middle + minimumSpan / 2;
    }
    maxTicks = std::max(maxTicks, 1);
    const double rough = (high - low) / maxTicks;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    TAxisTicks ticks;
    // The smallest step of 1, 2 or 5 times a power of ten that keeps the interval count; the
    // rounding outward can add one interval, so a step that then exceeds it is passed over.
    for (const double factor : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        const double step = factor * decade;
        const double first = std::floor(low / step + 1e-9) * step;
        const double last = std::ceil(high / step - 1e-9) * step;
        if (std::lround((last - first) / step) <= maxTicks) {
            ticks.First = first;
            ticks.Last = last;
            ticks.Step = step;
            return ticks;
        }
    }
    ticks.Step = 50 * decade;
    ticks.First = std::floor(low / ticks.Step) * ticks.Step;
    ticks.Last = std::ceil(high / ticks.Step) * ticks.Step;
    return ticks;
}

TLinearAxis::TLinearAxis(double low, double high, double pixelLow, double pixelHigh)
    : FLow(low), FHigh(high), FPixelLow(pixelLow), FPixelHigh(pixelHigh)
{
}

double TLinearAxis::ToPixel(double value) const
{
    if (FHigh == FLow)
        return (FPixelLow + FPixelHigh) / 2;
    return FPixelLow + (value - FLow) * (FPixelHigh - FPixelLow) / (FHigh - FLow);
}

double TLinearAxis::ToValue(double pixel) const
{
    if (FPixelHigh == FPixelLow)
        return FLow;
    return FLow + (pixel - FPixelLow) * (FHigh - FLow) / (FPixelHigh - FPixelLow);
}

QString TickText(double value, double step)
{
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    if (std::fabs(value) < step * 1e-6)
        value = 0;
    return QString::number(value, 'f', decimals);
}
