// A kit's standard as Touchstone data: its modelled response with comment lines that say
// where it came from.
#pragma once

#include "response/Touchstone.h"

#include <span>
#include <string>

class TCalKit;

// The response of standard number (0..32) of kit at the frequencies (ascending, GHz): one
// port, or two for a thru/line, against the kit's system Z0. Frequencies without a response
// (at or below a waveguide's cutoff) are left out. The comments name the program, the kit,
// its analyzer model, the standard's number, label and type, and the values the model used.
// ETessalyError for a standard of type None, and when no frequency has a response.
TTouchstoneData StandardTouchstone(const TCalKit& kit, int number, std::span<const double> frequenciesGHz);

// ETessalyError "Standard N is not defined (its type is none): it has no response." for a
// standard of type None.
void RequireDefinedStandard(const TCalKit& kit, int number);

// "std<N>_<label>.s1p" (".s2p" for a thru/line); characters of the label other than letters,
// digits and '-' become '_'; "std<N>.s1p" without a label.
std::string StandardTouchstoneFileName(const TCalKit& kit, int number);
