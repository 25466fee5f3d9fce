// tessaly-kit export IN [-o OUT] [--delimiter C] [--model M]: the text export of a kit.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "kit/CalKit.h"
#include "kit/TextExport.h"

namespace {

int RunExport(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Writes the text export of the kit in IN (a kit file or a disk file) to standard "
                                   "output or to OUT.");
    commandLine.AddArgument("IN", "the kit to export: *.tsy, *.ck or CK_*");
    const TOption outputOption =
        commandLine.AddOption("-o,--output", "OUT", "write the export to OUT instead of standard output");
    const TOption delimiterOption =
        commandLine.AddOption("--delimiter", "C", "the one character between fields (default ,)");
    const TOption modelOption = AddReaderModelOption(commandLine);
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    // One character of Latin-1, given in UTF-8.
    const std::string delimiter = ToLatin1(delimiterOption.Value(","));
    if (delimiter.size() != 1 || FromLatin1(delimiter) != delimiterOption.Value(","))
        commandLine.FailUsage("The delimiter must be one Latin-1 character.");
    TVna* model = modelOption.IsSet() ? &commandLine.RequireModel(modelOption.Value()) : nullptr;
    auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), model);
    if (outputOption.IsSet())
        WriteKit(*kit, outputOption.Value(), TKitFormat::TextExport, delimiter.front());
    else // the export's bytes unchanged (Latin-1, CR LF), exactly as the file holds them
        WriteOut(ExportTextImage(*kit, delimiter.front()));
    return ExitSuccess;
}

} // namespace

const TCliCommand ExportCommand{"export", "IN", "the text export of a kit, on standard output or in a file", &RunExport};
