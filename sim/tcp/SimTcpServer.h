// The TCP simulator's server: it listens on a loopback port and serves one controller program
// at a time, until it is asked to stop or nothing has happened for the idle time limit.
#pragma once

#include "SimTcpSession.h"

#include "bus/SocketPlatform.h"

#include <chrono>
#include <functional>
#include <stdexcept>

struct SimTcpFaults {
    bool silent = false;       // take everything, answer nothing
    bool hostileReply = false; // answer every query with a terminal escape sequence and CR LF
};

class SimTcpServer {
public:
    // Listens on 127.0.0.1 at port (0: a free port the system picks). Raises
    // std::runtime_error when that is not possible.
    SimTcpServer(int port, SimTcpSession& session, SimTcpInstrument& instrument, SimTcpFaults faults);

    // The port listened on.
    int Port() const { return port_; }

    // Serves connections one after another. Returns when stopRequested() gives true (it is
    // asked at least ten times a second) or when no connection came and no byte arrived for
    // idleLimit.
    void Run(const std::function<bool()>& stopRequested, std::chrono::milliseconds idleLimit);

private:
    void Serve(TSocketHandle client, const std::function<bool()>& stopRequested, std::chrono::milliseconds idleLimit);
    bool SendAll(TNativeSocket client, const std::string& bytes) const;
    bool Idle(std::chrono::milliseconds idleLimit) const;

    TSocketHandle listener_;
    int port_ = 0;
    SimTcpSession& session_;
    SimTcpInstrument& instrument_;
    SimTcpFaults faults_;
    std::chrono::steady_clock::time_point lastActivity_;
};
