// One calibration kit: its properties, 33 standard records and 33 class records, interpreted
// against an analyzer model that the kit refers to but does not own. Every value is kept
// inside the limits of the kit's current model.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKitEnums.h"
#include "kit/StdClass.h"
#include "kit/Standard.h"

#include <array>
#include <memory>
#include <string>

class TCalKit {
public:
    // Records 0..32 exist in every kit; a model with N standards and M classes uses 1..N and 1..M.
    static constexpr int RecordCount = 33;
    static constexpr int MaxDescriptionLength = 255;

    // A new kit for vna: label "New Kit", today's date, standards labelled std0..std32, class
    // labels from the model's class descriptions, TRL Cal Z0 LineZ0, TRL Set Ref Thru,
    // low-band frequency 2 GHz, system Z0 50 ohm, calibration type 0 (read as SOLT).
    explicit TCalKit(TVna& vna);
    ~TCalKit();
    TCalKit(const TCalKit&) = delete;
    TCalKit& operator=(const TCalKit&) = delete;

    static std::unique_ptr<TCalKit> Create(TVna& vna);
    // A kit on source's model holding source's values (a whole-kit snapshot).
    static std::unique_ptr<TCalKit> CreateCopy(const TCalKit& source);

    TVna& Vna() const { return *vna_; }
    const std::string& Label() const { return label_; }
    const std::string& Description() const { return description_; }
    double DateLastModified() const { return dateLastModified_; } // OLE Automation date
    TCalType CalType() const { return calType_; }
    double LowbandFrequency() const { return lowbandFrequency_; } // GHz
    double SystemZ0() const { return systemZ0_; }                 // ohm
    TTrlCalZ0 TrlCalZ0() const { return trlCalZ0_; }
    TTrlSetRef TrlSetRef() const { return trlSetRef_; }

    // Keeps the first KitLabelLength characters.
    void SetLabel(const std::string& value);
    // Keeps the first 255 characters, then drops characters with codes 0 to 32 at either end.
    void SetDescription(const std::string& value);
    void SetDateLastModified(double value);
    void SetCalType(TCalType value);
    void SetLowbandFrequency(double value);
    void SetSystemZ0(double value);
    // An ordinal outside the enumeration becomes None.
    void SetTrlCalZ0(TTrlCalZ0 value);
    void SetTrlSetRef(TTrlSetRef value);

    // Record i for 0 <= i <= 32, else nullptr.
    TStandard* GetStandard(int i);
    const TStandard* GetStandard(int i) const;
    TStdClass* GetClass(int i);
    const TStdClass* GetClass(int i) const;
    // Record n for 0 <= n <= 32; std::out_of_range otherwise.
    TStandard& Standard(int n);
    const TStandard& Standard(int n) const;
    TStdClass& StdClass(int n);
    const TStdClass& StdClass(int n) const;

    // Takes over source's model (without revalidation) and copies every value through the
    // setters: label, description, date, standards 0..32, classes 0..32, TRL Cal Z0, TRL Set Ref,
    // low-band frequency, system Z0. The calibration type is not copied.
    void Assign(const TCalKit& source);
    // Makes vna the kit's model, then Revalidate.
    void SetVna(TVna& vna);
    // Standards 1..N and classes 1..M of the current model, then label, system Z0 and low-band
    // frequency. Records outside those ranges keep their values.
    void Revalidate();

    // The model's class numbers for the kit's calibration type (TRL when CalType is 2).
    TColumnSet ActiveClasses() const;
    // Progress steps of a download: the model's count less the standards 1..N of type None.
    int DownloadSteps() const;
    int UploadSteps() const;

    // Clears lines and fills them with the kit's text export: header, the model's standards,
    // the model's classes and the kit properties.
    void WriteText(TStringList& lines, char delimiter) const;

private:
    // The number of records 1..count that a model's count names, kept inside the kit.
    static int UsedRecords(int modelCount);

    TVna* vna_;
    std::string label_ = "New Kit";
    std::string description_;
    double dateLastModified_ = 0;
    std::array<std::unique_ptr<TStandard>, RecordCount> standards_;
    std::array<std::unique_ptr<TStdClass>, RecordCount> classes_;
    TCalType calType_ = 0;
    double lowbandFrequency_ = 2.0;
    double systemZ0_ = 50.0;
    TTrlCalZ0 trlCalZ0_ = TTrlCalZ0::LineZ0;
    TTrlSetRef trlSetRef_ = TTrlSetRef::Thru;
};
