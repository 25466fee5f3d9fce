// One simulated network analyzer on the bus: it takes what the controller writes and
// produces what the controller reads. The substitute NI-488.2 and SICL libraries forward
// their device calls to one instance of it.
#pragma once

#include <cstdint>
#include <string>

class SimAnalyzer {
public:
    // modelName: a catalogue model name without the "Agilent " prefix, letter case ignored
    // ("8753D/E", "8510C", "PNA", "PNA 3port"). An unknown name falls back to "8753D/E".
    explicit SimAnalyzer(const std::string& modelName);
    ~SimAnalyzer();
    SimAnalyzer(const SimAnalyzer&) = delete;
    SimAnalyzer& operator=(const SimAnalyzer&) = delete;

    // One complete message as written on the bus (a trailing line feed, if any, ends it).
    void Write(const std::string& message);
    // The reply the analyzer has ready, ending with a line feed; empty when none is pending.
    std::string Read();
    // Selected device clear: drops pending replies and the input buffer.
    void Clear();
    // The serial-poll status byte.
    std::uint8_t StatusByte() const;
    // The model the analyzer simulates, as given (normalised).
    const std::string& Model() const;

private:
    struct Impl;
    Impl* impl_;
};
