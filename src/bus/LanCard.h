// The card that reaches an analyzer with a LAN port (a PNA) over its raw SCPI socket: one
// TCP connection per transfer, each command ended by a line feed, each reply read up to its
// line feed.
#pragma once

#include "bus/NetworkCard.h"

class TLanCard final : public TNetworkCard {
public:
    static constexpr int StandardPort = 5025;

    // No host yet, port 5025, address 16 (shown in messages only).
    TLanCard();

    // Connects to the analyzer.
    void Open() override;
    void Write(const std::string& command) override;
    void Read(std::string& reply) override;
    // Closes the connection. Never raises.
    void Close() override;
};
