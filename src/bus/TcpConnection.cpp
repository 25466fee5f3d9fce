#include "bus/TcpConnection.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <system_error>
#include <utility>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

// The operating system's side: one set of small functions per platform.
#if defined(_WIN32)

using NativeSocket = SOCKET;
const NativeSocket NoSocket = INVALID_SOCKET;

// Winsock is started once, at the first connection, and cleaned up at exit.
void StartSockets()
{
    struct Winsock {
        bool started;
        Winsock()
        {
            WSADATA data;
            started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        }
        ~Winsock()
        {
            if (started)
                WSACleanup();
        }
    };
    static const Winsock winsock;
    if (!winsock.started)
        throw ENetworkFailure("Windows Sockets could not be started");
}

int LastError() { return WSAGetLastError(); }
void CloseSocket(NativeSocket s)
{
    shutdown(s, SD_SEND);
    closesocket(s);
}
bool SetNonBlocking(NativeSocket s)
{
    u_long on = 1;
    return ioctlsocket(s, FIONBIO, &on) == 0;
}
bool ConnectPending(int error) { return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS; }
bool WouldBlock(int error) { return error == WSAEWOULDBLOCK; }
bool Interrupted(int error) { return error == WSAEINTR; }
bool Refused(int error) { return error == WSAECONNREFUSED; }
bool ClosedByPeer(int error) { return error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAESHUTDOWN; }
bool UnknownName(int error) { return error == WSAHOST_NOT_FOUND || error == WSANO_DATA; }
std::string LookupErrorText(int error) { return std::system_category().message(error); }
constexpr int SendFlags = 0;

int SendSome(NativeSocket s, const char* bytes, std::size_t count)
{
    const int chunk = static_cast<int>(std::min<std::size_t>(count, 1 << 20));
    return send(s, bytes, chunk, SendFlags);
}
int ReceiveSome(NativeSocket s, char* bytes, std::size_t count)
{
    return recv(s, bytes, static_cast<int>(count), 0);
}

// Waits until the socket can be written (or, while connecting, has failed) or read.
// Returns 1 when ready, 0 at the deadline, -1 on an error of the wait itself.
int WaitReady(NativeSocket s, bool forWriting, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return 0;
        fd_set ready;
        fd_set failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(s, &ready);
        FD_SET(s, &failed);
        timeval wait{static_cast<long>(left.count() / 1000000), static_cast<long>(left.count() % 1000000)};
        const int result = select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &wait);
        if (result > 0)
            return 1;
        if (result < 0)
            return -1;
    }
}

#else

using NativeSocket = int;
constexpr NativeSocket NoSocket = -1;

void StartSockets() {}
int LastError() { return errno; }
void CloseSocket(NativeSocket s)
{
    shutdown(s, SHUT_WR);
    close(s);
}
bool SetNonBlocking(NativeSocket s)
{
    const int flags = fcntl(s, F_GETFL, 0);
    return flags != -1 && fcntl(s, F_SETFL, flags | O_NONBLOCK) == 0;
}
bool ConnectPending(int error) { return error == EINPROGRESS || error == EINTR; }
bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }
bool Interrupted(int error) { return error == EINTR; }
bool Refused(int error) { return error == ECONNREFUSED; }
bool ClosedByPeer(int error) { return error == ECONNRESET || error == EPIPE || error == ECONNABORTED; }
bool UnknownName(int error)
{
#if defined(EAI_NODATA)
    if (error == EAI_NODATA)
        return true;
#endif
    return error == EAI_NONAME;
}
std::string LookupErrorText(int error) { return gai_strerror(error); }
#if defined(MSG_NOSIGNAL)
constexpr int SendFlags = MSG_NOSIGNAL; // a closed connection raises no SIGPIPE
#else
constexpr int SendFlags = 0;
#endif

ssize_t SendSome(NativeSocket s, const char* bytes, std::size_t count) { return send(s, bytes, count, SendFlags); }
ssize_t ReceiveSome(NativeSocket s, char* bytes, std::size_t count) { return recv(s, bytes, count, 0); }

int WaitReady(NativeSocket s, bool forWriting, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return 0;
        pollfd entry{s, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
        const int result = poll(&entry, 1, static_cast<int>(std::min<long long>(left.count(), 60000)));
        if (result > 0)
            return 1;
        if (result < 0 && errno != EINTR)
            return -1;
    }
}

#endif

NativeSocket Native(std::intptr_t handle) { return static_cast<NativeSocket>(handle); }

std::string SystemText(int error) { return std::system_category().message(error); }

[[noreturn]] void FailWithError(const std::string& what, int error)
{
    if (ClosedByPeer(error))
        throw ENetworkFailure("Connection closed by the instrument");
    throw ENetworkFailure(what + ": " + SystemText(error));
}

// A socket for one address of the host, owned until the connection takes it over.
class TPendingSocket {
public:
    explicit TPendingSocket(const addrinfo& address)
        : socket_(socket(address.ai_family, address.ai_socktype, address.ai_protocol))
    {
    }
    ~TPendingSocket()
    {
        if (socket_ != NoSocket)
            CloseSocket(socket_);
    }
    TPendingSocket(const TPendingSocket&) = delete;
    TPendingSocket& operator=(const TPendingSocket&) = delete;

    NativeSocket Get() const { return socket_; }
    NativeSocket Release() { return std::exchange(socket_, NoSocket); }

private:
    NativeSocket socket_;
};

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

// Connects a non-blocking socket to one address. Returns an empty text once connected, the
// reason of the failure otherwise.
std::string ConnectOne(NativeSocket s, const addrinfo& address, std::chrono::milliseconds limit,
                       Clock::time_point deadline)
{
    if (!SetNonBlocking(s))
        return "Cannot connect: " + SystemText(LastError());
    if (connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0)
        return {};
    int error = LastError();
    if (!ConnectPending(error))
        return Refused(error) ? "Connection refused" : "Cannot connect: " + SystemText(error);
    const int ready = WaitReady(s, true, deadline);
    if (ready == 0)
        return "No connection within " + SecondsText(limit);
    if (ready < 0)
        return "Cannot connect: " + SystemText(LastError());
    error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0)
        error = LastError();
    if (error == 0)
        return {};
    return Refused(error) ? "Connection refused" : "Cannot connect: " + SystemText(error);
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

TTcpConnection::TTcpConnection(const std::string& host, int port, std::chrono::milliseconds timeLimit)
{
    if (host.empty())
        throw ENetworkFailure("No host name given");
    StartSockets();
    const auto deadline = Clock::now() + timeLimit;
    const TAddressList addresses(host, port);
    std::string failure = "Unknown host";
    for (const addrinfo* address = addresses.First(); address != nullptr; address = address->ai_next) {
        TPendingSocket candidate(*address);
        if (candidate.Get() == NoSocket) {
            failure = "Cannot connect: " + SystemText(LastError());
            continue;
        }
        failure = ConnectOne(candidate.Get(), *address, timeLimit, deadline);
        if (failure.empty()) {
            // Commands are short and each waits for the last: send them at once.
            const int on = 1;
            setsockopt(candidate.Get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
#if defined(SO_NOSIGPIPE)
            setsockopt(candidate.Get(), SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
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
    : socket_(std::exchange(other.socket_, -1)), pending_(std::move(other.pending_))
{
}

TTcpConnection& TTcpConnection::operator=(TTcpConnection&& other) noexcept
{
    if (this != &other) {
        Release();
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
        const auto sent = SendSome(Native(socket_), bytes.data(), bytes.size());
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        const int error = LastError();
        if (Interrupted(error))
            continue;
        if (!WouldBlock(error))
            FailWithError("Cannot send", error);
        const int ready = WaitReady(Native(socket_), true, deadline);
        if (ready == 0)
            throw ENetworkFailure("Could not send within " + SecondsText(timeLimit));
        if (ready < 0)
            FailWithError("Cannot send", LastError());
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
        const auto received = ReceiveSome(Native(socket_), buffer.data(), buffer.size());
        if (received > 0) {
            pending_.append(buffer.data(), static_cast<std::size_t>(received));
            continue;
        }
        if (received == 0)
            throw ENetworkFailure("Connection closed by the instrument");
        const int error = LastError();
        if (Interrupted(error))
            continue;
        if (!WouldBlock(error))
            FailWithError("Cannot receive", error);
        const int ready = WaitReady(Native(socket_), false, deadline);
        if (ready == 0)
            throw ENetworkFailure("No reply within " + SecondsText(timeLimit));
        if (ready < 0)
            FailWithError("Cannot receive", LastError());
    }
}
