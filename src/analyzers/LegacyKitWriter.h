// Writes a kit in the mnemonic command set that the 8753 and 8510 families share: the
// standard definitions, the class assignments and the kit-wide values. The two families
// differ only in a few words, which their dialect names.
#pragma once

#include "analyzers/Vna.h"

#include <string>

class TCalKit;
class TGpibCard;
class TStandard;

// The words in which the two families' command sets differ.
struct TLegacyDialect {
    std::string DelayMnemonic; // offset delay, ps
    std::string LossMnemonic;  // offset loss, ohm/s
    std::string Z0Mnemonic;    // offset impedance, ohm
    std::string OffsetLoad;    // the offset load type of a Load standard
    std::string LabelGap;      // between a label mnemonic (with its class code) and the quote
};

extern const TLegacyDialect Dialect8753;
extern const TLegacyDialect Dialect8510;

// One command string per card Write. Labels lose their double quotes (see LegacyLabel).
class TLegacyKitWriter {
public:
    TLegacyKitWriter(const TVna& vna, const TLegacyDialect& dialect, const TCalKit& kit, TGpibCard& card);

    // Standards 1..NumStandards in order; one whose type is None is skipped. One progress
    // step after each standard that was written.
    void WriteStandards(const TProgressProc& progress);
    // The classes 1..NumClasses that belong to classes and hold at least one standard:
    // "SPEC" with the standard numbers, "CLAD;", then the class label.
    void WriteClasses(const TColumnSet& classes);
    // The kit label, the TRL settings and low-band frequency where the model has them, then
    // "KITD;", the system impedance and "ENTO;".
    void WriteKitProperties();

private:
    // False, with nothing written, for a standard without a type.
    bool WriteStandard(int number);
    // The type's commands, starting with define; false, with nothing written, without a type.
    bool WriteTypeCommands(const std::string& define, const TStandard& standard);
    void WriteOffsetsAndLabel(const TStandard& standard);
    void WriteClass(int number);
    std::string QuotedLabel(const std::string& mnemonic, const std::string& label) const;

    const TVna& vna_;
    const TLegacyDialect& dialect_;
    const TCalKit& kit_;
    TGpibCard& card_;
};
