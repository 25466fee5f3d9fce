// The command set of one analyzer family: it takes a bus message apart into commands, carries
// them out on the kit memory and collects the replies of the queries among them.
#pragma once

#include "SimErrorQueue.h"
#include "SimKitMemory.h"
#include "SimModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Raised by a command the analyzer does not accept; the text is the error as the analyzer
// reports it, and it goes to the error queue.
struct SimCommandError {
    std::string text;
};

class SimInterpreter {
public:
    SimInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors);
    virtual ~SimInterpreter() = default;
    SimInterpreter(const SimInterpreter&) = delete;
    SimInterpreter& operator=(const SimInterpreter&) = delete;

    // Carries out every command of the message in order. A refused command queues its error
    // and the next command runs. Returns the replies of the queries, joined by ';', or
    // nothing when the message held no answered query.
    std::optional<std::string> Execute(std::string_view message);

    // The status-byte bit that says the error queue holds an error.
    virtual std::uint8_t ErrorQueueBit() const = 0;
    // The error the analyzer queues when its memory could not be written to the state file.
    virtual std::string StorageError(const std::string& path) const = 0;

protected:
    // The characters that quote a string parameter.
    virtual std::string_view QuoteChars() const = 0;
    // Two quotes in a row inside a string stand for one (the IEEE 488.2 string rule).
    virtual bool DoublesQuotes() const { return false; }
    // Called before the first command of each message.
    virtual void BeginMessage() {}
    // Carries out one command (upper case outside its strings, trimmed); returns the reply
    // of a query. Throws SimCommandError when the command is refused.
    virtual std::optional<std::string> Run(const std::string& command) = 0;
    // Stores a number sent for slot, a number of the selected kit; the stored-value fault
    // (SimValueFault) stores its own value instead when it names that number.
    void StoreNumber(double& slot, double value);

    const SimModel& model_;
    SimKitMemory& memory_;
    SimErrorQueue& errors_;
};
