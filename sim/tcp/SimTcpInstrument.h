// The analyzer as the TCP simulator's sessions see it: the simulated analyzer, the transcript
// of what passes, and the fault of a connection that is dropped in the middle of a transfer.
#pragma once

#include "SimAnalyzer.h"

#include <cstdint>
#include <string>
#include <utility>

// Raised inside a session when the connection is to be dropped at once.
struct SimHangUp {};

// Every event of the simulator, one line each, appended to a file (none without a path):
//   connect                      a controller connected
//   controller "++addr 16"       a controller command (Prologix)
//   message "OUTPIDEN;\x0A"      a message as the analyzer received it, terminator included
//   reply "...\x0A"              a reply as it was sent back
//   unheard "..."                a message for another GPIB address (Prologix)
//   hangup                       the connection was dropped on purpose
// Bytes appear in double quotes with \" \\ and \xHH for bytes outside printable ASCII.
class SimTcpTranscript {
public:
    explicit SimTcpTranscript(std::string path) : path_(std::move(path)) {}
    void Add(const std::string& event) const;
    void Add(const std::string& event, const std::string& bytes) const;

private:
    std::string path_;
};

class SimTcpInstrument {
public:
    // closeAfter: the connection is dropped when the message with this number (counted from
    // 1 within each connection) arrives, before the analyzer sees it; 0 never.
    SimTcpInstrument(SimAnalyzer& analyzer, const SimTcpTranscript& transcript, long closeAfter, int address);

    // A new connection: the message count starts again.
    void StartConnection();
    // One message for the analyzer, its terminator included. Raises SimHangUp for the fault.
    void Deliver(const std::string& message);
    // The analyzer's pending reply, ending with a line feed; empty when there is none.
    std::string Reply();
    // Selected device clear.
    void Clear();
    std::uint8_t StatusByte() const { return analyzer_.StatusByte(); }
    // The analyzer's primary GPIB address (for the Prologix controller).
    int Address() const { return address_; }
    const SimTcpTranscript& Transcript() const { return transcript_; }

private:
    SimAnalyzer& analyzer_;
    const SimTcpTranscript& transcript_;
    long closeAfter_;
    int address_;
    long messages_ = 0;
};
