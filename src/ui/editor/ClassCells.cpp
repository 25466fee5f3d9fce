#include "ui/editor/ClassCells.h"

#include "kit/CalKit.h"
#include "kit/StdClass.h"
#include "kit/Utility.h"

namespace {

// The integer a number cell's text stands for; none when it is no integer.
std::optional<std::int32_t> CellInteger(const std::string& text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed == "-")
        return 0;
    std::int32_t value = 0;
    if (TryParseInt(trimmed, value))
        return value;
    return std::nullopt;
}

}  // namespace

bool IsClassNumberColumn(int column)
{
    return column >= ClassColumn::FirstStd && column <= ClassColumn::LastStd;
}

std::optional<std::string> ClassCellText(const TStdClass& stdClass, int row, int column)
{
    const TVna& vna = stdClass.Kit().Vna();
    if (column == ClassColumn::Name)
        return vna.GetClassInfo(row).Name;
    if (column < ClassColumn::FirstStd || column > ClassColumn::Count || !vna.ClassColumns.Contains(column))
        return std::nullopt;
    if (column == ClassColumn::Label)
        return stdClass.Label();
    const std::int32_t number = stdClass.GetStd(column - 1);
    return number == 0 ? std::string() : std::to_string(number);
}

bool ClassCellAcceptsKey(int column, char16_t character)
{
    if (column >= ClassColumn::Label)
        return true;
    return character == 8 || character == 9 || character == 13 || character == 27 ||
           (character >= u'0' && character <= u'9');
}

bool ApplyClassCell(TStdClass& stdClass, int column, const std::string& text, const std::string& fallbackText)
{
    if (column == ClassColumn::Label) {
        stdClass.SetLabel(text);
        return true;
    }
    if (!IsClassNumberColumn(column))
        return true;
    std::optional<std::int32_t> number = CellInteger(text);
    const bool converted = number.has_value();
    if (!converted)
        number = CellInteger(fallbackText);
    stdClass.SetStd(column - 1, number.value_or(0));
    return converted;
}
