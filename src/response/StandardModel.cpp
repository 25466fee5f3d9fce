#include "response/StandardModel.h"

#include "analyzers/StdColumns.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "response/ComplexMath.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
// The offset loss is stated at 1 GHz; skin-effect loss grows with the root of frequency.
constexpr double LossReferenceHz = 1e9;

// The termination's reflection at angular frequency w, against the reference impedance zr.
class TTermination {
public:
    explicit TTermination(const TStandardModel& model)
        : type_(model.Type), zr_(model.SystemZ0)
    {
        // Coefficients in SI: F or H, per Hz^k.
        const double open[4] = {1e-15, 1e-27, 1e-36, 1e-45};
        const double shortScale[4] = {1e-12, 1e-24, 1e-33, 1e-42};
        for (int k = 0; k < 4; ++k)
            coefficients_[k] = model.Coefficients[k] * (type_ == TStdType::Open ? open[k] : shortScale[k]);
        if (type_ == TStdType::ArbiZ && zr_ > 0)
            fixed_ = ReflectionOf(model.TermZ, zr_);
    }

    TComplex At(double hz) const
    {
        switch (type_) {
        case TStdType::Open: {
            // Z = 1/(jwC): Gamma = (1 - jwC zr) / (1 + jwC zr); C = 0 is the ideal open.
            const double x = 2 * Pi * hz * Polynomial(hz) * zr_;
            return UnitRatio(x);
        }
        case TStdType::Short: {
            // Z = jwL: Gamma = (jwL/zr - 1) / (jwL/zr + 1); L = 0 is the ideal short.
            const double x = 2 * Pi * hz * Polynomial(hz) / zr_;
            return -UnitRatio(x);
        }
        default:
            return fixed_;
        }
    }

private:
    // (1 - jx) / (1 + jx), a point on the unit circle.
    static TComplex UnitRatio(double x)
    {
        const double d = 1 + x * x;
        return {(1 - x * x) / d, -2 * x / d};
    }

    double Polynomial(double hz) const
    {
        return coefficients_[0] + hz * (coefficients_[1] + hz * (coefficients_[2] + hz * coefficients_[3]));
    }

    TStdType type_;
    double zr_;
    double coefficients_[4]{};
    TComplex fixed_{}; // matched load, or the arbitrary impedance's reflection
};

// A standard's input reflection behind an offset with input reflection g1 and round-trip
// term e = exp(-2*gamma*l), ending in gt:
//   (g1 (1 - e - g1 gt) + e gt) / (1 - g1 (e g1 + gt (1 - e))) = (g1 w + u) / (w + g1 u)
// with w = 1 - g1 gt and u = e (gt - g1).
TComplex ThroughOffset(TComplex g1, TComplex e, TComplex gt)
{
    const TComplex w = 1.0 - g1 * gt;
    const TComplex u = e * (gt - g1);
    return Divide(g1 * w + u, w + g1 * u);
}

// The same with both terms divided by e, for an offset with gain (negative delay with loss),
// where e itself may overflow: d = 1/e = exp(2*gamma*l).
TComplex ThroughInverseOffset(TComplex g1, TComplex d, TComplex gt)
{
    const TComplex wd = (1.0 - g1 * gt) * d;
    const TComplex v = gt - g1;
    return Divide(g1 * wd + v, wd + g1 * v);
}

class TResponseCalculator {
public:
    explicit TResponseCalculator(const TStandardModel& model)
        : model_(model), termination_(model)
    {
        const double zoff = model.OffsetZ0;
        delay_ = model.OffsetDelay * 1e-12;
        const double loss = model.OffsetLoss * 1e9; // ohm/s
        silent_ = model.Type == TStdType::None || !(model.SystemZ0 > 0) || IsSlidingLoad();
        hasLine_ = delay_ != 0;
        shortedLine_ = hasLine_ && zoff <= 0;
        if (hasLine_ && !shortedLine_) {
            lossFactor_ = loss * delay_ / (2 * zoff) / std::sqrt(LossReferenceHz);
            zcFactor_ = loss / (4 * Pi * std::sqrt(LossReferenceHz));
            // At 0 Hz the lossy line keeps a series resistance: the limit of Zc*gamma*l.
            dcResistance_ = loss * loss * delay_ / (4 * Pi * zoff * LossReferenceHz);
        }
    }

    TSParameters At(double ghz) const
    {
        TSParameters s;
        if (silent_ || !HasResponseAt(model_, ghz))
            return s;
        const double hz = ghz * 1e9;
        if (model_.Medium == TMedium::Waveguide)
            return Waveguide(hz);
        if (shortedLine_)
            return Shorted();
        if (!hasLine_)
            return Bare(termination_.At(hz));
        if (hz == 0)
            return DirectCurrent();

        const double zr = model_.SystemZ0;
        const double rootHz = std::sqrt(hz);
        const double alphaL = lossFactor_ * rootHz;
        const double betaL = 2 * Pi * hz * delay_ + alphaL;
        const double zcDeviation = zcFactor_ / rootHz;
        const TComplex zc{model_.OffsetZ0 + zcDeviation, -zcDeviation};
        const TComplex g1 = ReflectionOf(zc, zr);
        const TComplex g1Squared = g1 * g1;
        if (alphaL >= 0) {
            const TComplex half = ExpNegative(alphaL, betaL); // exp(-gamma*l)
            const TComplex e = half * half;
            if (model_.IsTwoPort()) {
                const TComplex denominator = 1.0 - g1Squared * e;
                s.S11 = s.S22 = Divide(g1 * (1.0 - e), denominator);
                s.S21 = s.S12 = Divide((1.0 - g1Squared) * half, denominator);
            } else {
                s.S11 = ThroughOffset(g1, e, termination_.At(hz));
            }
        } else {
            const TComplex half = ExpNegative(-alphaL, -betaL); // exp(+gamma*l)
            const TComplex d = half * half;
            if (model_.IsTwoPort()) {
                const TComplex denominator = d - g1Squared;
                s.S11 = s.S22 = Divide(g1 * (d - 1.0), denominator);
                s.S21 = s.S12 = Divide((1.0 - g1Squared) * half, denominator);
            } else {
                s.S11 = ThroughInverseOffset(g1, d, termination_.At(hz));
            }
        }
        return s;
    }

private:
    bool IsSlidingLoad() const
    {
        return (model_.Type == TStdType::Load || model_.Type == TStdType::ArbiZ) &&
               model_.LoadType == TLoadType::Sliding;
    }

    TSParameters Bare(TComplex gt) const
    {
        TSParameters s;
        if (model_.IsTwoPort())
            s.S21 = s.S12 = 1.0;
        else
            s.S11 = gt;
        return s;
    }

    // A line of zero impedance shorts the reference plane.
    TSParameters Shorted() const
    {
        TSParameters s;
        s.S11 = -1.0;
        if (model_.IsTwoPort())
            s.S22 = -1.0;
        return s;
    }

    // The limit at 0 Hz: the line is its series resistance r (0 for a lossless line).
    TSParameters DirectCurrent() const
    {
        const double r = dcResistance_ / model_.SystemZ0;
        TSParameters s;
        if (model_.IsTwoPort()) {
            s.S11 = s.S22 = r / (r + 2);
            s.S21 = s.S12 = 2 / (r + 2);
        } else {
            // Gamma of r in series with the termination, written so that an open (gt = 1) stays 1.
            const TComplex gt = termination_.At(0);
            s.S11 = Divide(r * (1.0 - gt) + 2.0 * gt, r * (1.0 - gt) + 2.0);
        }
        return s;
    }

    // Lossless and dispersive, matched to the reference impedance.
    TSParameters Waveguide(double hz) const
    {
        const double cutoff = model_.MinFreq * 1e9;
        const double ratio = cutoff / hz;
        const double betaL = 2 * Pi * hz * delay_ * std::sqrt(1 - ratio * ratio);
        const TComplex half = ExpNegative(0, betaL);
        TSParameters s;
        if (model_.IsTwoPort())
            s.S21 = s.S12 = half;
        else
            s.S11 = half * half * termination_.At(hz);
        return s;
    }

    const TStandardModel& model_;
    TTermination termination_;
    bool silent_ = false; // no model: 0 everywhere
    double delay_ = 0;    // s
    bool hasLine_ = false;
    bool shortedLine_ = false;
    double lossFactor_ = 0;   // alpha*l = lossFactor_ * sqrt(f)
    double zcFactor_ = 0;     // Zc - Zoff = (1 - j) * zcFactor_ / sqrt(f)
    double dcResistance_ = 0; // ohm
};

} // namespace

TStandardModel TStandardModel::FromStandard(const TStandard& standard)
{
    const TCalKit& kit = standard.Kit();
    const TColumnSet used = kit.Vna().GetStdColumns(standard.StdType());
    auto value = [&](int column, double v, double unused) { return used.Contains(column) ? v : unused; };

    TStandardModel model;
    model.Type = standard.StdType();
    model.SystemZ0 = kit.SystemZ0();
    if (model.Type == TStdType::None)
        return model;
    if (model.Type == TStdType::Open || model.Type == TStdType::Short) {
        const double c[4] = {standard.C0(), standard.C1(), standard.C2(), standard.C3()};
        for (int k = 0; k < 4; ++k)
            model.Coefficients[k] = value(StdColumn::C0 + k, c[k], 0);
    }
    model.TermZ = model.Type == TStdType::ArbiZ ? value(StdColumn::C0, standard.TermZ(), 0) : 0;
    model.LoadType = used.Contains(StdColumn::LoadType) ? standard.LoadType() : TLoadType::Fixed;
    model.OffsetDelay = value(StdColumn::OffsetDelay, standard.OffsetDelay(), 0);
    // An offset impedance that is not sent leaves the offset matched to the system.
    model.OffsetZ0 = value(StdColumn::OffsetZ0, standard.OffsetZ0(), model.SystemZ0);
    model.OffsetLoss = value(StdColumn::OffsetLoss, standard.OffsetLoss(), 0);
    model.MinFreq = value(StdColumn::MinFreq, standard.MinFreq(), 0);
    model.MaxFreq = value(StdColumn::MaxFreq, standard.MaxFreq(), TStandardModel{}.MaxFreq);
    model.Medium = used.Contains(StdColumn::Medium) ? standard.Medium() : TMedium::Coax;
    return model;
}


bool HasResponseAt(const TStandardModel& model, double frequencyGHz)
{
    if (!std::isfinite(frequencyGHz) || frequencyGHz < 0 || !(model.SystemZ0 > 0))
        return false;
    return model.Medium != TMedium::Waveguide || frequencyGHz > model.MinFreq;
}

TSParameters ModelResponseAt(const TStandardModel& model, double frequencyGHz)
{
    return TResponseCalculator(model).At(frequencyGHz);
}

std::vector<TSParameters> ModelResponse(const TStandardModel& model, std::span<const double> frequenciesGHz)
{
    const TResponseCalculator calculator(model);
    std::vector<TSParameters> response;
    response.reserve(frequenciesGHz.size());
    for (double f : frequenciesGHz)
        response.push_back(calculator.At(f));
    return response;
}
