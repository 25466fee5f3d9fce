#include "analyzers/ModelSetup.h"

#include <stdexcept>

void SetIdentity(TVna& vna, const TModelIdentity& identity)
{
    vna.ModelIndex = identity.Index;
    vna.ModelName = identity.Name;
    vna.ModelHint = identity.Hint;
    vna.HelpOffset = identity.HelpOffset;
}

void SetClassInfo(TVna& vna, int first, std::initializer_list<TStdClassInfo> entries)
{
    if (first < 0 || first + static_cast<int>(entries.size()) > static_cast<int>(vna.ClassInfo.size()))
        throw std::out_of_range("Class table entries lie outside the 32 class numbers.");
    int n = first;
    for (const TStdClassInfo& entry : entries)
        vna.ClassInfo[n++] = entry;
}

void SetLoadTypeHint(TVna& vna, TStdType type, const std::string& hint)
{
    vna.StdHints[Ord(type)][7 - 2] = hint;
}

void SetShortInductanceHints(TVna& vna)
{
    auto& shortHints = vna.StdHints[Ord(TStdType::Short)];
    shortHints[3 - 2] = "L0 (x 10e-12 H)";
    shortHints[4 - 2] = "L1 (x 10e-24 H/Hz)";
    shortHints[5 - 2] = "L2 (x 10e-33 H/Hz^2)";
    shortHints[6 - 2] = "L3 (x 10e-42 H/Hz^3)";
}

std::string StandardNumberHint(std::int32_t numStandards)
{
    return "Standard Number: 1 to " + std::to_string(numStandards);
}
