// tessaly-kit convert IN OUT [--model M]: reads a kit in one format and writes it in another.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "kit/CalKit.h"

namespace {

int RunConvert(const TCliCommand& self, const QStringList& arguments)
{
    TCommandLine commandLine(self, QStringLiteral(
                                       "Reads IN and writes OUT. Formats by name: *.tsy kit file, *.csv text export "
                                       "(written only), *.ck 8753-family disk file, CK_* 8510 disk file."));
    commandLine.AddArgument(QStringLiteral("IN"), QStringLiteral("the file to read"));
    commandLine.AddArgument(QStringLiteral("OUT"), QStringLiteral("the file to write"));
    const QCommandLineOption modelOption(QStringLiteral("model"),
                                         QStringLiteral("the model that reads a disk file (default 8753D/E for *.ck, "
                                                        "8510C for CK_*); a kit file is switched to it"),
                                         QStringLiteral("M"));
    commandLine.Parser().addOption(modelOption);
    if (!commandLine.Parse(arguments, 2, 2))
        return ExitSuccess;

    const QStringList files = commandLine.Arguments();
    const TKitFormat outFormat = RequireFormat(commandLine, files.at(1));
    TVna* model = commandLine.Parser().isSet(modelOption)
                      ? &commandLine.RequireModel(commandLine.Parser().value(modelOption))
                      : nullptr;
    auto kit = ReadKit(commandLine, files.at(0), model);
    WriteKit(*kit, files.at(1), outFormat);
    return ExitSuccess;
}

} // namespace

const TCliCommand ConvertCommand{"convert", "IN OUT", "reads a kit and writes it in the format OUT names", &RunConvert};
