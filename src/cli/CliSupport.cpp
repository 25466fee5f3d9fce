#include "CliSupport.h"

#include "Commands.h"
#include "analyzers/Vna.h"

#include <QByteArray>

#include <cstdio>

EUsageError::EUsageError(const QString& message, const QString& usage)
    : std::runtime_error(message.toStdString()), usage_(usage)
{
}

QString EUsageError::Message() const
{
    return QString::fromStdString(what());
}

QString FromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin1(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

void WriteTo(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void WriteOut(const QString& text)
{
    WriteTo(stdout, text);
}

void WriteError(const QString& text)
{
    WriteTo(stderr, text);
}

void PrintMessage(const QString& message)
{
    WriteError(message.endsWith(u'\n') ? message : message + u'\n');
}

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
}

TCommandLine::TCommandLine(const TCliCommand& command, const QString& description)
{
    parser_.setApplicationDescription(description);
    parser_.addOption(HelpOption());
    // The command word is the first positional argument, so that the usage line names it.
    const QString name = QLatin1String(command.Name);
    parser_.addPositionalArgument(name, QLatin1String(command.Summary), name);
}

void TCommandLine::AddArgument(const QString& name, const QString& description)
{
    parser_.addPositionalArgument(name, description);
    argumentNames_.append(name);
}

bool TCommandLine::Parse(const QStringList& arguments, int minArguments, int maxArguments)
{
    if (!parser_.parse(arguments))
        FailUsage(parser_.errorText());
    if (parser_.isSet(QStringLiteral("help"))) {
        WriteOut(parser_.helpText());
        return false;
    }
    const QStringList given = Arguments();
    if (given.size() < minArguments) {
        const QString missing = given.size() < argumentNames_.size() ? u' ' + argumentNames_.at(given.size()) : QString();
        FailUsage(QStringLiteral("Missing argument%1.").arg(missing));
    }
    if (given.size() > maxArguments)
        FailUsage(QStringLiteral("Unexpected argument \"%1\".").arg(given.at(maxArguments)));
    return true;
}

QStringList TCommandLine::Arguments() const
{
    return parser_.positionalArguments().mid(1);
}

void TCommandLine::FailUsage(const QString& message) const
{
    throw EUsageError(message, parser_.helpText());
}

TVna& TCommandLine::RequireModel(const QString& text) const
{
    TVna* vna = FindVna(ToLatin1(text));
    if (vna == nullptr)
        FailUsage(QStringLiteral("Unknown model \"%1\": give a catalogue index 0 to %2 or a model name "
                                 "such as 8753D/E (see the models command).")
                      .arg(text)
                      .arg(VnaCount - 1));
    return *vna;
}
