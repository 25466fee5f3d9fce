// tessaly-kit export IN [-o OUT] [--delimiter C] [--model M]: the text export of a kit.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "kit/CalKit.h"
#include "kit/TextExport.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The export's bytes unchanged (Latin-1, CR LF), exactly as the file would hold them.
void WriteBytesToStandardOutput(const std::string& bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

int RunExport(const TCliCommand& self, const QStringList& arguments)
{
    TCommandLine commandLine(self, QStringLiteral("Writes the text export of the kit in IN (a kit file or a disk "
                                                  "file) to standard output or to OUT."));
    commandLine.AddArgument(QStringLiteral("IN"), QStringLiteral("the kit to export: *.tsy, *.ck or CK_*"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("write the export to OUT instead of standard output"),
                                          QStringLiteral("OUT"));
    const QCommandLineOption delimiterOption(QStringLiteral("delimiter"),
                                             QStringLiteral("the one character between fields (default ,)"),
                                             QStringLiteral("C"), QStringLiteral(","));
    const QCommandLineOption modelOption(QStringLiteral("model"),
                                         QStringLiteral("the model that reads a disk file (default 8753D/E for *.ck, "
                                                        "8510C for CK_*); a kit file is switched to it"),
                                         QStringLiteral("M"));
    commandLine.Parser().addOptions({outputOption, delimiterOption, modelOption});
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    const QString delimiter = commandLine.Parser().value(delimiterOption);
    if (delimiter.size() != 1 || delimiter.at(0).unicode() > 0xFF)
        commandLine.FailUsage(QStringLiteral("The delimiter must be one Latin-1 character."));
    TVna* model = commandLine.Parser().isSet(modelOption)
                      ? &commandLine.RequireModel(commandLine.Parser().value(modelOption))
                      : nullptr;
    auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), model);
    if (commandLine.Parser().isSet(outputOption))
        WriteKit(*kit, commandLine.Parser().value(outputOption), TKitFormat::TextExport, ToLatin1(delimiter).front());
    else
        WriteBytesToStandardOutput(ExportTextImage(*kit, ToLatin1(delimiter).front()));
    return ExitSuccess;
}

} // namespace

const TCliCommand ExportCommand{"export", "IN", "the text export of a kit, on standard output or in a file", &RunExport};
