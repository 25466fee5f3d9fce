// The file formats that tessaly-kit reads and writes, told apart by name: "*.tsy" kit file,
// "*.csv" text export (written only), "*.ck" 8753-family disk file, "CK_*" 8510 disk file.
#pragma once

#include <memory>
#include <optional>
#include <string>

class TCalKit;
class TCommandLine;
class TOption;
class TVna;

enum class TKitFormat { KitFile, TextExport, Disk8753, Disk8510 };

// By the extension first (letter case ignored), then by the "CK_" prefix of the name.
std::optional<TKitFormat> FormatOfName(const std::string& fileName);
// The format named by fileName; wrong usage when it names none.
TKitFormat RequireFormat(const TCommandLine& commandLine, const std::string& fileName);

// Declares --model M of the commands that read a kit file or a disk file.
TOption AddReaderModelOption(TCommandLine& commandLine);

// Reads fileName as every kit the tool reads: a new kit on the first catalogue entry, then
// the file. A kit file keeps its own model, which model (when given) then replaces; a disk
// file is read by model, else by the format's default model (8753D/E, 8510C). Wrong usage for
// a text export or a model without disk files of that kind.
std::unique_ptr<TCalKit> ReadKit(const TCommandLine& commandLine, const std::string& fileName, TVna* model);

// Writes kit to fileName in format. A disk file is written by the kit's model when it has
// disk files of that kind; otherwise the kit is first switched to the format's default model,
// which is reported on standard error.
void WriteKit(TCalKit& kit, const std::string& fileName, TKitFormat format, char delimiter = ',');
