#include "analyzers/Vna.h"

#include <algorithm>

TColumnSet TColumnSet::Range(int first, int last)
{
    TColumnSet s;
    s.IncludeRange(first, last);
    return s;
}

TColumnSet TColumnSet::Of(std::initializer_list<int> members)
{
    TColumnSet s;
    for (int m : members)
        s.Include(m);
    return s;
}

void TColumnSet::Include(int n)
{
    if (n >= 0 && n < 40)
        bits_ |= (std::uint64_t{1} << n);
}

void TColumnSet::Exclude(int n)
{
    if (n >= 0 && n < 40)
        bits_ &= ~(std::uint64_t{1} << n);
}

void TColumnSet::IncludeRange(int first, int last)
{
    for (int n = first; n <= last; ++n)
        Include(n);
}

std::vector<int> TColumnSet::Members() const
{
    std::vector<int> out;
    for (int n = 0; n < 40; ++n)
        if (Contains(n))
            out.push_back(n);
    return out;
}

TStdClassInfo MakeClassInfo(const std::string& name, std::int32_t helpContext, const std::string& code,
                            const std::string& defaultLabel)
{
    return TStdClassInfo{name, helpContext, code, defaultLabel};
}

TVna::TVna()
{
    ColumnHeadings = {"",           "Standard\rType", "C0/L0\rTerm Z", "C1/L1",     "C2/L2",
                      "C3/L3",      "Load\rType",     "Offset\rDelay", "Offset\rZ0", "Offset\rLoss",
                      "Min\rFreq",  "Max\rFreq",      "Medium",        "Standard\rLabel"};
    StdTypeNames = {"none", "Short", "Open", "Load", "Thru/Line"};
    LoadTypeNames = {"Fixed"};
    ArbLoadTypeNames = {"Fixed"};
    MediumNames = {"Coax"};
    ClassInfo.assign(32, TStdClassInfo{});

    StdColumns[Ord(TStdType::None)] = TColumnSet::Of({2});
    StdColumns[Ord(TStdType::Short)] = TColumnSet{};
    StdColumns[Ord(TStdType::Open)] = TColumnSet::Range(2, 6);
    StdColumns[Ord(TStdType::Open)].IncludeRange(8, 14);
    StdColumns[Ord(TStdType::Load)] = TColumnSet::Range(2, 2);
    StdColumns[Ord(TStdType::Load)].IncludeRange(7, 14);
    StdColumns[Ord(TStdType::Thru)] = TColumnSet::Range(2, 2);
    StdColumns[Ord(TStdType::Thru)].IncludeRange(8, 14);
    StdColumns[Ord(TStdType::ArbiZ)] = TColumnSet::Range(2, 3);
    StdColumns[Ord(TStdType::ArbiZ)].IncludeRange(7, 14);

    auto& none = StdHints[Ord(TStdType::None)];
    auto& thru = StdHints[Ord(TStdType::Thru)];
    const std::string typeHint = "Standard Type: short, open, load, thru/delay, or arbitrary impedance";
    none[0] = typeHint;
    for (int c = 3; c <= 14; ++c)
        none[c - 2] = "not applicable";
    thru[0] = typeHint;
    for (int c = 3; c <= 7; ++c)
        thru[c - 2] = "not applicable";
    const char* thruHints[] = {"Offset Delay (psec)",
                               "Offset Z0 (ohm)",
                               "Offset Loss (ohm/nsec)",
                               "Minimum Frequency (GHz)",
                               "Maximum Frequency (GHz)",
                               "Transmission Medium: Coax or Waveguide",
                               "Standard Label (10 characters max)"};
    for (int c = 8; c <= 14; ++c)
        thru[c - 2] = thruHints[c - 8];
    for (TStdType t : {TStdType::Short, TStdType::Open, TStdType::Load, TStdType::ArbiZ})
        StdHints[Ord(t)] = thru;
    auto& open = StdHints[Ord(TStdType::Open)];
    open[3 - 2] = "C0 (x 10e-15 F)";
    open[4 - 2] = "C1 (x 10e-27 F/Hz)";
    open[5 - 2] = "C2 (x 10e-36 F/Hz^2)";
    open[6 - 2] = "C3 (x 10e-45 F/Hz^3)";
    StdHints[Ord(TStdType::ArbiZ)][3 - 2] = "Terminal Impedance (ohm)";

    KitHints = {"Calibration Kit Label used by the VNA - 8 characters max",
                "Optional description used only in this program - (256 char max)",
                "Determines what sets the characteristic impedance in a TRL cal",
                "Minimum frequency for coaxial TRL calibrations (GHz)",
                "Characteristic impedance of VNA test ports (ohm)",
                "Determines what sets the reference planes in a TRL cal",
                "Must choose type of calibration for 8753/8720 family"};
}

void TVna::NotImplemented(const char* operation) const
{
    throw std::logic_error(std::string(operation) + " is not available for the model " + ModelName + ".");
}

void TVna::DownloadKit(TCalKit&, TGpibCard&, const TProgressProc&) { NotImplemented("DownloadKit"); }
void TVna::UploadKit(TCalKit&, TGpibCard&, const TProgressProc&) { NotImplemented("UploadKit"); }
std::string TVna::Identify(TGpibCard&) { NotImplemented("Identify"); }
void TVna::WriteDiskFile(TCalKit&, const std::string&) { NotImplemented("WriteDiskFile"); }
void TVna::ReadDiskFile(TCalKit&, const std::string&) { NotImplemented("ReadDiskFile"); }

TColumnSet TVna::GetStdColumns(TStdType type) const
{
    const unsigned ordinal = Ord(type) % 128u;
    return ordinal < StdColumns.size() ? StdColumns[ordinal] : TColumnSet{};
}

std::string TVna::GetStdHint(TStdType type, int column) const
{
    const unsigned ordinal = Ord(type);
    if (column < 2 || column > 14 || ordinal >= StdHints.size())
        return {};
    return StdHints[ordinal][column - 2];
}

std::string TVna::GetClassHint(int column) const
{
    if (column < 2 || column > 9)
        return {};
    return ClassHints[column - 2];
}

std::string TVna::GetKitHint(int index) const
{
    if (index < 1 || index > 7)
        return {};
    return KitHints[index - 1];
}

TStdClassInfo TVna::GetClassInfo(int classNumber) const
{
    if (classNumber >= 1 && classNumber <= NumClasses && classNumber < 256 &&
        classNumber < static_cast<int>(ClassInfo.size()))
        return ClassInfo[classNumber];
    return ClassInfo.empty() ? TStdClassInfo{} : ClassInfo[0];
}

void TVna::SelectOption(int i)
{
    SelectedOption = ClampInt(i, 1, static_cast<int>(GpibOptions.size()));
}

std::string TVna::OptionCaption(const std::string& entry)
{
    const auto eq = entry.find('=');
    return eq == std::string::npos ? entry : entry.substr(0, eq);
}

std::string TVna::OptionCommand(const std::string& entry)
{
    const auto eq = entry.find('=');
    return eq == std::string::npos ? std::string{} : entry.substr(eq + 1);
}
