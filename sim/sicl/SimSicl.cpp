// The substitute SICL library: the ten entry points that the SICL card binds, in front of one
// simulated analyzer. Interface TESSALY_SIM_BOARD (else logical unit 7) exists; the analyzer
// listens at TESSALY_SIM_ADDRESS (else 16). Every failing call reports to the installed error
// handler before it returns. Error numbers and texts are this library's own.
#include "SimBus.h"
#include "bus/AT_gpib.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <type_traits>

using Sicl::INST;

namespace {

enum SimError {
    NoError = 0,
    BadAddress = 1,
    NoDevice = 2,
    BadSession = 3,
    NotSupported = 4,
    IoError = 5,
    Timeout = 6,
};

// Reasons that iread reports.
constexpr int ReasonCount = 1; // the buffer is full
constexpr int ReasonEnd = 4;   // END (EOI) came with the last byte

struct Session {
    bool device = false;
};

struct SiclState {
    Sicl::ErrorHandlerFn handler = nullptr;
    std::map<INST, Session> sessions;
    INST nextId = 1;
};

SiclState& State()
{
    static SiclState state;
    return state;
}

SimBus& Bus() { return SimBus::Instance(); }

void Call(const std::string& line) { Bus().LogCall(line); }

// Reports error to the handler, from inside the failing call, and gives it back.
int Fail(INST id, int error)
{
    if (State().handler != nullptr)
        State().handler(id, error);
    return error;
}

// The session of id, or nullptr after reporting the bad identifier.
Session* Find(INST id)
{
    const auto found = State().sessions.find(id);
    if (found != State().sessions.end())
        return &found->second;
    Fail(id, BadSession);
    return nullptr;
}

// The error of a data transfer on id (already reported), or NoError for an analyzer connection.
int DeviceSessionError(INST id)
{
    const Session* session = Find(id);
    if (session == nullptr)
        return BadSession;
    return session->device ? NoError : Fail(id, NotSupported);
}

// Parses "board" or "board,address".
bool ParseAddress(const char* text, int& board, int& address, bool& device)
{
    int consumed = 0;
    if (std::sscanf(text, "%d,%d%n", &board, &address, &consumed) == 2 && text[consumed] == '\0') {
        device = true;
        return true;
    }
    consumed = 0;
    device = false;
    return std::sscanf(text, "%d%n", &board, &consumed) == 1 && text[consumed] == '\0';
}

} // namespace

SIM_EXPORT int TESSALY_SICLAPI ionerror(Sicl::ErrorHandlerFn handler)
{
    Call(handler != nullptr ? "ionerror(handler)" : "ionerror(none)");
    State().handler = handler;
    return NoError;
}

SIM_EXPORT INST TESSALY_SICLAPI iopen(char* address)
{
    int board = -1;
    int device = -1;
    bool isDevice = false;
    int error = NoError;
    if (address == nullptr || !ParseAddress(address, board, device, isDevice) || board != Bus().Board(7))
        error = BadAddress;
    else if (isDevice && device != Bus().Address())
        error = NoDevice;
    const INST id = error == NoError ? State().nextId++ : 0;
    Call("iopen(" + SimQuoted(address, address ? std::strlen(address) : 0) + ") = " + std::to_string(id));
    if (error != NoError)
        Fail(0, error);
    else
        State().sessions[id] = Session{isDevice};
    return id;
}

SIM_EXPORT int TESSALY_SICLAPI iclose(INST id)
{
    Call("iclose(" + std::to_string(id) + ")");
    if (Find(id) == nullptr)
        return BadSession;
    State().sessions.erase(id);
    return NoError;
}

SIM_EXPORT int TESSALY_SICLAPI itimeout(INST id, long milliseconds)
{
    Call("itimeout(" + std::to_string(id) + ", " + std::to_string(milliseconds) + ")");
    return Find(id) != nullptr ? NoError : BadSession;
}

SIM_EXPORT int TESSALY_SICLAPI iclear(INST id)
{
    Call("iclear(" + std::to_string(id) + ")");
    const Session* session = Find(id);
    if (session == nullptr)
        return BadSession;
    if (session->device)
        Bus().DeviceClear();
    else
        Bus().InterfaceClear();
    return NoError;
}

SIM_EXPORT int TESSALY_SICLAPI iremote(INST id)
{
    Call("iremote(" + std::to_string(id) + ")");
    return Find(id) != nullptr ? NoError : BadSession;
}

SIM_EXPORT int TESSALY_SICLAPI ilocal(INST id)
{
    Call("ilocal(" + std::to_string(id) + ")");
    return Find(id) != nullptr ? NoError : BadSession;
}

SIM_EXPORT int TESSALY_SICLAPI iwrite(INST id, char* buffer, unsigned long length, int end, unsigned long* actual)
{
    Call("iwrite(" + std::to_string(id) + ", " + SimQuoted(buffer, length) + ", " + std::to_string(length) + ", " +
         std::to_string(end) + ")");
    if (actual != nullptr)
        *actual = 0;
    if (const int error = DeviceSessionError(id))
        return error;
    if (Bus().Write(std::string(buffer, length)) == SimOutcome::Failed)
        return Fail(id, IoError);
    if (actual != nullptr)
        *actual = length;
    return NoError;
}

SIM_EXPORT int TESSALY_SICLAPI iread(INST id, char* buffer, unsigned long size, int* reason, unsigned long* actual)
{
    Call("iread(" + std::to_string(id) + ", " + std::to_string(size) + ")");
    if (actual != nullptr)
        *actual = 0;
    if (const int error = DeviceSessionError(id))
        return error;
    const SimReception reception = Bus().Read(size);
    if (reception.outcome == SimOutcome::Failed)
        return Fail(id, IoError);
    if (reception.outcome == SimOutcome::TimedOut)
        return Fail(id, Timeout);
    std::memcpy(buffer, reception.bytes.data(), reception.bytes.size());
    if (reason != nullptr)
        *reason = reception.end ? ReasonEnd : ReasonCount;
    if (actual != nullptr)
        *actual = static_cast<unsigned long>(reception.bytes.size());
    return NoError;
}

SIM_EXPORT char* TESSALY_SICLAPI igeterrstr(int error)
{
    Call("igeterrstr(" + std::to_string(error) + ")");
    static char texts[][40] = {"No error",
                               "Invalid address",
                               "No device at the address",
                               "Invalid session identifier",
                               "Operation not supported",
                               "I/O error",
                               "Timeout occurred",
                               "Unknown error"};
    constexpr int known = int(sizeof texts / sizeof texts[0]) - 1;
    return texts[error >= 0 && error < known ? error : known];
}

// The exports have exactly the types that the card binds.
static_assert(std::is_same_v<decltype(&ionerror), Sicl::IonerrorFn>);
static_assert(std::is_same_v<decltype(&iopen), Sicl::IopenFn>);
static_assert(std::is_same_v<decltype(&iclose), Sicl::IcloseFn>);
static_assert(std::is_same_v<decltype(&itimeout), Sicl::ItimeoutFn>);
static_assert(std::is_same_v<decltype(&iclear), Sicl::IclearFn>);
static_assert(std::is_same_v<decltype(&iremote), Sicl::IremoteFn>);
static_assert(std::is_same_v<decltype(&ilocal), Sicl::IlocalFn>);
static_assert(std::is_same_v<decltype(&iwrite), Sicl::IwriteFn>);
static_assert(std::is_same_v<decltype(&iread), Sicl::IreadFn>);
static_assert(std::is_same_v<decltype(&igeterrstr), Sicl::IgeterrstrFn>);
