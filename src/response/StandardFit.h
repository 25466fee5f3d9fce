// Fitting a standard's model to a measurement of it: the values chosen as free are adjusted
// (Levenberg-Marquardt, in the kit's units) until the modelled S-parameters come closest to
// the measured ones in the least-squares sense; every other value stays as the standard has it.
#pragma once

#include "kit/Standard.h"
#include "response/StandardModel.h"
#include "response/Touchstone.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The values a fit may adjust. C0..C3 stand for L0..L3 on a short whose model has inductance.
enum class TFitParameter : std::uint8_t { C0, C1, C2, C3, Delay, Loss, Z0, TermZ };
inline constexpr int FitParameterCount = 8;

// The command-line key ("c0".."c3", "delay", "loss", "z0", "termz"); "l0".."l3" read as c0..c3.
std::string_view FitParameterKey(TFitParameter parameter);
std::optional<TFitParameter> FitParameterFromKey(std::string_view key);
// The name as the grid heads it, for the standard's type: "C0" or "L0", "Offset Delay",
// "Offset Loss", "Offset Z0", "Term Z"; and the kit unit it is given in ("fF", "ps", ...).
std::string FitParameterName(TFitParameter parameter, TStdType type);
std::string FitParameterUnit(TFitParameter parameter, TStdType type);

double FitParameterValue(const TStandardValues& values, TFitParameter parameter);
// Sets the value through the standard's own setter, so it lands inside the model's limits.
void SetFitParameter(TStandard& standard, TFitParameter parameter, double value);

// The values that the standard's model uses (a cell the grid fills for its type), in the
// order of the enumeration; empty for a standard without a model (type None, sliding load).
std::vector<TFitParameter> FittableParameters(const TStandard& standard);
// What to fit when the user names nothing: a thru/line's delay and loss; the polynomial of an
// open, or of a short whose model has inductance; else the offset delay.
std::vector<TFitParameter> DefaultFreeParameters(const TStandard& standard);

struct TFittedValue {
    TFitParameter Parameter = TFitParameter::C0;
    double Value = 0;     // as applied: inside the model's limits
    bool Clamped = false; // the best value lay outside the limits
};

struct TFitResult {
    TStdType Type = TStdType::None;
    TStandardValues Values;           // the standard's values with the fitted ones in place
    std::vector<TFittedValue> Fitted; // in the order the free values were given
    std::vector<std::string> Warnings;
    double RmsError = 0;   // root mean square of |S_model - S_measured| over the compared values
    double WorstError = 0; // largest |S_model - S_measured|
    int PointsUsed = 0;
    bool Converged = false;
    // The measured points used (at the kit's system Z0) and the fitted model at them.
    std::vector<double> FrequenciesGHz;
    std::vector<TSParameters> Measured;
    std::vector<TSParameters> Modelled;
};

// Fits the standard to the measurement. The measurement is first brought to the kit's system
// Z0; the points inside the standard's frequency range (and above a waveguide's cutoff) are
// compared: S11 of a one-port standard, all four S-parameters of a thru/line. Raises
// ETessalyError with the user's message when the measurement or the choice cannot be used: a
// standard without a model, the wrong number of ports, a value the model does not use, no
// point in range, too few points. A fit that does not converge is returned with Converged false.
TFitResult FitStandard(const TStandard& standard, const TTouchstoneData& measured,
                       std::span<const TFitParameter> free);

// Puts the fitted values into the standard through its setters.
void ApplyFit(TStandard& standard, const TFitResult& result);

// The report: one line per fitted value, the points used, RMS and worst error, convergence,
// then the warnings.
std::string FitReport(const TFitResult& result);
