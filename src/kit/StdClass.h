// One standard class assignment of a calibration kit: up to seven standard numbers and a
// class label. Which class it is (S11A, forward transmission, ...) is its index in the kit.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TCalKit;
class TVna;
class TRowClipboard;

// The fields of a class: Std[0..6] hold positions 1..7 (0 is an empty position).
struct TStdClassValues {
    std::array<std::int32_t, 7> Std{};
    std::string Label{};

    bool operator==(const TStdClassValues&) const = default;
};

class TStdClass {
public:
    static constexpr int PositionCount = 7;

    // All positions empty, empty label; owned by kit.
    explicit TStdClass(TCalKit& kit);
    TStdClass(const TStdClass&) = delete;
    TStdClass& operator=(const TStdClass&) = delete;

    static std::unique_ptr<TStdClass> Create(TCalKit& kit);
    // The label is taken unchanged, without the model's length limit.
    static std::unique_ptr<TStdClass> CreateWithLabel(TCalKit& kit, const std::string& label);
    static std::unique_ptr<TStdClass> CreateCopy(TCalKit& kit, const TStdClass& source);

    TCalKit& Kit() const { return kit_; }
    const TStdClassValues& Values() const { return values_; }

    // The standard number at position i (1..7); 0 for any other position.
    std::int32_t GetStd(int i) const;
    // Nothing happens for a position outside 1..7; a number outside 1..NumStandards stores 0.
    void SetStd(int i, std::int32_t n);
    const std::string& Label() const { return values_.Label; }
    void SetLabel(const std::string& value);

    // SetStd for positions 1..7, then the label: the order of pasted rows and file records.
    void SetValues(const TStdClassValues& values);
    void Assign(const TStdClass& source);
    void Revalidate();
    // All numbers 0 and the label empty.
    void Clear();

    void CopyToClipboard(TRowClipboard& clipboard) const;
    // False, and nothing changes, when the clipboard holds no class row.
    bool PasteFromClipboard(const TRowClipboard& clipboard);
    void Cut(TRowClipboard& clipboard);

    // The row of the text export: positions 1 to 7 (empty for 0), each followed by the
    // delimiter, then the label.
    std::string AsText(char delimiter) const;

private:
    const TVna& Model() const;

    TCalKit& kit_;
    TStdClassValues values_;
};
