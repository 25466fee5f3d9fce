// What the substitute NI-488.2 and SICL libraries share: one simulated analyzer on the bus,
// the faults that environment variables inject, and the call log. Each library holds its own.
#pragma once

#include "SimAnalyzer.h"

#include <cstddef>
#include <memory>
#include <string>

#if defined(_WIN32)
#define SIM_API __declspec(dllexport)
#else
#define SIM_API __attribute__((visibility("default")))
#endif
// An exported function with C linkage.
#define SIM_EXPORT extern "C" SIM_API

enum class SimOutcome { Done, Failed, TimedOut };

struct SimReception {
    SimOutcome outcome = SimOutcome::Done;
    std::string bytes;
    bool end = false; // the last byte came with EOI
};

class SimBus {
public:
    static SimBus& Instance();

    // The board (or logical unit) where the simulated interface sits, and the analyzer's
    // primary address: TESSALY_SIM_BOARD (else usualBoard) and TESSALY_SIM_ADDRESS (else 16).
    int Board(int usualBoard) const;
    int Address() const;

    // Interface clear: the fault counters start again.
    void InterfaceClear();
    // Selected device clear: the analyzer drops pending replies and unread bytes go.
    void DeviceClear();

    // One message to the analyzer, as it appears on the bus.
    SimOutcome Write(const std::string& bytes);
    // At most limit bytes from the analyzer.
    SimReception Read(std::size_t limit);

    // Appends one line to the file named by TESSALY_SIM_CALL_LOG, when set.
    void LogCall(const std::string& line) const;

private:
    SimAnalyzer& Analyzer();
    std::string NextReply();

    std::unique_ptr<SimAnalyzer> analyzer_;
    std::string analyzerModel_;
    std::string unread_;
    bool statusQueried_ = false;
    long writes_ = 0;
    long reads_ = 0;
};

// Bytes as the call log shows them: in double quotes, with \" \\ and \xHH for bytes
// outside printable ASCII.
std::string SimQuoted(const char* bytes, std::size_t length);
