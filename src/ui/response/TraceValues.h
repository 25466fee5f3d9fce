// The phase of a complex trace as the phase plot shows it.
#pragma once

#include <span>
#include <vector>

#include "response/ComplexMath.h"

// The unwrapped phase of each value in degrees; NaN for a value of exactly 0 (a matched or
// sliding load), which has no phase and which the plot leaves out.
std::vector<double> PlottedPhaseDegrees(std::span<const TComplex> values);

// Shifts an unwrapped phase curve by whole turns so that its first value lies within 180
// degrees of reference (above reference - 180, at most reference + 180): two curves that
// start at different frequencies then show their true difference, not a turn more.
// Nothing changes when reference or every phase is NaN.
void AlignTurns(std::vector<double>& phases, double reference);
