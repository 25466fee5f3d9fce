#include "response/StandardFit.h"

#include "analyzers/StdColumns.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "response/Renormalize.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/LevenbergMarquardt>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr std::array<std::string_view, FitParameterCount> Keys{"c0", "c1", "c2", "c3",
                                                                "delay", "loss", "z0", "termz"};

// A magnitude typical of each value in kit units, which sets the finite-difference step of a
// value that is near 0.
constexpr std::array<double, FitParameterCount> TypicalSize{10, 100, 10, 1, 10, 1, 50, 50};

// The grid column of each value; Term Z shares the column of C0.
int GridColumn(TFitParameter parameter)
{
    switch (parameter) {
    case TFitParameter::C0:
    case TFitParameter::TermZ:
        return StdColumn::C0;
    case TFitParameter::C1:
        return StdColumn::C1;
    case TFitParameter::C2:
        return StdColumn::C2;
    case TFitParameter::C3:
        return StdColumn::C3;
    case TFitParameter::Delay:
        return StdColumn::OffsetDelay;
    case TFitParameter::Z0:
        return StdColumn::OffsetZ0;
    case TFitParameter::Loss:
        return StdColumn::OffsetLoss;
    }
    return 0;
}

bool IsPolynomial(TFitParameter parameter)
{
    return parameter <= TFitParameter::C3;
}

void SetModelParameter(TStandardModel& model, TFitParameter parameter, double value)
{
    switch (parameter) {
    case TFitParameter::C0:
    case TFitParameter::C1:
    case TFitParameter::C2:
    case TFitParameter::C3:
        model.Coefficients[static_cast<std::size_t>(parameter)] = value;
        break;
    case TFitParameter::Delay:
        model.OffsetDelay = value;
        break;
    case TFitParameter::Loss:
        model.OffsetLoss = value;
        break;
    case TFitParameter::Z0:
        model.OffsetZ0 = value;
        break;
    case TFitParameter::TermZ:
        model.TermZ = value;
        break;
    }
}

std::string FormatValue(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string FormatError(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", value);
    return text;
}

// The measured points a fit compares and the model it varies.
class TFitProblem {
public:
    TFitProblem(const TStandardModel& base, std::vector<TFitParameter> free, std::vector<double> frequencies,
                std::vector<TSParameters> measured)
        : base_(base), free_(std::move(free)), frequencies_(std::move(frequencies)), measured_(std::move(measured))
    {
    }

    int Inputs() const { return static_cast<int>(free_.size()); }
    int ValuesPerPoint() const { return base_.IsTwoPort() ? 8 : 2; }
    int Values() const { return static_cast<int>(frequencies_.size()) * ValuesPerPoint(); }
    const std::vector<TFitParameter>& Free() const { return free_; }

    TStandardModel ModelAt(const Eigen::VectorXd& x) const
    {
        TStandardModel model = base_;
        for (int i = 0; i < Inputs(); ++i)
            SetModelParameter(model, free_[static_cast<std::size_t>(i)], x[i]);
        return model;
    }

    // Real and imaginary parts of S_model - S_measured at every point. A parameter set where
    // the model has no finite value (an offset Z0 of 0) gives large residuals, so the
    // minimizer steps back.
    void Residuals(const Eigen::VectorXd& x, Eigen::VectorXd& residuals) const
    {
        const auto modelled = ModelResponse(ModelAt(x), frequencies_);
        const int perPoint = ValuesPerPoint();
        for (std::size_t k = 0; k < frequencies_.size(); ++k) {
            const auto differences = Differences(modelled[k], measured_[k]);
            for (int v = 0; v < perPoint / 2; ++v) {
                const auto row = static_cast<Eigen::Index>(k) * perPoint + 2 * v;
                residuals[row] = differences[static_cast<std::size_t>(v)].real();
                residuals[row + 1] = differences[static_cast<std::size_t>(v)].imag();
            }
        }
        if (!residuals.allFinite())
            residuals.setConstant(1e3);
    }

    // The compared differences at one point: S11, or S11 S21 S12 S22 of a two-port.
    std::array<TComplex, 4> Differences(const TSParameters& model, const TSParameters& measured) const
    {
        return {model.S11 - measured.S11, model.S21 - measured.S21, model.S12 - measured.S12,
                model.S22 - measured.S22};
    }

    // A start for the offset delay from the slope of the phase that separates measurement and
    // model: without it a delay far from its start lands in a neighbouring phase turn.
    void EstimateDelay(Eigen::VectorXd& x) const
    {
        const auto found = std::find(free_.begin(), free_.end(), TFitParameter::Delay);
        if (found == free_.end() || frequencies_.size() < 2 || base_.Type == TStdType::Load)
            return;
        const auto index = static_cast<Eigen::Index>(found - free_.begin());
        const auto modelled = ModelResponse(ModelAt(x), frequencies_);
        const bool twoPort = base_.IsTwoPort();
        std::vector<double> f, phase;
        for (std::size_t k = 0; k < frequencies_.size(); ++k) {
            const TComplex m = twoPort ? modelled[k].S21 : modelled[k].S11;
            const TComplex s = twoPort ? measured_[k].S21 : measured_[k].S11;
            if (std::abs(m) < 1e-6 || std::abs(s) < 1e-6)
                continue;
            double p = std::arg(s / m);
            if (!phase.empty()) {
                while (p - phase.back() > std::numbers::pi)
                    p -= 2 * std::numbers::pi;
                while (p - phase.back() < -std::numbers::pi)
                    p += 2 * std::numbers::pi;
            }
            f.push_back(frequencies_[k]);
            phase.push_back(p);
        }
        if (f.size() < 2)
            return;
        const Eigen::Map<const Eigen::VectorXd> fv(f.data(), static_cast<Eigen::Index>(f.size()));
        const Eigen::Map<const Eigen::VectorXd> pv(phase.data(), static_cast<Eigen::Index>(phase.size()));
        const Eigen::VectorXd fc = fv.array() - fv.mean();
        const double spread = fc.squaredNorm();
        if (!(spread > 0))
            return;
        const double slope = fc.dot(pv) / spread; // radians per GHz
        // A delay of t ps turns the phase by -2 pi f t (twice for a reflection).
        const double passes = twoPort ? 1 : 2;
        Eigen::VectorXd candidate = x;
        candidate[index] += -slope / (2 * std::numbers::pi * passes * 1e-3);
        if (!std::isfinite(candidate[index]))
            return;
        Eigen::VectorXd before(Values()), after(Values());
        Residuals(x, before);
        Residuals(candidate, after);
        if (after.squaredNorm() < before.squaredNorm())
            x = candidate;
    }

private:
    TStandardModel base_;
    std::vector<TFitParameter> free_;
    std::vector<double> frequencies_;
    std::vector<TSParameters> measured_;
};

// The problem in the form the minimizer takes, with a central-difference Jacobian.
struct TFitFunctor : Eigen::DenseFunctor<double> {
    explicit TFitFunctor(const TFitProblem& problem)
        : Eigen::DenseFunctor<double>(problem.Inputs(), problem.Values()), Problem(problem)
    {
    }

    int operator()(const InputType& x, ValueType& residuals) const
    {
        Problem.Residuals(x, residuals);
        return 0;
    }

    int df(const InputType& x, JacobianType& jacobian) const
    {
        ValueType plus(values()), minus(values());
        InputType shifted = x;
        for (int j = 0; j < inputs(); ++j) {
            const auto parameter = static_cast<std::size_t>(Problem.Free()[static_cast<std::size_t>(j)]);
            const double step = 1e-6 * std::max(std::abs(x[j]), TypicalSize[parameter]);
            shifted[j] = x[j] + step;
            Problem.Residuals(shifted, plus);
            shifted[j] = x[j] - step;
            Problem.Residuals(shifted, minus);
            shifted[j] = x[j];
            jacobian.col(j) = (plus - minus) / (2 * step);
        }
        return 0;
    }

    const TFitProblem& Problem;
};

bool Converged(Eigen::LevenbergMarquardtSpace::Status status)
{
    using namespace Eigen::LevenbergMarquardtSpace;
    switch (status) {
    case RelativeReductionTooSmall:
    case RelativeErrorTooSmall:
    case RelativeErrorAndReductionTooSmall:
    case CosinusTooSmall:
    case FtolTooSmall:
    case XtolTooSmall:
    case GtolTooSmall:
        return true;
    default:
        return false;
    }
}

void CheckFreeParameters(const TStandard& standard, std::span<const TFitParameter> free)
{
    if (standard.StdType() == TStdType::None)
        throw ETessalyError("The standard has no type: there is nothing to fit.");
    if (standard.StdType() == TStdType::Load && standard.LoadType() == TLoadType::Sliding)
        throw ETessalyError("A sliding load has no model to fit.");
    if (free.empty())
        throw ETessalyError("Choose at least one value to fit.");
    const auto fittable = FittableParameters(standard);
    for (TFitParameter parameter : free)
        if (std::find(fittable.begin(), fittable.end(), parameter) == fittable.end())
            throw ETessalyError(FitParameterName(parameter, standard.StdType()) +
                                " is not part of this standard's model.");
}

std::string RangeText(const TStandard& standard)
{
    return FormatValue(standard.MinFreq()) + " to " + FormatValue(standard.MaxFreq()) + " GHz";
}

// Records what the fitted values become inside the model's limits, with a warning for each
// value the limits moved, and measures the fit of the final values.
void Finish(TFitResult& result, const TStandard& standard, const TFitProblem& problem, const Eigen::VectorXd& x)
{
    TStandard applied(standard.Kit());
    applied.Assign(standard);
    for (int i = 0; i < problem.Inputs(); ++i) {
        const TFitParameter parameter = problem.Free()[static_cast<std::size_t>(i)];
        SetFitParameter(applied, parameter, x[i]);
        TFittedValue fitted{parameter, FitParameterValue(applied.Values(), parameter), false};
        fitted.Clamped = fitted.Value != x[i];
        if (fitted.Clamped)
            result.Warnings.push_back(FitParameterName(parameter, result.Type) + " fitted to " + FormatValue(x[i]) +
                                      " lies outside the model's limits; clamped to " + FormatValue(fitted.Value) +
                                      ".");
        result.Fitted.push_back(fitted);
    }
    result.Values = applied.Values();

    Eigen::VectorXd final(problem.Inputs());
    for (int i = 0; i < problem.Inputs(); ++i)
        final[i] = result.Fitted[static_cast<std::size_t>(i)].Value;
    result.Modelled = ModelResponse(problem.ModelAt(final), result.FrequenciesGHz);
    double sumOfSquares = 0;
    int compared = 0;
    for (std::size_t k = 0; k < result.Modelled.size(); ++k) {
        const auto differences = problem.Differences(result.Modelled[k], result.Measured[k]);
        for (int v = 0; v < problem.ValuesPerPoint() / 2; ++v) {
            const double error = std::abs(differences[static_cast<std::size_t>(v)]);
            sumOfSquares += error * error;
            result.WorstError = std::max(result.WorstError, error);
            ++compared;
        }
    }
    result.RmsError = std::sqrt(sumOfSquares / compared);
}

} // namespace

std::string_view FitParameterKey(TFitParameter parameter)
{
    return Keys[static_cast<std::size_t>(parameter)];
}

std::optional<TFitParameter> FitParameterFromKey(std::string_view key)
{
    std::string lower(key);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.size() == 2 && lower[0] == 'l')
        lower[0] = 'c';
    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (Keys[i] == lower)
            return static_cast<TFitParameter>(i);
    return std::nullopt;
}

std::string FitParameterName(TFitParameter parameter, TStdType type)
{
    if (IsPolynomial(parameter))
        return (type == TStdType::Short ? "L" : "C") + std::to_string(static_cast<int>(parameter));
    switch (parameter) {
    case TFitParameter::Delay:
        return "Offset Delay";
    case TFitParameter::Loss:
        return "Offset Loss";
    case TFitParameter::Z0:
        return "Offset Z0";
    default:
        return "Term Z";
    }
}

std::string FitParameterUnit(TFitParameter parameter, TStdType type)
{
    static const std::array<std::string, 4> capacitance{"fF", "1e-27 F/Hz", "1e-36 F/Hz^2", "1e-45 F/Hz^3"};
    static const std::array<std::string, 4> inductance{"pH", "1e-24 H/Hz", "1e-33 H/Hz^2", "1e-42 H/Hz^3"};
    if (IsPolynomial(parameter))
        return (type == TStdType::Short ? inductance : capacitance)[static_cast<std::size_t>(parameter)];
    switch (parameter) {
    case TFitParameter::Delay:
        return "ps";
    case TFitParameter::Loss:
        return "Gohm/s";
    default:
        return "ohm";
    }
}

double FitParameterValue(const TStandardValues& values, TFitParameter parameter)
{
    switch (parameter) {
    case TFitParameter::C0:
        return values.C0;
    case TFitParameter::C1:
        return values.C1;
    case TFitParameter::C2:
        return values.C2;
    case TFitParameter::C3:
        return values.C3;
    case TFitParameter::Delay:
        return values.OffsetDelay;
    case TFitParameter::Loss:
        return values.OffsetLoss;
    case TFitParameter::Z0:
        return values.OffsetZ0;
    case TFitParameter::TermZ:
        return values.TermZ;
    }
    return 0;
}

void SetFitParameter(TStandard& standard, TFitParameter parameter, double value)
{
    switch (parameter) {
    case TFitParameter::C0:
        return standard.SetC0(value);
    case TFitParameter::C1:
        return standard.SetC1(value);
    case TFitParameter::C2:
        return standard.SetC2(value);
    case TFitParameter::C3:
        return standard.SetC3(value);
    case TFitParameter::Delay:
        return standard.SetOffsetDelay(value);
    case TFitParameter::Loss:
        return standard.SetOffsetLoss(value);
    case TFitParameter::Z0:
        return standard.SetOffsetZ0(value);
    case TFitParameter::TermZ:
        return standard.SetTermZ(value);
    }
}

std::vector<TFitParameter> FittableParameters(const TStandard& standard)
{
    const TStdType type = standard.StdType();
    if (type == TStdType::None || (type == TStdType::Load && standard.LoadType() == TLoadType::Sliding))
        return {};
    const TColumnSet columns = standard.Kit().Vna().GetStdColumns(type);
    const bool waveguide = standard.Medium() == TMedium::Waveguide;
    std::vector<TFitParameter> result;
    for (int i = 0; i < FitParameterCount; ++i) {
        const auto parameter = static_cast<TFitParameter>(i);
        bool used = columns.Contains(GridColumn(parameter));
        if (IsPolynomial(parameter))
            used = used && (type == TStdType::Open || type == TStdType::Short);
        else if (parameter == TFitParameter::TermZ)
            used = used && type == TStdType::ArbiZ;
        else if (parameter != TFitParameter::Delay)
            used = used && !waveguide; // a waveguide offset is lossless at the system impedance
        if (used)
            result.push_back(parameter);
    }
    return result;
}

std::vector<TFitParameter> DefaultFreeParameters(const TStandard& standard)
{
    const auto fittable = FittableParameters(standard);
    const auto has = [&](TFitParameter p) { return std::find(fittable.begin(), fittable.end(), p) != fittable.end(); };
    if (standard.StdType() == TStdType::Thru && has(TFitParameter::Loss))
        return {TFitParameter::Delay, TFitParameter::Loss};
    if (has(TFitParameter::C0))
        return {TFitParameter::C0, TFitParameter::C1, TFitParameter::C2, TFitParameter::C3};
    if (has(TFitParameter::Delay))
        return {TFitParameter::Delay};
    return {};
}

TFitResult FitStandard(const TStandard& standard, const TTouchstoneData& measured, std::span<const TFitParameter> free)
{
    CheckFreeParameters(standard, free);
    const TStandardModel base = TStandardModel::FromStandard(standard);
    const int ports = base.IsTwoPort() ? 2 : 1;
    if (measured.Ports != ports)
        throw ETessalyError(ports == 2 ? "A thru/line needs a two-port measurement (.s2p); this one has one port."
                                       : "A one-port standard needs a one-port measurement (.s1p); this one has two "
                                         "ports.");

    TFitResult result;
    result.Type = base.Type;
    const TTouchstoneData atSystemZ0 = RenormalizedTo(measured, base.SystemZ0);
    for (std::size_t k = 0; k < atSystemZ0.FrequenciesGHz.size(); ++k) {
        const double f = atSystemZ0.FrequenciesGHz[k];
        if (f >= standard.MinFreq() && f <= standard.MaxFreq() && HasResponseAt(base, f)) {
            const TSParameters& s = atSystemZ0.Points[k];
            for (TComplex value : {s.S11, s.S21, s.S12, s.S22})
                if (!std::isfinite(value.real()) || !std::isfinite(value.imag()))
                    throw ETessalyError("The measured values at " + FormatValue(f) +
                                        " GHz have no equivalent at the kit's system Z0 of " +
                                        FormatValue(base.SystemZ0) + " ohm.");
            result.FrequenciesGHz.push_back(f);
            result.Measured.push_back(s);
        }
    }
    result.PointsUsed = static_cast<int>(result.FrequenciesGHz.size());
    if (result.PointsUsed == 0)
        throw ETessalyError("No measured point lies inside the standard's frequency range (" + RangeText(standard) +
                            ").");

    std::vector<TFitParameter> unique;
    for (TFitParameter parameter : free)
        if (std::find(unique.begin(), unique.end(), parameter) == unique.end())
            unique.push_back(parameter);
    const TFitProblem problem(base, unique, result.FrequenciesGHz, result.Measured);
    if (problem.Values() < problem.Inputs())
        throw ETessalyError("Too few measured points in the standard's frequency range: " +
                            std::to_string(result.PointsUsed) + " for " + std::to_string(problem.Inputs()) +
                            " free values.");

    Eigen::VectorXd x(problem.Inputs());
    for (int i = 0; i < problem.Inputs(); ++i)
        x[i] = FitParameterValue(standard.Values(), unique[static_cast<std::size_t>(i)]);
    problem.EstimateDelay(x);

    TFitFunctor functor(problem);
    Eigen::LevenbergMarquardt<TFitFunctor> minimizer(functor);
    minimizer.setXtol(1e-12);
    minimizer.setFtol(1e-12);
    minimizer.setMaxfev(200 * (problem.Inputs() + 1));
    const auto status = minimizer.minimize(x);
    result.Converged = Converged(status) && x.allFinite();
    if (!x.allFinite())
        for (int i = 0; i < problem.Inputs(); ++i)
            x[i] = FitParameterValue(standard.Values(), unique[static_cast<std::size_t>(i)]);
    Finish(result, standard, problem, x);
    result.Converged = result.Converged && std::isfinite(result.RmsError);
    return result;
}

void ApplyFit(TStandard& standard, const TFitResult& result)
{
    for (const TFittedValue& fitted : result.Fitted)
        SetFitParameter(standard, fitted.Parameter, fitted.Value);
}

std::string FitReport(const TFitResult& result)
{
    std::string text;
    for (const TFittedValue& fitted : result.Fitted)
        text += FitParameterName(fitted.Parameter, result.Type) + " = " + FormatValue(fitted.Value) + " " +
                FitParameterUnit(fitted.Parameter, result.Type) + (fitted.Clamped ? " (clamped)" : "") + "\n";
    text += "Points used: " + std::to_string(result.PointsUsed) + "\n";
    text += "RMS |S_model - S_measured|: " + FormatError(result.RmsError) + "\n";
    text += "Worst |S_model - S_measured|: " + FormatError(result.WorstError) + "\n";
    text += std::string("Converged: ") + (result.Converged ? "yes" : "no") + "\n";
    for (const std::string& warning : result.Warnings)
        text += "Warning: " + warning + "\n";
    return text;
}
