#include "ui/editor/StandardCells.h"

#include <algorithm>
#include <cctype>

#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "kit/Standard.h"

namespace {

constexpr int CellDigits = 10;

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The entry's index in list, 0 when it is not there.
int IndexInList(const TStringList& list, const std::string& text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EqualIgnoringCase(list[i], text))
            return static_cast<int>(i);
    return 0;
}

std::string ListEntry(const TStringList& list, unsigned ordinal)
{
    return ordinal < list.size() ? list[ordinal] : std::string();
}

// The number a cell's text stands for; none when it is no number.
std::optional<double> CellNumber(const std::string& text, char decimalSeparator)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed == "-")
        return 0.0;
    double value = 0;
    if (TryParseFloat(trimmed, value, decimalSeparator))
        return value;
    return std::nullopt;
}

}  // namespace

bool IsNumericStandardColumn(int column)
{
    return (column >= StdColumn::C0 && column <= StdColumn::C3) ||
           (column >= StdColumn::OffsetDelay && column <= StdColumn::MaxFreq);
}

bool IsPickListStandardColumn(int column)
{
    return column == StdColumn::Type || column == StdColumn::LoadType || column == StdColumn::Medium;
}

std::string FormatCellNumber(double value, char decimalSeparator)
{
    return FormatNumber(value, decimalSeparator, CellDigits);
}

bool IsNumericCellText(const std::string& text, char decimalSeparator)
{
    return CellNumber(text, decimalSeparator).has_value();
}

bool StandardColumnApplies(const TStandard& standard, int column)
{
    if (column == StdColumn::Number || column == StdColumn::Type)
        return true;
    return standard.Kit().Vna().GetStdColumns(standard.StdType()).Contains(column);
}

std::optional<std::string> StandardCellText(const TStandard& standard, int row, int column,
                                            char decimalSeparator)
{
    if (column < StdColumn::Number || column > StdColumn::Count)
        return std::nullopt;
    if (!StandardColumnApplies(standard, column))
        return std::nullopt;
    const TVna& vna = standard.Kit().Vna();
    const auto number = [decimalSeparator](double value) { return FormatCellNumber(value, decimalSeparator); };
    switch (column) {
    case StdColumn::Number:
        return "#" + std::to_string(row);
    case StdColumn::Type:
        return standard.StdType() == TStdType::None ? std::string() : ListEntry(vna.StdTypeNames, Ord(standard.StdType()));
    case StdColumn::C0:
        return number(standard.StdType() == TStdType::ArbiZ ? standard.TermZ() : standard.C0());
    case StdColumn::C1:
        return number(standard.C1());
    case StdColumn::C2:
        return number(standard.C2());
    case StdColumn::C3:
        return number(standard.C3());
    case StdColumn::LoadType:
        return ListEntry(vna.LoadTypeNames, Ord(standard.LoadType()));
    case StdColumn::OffsetDelay:
        return number(standard.OffsetDelay());
    case StdColumn::OffsetZ0:
        return number(standard.OffsetZ0());
    case StdColumn::OffsetLoss:
        return number(standard.OffsetLoss());
    case StdColumn::MinFreq:
        return number(standard.MinFreq());
    case StdColumn::MaxFreq:
        return number(standard.MaxFreq());
    case StdColumn::Medium:
        return ListEntry(vna.MediumNames, Ord(standard.Medium()));
    default:
        return standard.Label();
    }
}

const TStringList* StandardPickList(const TStandard& standard, int column)
{
    const TVna& vna = standard.Kit().Vna();
    switch (column) {
    case StdColumn::Type:
        return &vna.StdTypeNames;
    case StdColumn::LoadType:
        return standard.StdType() == TStdType::ArbiZ ? &vna.ArbLoadTypeNames : &vna.LoadTypeNames;
    case StdColumn::Medium:
        return &vna.MediumNames;
    default:
        return nullptr;
    }
}

bool ApplyStandardCell(TStandard& standard, int column, const std::string& text,
                       const std::string& fallbackText, char decimalSeparator)
{
    const TVna& vna = standard.Kit().Vna();
    bool converted = true;
    double value = 0;
    if (IsNumericStandardColumn(column)) {
        std::optional<double> number = CellNumber(text, decimalSeparator);
        if (!number) {
            converted = false;
            number = CellNumber(fallbackText, decimalSeparator);
        }
        value = number.value_or(0.0);
    }

    switch (column) {
    case StdColumn::Type:
        standard.SetStdType(static_cast<TStdType>(IndexInList(vna.StdTypeNames, text)));
        break;
    case StdColumn::C0:
        if (standard.StdType() == TStdType::ArbiZ)
            standard.SetTermZ(value);
        else
            standard.SetC0(value);
        break;
    case StdColumn::C1:
        standard.SetC1(value);
        break;
    case StdColumn::C2:
        standard.SetC2(value);
        break;
    case StdColumn::C3:
        standard.SetC3(value);
        break;
    case StdColumn::LoadType:
        standard.SetLoadType(static_cast<TLoadType>(IndexInList(vna.LoadTypeNames, text)));
        break;
    case StdColumn::OffsetDelay:
        standard.SetOffsetDelay(value);
        break;
    case StdColumn::OffsetZ0:
        standard.SetOffsetZ0(value);
        break;
    case StdColumn::OffsetLoss:
        standard.SetOffsetLoss(value);
        break;
    case StdColumn::MinFreq:
        standard.SetMinFreq(value);
        break;
    case StdColumn::MaxFreq:
        standard.SetMaxFreq(value);
        break;
    case StdColumn::Medium:
        standard.SetMedium(static_cast<TMedium>(IndexInList(vna.MediumNames, text)));
        break;
    case StdColumn::Label:
        standard.SetLabel(text);
        break;
    default:
        return false;
    }
    standard.Revalidate();
    return converted;
}
