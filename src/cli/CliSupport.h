// What every command of tessaly-kit shares: exit statuses, the failure kinds, text
// conversion between the core's Latin-1 strings and Qt, output, the per-command parser and
// the model argument.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

class TVna;
struct TCliCommand;

enum TExitStatus : int {
    ExitSuccess = 0,
    ExitFailure = 1, // a reported failure; its message is on standard error
    ExitUsage = 2,   // wrong usage; the usage text is on standard error
};

// Wrong usage: the message is followed by the usage text on standard error, exit status 2.
class EUsageError : public std::runtime_error {
public:
    EUsageError(const QString& message, const QString& usage);
    const QString& Usage() const { return usage_; }
    QString Message() const;

private:
    QString usage_;
};

// The core holds single-byte Latin-1 text.
QString FromLatin1(const std::string& text);
std::string ToLatin1(const QString& text);

// Writes text as UTF-8 to standard output or standard error.
void WriteOut(const QString& text);
void WriteError(const QString& text);
// One message of the program on standard error, ended by a line feed.
void PrintMessage(const QString& message);

// -h, --help: shows the help on standard output.
QCommandLineOption HelpOption();

// The parser of one command: the usage text reads "<program> [options] <command> <arguments>".
class TCommandLine {
public:
    TCommandLine(const TCliCommand& command, const QString& description);

    QCommandLineParser& Parser() { return parser_; }
    void AddArgument(const QString& name, const QString& description);

    // Parses the command's arguments (program name, command name, rest). Shows the help on
    // standard output and returns false when it was asked for. Raises EUsageError for an
    // unknown option or a count of arguments outside min..max.
    bool Parse(const QStringList& arguments, int minArguments, int maxArguments);
    // The positional arguments after the command name.
    QStringList Arguments() const;

    [[noreturn]] void FailUsage(const QString& message) const;

    // The catalogue model that text names (index 0..16 or model name without "Agilent ",
    // letter case ignored). An unknown model is wrong usage.
    TVna& RequireModel(const QString& text) const;

private:
    QCommandLineParser parser_;
    QStringList argumentNames_;
};
