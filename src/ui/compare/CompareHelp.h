// The help context numbers of the kit comparison and the verified send.
#pragma once

namespace CompareHelp {
inline constexpr int Command = 5200;      // File > Compare with...
inline constexpr int SourceChoice = 5205; // the choice between a kit file and the analyzer's kit
inline constexpr int Dialog = 5210;       // the comparison window
inline constexpr int Table = 5215;        // its table of differences
inline constexpr int Copy = 5220;         // its Copy button
inline constexpr int VerifyAfterSending = 5225; // the check box of the GPIB Settings dialog
}  // namespace CompareHelp
