#include "SimTcpServer.h"

#include <array>

namespace {

using Clock = std::chrono::steady_clock;

// How long one wait lasts before the stop request and the idle limit are looked at again.
constexpr std::chrono::milliseconds Slice{100};
// How long a reply may take to leave before the connection is given up.
constexpr std::chrono::seconds SendLimit{5};
// What a hostile instrument answers: a terminal's "set the title" sequence, then CR LF.
constexpr const char* HostileReply = "\x1b]0;x\x07\r\n";

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + SocketErrorText(LastSocketError()));
}

} // namespace

SimTcpServer::SimTcpServer(int port, SimTcpSession& session, SimTcpInstrument& instrument, SimTcpFaults faults)
    : session_(session), instrument_(instrument), faults_(faults)
{
    if (!StartSockets())
        throw std::runtime_error("the sockets could not be started");
    listener_ = TSocketHandle(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!listener_.Valid())
        Fail("socket");
#if !defined(_WIN32)
    const int on = 1;
    setsockopt(listener_.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
#endif
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<unsigned short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        Fail("bind to 127.0.0.1:" + std::to_string(port));
    if (listen(listener_.Get(), 4) != 0)
        Fail("listen");
    if (!SetNonBlocking(listener_.Get()))
        Fail("non-blocking");
    socklen_t length = sizeof address;
    if (getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        Fail("getsockname");
    port_ = ntohs(address.sin_port);
}

bool SimTcpServer::Idle(std::chrono::milliseconds idleLimit) const { return Clock::now() - lastActivity_ >= idleLimit; }

void SimTcpServer::Run(const std::function<bool()>& stopRequested, std::chrono::milliseconds idleLimit)
{
    lastActivity_ = Clock::now();
    while (!stopRequested() && !Idle(idleLimit)) {
        if (WaitForSocket(listener_.Get(), false, Clock::now() + Slice) != TSocketWait::Ready)
            continue;
        TSocketHandle client(accept(listener_.Get(), nullptr, nullptr));
        if (!client.Valid())
            continue;
        lastActivity_ = Clock::now();
        Serve(std::move(client), stopRequested, idleLimit);
        lastActivity_ = Clock::now();
    }
}

void SimTcpServer::Serve(TSocketHandle client, const std::function<bool()>& stopRequested,
                         std::chrono::milliseconds idleLimit)
{
    if (!SetNonBlocking(client.Get()))
        return;
    const int on = 1;
    setsockopt(client.Get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    instrument_.StartConnection();
    session_.StartConnection();
    std::array<char, 4096> buffer;
    while (!stopRequested() && !Idle(idleLimit)) {
        const TSocketWait ready = WaitForSocket(client.Get(), false, Clock::now() + Slice);
        if (ready == TSocketWait::TimedOut)
            continue;
        if (ready == TSocketWait::Failed)
            return;
        const long long received = ReceiveSome(client.Get(), buffer.data(), buffer.size());
        if (received == 0)
            return; // the controller program closed the connection
        if (received < 0) {
            const int error = LastSocketError();
            if (WouldBlock(error) || Interrupted(error))
                continue;
            return;
        }
        lastActivity_ = Clock::now();
        if (faults_.silent)
            continue;
        std::string answer;
        try {
            answer = session_.Receive(std::string_view(buffer.data(), static_cast<std::size_t>(received)));
        } catch (const SimHangUp&) {
            return;
        }
        if (faults_.hostileReply && !answer.empty())
            answer = HostileReply;
        if (!SendAll(client.Get(), answer))
            return;
    }
}

bool SimTcpServer::SendAll(TNativeSocket client, const std::string& bytes) const
{
    const auto deadline = Clock::now() + SendLimit;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const long long sent = SendSome(client, rest.data(), rest.size());
        if (sent > 0) {
            rest.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        const int error = LastSocketError();
        if (Interrupted(error))
            continue;
        if (!WouldBlock(error) || WaitForSocket(client, true, deadline) != TSocketWait::Ready)
            return false;
    }
    return true;
}
