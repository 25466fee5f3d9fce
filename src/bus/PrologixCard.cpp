#include "bus/PrologixCard.h"

#include "kit/Utility.h"

namespace {

constexpr char Escape = '\x1B';

} // namespace

std::string PrologixEscaped(const std::string& command)
{
    std::string escaped;
    escaped.reserve(command.size() + 8);
    for (const char c : command) {
        if (c == '\n' || c == '\r' || c == Escape || c == '+')
            escaped += Escape;
        escaped += c;
    }
    return escaped;
}

TPrologixCard::TPrologixCard() : TNetworkCard(gdPrologix, "PrologixCard", StandardPort) {}

void TPrologixCard::Open()
{
    Connect("Open");
    try {
        // Controller mode at the analyzer's address; replies only when asked for; EOI with
        // the last byte and a line feed after every command, as a GPIB card sends them.
        Send("Open", "++mode 1\n++addr " + std::to_string(Address()) + "\n++auto 0\n++eoi 1\n++eos 2\n");
        Send("Open", "++ifc\n");
        Wait();
        Send("Open", "++clr\n");
        Wait();
    } catch (...) {
        // No Close follows an Open that failed: the connection goes now.
        Disconnect();
        throw;
    }
}

void TPrologixCard::Write(const std::string& command)
{
    if (command.empty())
        return;
    Send("Write", PrologixEscaped(command) + "\n");
    Log(command);
    Wait();
}

void TPrologixCard::Read(std::string& reply)
{
    Send("Read", "++read eoi\n");
    reply = ReceiveReply("Read");
    Log(reply);
    Wait();
}

void TPrologixCard::Close()
{
    if (!Connected())
        return;
    try {
        Send("Close", "++loc\n");
        Wait();
    } catch (const EGpibException&) {
        // The connection is gone already; there is nothing left to release but the socket.
    }
    Disconnect();
}
