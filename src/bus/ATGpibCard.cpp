#include "bus/ATGpibCard.h"

#include "bus/GpibTransfer.h"
#include "kit/Utility.h"

#include <array>
#include <cstdio>
#include <cstring>

std::string SiclErrorContext;

namespace {

constexpr long SiclTimeLimit = 5000; // milliseconds
constexpr int SiclEnd = 1;           // iwrite: END (EOI) with the last byte

// The failure that the error handler recorded during the call under way. Throwing from the
// handler would unwind through the library's C frames, so the handler only records it.
struct TSiclFailure {
    bool raised = false;
    int error = 0;
};
TSiclFailure SiclFailure;

void TESSALY_SICLAPI SiclErrorHandler(Sicl::INST, int error) noexcept
{
    if (!SiclFailure.raised)
        SiclFailure = {true, error};
}

// The address text of a connection; board 10000 and address 30 need 8 characters.
using TAddressText = std::array<char, 10>;

TAddressText InterfaceAddress(int board)
{
    TAddressText text{};
    std::snprintf(text.data(), text.size(), "%d", board);
    return text;
}

TAddressText DeviceAddress(int board, int address)
{
    TAddressText text{};
    std::snprintf(text.data(), text.size(), "%d,%d", board, address);
    return text;
}

} // namespace

TATGpibCard::TATGpibCard() : TGpibCard(gdAT, 0, 10000, 7)
{
    SiclErrorContext.clear();
    SetLoaded(sicl_.LoadSicl32());
}

TATGpibCard::~TATGpibCard() { sicl_.FreeSicl32(); }

void TATGpibCard::Begin(const char* context)
{
    SiclErrorContext = context;
    SiclFailure = {};
}

void TATGpibCard::RaiseOnFailure()
{
    if (!SiclFailure.raised)
        return;
    const int error = SiclFailure.error;
    const char* text = sicl_.igeterrstr(error);
    SiclFailure = {};
    throw EGpibException(SiclErrorContext + "\nerror " + std::to_string(error) + "    " + (text ? text : "") +
                         "\nBoard " + std::to_string(Board()) + "    VNA Address " + std::to_string(Address()));
}

void TATGpibCard::Open()
{
    if (!Loaded())
        return;
    Begin("Error in ATGpibCard.Open:");
    Checked(sicl_.ionerror(SiclErrorHandler));

    TAddressText interfaceAddress = InterfaceAddress(Board());
    FIntfId = Checked(sicl_.iopen(interfaceAddress.data()));
    Checked(sicl_.itimeout(FIntfId, SiclTimeLimit));
    Checked(sicl_.iclear(FIntfId));
    Wait();

    TAddressText deviceAddress = DeviceAddress(Board(), Address());
    FDevId = Checked(sicl_.iopen(deviceAddress.data()));
    Checked(sicl_.itimeout(FDevId, SiclTimeLimit));
    Wait();
    Checked(sicl_.iremote(FDevId));
    Wait();
}

void TATGpibCard::Close()
{
    if (!Loaded())
        return;
    Begin("Error in ATGpibCard.Close:");
    Checked(sicl_.ilocal(FDevId));
    Checked(sicl_.iclose(FDevId));
    Checked(sicl_.iclose(FIntfId));
}

void TATGpibCard::Write(const std::string& command)
{
    if (!Loaded() || command.empty())
        return;
    RefuseOverlongCommand("Error in ATGpibCard.Write:", command);
    Begin("Error in ATGpibCard.Write:");
    std::array<char, GpibTransferLimit + 1> buffer{};
    std::memcpy(buffer.data(), command.data(), command.size());
    unsigned long written = 0;
    Checked(sicl_.iwrite(FDevId, buffer.data(), static_cast<unsigned long>(command.size()), SiclEnd, &written));
    Log(command);
    Wait();
}

void TATGpibCard::Read(std::string& reply)
{
    if (!Loaded())
        return;
    Begin("Error in ATGpibCard.Read:");
    std::array<char, GpibTransferLimit + 1> buffer{};
    int reason = 0;
    unsigned long received = 0;
    Checked(sicl_.iread(FDevId, buffer.data(), static_cast<unsigned long>(GpibTransferLimit), &reason, &received));
    reply = ReceivedReply(buffer.data(), static_cast<long long>(received));
    Log(reply);
    Wait();
}
