// One standard definition of a calibration kit: type, polynomial coefficients, offset,
// frequency range, medium and label. Every value passes through a setter that forces it into
// the limits of the owning kit's current analyzer model.
#pragma once

#include "kit/CalKitEnums.h"

#include <memory>
#include <string>

class TCalKit;
class TVna;
class TRowClipboard;

// The fields of a standard, in the order in which the clipboard record and the kit file list
// them, with the values of a new standard.
struct TStandardValues {
    TStdType StdType = TStdType::None;
    double C0 = 0; // C0 of an open (1e-15 F) or L0 of a short (1e-12 H)
    double C1 = 0;
    double C2 = 0;
    double C3 = 0;
    TLoadType LoadType = TLoadType::Fixed;
    double OffsetDelay = 0; // ps
    double OffsetZ0 = 50;   // ohm
    double OffsetLoss = 0;  // ohm/ns
    double MinFreq = 0;     // GHz
    double MaxFreq = 999;   // GHz
    TMedium Medium = TMedium::Coax;
    double TermZ = 50; // ohm, terminal impedance of an arbitrary-impedance standard
    std::string Label{};

    bool operator==(const TStandardValues&) const = default;
};

class TStandard {
public:
    // A standard with the default values, owned by kit.
    explicit TStandard(TCalKit& kit);
    TStandard(const TStandard&) = delete;
    TStandard& operator=(const TStandard&) = delete;

    static std::unique_ptr<TStandard> Create(TCalKit& kit);
    // The label is taken unchanged, without the model's length limit.
    static std::unique_ptr<TStandard> CreateWithLabel(TCalKit& kit, const std::string& label);
    static std::unique_ptr<TStandard> CreateCopy(TCalKit& kit, const TStandard& source);

    TCalKit& Kit() const { return kit_; }
    const TStandardValues& Values() const { return values_; }

    TStdType StdType() const { return values_.StdType; }
    double C0() const { return values_.C0; }
    double C1() const { return values_.C1; }
    double C2() const { return values_.C2; }
    double C3() const { return values_.C3; }
    TLoadType LoadType() const { return values_.LoadType; }
    double OffsetDelay() const { return values_.OffsetDelay; }
    double OffsetZ0() const { return values_.OffsetZ0; }
    double OffsetLoss() const { return values_.OffsetLoss; }
    double MinFreq() const { return values_.MinFreq; }
    double MaxFreq() const { return values_.MaxFreq; }
    TMedium Medium() const { return values_.Medium; }
    double TermZ() const { return values_.TermZ; }
    const std::string& Label() const { return values_.Label; }

    // Enumerated setters check the raw ordinal: a value the model does not offer becomes the
    // first value. Setting the type leaves the load type alone.
    void SetStdType(TStdType value);
    void SetC0(double value);
    void SetC1(double value);
    void SetC2(double value);
    void SetC3(double value);
    // Kept only for a Load or ArbiZ standard and within that type's load list; else Fixed.
    void SetLoadType(TLoadType value);
    void SetOffsetDelay(double value);
    void SetOffsetZ0(double value);
    void SetOffsetLoss(double value);
    void SetMinFreq(double value);
    void SetMaxFreq(double value);
    void SetMedium(TMedium value);
    void SetTermZ(double value);
    void SetLabel(const std::string& value);

    // Passes every value through its setter in record order: StdType, C0..C3, LoadType,
    // OffsetDelay, OffsetZ0, OffsetLoss, MinFreq, MaxFreq, Medium, TermZ, Label. This is how
    // pasted rows and file records are taken in.
    void SetValues(const TStandardValues& values);

    // Copies source through the setters (its Label before its TermZ).
    void Assign(const TStandard& source);
    // Forces the current values into the limits of the kit's current model.
    void Revalidate();
    // Type None; every other value is kept and shows again when a type is set back.
    void Clear();

    void CopyToClipboard(TRowClipboard& clipboard) const;
    // False, and nothing changes, when the clipboard holds no standard row.
    bool PasteFromClipboard(const TRowClipboard& clipboard);
    void Cut(TRowClipboard& clipboard);

    // The row of the text export: the type's name; for other types than None the four
    // coefficient columns (the terminal impedance first for ArbiZ, empty for Load and Thru),
    // load type, offset delay, offset Z0, offset loss, frequencies, medium and label.
    std::string AsText(char delimiter) const;

private:
    const TVna& Model() const;
    double ClampCoefficient(double value) const;

    TCalKit& kit_;
    TStandardValues values_;
};
