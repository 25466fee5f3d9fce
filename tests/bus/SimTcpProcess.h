// The TCP simulator, tessaly-sim-tcp, run for one test on a loopback port it picks itself.
// It is given an idle limit, so that it ends by itself whatever happens to the test, and a
// transcript file; the end of the test stops it with SIGTERM, or on Windows by closing its
// standard input.
#pragma once

#include "BusTestSupport.h"

#include <memory>
#include <string>
#include <vector>

struct TSimTcpChild; // the running process and the pipes to it, as the system has them

class SimTcpProcess {
public:
    // Starts the simulator with the options given, and waits (at most 5 s) for the port.
    explicit SimTcpProcess(const std::vector<std::string>& options);
    ~SimTcpProcess();
    SimTcpProcess(const SimTcpProcess&) = delete;
    SimTcpProcess& operator=(const SimTcpProcess&) = delete;
    SimTcpProcess(SimTcpProcess&&) = delete;

    int Port() const { return port_; }

    // Asks the simulator to end and waits: the exit status, or -1 when the simulator did not
    // end by itself within 5 s (it is killed then).
    int Stop();

    // The transcript so far, one event a line (see sim/tcp/SimTcpInstrument.h).
    std::vector<std::string> Transcript() const;
    // The transcript's "message" and "reply" lines: what passed between the program and the
    // analyzer, in order.
    std::vector<std::string> Traffic() const;

private:
    TemporaryFile transcript_{".transcript"};
    std::unique_ptr<TSimTcpChild> child_;
    int port_ = 0;
};

// What the transcript shows for bytes passing with the given kind ("message", "reply").
std::string TranscriptLine(const std::string& kind, const std::string& bytes);
