// What the TCP simulator speaks on a connection: the raw SCPI socket of a LAN analyzer, or a
// GPIB-to-Ethernet controller of the Prologix kind with the analyzer on its bus. A session
// takes the bytes the controller program sends and gives back the bytes to answer with.
#pragma once

#include "SimTcpInstrument.h"

#include <memory>
#include <string>
#include <string_view>

class SimTcpSession {
public:
    virtual ~SimTcpSession() = default;
    // A new connection: bytes of an unfinished line are dropped. What a controller was set to
    // (the Prologix address, mode, ...) stays, as on the real device.
    virtual void StartConnection() = 0;
    // Bytes from the controller program; the bytes to send back. Raises SimHangUp.
    virtual std::string Receive(std::string_view bytes) = 0;
};

// Raw socket: every line feed ends a message, which the analyzer receives with its line feed;
// a reply the message produced is sent back at once.
class SimRawSession final : public SimTcpSession {
public:
    explicit SimRawSession(SimTcpInstrument& instrument) : instrument_(instrument) {}
    void StartConnection() override { line_.clear(); }
    std::string Receive(std::string_view bytes) override;

private:
    SimTcpInstrument& instrument_;
    std::string line_;
};

// Prologix controller: an unescaped carriage return or line feed ends a line; ESC (27) makes
// the next byte plain data. A line starting with an unescaped "++" is a controller command;
// any other line goes to the analyzer in controller mode when the controller is addressed to
// it, with the terminator chosen by "++eos" (0 CR LF, 1 CR, 2 LF, 3 none). "++read" sends the
// analyzer's pending reply back; "++auto 1" does so after every message.
class SimPrologixSession final : public SimTcpSession {
public:
    // The controller's state when it is switched on.
    static constexpr int InitialAddress = 10;

    explicit SimPrologixSession(SimTcpInstrument& instrument) : instrument_(instrument) {}
    void StartConnection() override;
    std::string Receive(std::string_view bytes) override;

private:
    std::string EndLine();
    std::string Command(const std::string& text);
    std::string Data(const std::string& text);

    SimTcpInstrument& instrument_;
    std::string line_;
    bool escape_ = false;
    bool commandLine_ = true; // no escaped byte among the line's first two
    int mode_ = 1;            // 1 controller, 0 device
    int address_ = InitialAddress;
    bool autoRead_ = false;
    bool eoi_ = true;
    int eos_ = 0;
};

// The session for a protocol name ("raw" or "prologix"); nullptr for another name.
std::unique_ptr<SimTcpSession> MakeSimTcpSession(const std::string& protocol, SimTcpInstrument& instrument);
