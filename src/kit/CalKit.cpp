#include "kit/CalKit.h"

#include "kit/Utility.h"

#include <stdexcept>

TCalKit::TCalKit(TVna& vna) : vna_(&vna), dateLastModified_(TodayOleDate())
{
    for (int n = 0; n < RecordCount; ++n)
        standards_[static_cast<std::size_t>(n)] = TStandard::CreateWithLabel(*this, "std" + std::to_string(n));
    for (int n = 0; n < RecordCount; ++n)
        classes_[static_cast<std::size_t>(n)] =
            TStdClass::CreateWithLabel(*this, vna.GetClassInfo(n).DefaultLabel);
}

TCalKit::~TCalKit() = default;

std::unique_ptr<TCalKit> TCalKit::Create(TVna& vna)
{
    return std::make_unique<TCalKit>(vna);
}

std::unique_ptr<TCalKit> TCalKit::CreateCopy(const TCalKit& source)
{
    auto kit = Create(source.Vna());
    kit->Assign(source);
    return kit;
}

void TCalKit::SetLabel(const std::string& value)
{
    label_ = FirstChars(value, vna_->KitLabelLength);
}

void TCalKit::SetDescription(const std::string& value)
{
    description_ = Trim(FirstChars(value, MaxDescriptionLength));
}

void TCalKit::SetDateLastModified(double value) { dateLastModified_ = value; }
void TCalKit::SetCalType(TCalType value) { calType_ = value; }

void TCalKit::SetLowbandFrequency(double value)
{
    lowbandFrequency_ = ClampFloat(value, vna_->MinLowband, vna_->MaxLowband);
}

void TCalKit::SetSystemZ0(double value)
{
    systemZ0_ = ClampFloat(value, vna_->MinSystemZ0, vna_->MaxSystemZ0);
}

void TCalKit::SetTrlCalZ0(TTrlCalZ0 value)
{
    trlCalZ0_ = Ord(value) < TrlCalZ0DisplayNames.size() ? value : TTrlCalZ0::None;
}

void TCalKit::SetTrlSetRef(TTrlSetRef value)
{
    trlSetRef_ = Ord(value) < TrlSetRefDisplayNames.size() ? value : TTrlSetRef::None;
}

TStandard* TCalKit::GetStandard(int i)
{
    return i >= 0 && i < RecordCount ? standards_[static_cast<std::size_t>(i)].get() : nullptr;
}

const TStandard* TCalKit::GetStandard(int i) const
{
    return const_cast<TCalKit*>(this)->GetStandard(i);
}

TStdClass* TCalKit::GetClass(int i)
{
    return i >= 0 && i < RecordCount ? classes_[static_cast<std::size_t>(i)].get() : nullptr;
}

const TStdClass* TCalKit::GetClass(int i) const
{
    return const_cast<TCalKit*>(this)->GetClass(i);
}

TStandard& TCalKit::Standard(int n)
{
    if (TStandard* standard = GetStandard(n))
        return *standard;
    throw std::out_of_range("There is no standard number " + std::to_string(n) + " in a kit.");
}

const TStandard& TCalKit::Standard(int n) const
{
    return const_cast<TCalKit*>(this)->Standard(n);
}

TStdClass& TCalKit::StdClass(int n)
{
    if (TStdClass* stdClass = GetClass(n))
        return *stdClass;
    throw std::out_of_range("There is no class number " + std::to_string(n) + " in a kit.");
}

const TStdClass& TCalKit::StdClass(int n) const
{
    return const_cast<TCalKit*>(this)->StdClass(n);
}

void TCalKit::Assign(const TCalKit& source)
{
    vna_ = source.vna_;
    SetLabel(source.label_);
    SetDescription(source.description_);
    SetDateLastModified(source.dateLastModified_);
    for (int i = 0; i < RecordCount; ++i)
        Standard(i).Assign(source.Standard(i));
    for (int i = 0; i < RecordCount; ++i)
        StdClass(i).Assign(source.StdClass(i));
    SetTrlCalZ0(source.trlCalZ0_);
    SetTrlSetRef(source.trlSetRef_);
    SetLowbandFrequency(source.lowbandFrequency_);
    SetSystemZ0(source.systemZ0_);
}

void TCalKit::SetVna(TVna& vna)
{
    vna_ = &vna;
    Revalidate();
}

int TCalKit::UsedRecords(int modelCount)
{
    return ClampInt(modelCount, 0, RecordCount - 1);
}

void TCalKit::Revalidate()
{
    for (int n = 1; n <= UsedRecords(vna_->NumStandards); ++n)
        Standard(n).Revalidate();
    for (int n = 1; n <= UsedRecords(vna_->NumClasses); ++n)
        StdClass(n).Revalidate();
    SetLabel(label_);
    SetSystemZ0(systemZ0_);
    SetLowbandFrequency(lowbandFrequency_);
}

TColumnSet TCalKit::ActiveClasses() const
{
    return calType_ == ctTrl ? vna_->TrlClasses : vna_->SoltClasses;
}

int TCalKit::DownloadSteps() const
{
    int steps = vna_->DownloadStepCount;
    for (int n = 1; n <= UsedRecords(vna_->NumStandards); ++n)
        if (Standard(n).StdType() == TStdType::None)
            --steps;
    return steps;
}

int TCalKit::UploadSteps() const
{
    return vna_->UploadStepCount;
}
