// The frequencies a standard's response is shown over: by default the standard's own range,
// where a maximum of 999 GHz (the "no limit" value) gives way to the largest maximum of the
// kit's other defined standards, else 20 GHz.
#pragma once

#include <vector>

#include "response/StandardModel.h"

class TCalKit;

struct TFrequencyRange {
    double StartGHz = 0;
    double StopGHz = 0;
};

inline constexpr double NoLimitMaxFreq = 999;
inline constexpr double FallbackStopGHz = 20;

// The default range of standard n (1..the model's standards) of kit. A stop that would not
// lie above the start (a standard whose range begins above every other maximum) becomes the
// larger of 20 GHz and twice the start.
TFrequencyRange DefaultResponseRange(const TCalKit& kit, int n);

// points frequencies from start to stop, both included, evenly spaced; a waveguide
// standard's frequencies at or below its cutoff are left out. A range without span gives
// its one frequency.
std::vector<double> ResponseFrequencies(const TStandardModel& model, TFrequencyRange range, int points);
