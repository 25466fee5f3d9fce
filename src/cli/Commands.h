// The commands of tessaly-kit.
//
// A command is one source file (CmdName.cpp, listed in CMakeLists.txt) that defines its
// TCliCommand; the table in Commands.cpp lists the commands in the order the usage text
// shows them. Its Run function declares the command's arguments and options on a
// TCommandLine (CliSupport.h; the card options of a transfer come from CardOptions.h), parses,
// and does the work:
//
//     int RunFrob(const TCliCommand& self, const std::vector<std::string>& arguments)
//     {
//         TCommandLine commandLine(self, "Frobs the kit in IN.");
//         commandLine.AddArgument("IN", "the kit to frob");
//         const TOption level = commandLine.AddOption("--level", "N", "how hard, 1 to 3");
//         if (!commandLine.Parse(arguments, 1, 1))
//             return ExitSuccess;
//         auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), nullptr);
//         ...
//         return ExitSuccess;
//     }
//     const TCliCommand FrobCommand{"frob", "IN", "frobs a kit", &RunFrob};
//
// Wrong usage is raised with commandLine.FailUsage (exit status 2, the message and the usage
// text on standard error); any other failure as an exception with the user's message (exit
// status 1). Text to the user goes through WriteOut/PrintMessage in UTF-8; core strings are
// converted with FromLatin1/ToLatin1.
#pragma once

#include <span>
#include <string>
#include <vector>

struct TCliCommand {
    const char* Name;      // the word that selects the command
    const char* Arguments; // its arguments as the command list shows them, e.g. "M"
    const char* Summary;   // one line for the command list
    // Runs the command on the words after its name. Returns the exit status; failures and
    // wrong usage may also be raised (CliSupport.h).
    int (*Run)(const TCliCommand& self, const std::vector<std::string>& arguments);
};

extern const TCliCommand ModelsCommand;
extern const TCliCommand DescribeCommand;
extern const TCliCommand ExportCommand;
extern const TCliCommand ConvertCommand;
extern const TCliCommand DiffCommand;
extern const TCliCommand IdentifyCommand;
extern const TCliCommand SendCommand;
extern const TCliCommand ReadCommand;
extern const TCliCommand ResponseCommand;
extern const TCliCommand FitCommand;

std::span<const TCliCommand* const> CliCommands();

// The command of that name, or nullptr.
const TCliCommand* FindCliCommand(const std::string& name);
