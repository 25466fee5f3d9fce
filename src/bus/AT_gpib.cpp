#include "bus/AT_gpib.h"

std::string Sicl32LibraryName()
{
#if defined(_WIN32)
    return LibraryNameFromEnvironment("TESSALY_SICL_LIBRARY", "sicl32.dll");
#else
    return LibraryNameFromEnvironment("TESSALY_SICL_LIBRARY", "libsicl.so");
#endif
}

bool TSicl32::LoadSicl32()
{
    FreeSicl32();
    if (!library_.Load(Sicl32LibraryName()))
        return false;
    bool all = true;
    all &= library_.Bind(iopen, "iopen");
    all &= library_.Bind(iclose, "iclose");
    all &= library_.Bind(itimeout, "itimeout");
    all &= library_.Bind(iclear, "iclear");
    all &= library_.Bind(iremote, "iremote");
    all &= library_.Bind(ilocal, "ilocal");
    all &= library_.Bind(iwrite, "iwrite");
    all &= library_.Bind(iread, "iread");
    all &= library_.Bind(ionerror, "ionerror");
    all &= library_.Bind(igeterrstr, "igeterrstr");
    if (!all)
        FreeSicl32();
    return all;
}

void TSicl32::FreeSicl32()
{
    static_cast<TSicl32Entries&>(*this) = TSicl32Entries{};
    library_.Free();
}
