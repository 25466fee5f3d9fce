#include "compare/CompareRules.h"

#include "analyzers/Family8510.h"
#include "analyzers/Family8753.h"
#include "analyzers/Pna.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// Disk files. A number is made a 32-bit float (half a unit in the 24th bit: 2^-24 of it),
// then its mantissa is rounded to 32 bits and the low byte dropped. The mantissa of a value
// below 1 lies above 2^29, of any other above 2^30, so the dropped byte costs less than
// 2^8 / 2^29 = 2^-21 of it. The twelve-digit constant for log10(2) and the double arithmetic
// of the scaling add far less than 1e-12. Reading rounds coefficients, offsets and the
// terminal impedance to 5 decimals and frequencies to 3 (half a unit of the last decimal
// each); the system Z0 and the low-band frequency are not rounded.
constexpr double DiskRelative = 0x1p-24 + 0x1p-21 + 1e-12;
constexpr double FiveDecimals = 0.5e-5;
constexpr double ThreeDecimals = 0.5e-3;

// Transfers. Numbers go out in the general format with 15 significant digits and the
// analyzers answer in scientific notation with up to 15, each half a unit in the 15th digit
// (5e-15 of the value), and the unit conversions on either side add a few units in the last
// place of a double; the reply is scaled and rounded to 4 decimals.
constexpr double TransferRelative = 2 * 5e-15 + 8 * DBL_EPSILON;
constexpr double FourDecimals = 0.5e-4;

constexpr TTolerance Exact{};
constexpr TTolerance DiskRounded{DiskRelative, FiveDecimals};
constexpr TTolerance DiskFrequency{DiskRelative, ThreeDecimals};
constexpr TTolerance DiskUnrounded{DiskRelative, 0};
constexpr TTolerance Transfer{TransferRelative, FourDecimals};

// Rows: TNumberPath. Columns: Coefficient, TermZ, OffsetDelay, OffsetZ0, OffsetLoss,
// Frequency, SystemZ0, Lowband.
constexpr std::array<TToleranceSet, 3> PathTolerances{{
    {Exact, Exact, Exact, Exact, Exact, Exact, Exact, Exact},
    {DiskRounded, DiskRounded, DiskRounded, DiskRounded, DiskRounded, DiskFrequency, DiskUnrounded, DiskUnrounded},
    {Transfer, Transfer, Transfer, Transfer, Transfer, Transfer, Transfer, Transfer},
}};

TToleranceSet TolerancesOf(TNumberPath path)
{
    return PathTolerances[static_cast<std::size_t>(path)];
}

} // namespace

TKeptValues UploadKeeps(const TVna& vna)
{
    TKeptValues kept;
    if (dynamic_cast<const TLegacy*>(&vna) != nullptr)
        kept.KitLabel = kept.StandardLabels = kept.ClassStandards = kept.ClassLabels = false;
    if (dynamic_cast<const T8753Family*>(&vna) != nullptr)
        kept.LoadTypes = false;
    if (dynamic_cast<const TPna*>(&vna) != nullptr)
        kept.ClassLabels = false;
    return kept;
}

TKeptValues DiskFileKeeps(const TVna& format)
{
    TKeptValues kept;
    kept.UntypedStandards = false;
    if (dynamic_cast<const T8510Family*>(&format) != nullptr)
        kept.SystemZ0 = false;
    if (dynamic_cast<const T8753Family*>(&format) != nullptr)
        kept.OnlyActiveClasses = true;
    return kept;
}

bool TTolerance::Accepts(double a, double b) const
{
    if (a == b)
        return true;
    const double limit = Relative * std::max(std::fabs(a), std::fabs(b)) + Absolute;
    return std::fabs(a - b) <= limit;
}

TTolerance TTolerance::operator+(const TTolerance& other) const
{
    return {Relative + other.Relative, Absolute + other.Absolute};
}

const TTolerance& PathTolerance(TNumberPath path, TQuantity quantity)
{
    return PathTolerances[static_cast<std::size_t>(path)][static_cast<std::size_t>(quantity)];
}

TKeptValues TCompareRules::EverythingKept()
{
    TKeptValues kept;
    kept.Description = true;
    kept.CalType = true;
    return kept;
}

TCompareRules TCompareRules::KitFile()
{
    return {EverythingKept(), TolerancesOf(TNumberPath::KitFile)};
}

TCompareRules TCompareRules::DiskFile(const TVna& format)
{
    return {DiskFileKeeps(format), TolerancesOf(TNumberPath::DiskFile)};
}

TCompareRules TCompareRules::ReadBack(const TVna& vna)
{
    return {UploadKeeps(vna), TolerancesOf(TNumberPath::Transfer)};
}

TCompareRules TCompareRules::CombinedWith(const TCompareRules& other) const
{
    TCompareRules combined;
    const TKeptValues& a = Kept;
    const TKeptValues& b = other.Kept;
    combined.Kept = {.KitLabel = a.KitLabel && b.KitLabel,
                     .Description = a.Description && b.Description,
                     .CalType = a.CalType && b.CalType,
                     .SystemZ0 = a.SystemZ0 && b.SystemZ0,
                     .StandardLabels = a.StandardLabels && b.StandardLabels,
                     .LoadTypes = a.LoadTypes && b.LoadTypes,
                     .ClassStandards = a.ClassStandards && b.ClassStandards,
                     .ClassLabels = a.ClassLabels && b.ClassLabels,
                     .UntypedStandards = a.UntypedStandards && b.UntypedStandards,
                     .OnlyActiveClasses = a.OnlyActiveClasses || b.OnlyActiveClasses};
    for (std::size_t q = 0; q < QuantityCount; ++q)
        combined.Tolerances[q] = Tolerances[q] + other.Tolerances[q];
    return combined;
}

TCompareRules TCompareRules::WithRelativeTolerance(double relative) const
{
    TCompareRules widened = *this;
    for (TTolerance& tolerance : widened.Tolerances)
        tolerance.Relative = std::max(tolerance.Relative, relative);
    return widened;
}
