// The frequencies at which a standard's response is shown or written: a linear sweep, and
// the default sweep of a kit's standard.
#pragma once

#include <vector>

class TCalKit;

inline constexpr int DefaultSweepPoints = 201;
// A maximum frequency of 999 GHz is the "no limit" default of a standard.
inline constexpr double NoLimitMaxFreq = 999;
// The top of a default sweep when neither the standard nor its kit names one.
inline constexpr double DefaultSweepTopGHz = 20;

struct TFrequencySweep {
    double StartGHz = 0;
    double StopGHz = DefaultSweepTopGHz;
    int Points = DefaultSweepPoints;
};

// Points frequencies (at least 2) evenly spaced from start to stop, both included.
std::vector<double> SweepFrequencies(const TFrequencySweep& sweep);

// The default sweep of standard number of kit (201 points): from its minimum to its maximum
// frequency. A maximum of 999 GHz, or one not above the minimum, gives way to the largest
// maximum below 999 GHz of the kit's other standards in use, else 20 GHz (twice the minimum
// when the minimum lies at or above it). A waveguide standard starts at 1.25 times its cutoff,
// the lower edge of a waveguide's usual band (half-way to the top when that lies lower).
TFrequencySweep DefaultSweep(const TCalKit& kit, int number);
