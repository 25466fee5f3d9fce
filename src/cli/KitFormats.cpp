#include "KitFormats.h"

#include "CliSupport.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsDiskFormat(TKitFormat format)
{
    return format == TKitFormat::Disk8753 || format == TKitFormat::Disk8510;
}

std::string DiskPattern(TKitFormat format)
{
    return format == TKitFormat::Disk8753 ? "*.ck" : "CK_*";
}

std::string AsciiLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The models that read and write the format: their disk-file name convention says which.
bool HasDiskFilesOf(const TVna& vna, TKitFormat format)
{
    if (!vna.HasDiskFiles)
        return false;
    return format == TKitFormat::Disk8753 ? vna.DiskExtension == "ck" : vna.DiskPrefix == "CK_";
}

TVna& DefaultDiskModel(TKitFormat format)
{
    return *FindVna(format == TKitFormat::Disk8753 ? "8753D/E" : "8510C");
}

} // namespace

TOption AddReaderModelOption(TCommandLine& commandLine)
{
    return commandLine.AddOption("--model", "M",
                                 "the model that reads a disk file (default 8753D/E for *.ck, 8510C for CK_*); a kit "
                                 "file is switched to it");
}

std::optional<TKitFormat> FormatOfName(const std::string& fileName)
{
    // The last part of the path, and what follows its last full stop.
#ifdef _WIN32
    const std::size_t slash = fileName.find_last_of("/\\");
#else
    const std::size_t slash = fileName.find_last_of('/');
#endif
    const std::string name = fileName.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::size_t dot = name.find_last_of('.');
    const std::string extension = dot == std::string::npos ? std::string() : AsciiLower(name.substr(dot + 1));
    if (extension == "tsy")
        return TKitFormat::KitFile;
    if (extension == "csv")
        return TKitFormat::TextExport;
    if (extension == "ck")
        return TKitFormat::Disk8753;
    if (AsciiLower(name.substr(0, 3)) == "ck_")
        return TKitFormat::Disk8510;
    return std::nullopt;
}

TKitFormat RequireFormat(const TCommandLine& commandLine, const std::string& fileName)
{
    const auto format = FormatOfName(fileName);
    if (!format)
        commandLine.FailUsage("Unknown file format of \"" + fileName +
                              "\": give a kit file (*.tsy), a text export (*.csv), an 8753-family disk file "
                              "(*.ck) or an 8510 disk file (CK_*).");
    return *format;
}

std::unique_ptr<TCalKit> ReadKit(const TCommandLine& commandLine, const std::string& fileName, TVna* model)
{
    const TKitFormat format = RequireFormat(commandLine, fileName);
    if (format == TKitFormat::TextExport)
        commandLine.FailUsage("A text export cannot be read: \"" + fileName + "\".");
    TVna* reader = model;
    if (IsDiskFormat(format)) {
        if (reader == nullptr)
            reader = &DefaultDiskModel(format);
        if (!HasDiskFilesOf(*reader, format))
            commandLine.FailUsage("The model " + FromLatin1(reader->ModelName) + " has no " + DiskPattern(format) +
                                  " disk files.");
    }

    auto kit = TCalKit::Create(*Vnas().front());
    if (format == TKitFormat::KitFile) {
        ReadKitFile(*kit, fileName);
        if (model != nullptr)
            kit->SetVna(*model);
    } else {
        kit->SetVna(*reader);
        reader->ReadDiskFile(*kit, fileName);
    }
    return kit;
}

void WriteKit(TCalKit& kit, const std::string& fileName, TKitFormat format, char delimiter)
{
    switch (format) {
    case TKitFormat::KitFile:
        WriteKitFile(kit, fileName);
        return;
    case TKitFormat::TextExport:
        ExportText(kit, fileName, delimiter);
        return;
    case TKitFormat::Disk8753:
    case TKitFormat::Disk8510:
        if (!HasDiskFilesOf(kit.Vna(), format)) {
            TVna& writer = DefaultDiskModel(format);
            PrintMessage("The model " + FromLatin1(kit.Vna().ModelName) + " has no " + DiskPattern(format) +
                         " disk files: the kit was switched to the model " + FromLatin1(writer.ModelName) + ".");
            kit.SetVna(writer);
        }
        kit.Vna().WriteDiskFile(kit, fileName);
        return;
    }
}
