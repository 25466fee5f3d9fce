#include "compare/KitComparison.h"

#include "analyzers/StdColumns.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <algorithm>
#include <charconv>

namespace {

// The class grid's label column.
constexpr int ClassLabelColumn = 9;

const char* const OpenUnits[] = {"fF", "1e-27 F/Hz", "1e-36 F/Hz^2", "1e-45 F/Hz^3"};
const char* const ShortUnits[] = {"pH", "1e-24 H/Hz", "1e-33 H/Hz^2", "1e-42 H/Hz^3"};

const std::string& ListEntry(const TStringList& names, unsigned ordinal, const std::string& fallback)
{
    return ordinal < names.size() ? names[ordinal] : fallback;
}

std::string TypeName(const TVna& vna, TStdType type)
{
    return ListEntry(vna.StdTypeNames, Ord(type), DisplayName(StdTypeDisplayNames, Ord(type)));
}

std::string LoadTypeName(const TVna& vna, const TStandard& standard)
{
    const TStringList& names = standard.StdType() == TStdType::ArbiZ ? vna.ArbLoadTypeNames : vna.LoadTypeNames;
    return ListEntry(names, Ord(standard.LoadType()), DisplayName(LoadTypeDisplayNames, Ord(standard.LoadType())));
}

std::string MediumName(const TVna& vna, TMedium medium)
{
    return ListEntry(vna.MediumNames, Ord(medium), DisplayName(MediumDisplayNames, Ord(medium)));
}

std::string CalTypeName(TCalType type)
{
    return type == ctTrl ? "TRL" : "SOLT"; // a new kit's 0 counts as SOLT
}

// The standard numbers of a class in their order, without the empty positions: what the
// analyzers are sent and what they give back.
std::vector<std::int32_t> StandardList(const TStdClass& stdClass)
{
    std::vector<std::int32_t> list;
    for (int position = 1; position <= TStdClass::PositionCount; ++position)
        if (stdClass.GetStd(position) != 0)
            list.push_back(stdClass.GetStd(position));
    return list;
}

std::string StandardListText(const std::vector<std::int32_t>& list)
{
    if (list.empty())
        return "none";
    std::string text;
    for (const std::int32_t number : list)
        text += (text.empty() ? "" : ",") + std::to_string(number);
    return text;
}

// Collects the differences of one place (the kit, a standard, a class).
class TPlace {
public:
    TPlace(std::vector<TKitDifference>& out, const TCompareRules& rules, TKitPage page, int number, std::string where)
        : out_(out), rules_(rules), page_(page), number_(number), where_(std::move(where))
    {
    }

    void Text(const std::string& field, const std::string& left, const std::string& right)
    {
        if (left != right)
            Add(field, left, right, {});
    }

    void Number(const std::string& field, TQuantity quantity, double left, double right, const std::string& unit)
    {
        if (!rules_.ToleranceOf(quantity).Accepts(left, right))
            Add(field, DifferenceNumber(left), DifferenceNumber(right), unit);
    }

private:
    void Add(const std::string& field, const std::string& left, const std::string& right, const std::string& unit)
    {
        out_.push_back({page_, number_, where_, field, left, right, unit});
    }

    std::vector<TKitDifference>& out_;
    const TCompareRules& rules_;
    TKitPage page_;
    int number_;
    std::string where_;
};

void CompareProperties(const TCalKit& left, const TCalKit& right, const TCompareRules& rules,
                       std::vector<TKitDifference>& out)
{
    const TVna& a = left.Vna();
    const TVna& b = right.Vna();
    const TKeptValues& kept = rules.Kept;
    TPlace kit(out, rules, TKitPage::Properties, 0, "kit");
    kit.Text("model", a.ModelName, b.ModelName);
    if (kept.KitLabel)
        kit.Text("label", left.Label(), right.Label());
    if (kept.Description)
        kit.Text("description", left.Description(), right.Description());
    if (kept.CalType && a.HasCalTypeChoice && b.HasCalTypeChoice)
        kit.Text("calibration type", CalTypeName(left.CalType()), CalTypeName(right.CalType()));
    if (kept.SystemZ0)
        kit.Number("system Z0", TQuantity::SystemZ0, left.SystemZ0(), right.SystemZ0(), "ohm");
    if (a.HasTrlCalZ0 && b.HasTrlCalZ0)
        kit.Text("TRL Cal Z0", DisplayName(TrlCalZ0DisplayNames, Ord(left.TrlCalZ0())),
                 DisplayName(TrlCalZ0DisplayNames, Ord(right.TrlCalZ0())));
    if (a.HasTrlSetRef && b.HasTrlSetRef)
        kit.Text("TRL Set Ref", DisplayName(TrlSetRefDisplayNames, Ord(left.TrlSetRef())),
                 DisplayName(TrlSetRefDisplayNames, Ord(right.TrlSetRef())));
    if (a.HasLowband && b.HasLowband)
        kit.Number("lowband frequency", TQuantity::Lowband, left.LowbandFrequency(), right.LowbandFrequency(), "GHz");
}

// The field of one standards-grid column, for a pair of standards of the same type.
void CompareColumn(int column, const TStandard& l, const TStandard& r, const TCompareRules& rules, TPlace& place)
{
    const TVna& a = l.Kit().Vna();
    const TVna& b = r.Kit().Vna();
    const TStdType type = l.StdType();
    if (column == StdColumn::C0 && type == TStdType::ArbiZ) {
        place.Number("terminal impedance", TQuantity::TermZ, l.TermZ(), r.TermZ(), "ohm");
    } else if (column >= StdColumn::C0 && column < StdColumn::C0 + 4) {
        const int n = column - StdColumn::C0;
        const bool inductance = type == TStdType::Short;
        const double left[] = {l.C0(), l.C1(), l.C2(), l.C3()};
        const double right[] = {r.C0(), r.C1(), r.C2(), r.C3()};
        place.Number((inductance ? "L" : "C") + std::to_string(n), TQuantity::Coefficient, left[n], right[n],
                     (inductance ? ShortUnits : OpenUnits)[n]);
    }
    switch (column) {
    case StdColumn::LoadType:
        if (rules.Kept.LoadTypes)
            place.Text("load type", LoadTypeName(a, l), LoadTypeName(b, r));
        break;
    case 8: place.Number("offset delay", TQuantity::OffsetDelay, l.OffsetDelay(), r.OffsetDelay(), "ps"); break;
    case 9: place.Number("offset Z0", TQuantity::OffsetZ0, l.OffsetZ0(), r.OffsetZ0(), "ohm"); break;
    case 10: place.Number("offset loss", TQuantity::OffsetLoss, l.OffsetLoss(), r.OffsetLoss(), "ohm/ns"); break;
    case 11: place.Number("min frequency", TQuantity::Frequency, l.MinFreq(), r.MinFreq(), "GHz"); break;
    case 12: place.Number("max frequency", TQuantity::Frequency, l.MaxFreq(), r.MaxFreq(), "GHz"); break;
    case 13: place.Text("medium", MediumName(a, l.Medium()), MediumName(b, r.Medium())); break;
    case StdColumn::Label:
        if (rules.Kept.StandardLabels)
            place.Text("label", l.Label(), r.Label());
        break;
    default: break;
    }
}

// A standard without a type against a thru: what a disk file makes of the former.
bool UntypedAndThru(TStdType a, TStdType b)
{
    return (a == TStdType::None && b == TStdType::Thru) || (a == TStdType::Thru && b == TStdType::None);
}

void CompareStandards(const TCalKit& left, const TCalKit& right, const TCompareRules& rules,
                      std::vector<TKitDifference>& out)
{
    const int count = std::min(left.Vna().NumStandards, right.Vna().NumStandards);
    for (int n = 1; n <= std::min(count, TCalKit::RecordCount - 1); ++n) {
        const TStandard& l = left.Standard(n);
        const TStandard& r = right.Standard(n);
        if (!rules.Kept.UntypedStandards && UntypedAndThru(l.StdType(), r.StdType()))
            continue;
        TPlace place(out, rules, TKitPage::Standards, n, "standard " + std::to_string(n));
        const TColumnSet leftColumns = left.Vna().GetStdColumns(l.StdType());
        const TColumnSet rightColumns = right.Vna().GetStdColumns(r.StdType());
        const bool sameType = l.StdType() == r.StdType();
        place.Text("type", TypeName(left.Vna(), l.StdType()), TypeName(right.Vna(), r.StdType()));
        // The coefficient and load-type columns mean something else for another type.
        for (int column = sameType ? StdColumn::Type + 1 : StdColumn::OffsetDelay; column <= StdColumn::Label; ++column)
            if (leftColumns.Contains(column) && rightColumns.Contains(column))
                CompareColumn(column, l, r, rules, place);
    }
}

// The class of model with the given analyzer code among 1..NumClasses, preferring number;
// 0 when it has none.
int ClassWithCode(const TVna& model, const std::string& code, int number)
{
    if (number <= model.NumClasses && model.GetClassInfo(number).Code == code)
        return number;
    for (int c = 1; c <= model.NumClasses; ++c)
        if (model.GetClassInfo(c).Code == code)
            return c;
    return 0;
}

TColumnSet ComparedClasses(const TCalKit& left, const TCalKit& right, const TCompareRules& rules)
{
    if (!rules.Kept.OnlyActiveClasses)
        return TColumnSet::Range(1, left.Vna().NumClasses);
    if (left.CalType() != ctTrl && right.CalType() == ctTrl)
        return right.ActiveClasses();
    return left.ActiveClasses();
}

void CompareClasses(const TCalKit& left, const TCalKit& right, const TCompareRules& rules,
                    std::vector<TKitDifference>& out)
{
    const TVna& a = left.Vna();
    const TVna& b = right.Vna();
    const bool labels = rules.Kept.ClassLabels && a.ClassColumns.Contains(ClassLabelColumn) &&
                        b.ClassColumns.Contains(ClassLabelColumn);
    const TColumnSet compared = ComparedClasses(left, right, rules);
    for (int c = 1; c <= std::min(a.NumClasses, TCalKit::RecordCount - 1); ++c) {
        const TStdClassInfo info = a.GetClassInfo(c);
        const int other = ClassWithCode(b, info.Code, c);
        if (!compared.Contains(c) || other == 0)
            continue;
        const TStdClass& l = left.StdClass(c);
        const TStdClass& r = right.StdClass(other);
        TPlace place(out, rules, TKitPage::Classes, c, "class " + info.Name);
        if (rules.Kept.ClassStandards)
            place.Text(ClassStandardsField, StandardListText(StandardList(l)), StandardListText(StandardList(r)));
        if (labels)
            place.Text("label", l.Label(), r.Label());
    }
}

} // namespace

std::vector<TKitDifference> CompareKits(const TCalKit& left, const TCalKit& right, const TCompareRules& rules)
{
    std::vector<TKitDifference> differences;
    CompareProperties(left, right, rules, differences);
    CompareStandards(left, right, rules, differences);
    CompareClasses(left, right, rules, differences);
    return differences;
}

std::vector<std::string> LeftOutValues(const TCompareRules& rules)
{
    const TKeptValues& k = rules.Kept;
    const std::pair<bool, const char*> values[] = {
        {k.StandardLabels, "standard labels"}, {k.LoadTypes, "load types"},
        {k.ClassStandards, "class assignments"}, {k.ClassLabels, "class labels"},
        {!k.OnlyActiveClasses, "classes of the other calibration type"},
        {k.KitLabel, "kit label"}, {k.Description, "description"},
        {k.CalType, "calibration type"}, {k.SystemZ0, "system Z0"},
    };
    std::vector<std::string> names;
    for (const auto& [kept, name] : values)
        if (!kept)
            names.emplace_back(name);
    return names;
}

std::string DifferenceLine(const TKitDifference& difference)
{
    std::string line = difference.Where;
    if (difference.Field != ClassStandardsField)
        line += " " + difference.Field;
    line += ": " + difference.Left + " -> " + difference.Right;
    if (!difference.Unit.empty())
        line += " " + difference.Unit;
    return line;
}

std::string DifferenceNumber(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}
