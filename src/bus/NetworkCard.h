// What the cards that reach the analyzer over a network have in common: the host and port,
// one TCP connection from Open to Close, the time limit of every wait (during which the bus
// event hook runs every few milliseconds, as in Wait), and the three-line message of a
// failure ("Error in LanCard.Read:", the failure, then host, port and address).
// These cards need no driver library, so they are always bound.
#pragma once

#include "bus/GpibCardUnit.h"
#include "bus/TcpConnection.h"

#include <chrono>
#include <optional>
#include <string>

class TNetworkCard : public TGpibCard {
public:
    // The time limit of a connection, of sending a command and of waiting for a reply.
    static constexpr std::chrono::milliseconds DefaultTimeLimit{5000};

    const std::string& Host() const { return FHost; }
    // A host name or numeric address; blanks at both ends are removed.
    void SetHost(const std::string& host);
    int Port() const { return FPort; }
    // Clamped to 1..65535.
    void SetPort(int value);
    // The port the card starts with (5025 for the LAN card, 1234 for the Prologix card).
    int DefaultPort() const { return FDefaultPort; }
    std::chrono::milliseconds TimeLimit() const { return FTimeLimit; }
    // Clamped to 1 ms..10 minutes.
    void SetTimeLimit(std::chrono::milliseconds limit);
    // A connection is open (between a successful Open and Close).
    bool Connected() const { return FConnection.has_value(); }

protected:
    // cardName heads the messages ("LanCard"); the board range is 0..0.
    TNetworkCard(TGpibDriver driver, std::string cardName, int defaultPort);

    // Opens the connection, dropping any earlier one. operation names the card operation
    // under way in a failure's message ("Open").
    void Connect(const char* operation);
    void Send(const char* operation, const std::string& bytes);
    // One reply: the bytes up to the line feed, which is dropped, ending early at a zero
    // byte as on the GPIB cards; at most GpibTransferLimit bytes.
    std::string ReceiveReply(const char* operation);
    // Closes the connection, if any. Never raises.
    void Disconnect() noexcept;

    [[noreturn]] void Fail(const char* operation, const std::string& failure) const;

private:
    TTcpConnection& Connection(const char* operation);

    std::string FCardName;
    std::string FHost;
    int FPort;
    int FDefaultPort;
    std::chrono::milliseconds FTimeLimit = DefaultTimeLimit;
    std::optional<TTcpConnection> FConnection;
};

// The network card of a card object, or nullptr for the other kinds.
TNetworkCard* AsNetworkCard(TGpibCard* card);

// Applies the stored host and port to the card chosen at start-up, when it is a network card:
// a host is taken unless it is blank, a port only within 1..65535; otherwise the card keeps
// its own value. Other cards are left alone.
void RestoreNetworkSettings(TGpibCard& card, const std::string& storedHost, int storedPort);
