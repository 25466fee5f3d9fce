#include "bus/GpibTransfer.h"

#include "kit/Utility.h"

void RefuseOverlongCommand(const std::string& heading, const std::string& command)
{
    if (command.size() > GpibTransferLimit)
        throw EGpibException(heading + "\nBuffer Overflow = " + std::to_string(command.size()) + "\n" +
                             Quoted(command));
}

std::string ReceivedReply(const char* bytes, long long count)
{
    const long long limit = static_cast<long long>(GpibTransferLimit);
    const long long received = count < 0 ? 0 : (count > limit ? limit : count);
    if (received == 0)
        return {};
    std::string reply(bytes, static_cast<std::size_t>(received - 1));
    const auto zero = reply.find('\0');
    if (zero != std::string::npos)
        reply.resize(zero);
    return reply;
}
