#include "ui/response/ResponseCurves.h"

#include <QColor>
#include <QCoreApplication>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "ui/components/CoreText.h"

namespace {

const QColor S11Color(0x1f, 0x5f, 0xbf);
const QColor S21Color(0xc0, 0x39, 0x2b);
constexpr int IdealLightness = 160;

QString Tr(const char* text)
{
    return QCoreApplication::translate("TResponseView", text);
}

// The traces of S11 (and S21 for a two-port) of model at frequencies, named with suffix.
std::vector<TResponseTrace> TracesOf(const TStandardModel& model, const std::vector<double>& frequencies,
                                     const QString& suffix, bool ideal)
{
    const std::vector<TSParameters> response = ModelResponse(model, frequencies);
    // An ideal trace has its parameter's colour, paler.
    TResponseTrace s11{QStringLiteral("S11") + suffix, ideal ? S11Color.lighter(IdealLightness) : S11Color,
                       frequencies, {}};
    TResponseTrace s21{QStringLiteral("S21") + suffix, ideal ? S21Color.lighter(IdealLightness) : S21Color,
                       frequencies, {}};
    for (const TSParameters& point : response) {
        s11.Values.push_back(point.S11);
        s21.Values.push_back(point.S21);
    }
    std::vector<TResponseTrace> traces{std::move(s11)};
    if (model.IsTwoPort())
        traces.push_back(std::move(s21));
    return traces;
}

}  // namespace

TStandardModel IdealModel(const TStandardModel& model)
{
    TStandardModel ideal = model;
    ideal.Coefficients = {};
    ideal.OffsetDelay = 0;
    ideal.OffsetLoss = 0;
    ideal.OffsetZ0 = model.SystemZ0;
    return ideal;
}

QString RangeText(const TFrequencySweep& range)
{
    return Tr("%1 to %2 GHz").arg(QString::number(range.StartGHz, 'g', 6), QString::number(range.StopGHz, 'g', 6));
}

TResponseCurves ComputeResponseCurves(const TCalKit& kit, int n, int points)
{
    TResponseCurves curves;
    const TStandard* standard = n >= 1 && n <= kit.Vna().NumStandards ? kit.GetStandard(n) : nullptr;
    if (standard == nullptr)
        return curves;
    curves.StandardNumber = n;
    curves.Model = TStandardModel::FromStandard(*standard);
    curves.Range = DefaultSweep(kit, n);
    curves.Range.Points = points;
    const QString type = FromCore(DisplayName(StdTypeDisplayNames, Ord(standard->StdType())));
    curves.Title = Tr("Standard %1: %2 \"%3\", %4")
                       .arg(n)
                       .arg(type, FromCore(standard->Label()), RangeText(curves.Range));
    if (standard->StdType() == TStdType::None)
        return curves;
    std::vector<double> frequencies = SweepFrequencies(curves.Range);
    std::erase_if(frequencies, [&](double frequency) { return !HasResponseAt(curves.Model, frequency); });
    if (frequencies.empty())
        return curves;
    curves.Traces = TracesOf(curves.Model, frequencies, QString(), false);
    curves.Ideal = TracesOf(IdealModel(curves.Model), frequencies, Tr(" ideal"), true);
    return curves;
}
