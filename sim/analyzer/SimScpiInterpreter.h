// The SCPI command set of the PNA, as far as the user cal kits go, plus *IDN?, *CLS and
// SYSTem:ERRor?. Headers are case-insensitive and take the short or the long form of each
// keyword; SENSe is optional; a header without a leading ':' that follows another command in
// the same message continues that command's path. String parameters are quoted with ' or ".
#pragma once

#include "SimInterpreter.h"
#include "SimSyntax.h"

#include <functional>
#include <vector>

class SimScpiInterpreter final : public SimInterpreter {
public:
    SimScpiInterpreter(const SimModel& model, SimKitMemory& memory, SimErrorQueue& errors);

    std::uint8_t ErrorQueueBit() const override { return 4; }
    std::string StorageError(const std::string& path) const override;

protected:
    std::string_view QuoteChars() const override { return "\"'"; }
    bool DoublesQuotes() const override { return true; }
    void BeginMessage() override { path_.clear(); }
    std::optional<std::string> Run(const std::string& command) override;

private:
    // One keyword of a header pattern: "STANdard" accepts STAN and STANDARD; "[SENSe#]" may be
    // left out and may carry a numeric suffix.
    struct Node {
        std::string keyword;
        bool optional = false;
        bool suffix = false;
    };
    struct Call {
        std::string command;
        std::string parameters;
        int suffix; // numeric suffix of the last keyword that takes one; 1 when not given
    };
    using Setter = std::function<void(const Call&)>;
    using Query = std::function<std::string(const Call&)>;
    struct Command {
        std::vector<Node> nodes;
        Setter set;   // empty when the header has only a query form
        Query query;  // empty when the header cannot be queried
    };

    static bool NodeMatches(const std::string& word, const Node& node, int& suffix);
    static bool Matches(const std::vector<std::string>& words, std::size_t word, const std::vector<Node>& nodes,
                        std::size_t node, int& suffix);

    void Add(const std::string& pattern, Setter set, Query query);
    void AddNumber(const std::string& pattern, SimUnit unit, std::function<double&()> field);
    void AddText(const std::string& pattern, std::function<std::string&()> field);
    void AddCalKitCommands();

    SimStandard& Selected();
    std::string ClassKey(const Call& call) const;
    std::string OrderList(const Call& call);

    std::vector<Command> commands_;
    std::string path_;  // the header path a relative header continues, ending in ':'
    int standard_ = 1;  // the standard that STANdard selected
};
