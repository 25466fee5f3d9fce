// One exchange with the analyzer as the program runs it: the card is opened, the model's
// operation runs, and the card is closed again. Close follows whenever Open succeeded, also
// when the operation raised (a bus failure, an analyzer error, the user's abort); an Open that
// raised is not followed by Close.
#pragma once

#include "analyzers/Vna.h"

#include <functional>
#include <string>

class TCalKit;
class TGpibCard;

// Open, action, Close. When the action raised and Close raises as well, the action's
// exception is the one that passes on: it says what went wrong first.
void WithOpenCard(TGpibCard& card, const std::function<void()>& action);

// The kit's model's DownloadKit.
void SendKitToAnalyzer(TCalKit& kit, TGpibCard& card, const TProgressProc& progress);
// The kit's model's UploadKit, into kit.
void ReadKitFromAnalyzer(TCalKit& kit, TGpibCard& card, const TProgressProc& progress);
// The model's Identify: the analyzer's identification reply.
std::string IdentifyAnalyzer(TVna& vna, TGpibCard& card);
