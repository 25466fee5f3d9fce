// The electrical model of one calibration standard, as the analyzers compute it from the
// kit's coefficients: an offset line (coax: low-loss with skin-effect loss; waveguide:
// lossless and dispersive) ending in the standard's termination. Values are held in the
// kit's units; the computation works in SI.
#pragma once

#include "kit/CalKitEnums.h"
#include "response/ComplexMath.h"

#include <array>
#include <span>
#include <vector>

class TStandard;

// Everything the model needs of a standard, in kit units. A value that the kit's model does
// not use for the standard's type (a cell the grid leaves blank) is 0 here, so the response
// is what the analyzer computes from what it is sent; only an unused offset Z0 takes the
// system Z0 (a matched offset) and an unused maximum frequency keeps 999 (no limit).
struct TStandardModel {
    TStdType Type = TStdType::None;
    TLoadType LoadType = TLoadType::Fixed;
    // C0..C3 of an open (1e-15 F, 1e-27 F/Hz, 1e-36 F/Hz^2, 1e-45 F/Hz^3) or L0..L3 of a short
    // (1e-12 H, 1e-24 H/Hz, 1e-33 H/Hz^2, 1e-42 H/Hz^3); all 0 for a short on a model whose
    // shorts have no inductance terms (an ideal short).
    std::array<double, 4> Coefficients{};
    double OffsetDelay = 0; // ps
    double OffsetZ0 = 50;   // ohm
    double OffsetLoss = 0;  // ohm/ns (= Gohm/s)
    double TermZ = 50;      // ohm, terminal impedance of an arbitrary-impedance standard
    double MinFreq = 0;     // GHz; the cutoff frequency of a waveguide standard
    double MaxFreq = 999;   // GHz
    TMedium Medium = TMedium::Coax;
    double SystemZ0 = 50;   // ohm, the kit's reference impedance Zr

    // The model of a kit's standard, with the values its kit's analyzer model does not use
    // for the standard's type set to 0.
    static TStandardModel FromStandard(const TStandard& standard);

    // A thru/line is a two-port; every other type is a one-port.
    bool IsTwoPort() const { return Type == TStdType::Thru; }
};

// The S-parameters of a standard at one frequency. A one-port fills S11 only (the others 0);
// a thru/line fills all four (S22 = S11, S12 = S21).
struct TSParameters {
    TComplex S11{}, S21{}, S12{}, S22{};
};

// The response at each frequency (GHz). Frequencies at or below a waveguide standard's
// cutoff have no response: HasResponseAt tells which to leave out (their entries are 0). At 0 GHz a coax
// standard gives the limit of its formulas: the ideal termination seen through the offset's
// series resistance, which is 0 for a lossless offset. A sliding load has no model: 0 at
// every frequency, as for a standard of type None. An offset of 0 ohm with a delay shorts
// the reference plane.
std::vector<TSParameters> ModelResponse(const TStandardModel& model, std::span<const double> frequenciesGHz);
TSParameters ModelResponseAt(const TStandardModel& model, double frequencyGHz);

// False for a waveguide standard at or below its cutoff (MinFreq); true otherwise, except for
// a frequency below 0 or not finite, or a system Z0 of 0 (no reference to reflect against).
bool HasResponseAt(const TStandardModel& model, double frequencyGHz);
