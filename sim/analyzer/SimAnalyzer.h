// One simulated network analyzer on the bus: it takes what the controller writes and
// produces what the controller reads. The substitute NI-488.2 and SICL libraries forward
// their device calls to one instance of it.
//
// The analyzer understands the kit commands and queries of its family (the mnemonic commands
// of the 8753 and 8510 families, the SCPI commands of the PNA), keeps the user kits it is sent
// and answers queries from them. Environment variables read by the constructor:
//   TESSALY_SIM_ERROR  an error text the analyzer keeps reporting: the status byte's error
//                      bit stays set, and the error query answers the text.
//   TESSALY_SIM_STATE  a file in which the kit memory persists between processes: loaded at
//                      construction, saved after every message that changed it.
#pragma once

#include <cstdint>
#include <memory>
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
    // A reply not yet read is dropped when the next message arrives.
    void Write(const std::string& message);
    // The reply the analyzer has ready, ending with a line feed; empty when none is pending.
    std::string Read();
    // Selected device clear: drops pending replies and the input buffer.
    void Clear();
    // The serial-poll status byte: the error-queue bit (8 on the 8753 and 8510 families,
    // 4 on the PNA) while an error is queued, and 16 while a reply waits to be read.
    std::uint8_t StatusByte() const;
    // The model the analyzer simulates, as given (normalised to the catalogue spelling).
    const std::string& Model() const;
    // The kit memory in the text form of the state file, for inspection.
    std::string KitMemoryText() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
