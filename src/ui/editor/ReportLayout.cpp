#include "ui/editor/ReportLayout.h"

#include <algorithm>
#include <cmath>

TReportLayout::TReportLayout(double dotsPerInch, int numStandards, int numClasses)
    : FDotsPerInch(dotsPerInch > 0 ? dotsPerInch : 96.0),
      FNumStandards(std::max(numStandards, 0)),
      FNumClasses(std::max(numClasses, 0)),
      FRowHeight(Px(0.18)),
      FWidth(Px(7.0)),
      FHeight(Px(9.5))
{
}

int TReportLayout::Px(double inches) const
{
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<int>(std::nearbyint(inches * FDotsPerInch));
}

int TReportLayout::FontPixels(double points) const
{
    return static_cast<int>(std::lround(points * FDotsPerInch / 72.0));
}

template <std::size_t N>
std::vector<int> TReportLayout::Edges(const std::array<double, N>& inches) const
{
    std::vector<int> edges{0};
    for (double width : inches)
        edges.push_back(edges.back() + Px(width));
    return edges;
}

std::vector<int> TReportLayout::StandardsColumnEdges() const
{
    return Edges(StandardsColumnInches);
}

std::vector<int> TReportLayout::ClassesColumnEdges() const
{
    return Edges(ClassesColumnInches);
}
