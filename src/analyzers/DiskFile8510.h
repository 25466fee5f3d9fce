// The 8510 disk file ("CK_..."), 1426 bytes: a fixed header, kit label, 13 class slots with
// labels, standards 1 to 21, a second block of 4 class slots (TRL and adapter classes), the
// TRL low-band frequency and the TRL flags. The system Z0 is not part of it.
#pragma once

#include "kit/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TCalKit;
class TVna;

inline constexpr std::size_t DiskFile8510Size = 1426;

// The first block's slots follow format's DiskClassOrder, the second block's its
// DiskTrlClassOrder, whatever the kit's calibration type. ECannotSaveFile when the image
// cannot be built.
std::vector<std::uint8_t> EncodeDiskFile8510(const TCalKit& kit, const TVna& format, const std::string& fileName);
// Through the kit's setters; header and trailing bytes are not checked. System Z0, calibration
// type and description are left alone. ECannotOpenFile for a short image, ECorruptCalKit when
// it cannot be interpreted.
void DecodeDiskFile8510(TCalKit& kit, const TVna& format, TConstByteSpan image, const std::string& fileName);

void WriteDiskFile8510(const TCalKit& kit, const TVna& format, const std::string& fileName);
void ReadDiskFile8510(TCalKit& kit, const TVna& format, const std::string& fileName);
