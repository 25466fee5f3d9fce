// The commands of tessaly-kit. A command is one file that defines its TCliCommand; the table
// in Commands.cpp lists them in the order the usage text shows them.
#pragma once

#include <QStringList>

#include <span>

struct TCliCommand {
    const char* Name;      // the word that selects the command
    const char* Arguments; // its arguments as the usage text shows them, e.g. "M"
    const char* Summary;   // one line for the command list
    // Runs the command. arguments: the program name, the command name, then the rest as
    // given. Returns the exit status; failures and wrong usage may also be raised (CliSupport.h).
    int (*Run)(const TCliCommand& self, const QStringList& arguments);
};

extern const TCliCommand ModelsCommand;
extern const TCliCommand DescribeCommand;
extern const TCliCommand ExportCommand;
extern const TCliCommand ConvertCommand;
extern const TCliCommand IdentifyCommand;
extern const TCliCommand SendCommand;
extern const TCliCommand ReadCommand;

std::span<const TCliCommand* const> CliCommands();

// The command of that name, or nullptr.
const TCliCommand* FindCliCommand(const QString& name);
