#include "bus/TcpConnection.h"

#include "bus/SocketPlatform.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

TNativeSocket Native(std::intptr_t handle) { return static_cast<TNativeSocket>(handle); }

[[noreturn]] void FailWithError(const std::string& what, int error)
{
    if (ClosedByPeer(error))
        throw ENetworkFailure("Connection closed by the instrument");
    throw ENetworkFailure(what + ": " + SocketErrorText(error));
}

// The addresses of a host, freed when the object goes.
class TAddressList {
public:
    TAddressList(const std::string& host, int port)
    {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        hints.ai_flags = AI_NUMERICSERV;
        const int result = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list_);
        if (result != 0) {
            list_ = nullptr;
            if (UnknownName(result))
                throw ENetworkFailure("Unknown host");
            throw ENetworkFailure("Host name lookup failed: " + LookupErrorText(result));
        }
    }
    ~TAddressList()
    {
        if (list_ != nullptr)
            freeaddrinfo(list_);
    }
    TAddressList(const TAddressList&) = delete;
    TAddressList& operator=(const TAddressList&) = delete;

    const addrinfo* First() const { return list_; }

private:
    addrinfo* list_ = nullptr;
};

// Waits as WaitForSocket does, in slices of at most IdleSlice with idle run between them.
// The deadline is kept: idle does not run once it has passed.
TSocketWait WaitInSlices(TNativeSocket socket, bool forWriting, Clock::time_point deadline,
                         const TTcpConnection::TIdleProc& idle)
{
    if (!idle)
        return WaitForSocket(socket, forWriting, deadline);
    for (;;) {
        const TSocketWait result =
            WaitForSocket(socket, forWriting, std::min(deadline, Clock::now() + TTcpConnection::IdleSlice));
        if (result != TSocketWait::TimedOut || Clock::now() >= deadline)
            return result;
        idle();
    }
}

std::string ConnectFailure(int error)
{
    return Refused(error) ? "Connection refused" : "Cannot connect: " + SocketErrorText(error);
}

// Connects a non-blocking socket to one address. Returns an empty text once connected, the
// reason of the failure otherwise.
std::string ConnectOne(TNativeSocket socket, const addrinfo& address, std::chrono::milliseconds limit,
                       Clock::time_point deadline, const TTcpConnection::TIdleProc& idle)
{
    if (!SetNonBlocking(socket))
        return ConnectFailure(LastSocketError());
    if (connect(socket, address.ai_addr, static_cast<socklen_t>(address.ai_addrlen)) == 0)
        return {};
    int error = LastSocketError();
    if (!ConnectPending(error))
        return ConnectFailure(error);
    switch (WaitInSlices(socket, true, deadline, idle)) {
    case TSocketWait::TimedOut:
        return "No connection within " + SecondsText(limit);
    case TSocketWait::Failed:
        return ConnectFailure(LastSocketError());
    case TSocketWait::Ready:
        break;
    }
    error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
        error = LastSocketError();
    return error == 0 ? std::string() : ConnectFailure(error);
}

} // namespace

std::string SecondsText(std::chrono::milliseconds limit)
{
    const long long ms = limit.count();
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03lld", ms % 1000);
        text += fraction;
        text.erase(text.find_last_not_of('0') + 1);
    }
    return text + " s";
}

TTcpConnection::TTcpConnection(const std::string& host, int port, std::chrono::milliseconds timeLimit,
                               TIdleProc idle)
    : idle_(std::move(idle))
{
    if (host.empty())
        throw ENetworkFailure("No host name given");
    if (!StartSockets())
        throw ENetworkFailure("The network could not be started");
    const auto deadline = Clock::now() + timeLimit;
    const TAddressList addresses(host, port);
    std::string failure = "Unknown host";
    for (const addrinfo* address = addresses.First(); address != nullptr; address = address->ai_next) {
        TSocketHandle candidate(socket(address->ai_family, address->ai_socktype, address->ai_protocol));
        if (!candidate.Valid()) {
            failure = ConnectFailure(LastSocketError());
            continue;
        }
        failure = ConnectOne(candidate.Get(), *address, timeLimit, deadline, idle_);
        if (failure.empty()) {
            // Commands are short and each waits for the one before: send them at once.
            const int on = 1;
            setsockopt(candidate.Get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
            socket_ = static_cast<std::intptr_t>(candidate.Release());
            return;
        }
        if (Clock::now() >= deadline)
            break;
    }
    throw ENetworkFailure(failure);
}

TTcpConnection::~TTcpConnection() { Release(); }

TTcpConnection::TTcpConnection(TTcpConnection&& other) noexcept
    : idle_(std::move(other.idle_)), socket_(std::exchange(other.socket_, -1)), pending_(std::move(other.pending_))
{
}

TTcpConnection& TTcpConnection::operator=(TTcpConnection&& other) noexcept
{
    if (this != &other) {
        Release();
        idle_ = std::move(other.idle_);
        socket_ = std::exchange(other.socket_, -1);
        pending_ = std::move(other.pending_);
    }
    return *this;
}

void TTcpConnection::Release() noexcept
{
    if (socket_ != -1)
        CloseSocket(Native(socket_));
    socket_ = -1;
    pending_.clear();
}

void TTcpConnection::Send(std::string_view bytes, std::chrono::milliseconds timeLimit)
{
    if (socket_ == -1)
        throw ENetworkFailure("Not connected");
    const auto deadline = Clock::now() + timeLimit;
    while (!bytes.empty()) {
        const long long sent = SendSome(Native(socket_), bytes.data(), bytes.size());
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        const int error = LastSocketError();
        if (Interrupted(error))
            continue;
        if (!WouldBlock(error))
            FailWithError("Cannot send", error);
        switch (WaitInSlices(Native(socket_), true, deadline, idle_)) {
        case TSocketWait::TimedOut:
            throw ENetworkFailure("Could not send within " + SecondsText(timeLimit));
        case TSocketWait::Failed:
            FailWithError("Cannot send", LastSocketError());
        case TSocketWait::Ready:
            break;
        }
    }
}

std::string TTcpConnection::ReceiveLine(std::size_t maxLength, std::chrono::milliseconds timeLimit)
{
    if (socket_ == -1)
        throw ENetworkFailure("Not connected");
    const auto deadline = Clock::now() + timeLimit;
    std::array<char, 4096> buffer;
    for (;;) {
        const std::size_t end = pending_.find('\n');
        if (end != std::string::npos && end <= maxLength) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        if (pending_.size() > maxLength)
            throw ENetworkFailure("Reply longer than " + std::to_string(maxLength) + " bytes");
        const long long received = ReceiveSome(Native(socket_), buffer.data(), buffer.size());
        if (received > 0) {
            pending_.append(buffer.data(), static_cast<std::size_t>(received));
            continue;
        }
        if (received == 0)
            throw ENetworkFailure("Connection closed by the instrument");
        const int error = LastSocketError();
        if (Interrupted(error))
            continue;
        if (!WouldBlock(error))
            FailWithError("Cannot receive", error);
        switch (WaitInSlices(Native(socket_), false, deadline, idle_)) {
        case TSocketWait::TimedOut:
            throw ENetworkFailure("No reply within " + SecondsText(timeLimit));
        case TSocketWait::Failed:
            FailWithError("Cannot receive", LastSocketError());
        case TSocketWait::Ready:
            break;
        }
    }
}
