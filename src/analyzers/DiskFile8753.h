// The 8753-family disk file (".ck"), 716 bytes: kit label, 15 class slots with their labels,
// standards 1 to 8 and the system Z0; the TRL settings ride in standard 1's flags byte.
#pragma once

#include "kit/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TCalKit;
class TVna;

inline constexpr std::size_t DiskFile8753Size = 716;

// The slot tables are format's DiskClassOrder, or DiskTrlClassOrder for a TRL kit. fileName
// only names the file in messages: ECannotSaveFile when the image cannot be built.
std::vector<std::uint8_t> EncodeDiskFile8753(const TCalKit& kit, const TVna& format, const std::string& fileName);
// Through the kit's setters; the slots go to the classes of DiskClassOrder, then TRL Thru,
// TRL Reflect and TRL Line are taken again from the slots of FWDT, S11A and S11C. The kit's
// calibration type and description are left alone. ECannotOpenFile for a short image,
// ECorruptCalKit when it cannot be interpreted.
void DecodeDiskFile8753(TCalKit& kit, const TVna& format, TConstByteSpan image, const std::string& fileName);

void WriteDiskFile8753(const TCalKit& kit, const TVna& format, const std::string& fileName);
void ReadDiskFile8753(TCalKit& kit, const TVna& format, const std::string& fileName);
