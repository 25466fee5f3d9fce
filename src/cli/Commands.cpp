#include "Commands.h"

namespace {

const TCliCommand* const CommandTable[] = {
    &ModelsCommand,
    &DescribeCommand,
    &ExportCommand,
    &ConvertCommand,
    &DiffCommand,
    &IdentifyCommand,
    &SendCommand,
    &ReadCommand,
    &ResponseCommand,
    &FitCommand,
};

} // namespace

std::span<const TCliCommand* const> CliCommands()
{
    return CommandTable;
}

const TCliCommand* FindCliCommand(const std::string& name)
{
    for (const TCliCommand* command : CommandTable)
        if (name == command->Name)
            return command;
    return nullptr;
}
