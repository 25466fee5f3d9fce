// One TCP connection to an instrument over the operating system's sockets (POSIX sockets, or
// Winsock on Windows). The socket is closed when the object goes. Every wait is bounded by a
// time limit, so no operation can hang. While a wait goes on, an idle procedure can run
// between slices of at most 10 ms, so that a user interface stays live; the time limit stays
// the same. Only the host name lookup before connecting does not call it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// A network failure: the message is one line saying what went wrong ("Connection refused",
// "No reply within 5 s", ...). The cards put it into their own three-line message.
class ENetworkFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TTcpConnection {
public:
    // Runs while the connection waits for the network; empty for none.
    using TIdleProc = std::function<void()>;
    // The longest stretch of a wait without a call of the idle procedure (its own run time
    // aside).
    static constexpr std::chrono::milliseconds IdleSlice{10};

    // Connects to host (a name or a numeric IPv4/IPv6 address) at port, trying each address
    // the name resolves to until the time limit has passed. Raises ENetworkFailure. idle
    // runs during every wait of this connection, the connect included.
    TTcpConnection(const std::string& host, int port, std::chrono::milliseconds timeLimit, TIdleProc idle = {});
    ~TTcpConnection();
    TTcpConnection(const TTcpConnection&) = delete;
    TTcpConnection& operator=(const TTcpConnection&) = delete;
    TTcpConnection(TTcpConnection&& other) noexcept;
    TTcpConnection& operator=(TTcpConnection&& other) noexcept;

    // Sends every byte, within the time limit. Raises ENetworkFailure.
    void Send(std::string_view bytes, std::chrono::milliseconds timeLimit);

    // The bytes up to the next line feed, which is dropped. Raises ENetworkFailure when the
    // line feed has not come within the time limit, when the other end closes first, or
    // when more than maxLength bytes come before it. Bytes after the line feed are kept for
    // the next call.
    std::string ReceiveLine(std::size_t maxLength, std::chrono::milliseconds timeLimit);

private:
    void Release() noexcept;

    TIdleProc idle_;
    // The native socket (a file descriptor, or a Winsock SOCKET); -1 when there is none.
    std::intptr_t socket_ = -1;
    std::string pending_;
};

// A time limit as the messages show it: "5 s", "0.25 s".
std::string SecondsText(std::chrono::milliseconds limit);
