// The kit file (".tsy"): one fixed record of 4572 bytes holding the kit properties, all 33
// standard records, all 33 class records and the code of the kit's analyzer model.
#pragma once

#include "kit/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TCalKit;

inline constexpr std::size_t KitFileSize = 4572;
// The word at offset 4240 of files that store the terminal impedance in its own field.
inline constexpr std::uint16_t KitFileMarker = 99;

// The file's own numbering of the analyzer models, independent of the catalogue order:
// the code of a catalogue index, and the catalogue index of a code; -1 for none.
int KitFileCode(int catalogueIndex);
int CatalogueIndexOfKitFileCode(int code);

// The image of kit as saved under fileName (stored in the file) on the OLE date saveDate.
// ECannotSaveFile when the kit's model has no file code.
std::vector<std::uint8_t> EncodeKitFile(const TCalKit& kit, const std::string& fileName, double saveDate);

// Reads image into kit through the kit's setters: properties first (against the kit's
// current model), then the file's model, standards 0..32 and classes 0..32. ECannotOpenFile
// for an image shorter than a kit file, ECorruptCalKit for an unknown model code; fileName
// only names the file in the message. Bytes after the record are ignored.
void DecodeKitFile(TCalKit& kit, TConstByteSpan image, const std::string& fileName);

// Replaces the content of kit with the file's: ECannotOpenFile or ECorruptCalKit.
void ReadKitFile(TCalKit& kit, const std::string& fileName);
// Writes kit with today's date as its date of saving: ECannotSaveFile or EFileReadOnly. The
// kit itself is not changed (its date last modified included).
void WriteKitFile(const TCalKit& kit, const std::string& fileName);
