// tessaly-kit: the command-line tool. Picks the command named by the first argument and runs
// it; maps failures to the exit status.
#include "CliSupport.h"
#include "Commands.h"
#include "kit/FileImage.h"
#include "kit/Utility.h"

#include <algorithm>
#include <exception>
#include <iomanip>
#include <sstream>

namespace {

// The program's usage line: its own options come before the command word.
class TProgramFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string name) const override
    {
        return "Usage: " + name + " [OPTIONS] command [arguments...]\n";
    }
};

std::string CommandList()
{
    std::ostringstream text;
    text << "Commands:\n";
    for (const TCliCommand* command : CliCommands()) {
        std::string synopsis = command->Name;
        if (*command->Arguments != '\0')
            synopsis += std::string(" ") + command->Arguments;
        text << "  " << std::left << std::setw(20) << synopsis << "  " << command->Summary << '\n';
    }
    text << "\nA model argument M is a catalogue index (0..16) or a model name without \"Agilent \","
            " letter case ignored.\n"
            "\"tessaly-kit COMMAND --help\" describes one command.\n";
    return text.str();
}

int RunCommand(const TCliCommand& command, const std::vector<std::string>& arguments)
{
    try {
        return command.Run(command, arguments);
    } catch (const EUsageError& e) {
        PrintMessage(e.what());
        WriteError('\n' + e.Usage());
        return ExitUsage;
    } catch (const ETessalyError& e) {
        PrintMessage(FromLatin1(e.what()));
        return ExitFailure;
    } catch (const std::exception& e) {
        PrintMessage(e.what());
        return ExitFailure;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    IgnoreFileSizeLimitSignal();
    UseBinaryStandardStreams();
    CLI::App app("Converts, inspects and transfers calibration kits of HP/Agilent vector network analyzers.",
                 "tessaly-kit");
    app.formatter(std::make_shared<TProgramFormatter>());
    app.set_help_flag();
    // A word starting with "/" is a path (as "/tmp/kit.tsy" under MSYS), never an option, on
    // Windows too.
    app.allow_windows_style_options(false);
    const TOption help(app.add_flag(HelpFlagNames)->description(HelpFlagDescription));
    const TOption version(app.add_flag("-v,--version")->description("Displays version information."));
    // The command word and everything after it are left over for the command.
    app.prefix_command();

    const auto usage = [&app](const std::string& message) {
        PrintMessage(message);
        WriteError('\n' + app.help() + CommandList());
        return static_cast<int>(ExitUsage);
    };

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        app.parse(std::vector<std::string>(arguments.rbegin(), arguments.rend()));
    } catch (const CLI::ParseError& e) {
        return usage(e.what());
    }
    std::vector<std::string> words = app.remaining();
    // The options before the command word (or before "--") that the program does not know.
    const auto end = std::find_if(words.begin(), words.end(),
                                  [](const std::string& word) { return word == "--" || !LooksLikeOption(word); });
    if (end != words.begin())
        return usage(UnknownOptionMessage({words.begin(), end}));
    if (end != words.end() && *end == "--")
        words.erase(end);
    if (help.IsSet()) {
        WriteOut(app.help() + CommandList());
        return ExitSuccess;
    }
    if (version.IsSet()) {
        WriteOut("tessaly-kit " TESSALY_VERSION "\n");
        return ExitSuccess;
    }

    if (words.empty())
        return usage("Missing command.");
    const TCliCommand* found = FindCliCommand(words.front());
    if (found == nullptr)
        return usage("Unknown command \"" + words.front() + "\".");
    return RunCommand(*found, {words.begin() + 1, words.end()});
}
