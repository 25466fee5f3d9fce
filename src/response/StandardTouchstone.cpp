#include "response/StandardTouchstone.h"

#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"

#include <cctype>

namespace {

std::string Number(double value)
{
    return FormatNumber(value, '.');
}

std::string TypeName(TStdType type)
{
    return DisplayName(StdTypeDisplayNames, Ord(type));
}

std::string CoefficientComment(const TStandardModel& m)
{
    const auto& c = m.Coefficients;
    const std::string values = Number(c[0]) + ", " + Number(c[1]) + ", " + Number(c[2]) + ", " + Number(c[3]);
    switch (m.Type) {
    case TStdType::Open:
        return "C0..C3: " + values + " (1e-15 F, 1e-27 F/Hz, 1e-36 F/Hz^2, 1e-45 F/Hz^3)";
    case TStdType::Short:
        return "L0..L3: " + values + " (1e-12 H, 1e-24 H/Hz, 1e-33 H/Hz^2, 1e-42 H/Hz^3)";
    case TStdType::ArbiZ:
        return "Terminal impedance: " + Number(m.TermZ) + " ohm; load type " +
               DisplayName(LoadTypeDisplayNames, Ord(m.LoadType));
    case TStdType::Load:
        return "Load type: " + DisplayName(LoadTypeDisplayNames, Ord(m.LoadType));
    default:
        return "Thru/line";
    }
}

} // namespace

TTouchstoneData StandardTouchstone(const TCalKit& kit, int number, std::span<const double> frequenciesGHz)
{
    const TStandard& standard = kit.Standard(number);
    const TStandardModel model = TStandardModel::FromStandard(standard);
    const std::string name = "Standard " + std::to_string(number);
    RequireDefinedStandard(kit, number);

    TTouchstoneData data;
    data.Ports = model.IsTwoPort() ? 2 : 1;
    data.ReferenceZ0 = model.SystemZ0;
    for (double f : frequenciesGHz)
        if (HasResponseAt(model, f))
            data.FrequenciesGHz.push_back(f);
    if (data.FrequenciesGHz.empty())
        throw ETessalyError(name + " has no response at these frequencies: its waveguide cutoff is " +
                            Number(model.MinFreq) + " GHz.");
    data.Points = ModelResponse(model, data.FrequenciesGHz);

    data.Comments = {
        " Modelled response of a calibration standard, written by Tessaly " TESSALY_VERSION,
        " Kit: " + kit.Label(),
        " Analyzer model: " + kit.Vna().ModelName,
        " " + name + ": " + standard.Label() + " (" + TypeName(model.Type) + ")",
        " " + CoefficientComment(model),
        " Offset: delay " + Number(model.OffsetDelay) + " ps, Z0 " + Number(model.OffsetZ0) + " ohm, loss " +
            Number(model.OffsetLoss) + " Gohm/s; medium " + DisplayName(MediumDisplayNames, Ord(model.Medium)) +
            "; " + Number(model.MinFreq) + " to " + Number(model.MaxFreq) + " GHz",
    };
    if (model.LoadType == TLoadType::Sliding)
        data.Comments.push_back(" A sliding load has no model: its response is 0.");
    return data;
}

void RequireDefinedStandard(const TCalKit& kit, int number)
{
    if (kit.Standard(number).StdType() == TStdType::None)
        throw ETessalyError("Standard " + std::to_string(number) + " is not defined (its type is none): it has no response.");
}

std::string StandardTouchstoneFileName(const TCalKit& kit, int number)
{
    const TStandard& standard = kit.Standard(number);
    std::string label = Trim(standard.Label());
    for (char& c : label) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (!(u < 128 && (std::isalnum(u) || c == '-')))
            c = '_';
    }
    const std::string extension = TStandardModel::FromStandard(standard).IsTwoPort() ? ".s2p" : ".s1p";
    return "std" + std::to_string(number) + (label.empty() ? "" : "_" + label) + extension;
}
