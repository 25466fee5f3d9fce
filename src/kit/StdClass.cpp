#include "kit/StdClass.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/RowClipboard.h"
#include "kit/RowRecords.h"
#include "kit/Utility.h"

TStdClass::TStdClass(TCalKit& kit) : kit_(kit) {}

std::unique_ptr<TStdClass> TStdClass::Create(TCalKit& kit)
{
    return std::make_unique<TStdClass>(kit);
}

std::unique_ptr<TStdClass> TStdClass::CreateWithLabel(TCalKit& kit, const std::string& label)
{
    auto stdClass = Create(kit);
    stdClass->values_.Label = label;
    return stdClass;
}

std::unique_ptr<TStdClass> TStdClass::CreateCopy(TCalKit& kit, const TStdClass& source)
{
    auto stdClass = Create(kit);
    stdClass->Assign(source);
    return stdClass;
}

const TVna& TStdClass::Model() const
{
    return kit_.Vna();
}

std::int32_t TStdClass::GetStd(int i) const
{
    return i >= 1 && i <= PositionCount ? values_.Std[static_cast<std::size_t>(i - 1)] : 0;
}

void TStdClass::SetStd(int i, std::int32_t n)
{
    if (i < 1 || i > PositionCount)
        return;
    values_.Std[static_cast<std::size_t>(i - 1)] = n >= 1 && n <= Model().NumStandards ? n : 0;
}

void TStdClass::SetLabel(const std::string& value)
{
    values_.Label = FirstChars(value, Model().ClassLabelLength);
}

void TStdClass::SetValues(const TStdClassValues& values)
{
    for (int i = 1; i <= PositionCount; ++i)
        SetStd(i, values.Std[static_cast<std::size_t>(i - 1)]);
    SetLabel(values.Label);
}

void TStdClass::Assign(const TStdClass& source)
{
    const TStdClassValues from = source.values_;
    SetValues(from);
}

void TStdClass::Revalidate()
{
    const TStdClassValues current = values_;
    SetValues(current);
}

void TStdClass::Clear()
{
    values_ = TStdClassValues{};
}

void TStdClass::CopyToClipboard(TRowClipboard& clipboard) const
{
    clipboard.Put(VnaStdClassFormat, EncodeStdClassRecord(values_));
}

bool TStdClass::PasteFromClipboard(const TRowClipboard& clipboard)
{
    const auto block = clipboard.Get(VnaStdClassFormat);
    if (!block)
        return false;
    const auto values = DecodeStdClassRecord(*block);
    if (!values)
        return false;
    SetValues(*values);
    return true;
}

void TStdClass::Cut(TRowClipboard& clipboard)
{
    CopyToClipboard(clipboard);
    Clear();
}
