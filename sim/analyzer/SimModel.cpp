#include "SimModel.h"

#include "SimSyntax.h"

namespace {

constexpr SimModel kModels[] = {
    // name, family, identity, trlSettings, shortInductance, lowband, classes
    {"PNA", SimFamily::Pna, "Agilent Technologies,E8358A,SIM0000001,A.04.85", false, true, false, 8},
    {"PNA 3port", SimFamily::Pna, "Agilent Technologies,N5230A,SIM0000002,A.06.04.32", false, true, false, 15},
    {"8510A", SimFamily::Hp8510, "HEWLETT PACKARD,8510A,0,A.04.31", false, false, false, 0},
    {"8510B", SimFamily::Hp8510, "HEWLETT PACKARD,8510B,0,B.06.22", true, true, true, 0},
    {"8510C", SimFamily::Hp8510, "HEWLETT PACKARD,8510C,0,C.07.14", true, true, true, 0},
    {"8719A", SimFamily::Hp8753, "HEWLETT PACKARD,8719A,0,1.07", false, false, false, 0},
    {"8719C", SimFamily::Hp8753, "HEWLETT PACKARD,8719C,0,3.04", true, false, false, 0},
    {"8719D/E", SimFamily::Hp8753, "HEWLETT PACKARD,8719ES,0,7.74", true, false, false, 0},
    {"8720A/B", SimFamily::Hp8753, "HEWLETT PACKARD,8720B,0,1.07", false, false, false, 0},
    {"8720B/C", SimFamily::Hp8753, "HEWLETT PACKARD,8720C,0,3.04", true, false, false, 0},
    {"8720D/E", SimFamily::Hp8753, "HEWLETT PACKARD,8720ES,0,7.74", true, false, false, 0},
    {"8722A/C", SimFamily::Hp8753, "HEWLETT PACKARD,8722C,0,3.04", true, false, false, 0},
    {"8722D/E", SimFamily::Hp8753, "HEWLETT PACKARD,8722ES,0,7.74", true, false, false, 0},
    {"8752A/B/C", SimFamily::Hp8753, "HEWLETT PACKARD,8752C,0,4.13", false, false, false, 0},
    {"8753A/B/C", SimFamily::Hp8753, "HEWLETT PACKARD,8753C,0,4.13", false, false, false, 0},
    {"8753Dtrl", SimFamily::Hp8753, "HEWLETT PACKARD,8753D,0,6.10", false, false, false, 0},
    {"8753D/E", SimFamily::Hp8753, "HEWLETT PACKARD,8753ES,0,7.74", true, false, false, 0},
};

constexpr const SimModel& kDefaultModel = kModels[16];

} // namespace

const SimModel& FindSimModel(const std::string& name)
{
    std::string wanted = UpperAscii(TrimBlanks(name));
    const std::string prefix = "AGILENT ";
    if (wanted.compare(0, prefix.size(), prefix) == 0)
        wanted = TrimBlanks(wanted.substr(prefix.size()));
    for (const SimModel& model : kModels) {
        if (UpperAscii(model.name) == wanted)
            return model;
    }
    return kDefaultModel;
}

int StandardsPerKit(SimFamily family)
{
    return family == SimFamily::Hp8510 ? 21 : 8;
}

int KitSlots(SimFamily family)
{
    switch (family) {
    case SimFamily::Hp8753: return 1;
    case SimFamily::Hp8510: return 2;
    case SimFamily::Pna: return 10;
    }
    return 1;
}

const char* FamilySection(SimFamily family)
{
    switch (family) {
    case SimFamily::Hp8753: return "8753";
    case SimFamily::Hp8510: return "8510";
    case SimFamily::Pna: return "PNA";
    }
    return "8753";
}
