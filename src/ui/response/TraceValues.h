// What the magnitude and phase plots show of a complex trace. A value of exactly 0 (a
// matched load, a sliding load) has neither a finite magnitude in dB nor a phase: it comes
// out as NaN, which the plots leave out.
#pragma once

#include <span>
#include <vector>

#include "response/StandardModel.h"

double MagnitudeDb(TComplex value);

// The phase of each value in degrees, unwrapped: where the phase jumps by more than 180
// degrees from one value to the next, whole turns are added so the curve runs on. The first
// value keeps its principal phase (-180, 180]; NaN entries do not break the run.
std::vector<double> UnwrappedPhaseDegrees(std::span<const TComplex> values);

// Shifts an unwrapped phase curve by whole turns so that its first value lies within 180
// degrees of reference (above reference - 180, at most reference + 180): two curves that
// start at different frequencies then show their true difference, not a turn more.
// Nothing changes when reference or every phase is NaN.
void AlignTurns(std::vector<double>& phases, double reference);
