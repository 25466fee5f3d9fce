// Readable test failure output for class-table entries.
#pragma once

#include "analyzers/Vna.h"

#include <ostream>

inline void PrintTo(const TStdClassInfo& info, std::ostream* os)
{
    *os << "{\"" << info.Name << "\", " << info.HelpContext << ", \"" << info.Code << "\", \"" << info.DefaultLabel
        << "\"}";
}
