// tessaly-kit read OUT --model M [card options] [--option N]: reads the analyzer's kit into a
// new kit on model M and writes it to OUT once the whole read has succeeded.
#include "CardOptions.h"
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "TransferProgress.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"

namespace {

int RunRead(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Reads the analyzer's kit and writes it to OUT (*.tsy, *.csv, *.ck or CK_*). "
                                   "Ctrl-C aborts between two steps; OUT is written only after a complete read.");
    commandLine.AddArgument("OUT", "the file to write");
    const TOption modelOption = commandLine.AddOption("--model", "M", "the analyzer's model (required)");
    const TCardOptions cardOptions(commandLine);
    const TOption option = AddGpibOption(commandLine);
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    const std::string out = commandLine.Arguments().at(0);
    const TKitFormat format = RequireFormat(commandLine, out);
    if (!modelOption.IsSet())
        commandLine.FailUsage("Missing option --model: the model of the analyzer to read.");
    TVna& vna = commandLine.RequireModel(modelOption.Value());
    if (!vna.CanUpload)
        commandLine.FailUsage("A kit cannot be read over GPIB from the model " + FromLatin1(vna.ModelName) + ".");
    ApplyGpibOption(commandLine, option, vna);

    auto kit = TCalKit::Create(vna);
    TCardSession session(commandLine, cardOptions);
    return session.WithLog([&] {
        {
            TTransferProgress progress("Reading", kit->UploadSteps());
            session.Transfer([&](TGpibCard& card) { vna.UploadKit(*kit, card, progress.Procedure()); });
        }
        // Only a complete read reaches the file.
        WriteKit(*kit, out, format);
        WriteOut(FromLatin1(vna.UploadNote) + '\n');
        return static_cast<int>(ExitSuccess);
    });
}

} // namespace

const TCliCommand ReadCommand{"read", "OUT", "reads the analyzer's kit over GPIB into a file", &RunRead};
