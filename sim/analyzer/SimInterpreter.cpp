#include "SimInterpreter.h"

#include "SimSyntax.h"
#include "SimValueFault.h"

SimInterpreter::SimInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors)
    : model_(model), memory_(memory), errors_(errors)
{
}

std::optional<std::string> SimInterpreter::Execute(std::string_view message)
{
    BeginMessage();
    std::optional<std::string> replies;
    for (const std::string& command : SplitCommands(message, QuoteChars(), DoublesQuotes())) {
        try {
            if (const std::optional<std::string> reply = Run(command))
                replies = replies ? *replies + ";" + *reply : *reply;
        } catch (const SimCommandError& error) {
            errors_.Push(error.text);
        }
    }
    return replies;
}

void SimInterpreter::StoreNumber(double& slot, double value)
{
    const std::optional<SimValueFault> fault = SimValueFault::FromEnvironment();
    slot = fault && fault->Target(memory_.Current()) == &slot ? fault->value : value;
}
