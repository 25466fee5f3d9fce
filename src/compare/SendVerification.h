// Verifying a send: the kit is read back from the analyzer with the same card and compared
// with the kit that was sent, as far as the model's read brings values back.
#pragma once

#include "analyzers/Vna.h"
#include "compare/KitComparison.h"

#include <string>
#include <vector>

class TCalKit;
class TGpibCard;

inline const std::string KitVerifiedMessage = "Kit verified: the analyzer holds what was sent.";

// True when the model can read a kit back, so that a send to it can be verified.
bool CanVerifySend(const TVna& vna);

// Reads the analyzer's kit into a new kit on sent's model (the card opened and closed as for
// any transfer; progress called once per step of the read) and returns its differences from
// sent, the analyzer's values on the right. relativeTolerance widens the number tolerance
// of the transfer (0 keeps it). Bus failures and the user's abort pass on as raised.
std::vector<TKitDifference> VerifySentKit(const TCalKit& sent, TGpibCard& card, const TProgressProc& progress,
                                          double relativeTolerance = 0);
