// What the controller asks the analyzers of the mnemonic command set: the value of one
// parameter through the active function, and the error status of the 8753 family.
#pragma once

#include <string>

class TGpibCard;

// Makes name the active function ("name;"), then asks for it ("OUTPACTI;") and returns the
// reply.
std::string ReadActiveValue(TGpibCard& card, const std::string& name);

// Reads and discards the errors the analyzer has queued: while the status byte ("OUTPSTAT;")
// has its error bit (value 8) set, one error is read ("OUTPERRO;"), at most 20 times.
void ClearAnalyzerErrors(TGpibCard& card);

// Asks for the status byte; when its error bit is set, reads the error and raises
// EGpibException "VNA reports an error: " followed by the analyzer's reply.
void CheckAnalyzerStatus(TGpibCard& card);
