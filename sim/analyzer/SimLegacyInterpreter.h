// The mnemonic command set of the 8753 and 8510 families. A message holds commands separated
// by ';' (labels in double quotes may hold ';'); a command is a mnemonic, optionally followed
// by its argument, or a mnemonic and "?" for a query. Values are entered into the standard
// named by DEFS, or into the kit; entering or naming a value makes it the active function,
// which OUTPACTI reports.
#pragma once

#include "SimInterpreter.h"

class SimLegacyInterpreter final : public SimInterpreter {
public:
    SimLegacyInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors);

    std::uint8_t ErrorQueueBit() const override { return 8; }
    std::string StorageError(const std::string& path) const override;

protected:
    std::string_view QuoteChars() const override { return "\""; }
    std::optional<std::string> Run(const std::string& command) override;

private:
    enum class Setting { StdType, LoadKind, Medium, CalZ, SetRef };
    struct Choice {
        const char* mnemonic;
        Setting setting;
        int value;
    };
    static const Choice kChoices[];

    bool Offers(const Choice& choice) const;
    std::string FindMnemonic(const std::string& command) const;
    std::optional<std::string> RunChoice(const Choice& choice, bool query, const std::string& command);
    std::optional<std::string> RunNumeric(const std::string& mnemonic, const std::string& argument, bool query,
                                          const std::string& command);
    std::string RunKeywordQuery(const std::string& mnemonic, const std::string& command);
    std::optional<std::string> RunAction(const std::string& mnemonic, const std::string& argument,
                                         const std::string& command);
    void SpecifyClass(const std::string& argument, const std::string& command);
    std::string ClassCode(const std::string& argument, const std::string& command) const;

    SimStandard& Defining(const std::string& command);
    double& Value(const std::string& mnemonic, const std::string& command);
    int Get(Setting setting, const std::string& command);
    void Set(Setting setting, int value, const std::string& command);

    std::vector<std::string> mnemonics_; // every mnemonic this model understands
    int standard_ = 0;                   // the standard being defined, 0 when none
    std::string active_;                 // mnemonic of the active function, empty when none
};
