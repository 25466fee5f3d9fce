#include "bus/SocketPlatform.h"

#include <algorithm>
#include <system_error>

#if !defined(_WIN32)
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

using Clock = std::chrono::steady_clock;

std::string SocketErrorText(int error) { return std::system_category().message(error); }

#if defined(_WIN32)

bool StartSockets()
{
    // Started once, at the first use, and cleaned up when the program ends.
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
    return winsock.started;
}

int LastSocketError() { return WSAGetLastError(); }
std::string LookupErrorText(int error) { return SocketErrorText(error); }
bool ConnectPending(int error) { return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS; }
bool WouldBlock(int error) { return error == WSAEWOULDBLOCK; }
bool Interrupted(int error) { return error == WSAEINTR; }
bool Refused(int error) { return error == WSAECONNREFUSED; }
bool ClosedByPeer(int error) { return error == WSAECONNRESET || error == WSAECONNABORTED || error == WSAESHUTDOWN; }
bool UnknownName(int error) { return error == WSAHOST_NOT_FOUND || error == WSANO_DATA; }

bool SetNonBlocking(TNativeSocket socket)
{
    u_long on = 1;
    return ioctlsocket(socket, FIONBIO, &on) == 0;
}

void CloseSocket(TNativeSocket socket)
{
    shutdown(socket, SD_SEND);
    closesocket(socket);
}

long long SendSome(TNativeSocket socket, const char* bytes, std::size_t count)
{
    return send(socket, bytes, static_cast<int>(std::min<std::size_t>(count, 1 << 20)), 0);
}

long long ReceiveSome(TNativeSocket socket, char* bytes, std::size_t count)
{
    return recv(socket, bytes, static_cast<int>(std::min<std::size_t>(count, 1 << 20)), 0);
}

TSocketWait WaitForSocket(TNativeSocket socket, bool forWriting, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return TSocketWait::TimedOut;
        fd_set ready;
        fd_set failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(socket, &ready);
        FD_SET(socket, &failed); // a failed connect shows here
        timeval wait{static_cast<long>(left / 1000000), static_cast<long>(left % 1000000)};
        const int result = select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &wait);
        if (result > 0)
            return TSocketWait::Ready;
        if (result < 0 && !Interrupted(WSAGetLastError()))
            return TSocketWait::Failed;
    }
}

#else

bool StartSockets() { return true; }
int LastSocketError() { return errno; }
std::string LookupErrorText(int error) { return gai_strerror(error); }
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

bool SetNonBlocking(TNativeSocket socket)
{
    const int flags = fcntl(socket, F_GETFL, 0);
    if (flags == -1 || fcntl(socket, F_SETFL, flags | O_NONBLOCK) != 0)
        return false;
#if defined(SO_NOSIGPIPE)
    const int on = 1;
    setsockopt(socket, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    return true;
}

void CloseSocket(TNativeSocket socket)
{
    shutdown(socket, SHUT_WR);
    close(socket);
}

long long SendSome(TNativeSocket socket, const char* bytes, std::size_t count)
{
#if defined(MSG_NOSIGNAL)
    return send(socket, bytes, count, MSG_NOSIGNAL);
#else
    return send(socket, bytes, count, 0);
#endif
}

long long ReceiveSome(TNativeSocket socket, char* bytes, std::size_t count) { return recv(socket, bytes, count, 0); }

TSocketWait WaitForSocket(TNativeSocket socket, bool forWriting, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return TSocketWait::TimedOut;
        pollfd entry{socket, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
        const int result = poll(&entry, 1, static_cast<int>(std::min<long long>(left, 60000)));
        if (result > 0)
            return TSocketWait::Ready;
        if (result < 0 && !Interrupted(errno))
            return TSocketWait::Failed;
    }
}

#endif
