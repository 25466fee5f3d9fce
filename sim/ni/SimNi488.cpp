// The substitute NI-488.2 library: the board-level routines and global status variables that
// the NI card binds, in front of one simulated analyzer. Board TESSALY_SIM_BOARD (else 0)
// exists; the analyzer listens at TESSALY_SIM_ADDRESS (else 16).
#include "SimBus.h"
#include "bus/NI_gpib.h"

#include <cstring>
#include <string>
#include <type_traits>

extern "C" {
SIM_API int user_ibsta = 0;
SIM_API int user_iberr = 0;
SIM_API int user_ibcnt = 0;
}

namespace {

// Error codes in user_iberr.
constexpr int ENOL = 2; // no listener at the address
constexpr int EABO = 6; // I/O aborted, also on a time-out
constexpr int ENEB = 7; // no such board

using Ni488::CMPL;
using Ni488::END;
using Ni488::ERR;
using Ni488::TIMO;

SimBus& Bus() { return SimBus::Instance(); }

void SetStatus(int sta, int err = 0)
{
    user_ibsta = sta;
    user_iberr = err;
}

void Call(const std::string& line) { Bus().LogCall(line); }

std::string Args(int a) { return std::to_string(a); }
template <typename... Rest>
std::string Args(int a, Rest... rest)
{
    return std::to_string(a) + ", " + Args(rest...);
}

std::string AddressListText(const Addr4882_t* list)
{
    std::string text = "{";
    for (int i = 0; list != nullptr && i < 32; ++i) {
        if (list[i] == Ni488::NOADDR) {
            text += "NOADDR";
            break;
        }
        text += std::to_string(list[i]) + ", ";
    }
    return text + "}";
}

// False, with the error status set, when the board is not the simulated one.
bool BoardPresent(int board)
{
    if (board == Bus().Board(0))
        return true;
    SetStatus(ERR, ENEB);
    return false;
}

// False, with the error status set, when nothing listens at the address.
bool ListenerPresent(int board, Addr4882_t address)
{
    if (!BoardPresent(board))
        return false;
    if (address == Bus().Address())
        return true;
    SetStatus(ERR | CMPL, ENOL);
    return false;
}

bool ListenersPresent(int board, const Addr4882_t* list)
{
    if (!BoardPresent(board))
        return false;
    for (int i = 0; list != nullptr && i < 32 && list[i] != Ni488::NOADDR; ++i)
        if (!ListenerPresent(board, list[i]))
            return false;
    return true;
}

} // namespace

SIM_EXPORT int TESSALY_NI488CC ibonl(int ud, int v)
{
    Call("ibonl(" + Args(ud, v) + ")");
    if (BoardPresent(ud))
        SetStatus(CMPL);
    return user_ibsta;
}

SIM_EXPORT int TESSALY_NI488CC ibtmo(int ud, int v)
{
    Call("ibtmo(" + Args(ud, v) + ")");
    if (BoardPresent(ud))
        SetStatus(CMPL);
    return user_ibsta;
}

SIM_EXPORT void TESSALY_NI488CC SendIFC(int boardID)
{
    Call("SendIFC(" + Args(boardID) + ")");
    if (!BoardPresent(boardID))
        return;
    Bus().InterfaceClear();
    SetStatus(CMPL);
}

SIM_EXPORT void TESSALY_NI488CC DevClear(int boardID, Addr4882_t address)
{
    Call("DevClear(" + Args(boardID, address) + ")");
    if (!ListenerPresent(boardID, address))
        return;
    Bus().DeviceClear();
    SetStatus(CMPL);
}

SIM_EXPORT void TESSALY_NI488CC EnableRemote(int boardID, const Addr4882_t* addressList)
{
    Call("EnableRemote(" + Args(boardID) + ", " + AddressListText(addressList) + ")");
    if (ListenersPresent(boardID, addressList))
        SetStatus(CMPL);
}

SIM_EXPORT void TESSALY_NI488CC EnableLocal(int boardID, const Addr4882_t* addressList)
{
    Call("EnableLocal(" + Args(boardID) + ", " + AddressListText(addressList) + ")");
    if (ListenersPresent(boardID, addressList))
        SetStatus(CMPL);
}

SIM_EXPORT void TESSALY_NI488CC FindLstn(int boardID, const Addr4882_t* padList, Addr4882_t* resultList, int limit)
{
    Call("FindLstn(" + Args(boardID) + ", " + AddressListText(padList) + ", " + Args(limit) + ")");
    if (!BoardPresent(boardID))
        return;
    int found = 0;
    for (int i = 0; padList != nullptr && i < 32 && padList[i] != Ni488::NOADDR; ++i)
        if (padList[i] == Bus().Address() && found < limit)
            resultList[found++] = padList[i];
    SetStatus(CMPL);
    user_ibcnt = found;
}

SIM_EXPORT void TESSALY_NI488CC ResetSys(int boardID, const Addr4882_t* addressList)
{
    Call("ResetSys(" + Args(boardID) + ", " + AddressListText(addressList) + ")");
    if (!ListenersPresent(boardID, addressList))
        return;
    Bus().InterfaceClear();
    Bus().DeviceClear();
    SetStatus(CMPL);
}

SIM_EXPORT void TESSALY_NI488CC Send(int boardID, Addr4882_t address, const void* buffer, long count, int eotMode)
{
    const char* bytes = static_cast<const char*>(buffer);
    const std::size_t length = count > 0 ? std::size_t(count) : 0;
    Call("Send(" + Args(boardID, address) + ", " + SimQuoted(bytes, length) + ", " + Args(int(count), eotMode) + ")");
    user_ibcnt = 0;
    if (!ListenerPresent(boardID, address))
        return;
    std::string message(bytes, length);
    if (eotMode == Ni488::NLend)
        message += '\n';
    if (Bus().Write(message) == SimOutcome::Failed) {
        SetStatus(ERR | CMPL, EABO);
        return;
    }
    SetStatus(CMPL | END);
    user_ibcnt = int(message.size());
}

// Receives until EOI or count bytes (only STOPend termination is simulated). A time-out
// shows TIMO without ERR, so that a caller testing only ERR would miss it.
SIM_EXPORT void TESSALY_NI488CC Receive(int boardID, Addr4882_t address, void* buffer, long count, int termination)
{
    Call("Receive(" + Args(boardID, address, int(count), termination) + ")");
    user_ibcnt = 0;
    if (!ListenerPresent(boardID, address))
        return;
    const SimReception reception = Bus().Read(count > 0 ? std::size_t(count) : 0);
    if (reception.outcome != SimOutcome::Done) {
        SetStatus(reception.outcome == SimOutcome::TimedOut ? (TIMO | CMPL) : (ERR | CMPL), EABO);
        return;
    }
    std::memcpy(buffer, reception.bytes.data(), reception.bytes.size());
    SetStatus(reception.end ? (CMPL | END) : CMPL);
    user_ibcnt = int(reception.bytes.size());
}

SIM_EXPORT int TESSALY_NI488CC ThreadIbsta() { return user_ibsta; }
SIM_EXPORT int TESSALY_NI488CC ThreadIberr() { return user_iberr; }
SIM_EXPORT int TESSALY_NI488CC ThreadIbcnt() { return user_ibcnt; }
SIM_EXPORT long TESSALY_NI488CC ThreadIbcntl() { return user_ibcnt; }

// The exports have exactly the types that the card binds.
static_assert(std::is_same_v<decltype(&ibonl), Ni488::IbonlFn>);
static_assert(std::is_same_v<decltype(&ibtmo), Ni488::IbtmoFn>);
static_assert(std::is_same_v<decltype(&SendIFC), Ni488::SendIFCFn>);
static_assert(std::is_same_v<decltype(&DevClear), Ni488::DevClearFn>);
static_assert(std::is_same_v<decltype(&EnableRemote), Ni488::EnableRemoteFn>);
static_assert(std::is_same_v<decltype(&EnableLocal), Ni488::EnableLocalFn>);
static_assert(std::is_same_v<decltype(&FindLstn), Ni488::FindLstnFn>);
static_assert(std::is_same_v<decltype(&ResetSys), Ni488::ResetSysFn>);
static_assert(std::is_same_v<decltype(&Send), Ni488::SendFn>);
static_assert(std::is_same_v<decltype(&Receive), Ni488::ReceiveFn>);
static_assert(std::is_same_v<decltype(&ThreadIbsta), Ni488::ThreadIbstaFn>);
static_assert(std::is_same_v<decltype(&ThreadIberr), Ni488::ThreadIberrFn>);
static_assert(std::is_same_v<decltype(&ThreadIbcnt), Ni488::ThreadIbcntFn>);
static_assert(std::is_same_v<decltype(&ThreadIbcntl), Ni488::ThreadIbcntlFn>);
