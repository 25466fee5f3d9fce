#include "bus/NetworkCard.h"

#include "bus/GpibTransfer.h"
#include "kit/Utility.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int MinPort = 1;
constexpr int MaxPort = 65535;
constexpr std::chrono::milliseconds MinTimeLimit{1};
constexpr std::chrono::milliseconds MaxTimeLimit{600000};

} // namespace

TNetworkCard::TNetworkCard(TGpibDriver driver, std::string cardName, int defaultPort)
    : TGpibCard(driver, 0, 0, 0), FCardName(std::move(cardName)), FPort(defaultPort), FDefaultPort(defaultPort)
{
    SetLoaded(true);
}

void TNetworkCard::SetHost(const std::string& host) { FHost = Trim(host); }

void TNetworkCard::SetPort(int value) { FPort = ClampInt(value, MinPort, MaxPort); }

void TNetworkCard::SetTimeLimit(std::chrono::milliseconds limit)
{
    FTimeLimit = std::clamp(limit, MinTimeLimit, MaxTimeLimit);
}

void TNetworkCard::Fail(const char* operation, const std::string& failure) const
{
    throw EGpibException("Error in " + FCardName + "." + operation + ":\n" + failure + "\nHost = " + FHost +
                         "   Port = " + std::to_string(FPort) + "   VNA Address = " + std::to_string(Address()));
}

void TNetworkCard::Connect(const char* operation)
{
    Disconnect();
    try {
        FConnection.emplace(FHost, FPort, FTimeLimit, ProcessGpibEvents);
    } catch (const ENetworkFailure& failure) {
        Fail(operation, failure.what());
    }
}

TTcpConnection& TNetworkCard::Connection(const char* operation)
{
    if (!FConnection)
        Fail(operation, "Not connected");
    return *FConnection;
}

void TNetworkCard::Send(const char* operation, const std::string& bytes)
{
    TTcpConnection& connection = Connection(operation);
    try {
        connection.Send(bytes, FTimeLimit);
    } catch (const ENetworkFailure& failure) {
        Fail(operation, failure.what());
    }
}

std::string TNetworkCard::ReceiveReply(const char* operation)
{
    TTcpConnection& connection = Connection(operation);
    std::string line;
    try {
        line = connection.ReceiveLine(GpibTransferLimit, FTimeLimit);
    } catch (const ENetworkFailure& failure) {
        Fail(operation, failure.what());
    }
    const auto zero = line.find('\0');
    if (zero != std::string::npos)
        line.resize(zero);
    return line;
}

void TNetworkCard::Disconnect() noexcept { FConnection.reset(); }

TNetworkCard* AsNetworkCard(TGpibCard* card) { return dynamic_cast<TNetworkCard*>(card); }

void RestoreNetworkSettings(TGpibCard& card, const std::string& storedHost, int storedPort)
{
    TNetworkCard* network = AsNetworkCard(&card);
    if (network == nullptr)
        return;
    if (!Trim(storedHost).empty())
        network->SetHost(storedHost);
    if (storedPort >= MinPort && storedPort <= MaxPort)
        network->SetPort(storedPort);
}
