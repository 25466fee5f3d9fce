// The card that reaches a legacy analyzer through a GPIB-to-Ethernet controller of the
// Prologix kind: one TCP connection per transfer to the controller, which is set up at Open
// (controller mode, the analyzer's address, no automatic read, EOI with the last byte, a line
// feed appended to every command) and then passes each command on to the bus. A read asks
// the controller for the analyzer's reply up to EOI.
#pragma once

#include "bus/NetworkCard.h"

#include <string>

class TPrologixCard final : public TNetworkCard {
public:
    static constexpr int StandardPort = 1234;

    // No host yet, port 1234, GPIB address 16.
    TPrologixCard();

    // Connects and sets up the controller, then clears the interface and the analyzer.
    void Open() override;
    void Write(const std::string& command) override;
    void Read(std::string& reply) override;
    // Returns the analyzer to local and closes the connection. Never raises.
    void Close() override;
};

// A command as the controller takes it for the bus: every line feed, carriage return, escape
// and "+" preceded by an escape (27), so that nothing in it can end the line early or be
// taken for one of the controller's own "++" commands.
std::string PrologixEscaped(const std::string& command);
