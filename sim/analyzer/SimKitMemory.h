// What the simulated analyzer remembers of its user cal kits: the standards, the class
// assignments and the kit-wide values of every kit slot, and which slot is selected.
// Values are held in the instrument's units: seconds, hertz, ohms, ohm per second, and
// the coefficients as entered (C0..C3 in 1e-15 F and its powers, L0..L3 in 1e-12 H).
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

enum class SimStdType { None, Short, Open, Load, Thru, Arbi };
enum class SimLoadKind { Fixed, Sliding, Offset };
enum class SimMedium { Coax, Waveguide };
enum class SimCalZ { System, Line };
enum class SimSetRef { Thru, Reflect };

struct SimStandard {
    SimStdType type = SimStdType::None;
    SimLoadKind load = SimLoadKind::Fixed;
    SimMedium medium = SimMedium::Coax;
    std::array<double, 4> c{};  // C0..C3 of an open
    std::array<double, 4> l{};  // L0..L3 of a short
    double termZ = 50.0;        // terminal impedance of an arbitrary-impedance standard
    double delay = 0.0;         // offset delay
    double loss = 0.0;          // offset loss
    double z0 = 50.0;           // offset impedance
    double fmin = 0.0;
    double fmax = 999e9;
    std::string label;
};

struct SimClass {
    std::vector<int> standards;
    std::string label;
};

struct SimKit {
    explicit SimKit(int standardCount) : standards(static_cast<std::size_t>(standardCount)) {}
    std::vector<SimStandard> standards;    // standard n is standards[n - 1]
    std::map<std::string, SimClass> classes; // by class mnemonic, or by class number on the PNA
    std::string label;
    double systemZ0 = 50.0;
    double lowband = 0.0;
    SimCalZ calZ = SimCalZ::System;
    SimSetRef setRef = SimSetRef::Thru;
};

class SimKitMemory {
public:
    SimKitMemory(int slots, int standardsPerKit);

    int Slots() const { return static_cast<int>(kits_.size()); }
    int StandardCount() const { return standardCount_; }
    int Selected() const { return selected_; }
    // Makes slot 1..Slots() the selected one; false (and no change) outside that range.
    bool Select(int slot);
    SimKit& Current() { return kits_[static_cast<std::size_t>(selected_ - 1)]; }
    const SimKit& Current() const { return kits_[static_cast<std::size_t>(selected_ - 1)]; }
    const SimKit& Kit(int slot) const { return kits_.at(static_cast<std::size_t>(slot - 1)); }

    // The whole memory as lines of text, the form the state file keeps.
    std::string ToText() const;
    // Restores what ToText wrote. Lines that do not fit this memory (an unknown word, a slot
    // or standard number out of range, a bad number) are skipped.
    void FromText(const std::string& text);

private:
    void ReadLine(const std::string& line, SimKit*& kit);

    int standardCount_;
    std::vector<SimKit> kits_;
    int selected_ = 1;
};
