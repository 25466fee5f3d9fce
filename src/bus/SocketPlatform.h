// The operating system's sockets behind one small interface: POSIX sockets, or Winsock on
// Windows. Only the sources that talk to sockets include this header (it brings in the
// system's socket headers); TcpConnection.h is what the rest of the program uses.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
using TNativeSocket = SOCKET;
inline const TNativeSocket NoSocket = INVALID_SOCKET;
#else
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/types.h>
using TNativeSocket = int;
inline constexpr TNativeSocket NoSocket = -1;
#endif

// Starts the socket library where one has to be started (Winsock, once per process).
// False when it could not be started.
bool StartSockets();

// The error code of the last failed socket call of this thread.
int LastSocketError();
// The system's text for a socket error code.
std::string SocketErrorText(int error);
// The text for an error code of getaddrinfo.
std::string LookupErrorText(int error);

// What an error code means to the callers.
bool ConnectPending(int error); // a non-blocking connect is under way
bool WouldBlock(int error);     // nothing to read, or no room to write, just now
bool Interrupted(int error);    // a signal interrupted the call; try again
bool Refused(int error);        // nobody listens at the port
bool ClosedByPeer(int error);   // the other end closed or reset the connection
bool UnknownName(int error);    // getaddrinfo found no such host

bool SetNonBlocking(TNativeSocket socket);
// Shuts the sending side down and closes the socket.
void CloseSocket(TNativeSocket socket);

// Sends or receives what can go at once; the count, or a negative number on failure (see
// LastSocketError). A closed connection never raises a signal.
long long SendSome(TNativeSocket socket, const char* bytes, std::size_t count);
long long ReceiveSome(TNativeSocket socket, char* bytes, std::size_t count);

enum class TSocketWait { Ready, TimedOut, Failed };
// Waits until the socket can be written (a connect under way has also ended when it can) or
// read (end of stream and errors count as readable), at most until the deadline.
TSocketWait WaitForSocket(TNativeSocket socket, bool forWriting, std::chrono::steady_clock::time_point deadline);

// One socket, closed when the object goes.
class TSocketHandle {
public:
    TSocketHandle() = default;
    explicit TSocketHandle(TNativeSocket socket) : socket_(socket) {}
    ~TSocketHandle() { Reset(); }
    TSocketHandle(const TSocketHandle&) = delete;
    TSocketHandle& operator=(const TSocketHandle&) = delete;
    TSocketHandle(TSocketHandle&& other) noexcept : socket_(other.Release()) {}
    TSocketHandle& operator=(TSocketHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            socket_ = other.Release();
        }
        return *this;
    }

    TNativeSocket Get() const { return socket_; }
    bool Valid() const { return socket_ != NoSocket; }
    TNativeSocket Release()
    {
        const TNativeSocket socket = socket_;
        socket_ = NoSocket;
        return socket;
    }
    void Reset()
    {
        if (socket_ != NoSocket)
            CloseSocket(socket_);
        socket_ = NoSocket;
    }

private:
    TNativeSocket socket_ = NoSocket;
};
