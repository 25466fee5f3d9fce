// Touchstone 1.1 files of S-parameters against frequency: the data they hold, the writer
// (".s1p" for one port, ".s2p" for two) and the reader.
#pragma once

#include "response/StandardModel.h"

#include <string>
#include <string_view>
#include <vector>

struct TTouchstoneData {
    int Ports = 1;                       // 1 (.s1p) or 2 (.s2p)
    double ReferenceZ0 = 50;             // ohm
    std::vector<double> FrequenciesGHz;  // ascending
    std::vector<TSParameters> Points;    // one per frequency
    std::vector<std::string> Comments;   // comment lines without the leading '!'
};

// --- writer ---
// Touchstone 1.1 text: comment lines, the option line "# GHz S RI R <Z0>", one line per frequency
// (S11 re im for one port; S11 S21 S12 S22 for two ports), every number with at least 12 significant digits.
// A line break inside a comment becomes a blank. std::invalid_argument for data that no file
// can hold: a port count other than 1 or 2, a point count other than the frequency count.
// ETessalyError for a value that is not finite. Z0 is written in the general number format.
std::string TouchstoneText(const TTouchstoneData& data);
// Writes it like the kit file: through a temporary file renamed over the target after a complete write.
// ECannotSaveFile or EFileReadOnly with the messages of the kit file, or the text's own error.
void WriteTouchstone(const std::string& fileName, const TTouchstoneData& data);

// --- reader (branch fit) ---
// ports: from the file name's extension .sNp (1 or 2) unless a [Number of Ports] keyword says it.
TTouchstoneData ParseTouchstone(std::string_view text, int ports);
TTouchstoneData ReadTouchstone(const std::string& fileName);
