#include "bus/NIGpibCard.h"

#include "bus/GpibTransfer.h"
#include "kit/Utility.h"

#include <cstdio>

namespace {

const std::string InitHeading = "Error in NIGpibCard.Init:";
const std::string ReadHeading = "Error in NIGpibCard.Read:";
const std::string WriteHeading = "Error in NIGpibCard.Write:";

// Upper-case hexadecimal, at least four digits.
std::string Hex4(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

} // namespace

TNIGpibCard::TNIGpibCard() : TGpibCard(gdNI, 0, 3, 0) { SetLoaded(gpib_.LoadGpib32()); }

TNIGpibCard::~TNIGpibCard() { gpib_.FreeGpib32(); }

bool TNIGpibCard::TStatus::Failed() const { return (ibsta & (Ni488::ERR | Ni488::TIMO)) != 0; }

TNIGpibCard::TStatus TNIGpibCard::Status() const { return {*gpib_.ibsta, *gpib_.iberr, *gpib_.ibcnt}; }

std::array<Addr4882_t, 2> TNIGpibCard::AddressList() const
{
    return {static_cast<Addr4882_t>(Address()), Ni488::NOADDR};
}

std::string TNIGpibCard::StatusMessage(const std::string& heading, const TStatus& status) const
{
    return heading + "\nibsta = 0x" + Hex4(status.ibsta) + "   iberr = 0x" + Hex4(status.iberr) +
           "\nBoard # = " + std::to_string(Board()) + "   VNA Address = " + std::to_string(Address());
}

void TNIGpibCard::CheckStatus(const TStatus& status) const
{
    if (status.Failed())
        throw EGpibException(StatusMessage(InitHeading, status));
}

void TNIGpibCard::Open()
{
    if (!Loaded())
        return;
    const int board = Board();
    const auto address = static_cast<Addr4882_t>(Address());
    gpib_.ibonl(board, 0);
    gpib_.ibonl(board, 1);
    gpib_.ibtmo(board, Ni488::T1s);
    gpib_.SendIFC(board);
    CheckStatus(Status());
    gpib_.DevClear(board, address);
    CheckStatus(Status());
    Wait();
    const auto list = AddressList();
    gpib_.EnableRemote(board, list.data());
    const TStatus remote = Status();
    Wait();
    CheckStatus(remote);
}

void TNIGpibCard::Write(const std::string& command)
{
    if (!Loaded() || command.empty())
        return;
    RefuseOverlongCommand(WriteHeading, command);
    gpib_.Send(Board(), static_cast<Addr4882_t>(Address()), command.data(), static_cast<long>(command.size()),
               Ni488::NLend);
    const TStatus status = Status();
    if (status.Failed())
        throw EGpibException(StatusMessage(WriteHeading, status) + "\n" + Quoted(command));
    Log(command);
    Wait();
}

void TNIGpibCard::Read(std::string& reply)
{
    if (!Loaded())
        return;
    std::array<char, GpibTransferLimit + 1> buffer{};
    gpib_.Receive(Board(), static_cast<Addr4882_t>(Address()), buffer.data(), static_cast<long>(GpibTransferLimit),
                  Ni488::STOPend);
    const TStatus status = Status();
    if (status.Failed())
        throw EGpibException(StatusMessage(ReadHeading, status));
    reply = ReceivedReply(buffer.data(), status.ibcnt);
    Log(reply);
    Wait();
}

void TNIGpibCard::Close()
{
    if (!Loaded())
        return;
    const auto list = AddressList();
    gpib_.EnableLocal(Board(), list.data());
    Wait();
    gpib_.ibonl(Board(), 0);
}
