// What every command of tessaly-kit shares: exit statuses, the failure kinds, text
// conversion between the core's Latin-1 strings and the UTF-8 of the command line and the
// output, output itself, the per-command parser and the model argument.
#pragma once

#include <CLI/CLI.hpp>

#include <stdexcept>
#include <string>
#include <vector>

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
    EUsageError(const std::string& message, const std::string& usage);
    const std::string& Usage() const { return usage_; }

private:
    std::string usage_;
};

// The core holds single-byte Latin-1 text; the command line and the output are UTF-8.
// Characters outside Latin-1 (and bytes that are no UTF-8) become '?'.
std::string FromLatin1(const std::string& latin1);
std::string ToLatin1(const std::string& utf8);

// Standard output and standard error take bytes unchanged (no CR LF on Windows).
void UseBinaryStandardStreams();
// Writes UTF-8 text or any bytes to standard output or standard error.
void WriteOut(const std::string& text);
void WriteError(const std::string& text);
// One message of the program on standard error, ended by a line feed.
void PrintMessage(const std::string& message);

// The help flag of every parser (-h, --help) and the version flag of the program.
extern const char* const HelpFlagNames;
extern const char* const HelpFlagDescription;

// True for a word that is an option rather than a value: "-x", "--name", "-1".
bool LooksLikeOption(const std::string& word);
// "Unknown option 'colour'." or "Unknown options: x, y." for the unknown option words given
// ("-xy" names x and y, "--colour=red" names colour); empty for none.
std::string UnknownOptionMessage(const std::vector<std::string>& words);
// The message for an option given last without its value.
std::string MissingValueMessage(const std::vector<std::string>& arguments);

// One option of a command; read it back after TCommandLine::Parse. Given more than once, the
// last value counts.
class TOption {
public:
    explicit TOption(const CLI::Option* option) : option_(option) {}
    bool IsSet() const { return option_->count() > 0; }
    // The value given; fallback when the option is not set (a flag has none).
    std::string Value(const std::string& fallback = {}) const;
    // The long name with its dashes, as messages name the option: "--port".
    std::string Name() const;

private:
    const CLI::Option* option_;
};

// The parser of one command. A command declares its positional arguments and options, then
// parses the words after the command name:
//
//     TCommandLine commandLine(self, "What the command does, for its help.");
//     commandLine.AddArgument("IN", "the kit to read");
//     const TOption model = commandLine.AddOption("--model", "M", "the model that ...");
//     const TOption log = commandLine.AddFlag("--log", "print ...");
//     if (!commandLine.Parse(arguments, 1, 1))
//         return ExitSuccess; // the help was asked for and shown
//     ... commandLine.Arguments().at(0), model.IsSet(), model.Value() ...
//
// The help text reads "Usage: tessaly-kit <command> <arguments> [OPTIONS]", then the
// description, the arguments and the options.
class TCommandLine {
public:
    TCommandLine(const TCliCommand& command, const std::string& description);

    // A positional argument, in order; name is how usage and messages call it ("OUT").
    void AddArgument(const std::string& name, const std::string& description);
    // An option taking a value: names such as "--model" or "-o,--output"; valueName is how
    // the help calls its value ("M").
    TOption AddOption(const std::string& names, const std::string& valueName, const std::string& description);
    // An option without a value.
    TOption AddFlag(const std::string& names, const std::string& description);

    // Parses the words after the command name. Shows the help on standard output and returns
    // false when it was asked for. Raises EUsageError for an unknown option or an option
    // without its value, and (unless the help was asked for) for a count of arguments
    // outside min..max.
    bool Parse(const std::vector<std::string>& arguments, int minArguments, int maxArguments);
    // The positional arguments given.
    const std::vector<std::string>& Arguments() const { return given_; }

    [[noreturn]] void FailUsage(const std::string& message) const;

    // The catalogue model that text names (index 0..16 or model name without "Agilent ",
    // letter case ignored). An unknown model is wrong usage.
    TVna& RequireModel(const std::string& text) const;
    // The whole number given with option; wrong usage when it is none.
    int RequireNumber(const TOption& option) const;

private:
    // Wrong usage for a value given to an option that takes none: "--log=x".
    void FailOnFlagValue(const std::vector<std::string>& arguments) const;
    // Wrong usage for the unknown options among the arguments, named in their order.
    void FailOnUnknownOptions(const std::vector<std::string>& arguments,
                              const std::vector<std::string>& leftOver) const;
    std::string Help() const;

    CLI::App app_;
    std::vector<CLI::Option*> positionals_;
    std::vector<std::string> given_;
};
