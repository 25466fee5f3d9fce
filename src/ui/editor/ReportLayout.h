// The geometry of the printed kit report: every length is fixed in inches and turned into
// device pixels for the resolution the report is drawn at.
#pragma once

#include <array>
#include <vector>

// Column widths in inches, in grid order; each table spans exactly 7 inches.
inline constexpr std::array<double, 14> StandardsColumnInches{
    0.3, 0.6, 0.45, 0.45, 0.45, 0.45, 0.6, 0.5, 0.45, 0.45, 0.45, 0.45, 0.6, 0.8};
inline constexpr std::array<double, 9> ClassesColumnInches{1.8, 0.55, 0.55, 0.55, 0.55,
                                                           0.55, 0.55, 0.55, 1.35};

class TReportLayout {
public:
    // The layout at dotsPerInch (the screen's logical resolution when the report is drawn)
    // for a model with numStandards standards and numClasses classes.
    TReportLayout(double dotsPerInch, int numStandards, int numClasses);

    // inches x P, to the nearest integer with halves going to the even neighbour.
    int Px(double inches) const;
    // The pixel height of a font of this many points.
    int FontPixels(double points) const;

    double DotsPerInch() const { return FDotsPerInch; }
    int RowHeight() const { return FRowHeight; }  // R
    int Width() const { return FWidth; }          // W
    int Height() const { return FHeight; }        // H

    int TitleTop() const { return 0; }
    int DescriptionTop() const { return Px(0.27); }
    int StandardsTop() const { return Px(0.8); }                             // T1
    int StandardsHeight() const { return (FNumStandards + 2) * FRowHeight; }  // H1
    int ClassesTop() const { return StandardsTop() + StandardsHeight() + Px(0.4); }  // T2
    int ClassesHeight() const { return (FNumClasses + 2) * FRowHeight; }             // H2
    int SettingsTop() const { return ClassesTop() + ClassesHeight() + Px(0.2); }
    int SecondSettingsTop() const { return SettingsTop() + Px(0.2); }

    // The edges of the table columns from the left: entry c - 1 is the left edge of column c,
    // the last entry the right edge of the last column.
    std::vector<int> StandardsColumnEdges() const;
    std::vector<int> ClassesColumnEdges() const;

private:
    template <std::size_t N>
    std::vector<int> Edges(const std::array<double, N>& inches) const;

    double FDotsPerInch;
    int FNumStandards;
    int FNumClasses;
    int FRowHeight;
    int FWidth;
    int FHeight;
};
