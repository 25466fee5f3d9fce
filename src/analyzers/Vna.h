// The analyzer model base: the description every model fills in its constructor, and the
// catalogue of the seventeen models.
#pragma once

#include "kit/CalKitEnums.h"
#include "kit/Utility.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCalKit;
class TGpibCard;

// A method without arguments, called once per transfer step. It may raise EUserAbort.
using TProgressProc = std::function<void()>;

using TStringList = std::vector<std::string>;

// A set of small integers 0..39 (grid column numbers or class numbers), stored in 5 bytes.
class TColumnSet {
public:
    constexpr TColumnSet() = default;
    static TColumnSet Range(int first, int last);
    static TColumnSet Of(std::initializer_list<int> members);

    bool Contains(int n) const { return n >= 0 && n < 40 && ((bits_ >> n) & 1u) != 0; }
    void Include(int n);
    void Exclude(int n);
    void IncludeRange(int first, int last);
    bool Empty() const { return bits_ == 0; }
    std::vector<int> Members() const; // ascending
    std::uint64_t Bits() const { return bits_; }
    bool operator==(const TColumnSet&) const = default;

private:
    std::uint64_t bits_ = 0; // bit n means member n; only the low 40 bits are used
};

struct TStdClassInfo {
    std::string Name;
    std::int32_t HelpContext = 0;
    std::string Code;
    std::string DefaultLabel;
    bool operator==(const TStdClassInfo&) const = default;
};

TStdClassInfo MakeClassInfo(const std::string& name, std::int32_t helpContext, const std::string& code,
                            const std::string& defaultLabel);

class TVna {
public:
    virtual ~TVna() = default;
    TVna(const TVna&) = delete;
    TVna& operator=(const TVna&) = delete;

    // Slots 1 to 5. In this base they are abstract: calling one is a programming error and
    // raises std::logic_error naming the operation and the model.
    virtual void DownloadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress);
    virtual void UploadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress);
    virtual std::string Identify(TGpibCard& card);
    virtual void WriteDiskFile(TCalKit& kit, const std::string& fileName);
    virtual void ReadDiskFile(TCalKit& kit, const std::string& fileName);

    // Non-virtual getters.
    TColumnSet GetStdColumns(TStdType type) const;
    std::string GetStdHint(TStdType type, int column) const; // columns 2..14
    std::string GetClassHint(int column) const;              // columns 2..9
    std::string GetKitHint(int index) const;                 // 1..7
    TStdClassInfo GetClassInfo(int classNumber) const;
    void SelectOption(int i);

    // The description, in declaration order. Read directly by the rest of the program.
    std::uint8_t ModelIndex = 0;
    std::string ModelName;
    std::string ModelHint;
    std::int32_t HelpOffset = 0;
    std::int32_t NumStandards = 0;
    TStringList ColumnHeadings; // entry i heads standards-grid column i+1
    TStringList StdTypeNames;
    bool ShortHasInductance = false;
    double MaxCoefficient = 0;
    double MaxTermZ = 0;
    TStringList LoadTypeNames;
    TStringList ArbLoadTypeNames;
    double MaxOffsetDelay = 0;
    double MinOffsetZ0 = 0;
    double MaxOffsetZ0 = 0;
    double MaxOffsetLoss = 0;
    TStringList MediumNames;
    double MaxMinFreq = 0;
    double MaxMaxFreq = 0;
    std::int32_t StdLabelLength = 0;
    std::int32_t NumClasses = 0;
    std::vector<TStdClassInfo> ClassInfo; // 32 entries; entry 0 is the fallback
    std::int32_t ClassLabelLength = 0;
    std::int32_t KitLabelLength = 0;
    bool HasTrlCalZ0 = false;
    bool HasTrlSetRef = false;
    bool HasLowband = false;
    double MinLowband = 0;
    double MaxLowband = 0;
    double MinSystemZ0 = 0;
    double MaxSystemZ0 = 0;
    std::array<TColumnSet, StdTypeCount> StdColumns{};
    TColumnSet ClassColumns;
    TColumnSet SoltClasses;
    TColumnSet TrlClasses;
    std::array<std::array<std::string, 13>, StdTypeCount> StdHints{}; // [type][column - 2]
    std::array<std::string, 8> ClassHints{};                          // [column - 2]
    std::array<std::string, 7> KitHints{};                            // [index - 1]
    std::string UploadNote;
    bool HasDiskFiles = false;
    std::string DiskFilter;
    std::string DiskExtension;
    std::string DiskPrefix;
    TIntArray DiskClassOrder;
    TIntArray DiskTrlClassOrder;
    std::int32_t DownloadStepCount = 0;
    std::int32_t UploadStepCount = 0;
    TStringList GpibOptions; // "caption=command"
    bool CanUpload = true;
    bool HasCalTypeChoice = false;
    std::int32_t SelectedOption = 1;

    // Caption and command of a GPIB option entry ("caption=command").
    static std::string OptionCaption(const std::string& entry);
    static std::string OptionCommand(const std::string& entry);

    // Creates a model of class T and runs its after-construction step, as the catalogue does.
    template <typename T>
    static std::unique_ptr<TVna> Make()
    {
        std::unique_ptr<TVna> vna(new T());
        vna->AfterConstruction();
        return vna;
    }

protected:
    TVna();
    // Runs once after the whole constructor chain (the legacy families derive step counts
    // and class hints from the final number of standards here).
    virtual void AfterConstruction() {}
    [[noreturn]] void NotImplemented(const char* operation) const;
};

// The catalogue: the seventeen models, created in catalogue order at first use and freed at
// the end of the run.
const std::vector<std::unique_ptr<TVna>>& Vnas();
inline constexpr int VnaCount = 17;

// The catalogue entry whose ModelName (without the "Agilent " prefix, letter case ignored)
// or index is given; nullptr when there is none.
TVna* FindVna(const std::string& nameOrIndex);
