// tessaly-kit: the command-line tool. Picks the command named by the first argument and runs
// it; maps failures to the exit status.
#include "CliSupport.h"
#include "Commands.h"
#include "kit/FileImage.h"
#include "kit/Utility.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <exception>

namespace {

QString CommandList()
{
    QString text = QStringLiteral("Commands:\n");
    for (const TCliCommand* command : CliCommands()) {
        QString synopsis = QLatin1String(command->Name);
        if (*command->Arguments != '\0')
            synopsis += u' ' + QLatin1String(command->Arguments);
        text += QStringLiteral("  %1  %2\n").arg(synopsis, -20).arg(QLatin1String(command->Summary));
    }
    text += QStringLiteral("\nA model argument M is a catalogue index (0..16) or a model name without \"Agilent \","
                           " letter case ignored.\n"
                           "\"tessaly-kit COMMAND --help\" describes one command.\n");
    return text;
}

int RunCommand(const TCliCommand& command, const QStringList& arguments)
{
    try {
        return command.Run(command, arguments);
    } catch (const EUsageError& e) {
        PrintMessage(e.Message());
        WriteError(u'\n' + e.Usage());
        return ExitUsage;
    } catch (const ETessalyError& e) {
        PrintMessage(FromLatin1(e.what()));
        return ExitFailure;
    } catch (const std::exception& e) {
        PrintMessage(QString::fromLocal8Bit(e.what()));
        return ExitFailure;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    IgnoreFileSizeLimitSignal();
    QCoreApplication::setApplicationName(QStringLiteral("tessaly-kit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Converts, inspects and transfers calibration kits of "
                                                    "HP/Agilent vector network analyzers."));
    parser.addOption(HelpOption());
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("the command to run (see below)"));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("the command's arguments"),
                                 QStringLiteral("[arguments...]"));
    // Everything after the command word belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);

    const auto usage = [&parser](const QString& message) {
        PrintMessage(message);
        WriteError(u'\n' + parser.helpText() + u'\n' + CommandList());
        return static_cast<int>(ExitUsage);
    };

    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        WriteOut(parser.helpText() + u'\n' + CommandList());
        return ExitSuccess;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        WriteOut(QStringLiteral("tessaly-kit %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }

    const QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usage(QStringLiteral("Missing command."));
    const TCliCommand* command = FindCliCommand(words.first());
    if (command == nullptr)
        return usage(QStringLiteral("Unknown command \"%1\".").arg(words.first()));
    return RunCommand(*command, QStringList{QCoreApplication::arguments().first()} + words);
}
