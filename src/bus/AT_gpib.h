// The SICL C interface that the SICL card uses, and its binding at run time. Declared from
// the library's published conventions: int session identifiers, text addresses, byte counts
// as unsigned long, and an error handler that the library calls for every failing call.
#pragma once

#include "bus/DynamicLibrary.h"

#include <string>

#if defined(_WIN32)
#define TESSALY_SICLAPI __stdcall
#else
#define TESSALY_SICLAPI
#endif

namespace Sicl {

using INST = int; // a session identifier

using ErrorHandlerFn = void(TESSALY_SICLAPI*)(INST id, int error);

using IopenFn = INST(TESSALY_SICLAPI*)(char* address);
using IcloseFn = int(TESSALY_SICLAPI*)(INST id);
using ItimeoutFn = int(TESSALY_SICLAPI*)(INST id, long milliseconds);
using IclearFn = int(TESSALY_SICLAPI*)(INST id);
using IremoteFn = int(TESSALY_SICLAPI*)(INST id);
using IlocalFn = int(TESSALY_SICLAPI*)(INST id);
using IwriteFn = int(TESSALY_SICLAPI*)(INST id, char* buffer, unsigned long length, int end, unsigned long* actual);
using IreadFn = int(TESSALY_SICLAPI*)(INST id, char* buffer, unsigned long size, int* reason, unsigned long* actual);
using IonerrorFn = int(TESSALY_SICLAPI*)(ErrorHandlerFn handler);
using IgeterrstrFn = char*(TESSALY_SICLAPI*)(int error);

} // namespace Sicl

// The library file: TESSALY_SICL_LIBRARY when set, else sicl32.dll on Windows and libsicl.so
// elsewhere.
std::string Sicl32LibraryName();

// The entry points of the library, as bound by name.
struct TSicl32Entries {
    Sicl::IopenFn iopen = nullptr;
    Sicl::IcloseFn iclose = nullptr;
    Sicl::ItimeoutFn itimeout = nullptr;
    Sicl::IclearFn iclear = nullptr;
    Sicl::IremoteFn iremote = nullptr;
    Sicl::IlocalFn ilocal = nullptr;
    Sicl::IwriteFn iwrite = nullptr;
    Sicl::IreadFn iread = nullptr;
    Sicl::IonerrorFn ionerror = nullptr;
    Sicl::IgeterrstrFn igeterrstr = nullptr;
};

// One loaded SICL library. Either all ten names are bound or the library is not loaded.
class TSicl32 : public TSicl32Entries {
public:
    TSicl32() = default;
    TSicl32(const TSicl32&) = delete;
    TSicl32& operator=(const TSicl32&) = delete;

    // Loads the library and binds every name; false (and nothing loaded) when the library
    // is missing or lacks any name.
    bool LoadSicl32();
    void FreeSicl32();
    bool Loaded() const { return library_.IsLoaded(); }

private:
    DynamicLibrary library_;
};
