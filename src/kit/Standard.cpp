#include "kit/Standard.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/RowClipboard.h"
#include "kit/RowRecords.h"
#include "kit/Utility.h"

#include <algorithm>

namespace {

// True when ordinal is below both the model's list length and the enumeration's size.
bool Offered(unsigned ordinal, std::size_t listCount, std::size_t enumCount)
{
    return ordinal < std::min(listCount, enumCount);
}

} // namespace

TStandard::TStandard(TCalKit& kit) : kit_(kit) {}

std::unique_ptr<TStandard> TStandard::Create(TCalKit& kit)
{
    return std::make_unique<TStandard>(kit);
}

std::unique_ptr<TStandard> TStandard::CreateWithLabel(TCalKit& kit, const std::string& label)
{
    auto standard = Create(kit);
    standard->values_.Label = label;
    return standard;
}

std::unique_ptr<TStandard> TStandard::CreateCopy(TCalKit& kit, const TStandard& source)
{
    auto standard = Create(kit);
    standard->Assign(source);
    return standard;
}

const TVna& TStandard::Model() const
{
    return kit_.Vna();
}

double TStandard::ClampCoefficient(double value) const
{
    const double limit = Model().MaxCoefficient;
    return ClampFloat(value, -limit, limit);
}

void TStandard::SetStdType(TStdType value)
{
    values_.StdType =
        Offered(Ord(value), Model().StdTypeNames.size(), StdTypeDisplayNames.size()) ? value : TStdType::None;
}

void TStandard::SetC0(double value) { values_.C0 = ClampCoefficient(value); }
void TStandard::SetC1(double value) { values_.C1 = ClampCoefficient(value); }
void TStandard::SetC2(double value) { values_.C2 = ClampCoefficient(value); }
void TStandard::SetC3(double value) { values_.C3 = ClampCoefficient(value); }

void TStandard::SetLoadType(TLoadType value)
{
    const TVna& vna = Model();
    const std::size_t enumCount = LoadTypeDisplayNames.size();
    if (values_.StdType == TStdType::Load && Offered(Ord(value), vna.LoadTypeNames.size(), enumCount))
        values_.LoadType = value;
    else if (values_.StdType == TStdType::ArbiZ && Offered(Ord(value), vna.ArbLoadTypeNames.size(), enumCount))
        values_.LoadType = value;
    else
        values_.LoadType = TLoadType::Fixed;
}

void TStandard::SetOffsetDelay(double value)
{
    const double limit = Model().MaxOffsetDelay;
    values_.OffsetDelay = ClampFloat(value, -limit, limit);
}

void TStandard::SetOffsetZ0(double value)
{
    values_.OffsetZ0 = ClampFloat(value, Model().MinOffsetZ0, Model().MaxOffsetZ0);
}

void TStandard::SetOffsetLoss(double value) { values_.OffsetLoss = ClampFloat(value, 0, Model().MaxOffsetLoss); }
void TStandard::SetMinFreq(double value) { values_.MinFreq = ClampFloat(value, 0, Model().MaxMinFreq); }
void TStandard::SetMaxFreq(double value) { values_.MaxFreq = ClampFloat(value, 0, Model().MaxMaxFreq); }

void TStandard::SetMedium(TMedium value)
{
    values_.Medium =
        Offered(Ord(value), Model().MediumNames.size(), MediumDisplayNames.size()) ? value : TMedium::Coax;
}

void TStandard::SetTermZ(double value) { values_.TermZ = ClampFloat(value, 0, Model().MaxTermZ); }

void TStandard::SetLabel(const std::string& value)
{
    values_.Label = FirstChars(value, Model().StdLabelLength);
}

void TStandard::SetValues(const TStandardValues& values)
{
    SetStdType(values.StdType);
    SetC0(values.C0);
    SetC1(values.C1);
    SetC2(values.C2);
    SetC3(values.C3);
    SetLoadType(values.LoadType);
    SetOffsetDelay(values.OffsetDelay);
    SetOffsetZ0(values.OffsetZ0);
    SetOffsetLoss(values.OffsetLoss);
    SetMinFreq(values.MinFreq);
    SetMaxFreq(values.MaxFreq);
    SetMedium(values.Medium);
    SetTermZ(values.TermZ);
    SetLabel(values.Label);
}

void TStandard::Assign(const TStandard& source)
{
    // A copy first, so that assigning a standard to itself reads unchanged values.
    const TStandardValues from = source.values_;
    SetStdType(from.StdType);
    SetC0(from.C0);
    SetC1(from.C1);
    SetC2(from.C2);
    SetC3(from.C3);
    SetLoadType(from.LoadType);
    SetOffsetDelay(from.OffsetDelay);
    SetOffsetZ0(from.OffsetZ0);
    SetOffsetLoss(from.OffsetLoss);
    SetMinFreq(from.MinFreq);
    SetMaxFreq(from.MaxFreq);
    SetMedium(from.Medium);
    SetLabel(from.Label);
    SetTermZ(from.TermZ);
}

void TStandard::Revalidate()
{
    const TStandardValues current = values_;
    SetValues(current);
}

void TStandard::Clear()
{
    SetStdType(TStdType::None);
}

void TStandard::CopyToClipboard(TRowClipboard& clipboard) const
{
    clipboard.Put(VnaStandardFormat, EncodeStandardRecord(values_));
}

bool TStandard::PasteFromClipboard(const TRowClipboard& clipboard)
{
    const auto block = clipboard.Get(VnaStandardFormat);
    if (!block)
        return false;
    const auto values = DecodeStandardRecord(*block);
    if (!values)
        return false;
    SetValues(*values);
    return true;
}

void TStandard::Cut(TRowClipboard& clipboard)
{
    CopyToClipboard(clipboard);
    Clear();
}
