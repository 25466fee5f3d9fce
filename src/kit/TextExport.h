// The text export of a kit, for reading into a spreadsheet: a header block, the model's
// standards, the model's classes and the kit properties as delimited lines. The rows and lines
// themselves are TStandard::AsText, TStdClass::AsText and TCalKit::WriteText.
#pragma once

#include <string>
#include <vector>

class TCalKit;

// A field as the export writes it: unchanged, or, when it holds the delimiter, a double quote,
// a carriage return or a line feed, between double quotes with inner quotes doubled.
std::string ExportField(const std::string& field, char delimiter);
// The fields joined by the delimiter, each through ExportField.
std::string ExportFields(const std::vector<std::string>& fields, char delimiter);

// The lines of the kit's export, each followed by CR LF (the last one too).
std::string ExportTextImage(const TCalKit& kit, char delimiter);

// Writes the export to fileName, replacing the file only when the whole text was written:
// EFileReadOnly or ECannotSaveFile as for the kit file.
void ExportText(const TCalKit& kit, const std::string& fileName, char delimiter);
