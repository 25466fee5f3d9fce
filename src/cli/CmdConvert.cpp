// tessaly-kit convert IN OUT [--model M]: reads a kit in one format and writes it in another.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "kit/CalKit.h"

namespace {

int RunConvert(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Reads IN and writes OUT. Formats by name: *.tsy kit file, *.csv text export "
                                   "(written only), *.ck 8753-family disk file, CK_* 8510 disk file.");
    commandLine.AddArgument("IN", "the file to read");
    commandLine.AddArgument("OUT", "the file to write");
    const TOption modelOption = AddReaderModelOption(commandLine);
    if (!commandLine.Parse(arguments, 2, 2))
        return ExitSuccess;

    const std::vector<std::string>& files = commandLine.Arguments();
    const TKitFormat outFormat = RequireFormat(commandLine, files.at(1));
    TVna* model = modelOption.IsSet() ? &commandLine.RequireModel(modelOption.Value()) : nullptr;
    auto kit = ReadKit(commandLine, files.at(0), model);
    WriteKit(*kit, files.at(1), outFormat);
    return ExitSuccess;
}

} // namespace

const TCliCommand ConvertCommand{"convert", "IN OUT", "reads a kit and writes it in the format OUT names", &RunConvert};
