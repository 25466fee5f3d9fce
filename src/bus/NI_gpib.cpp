#include "bus/NI_gpib.h"

std::string Gpib32LibraryName()
{
#if defined(_WIN32)
    return LibraryNameFromEnvironment("TESSALY_GPIB32_LIBRARY", "GPIB-32.DLL");
#else
    return LibraryNameFromEnvironment("TESSALY_GPIB32_LIBRARY", "libgpib.so.0");
#endif
}

bool TGpib32::LoadGpib32()
{
    FreeGpib32();
    if (!library_.Load(Gpib32LibraryName()))
        return false;
    const bool statusFound = BindStatusVariables("user_ibsta", "user_iberr", "user_ibcnt") ||
                             BindStatusVariables("ibsta", "iberr", "ibcnt");
    if (!statusFound || !BindEntryPoints()) {
        FreeGpib32();
        return false;
    }
    return true;
}

void TGpib32::FreeGpib32()
{
    static_cast<TGpib32Entries&>(*this) = TGpib32Entries{};
    library_.Free();
}

bool TGpib32::BindStatusVariables(const char* staName, const char* errName, const char* cntName)
{
    // Evaluate every lookup so that a partial set leaves nothing half bound.
    const bool sta = library_.Bind(ibsta, staName);
    const bool err = library_.Bind(iberr, errName);
    const bool cnt = library_.Bind(ibcnt, cntName);
    if (sta && err && cnt)
        return true;
    ibsta = iberr = ibcnt = nullptr;
    return false;
}

bool TGpib32::BindEntryPoints()
{
    bool all = true;
    all &= library_.Bind(ibonl, "ibonl");
    all &= library_.Bind(ibtmo, "ibtmo");
    all &= library_.Bind(DevClear, "DevClear");
    all &= library_.Bind(EnableLocal, "EnableLocal");
    all &= library_.Bind(EnableRemote, "EnableRemote");
    all &= library_.Bind(FindLstn, "FindLstn");
    all &= library_.Bind(Receive, "Receive");
    all &= library_.Bind(ResetSys, "ResetSys");
    all &= library_.Bind(Send, "Send");
    all &= library_.Bind(SendIFC, "SendIFC");
    all &= library_.Bind(ThreadIbsta, "ThreadIbsta");
    all &= library_.Bind(ThreadIberr, "ThreadIberr");
    all &= library_.Bind(ThreadIbcnt, "ThreadIbcnt");
    all &= library_.Bind(ThreadIbcntl, "ThreadIbcntl");
    return all;
}
