// The NI-488.2 board-level C interface that the NI card uses, and its binding at run time.
// Declared from the library's published conventions: int board handles, 16-bit GPIB
// addresses, address lists ended by NOADDR, long byte counts, global status variables.
#pragma once

#include "bus/DynamicLibrary.h"

#include <cstdint>
#include <string>

#if defined(_WIN32)
#define TESSALY_NI488CC __stdcall
#else
#define TESSALY_NI488CC
#endif

using Addr4882_t = std::uint16_t;

namespace Ni488 {

inline constexpr Addr4882_t NOADDR = 0xFFFF; // ends an address list

inline constexpr int NLend = 1;       // Send: append a line feed, EOI with it
inline constexpr int STOPend = 0x100; // Receive: stop at EOI

// Bits of ibsta.
inline constexpr int ERR = 0x8000;
inline constexpr int TIMO = 0x4000;
inline constexpr int END = 0x2000;
inline constexpr int CMPL = 0x0100;

inline constexpr int T1s = 11; // ibtmo code of a one-second I/O time limit

using IbonlFn = int(TESSALY_NI488CC*)(int ud, int v);
using IbtmoFn = int(TESSALY_NI488CC*)(int ud, int v);
using DevClearFn = void(TESSALY_NI488CC*)(int boardID, Addr4882_t address);
using EnableLocalFn = void(TESSALY_NI488CC*)(int boardID, const Addr4882_t* addressList);
using EnableRemoteFn = void(TESSALY_NI488CC*)(int boardID, const Addr4882_t* addressList);
using FindLstnFn = void(TESSALY_NI488CC*)(int boardID, const Addr4882_t* padList, Addr4882_t* resultList, int limit);
using ReceiveFn = void(TESSALY_NI488CC*)(int boardID, Addr4882_t address, void* buffer, long count, int termination);
using ResetSysFn = void(TESSALY_NI488CC*)(int boardID, const Addr4882_t* addressList);
using SendFn = void(TESSALY_NI488CC*)(int boardID, Addr4882_t address, const void* buffer, long count, int eotMode);
using SendIFCFn = void(TESSALY_NI488CC*)(int boardID);
using ThreadIbstaFn = int(TESSALY_NI488CC*)();
using ThreadIberrFn = int(TESSALY_NI488CC*)();
using ThreadIbcntFn = int(TESSALY_NI488CC*)();
using ThreadIbcntlFn = long(TESSALY_NI488CC*)();

} // namespace Ni488

// The library file: TESSALY_GPIB32_LIBRARY when set, else GPIB-32.DLL on Windows and
// linux-gpib's libgpib.so.0 elsewhere.
std::string Gpib32LibraryName();

// The status variables and entry points of the library, as bound by name.
struct TGpib32Entries {
    const int* ibsta = nullptr;
    const int* iberr = nullptr;
    const int* ibcnt = nullptr;
    Ni488::IbonlFn ibonl = nullptr;
    Ni488::IbtmoFn ibtmo = nullptr;
    Ni488::DevClearFn DevClear = nullptr;
    Ni488::EnableLocalFn EnableLocal = nullptr;
    Ni488::EnableRemoteFn EnableRemote = nullptr;
    Ni488::FindLstnFn FindLstn = nullptr;
    Ni488::ReceiveFn Receive = nullptr;
    Ni488::ResetSysFn ResetSys = nullptr;
    Ni488::SendFn Send = nullptr;
    Ni488::SendIFCFn SendIFC = nullptr;
    Ni488::ThreadIbstaFn ThreadIbsta = nullptr;
    Ni488::ThreadIberrFn ThreadIberr = nullptr;
    Ni488::ThreadIbcntFn ThreadIbcnt = nullptr;
    Ni488::ThreadIbcntlFn ThreadIbcntl = nullptr;
};

// One loaded NI-488.2 library. Either every name is bound or the library is not loaded at
// all. "FindLstn", "ResetSys" and the Thread* functions are required but never called.
//
// The global status variables go by two sets of names: NI-488.2 exports "user_ibsta",
// "user_iberr" and "user_ibcnt"; linux-gpib exports "ibsta", "iberr" and "ibcnt". The
// same order holds on every platform: the NI set first, then the linux-gpib set, each
// taken only when all three of its names are present (the sets are never mixed).
class TGpib32 : public TGpib32Entries {
public:
    TGpib32() = default;
    TGpib32(const TGpib32&) = delete;
    TGpib32& operator=(const TGpib32&) = delete;

    // Loads the library and binds every name; false (and nothing loaded) when the library
    // is missing or lacks any name.
    bool LoadGpib32();
    void FreeGpib32();
    bool Loaded() const { return library_.IsLoaded(); }

private:
    bool BindStatusVariables(const char* staName, const char* errName, const char* cntName);
    bool BindEntryPoints();

    DynamicLibrary library_;
};
