// Sending a kit to a PNA: SCPI commands that write one of the analyzer's user-defined kit
// slots, chosen by the model's GPIB option. The download only writes; it reads no reply.
#include "analyzers/CommandText.h"
#include "analyzers/Pna.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

namespace {

const std::string KitPrefix = "sens:corr:coll:ckit:";
const std::string StandardPrefix = KitPrefix + "stan:";

std::string Quoted(const std::string& label)
{
    return "'" + ScpiLabel(label) + "'";
}

// The type commands of a standard; false, with nothing written, for one without a type.
bool WriteType(TGpibCard& card, const TVna& vna, const TStandard& standard, int number)
{
    const auto coefficients = [&](const char* letter) {
        const double values[] = {standard.C0(), standard.C1(), standard.C2(), standard.C3()};
        for (int n = 0; n < 4; ++n)
            card.Write(StandardPrefix + letter + std::to_string(n) + " " + FormatNumber(values[n]));
    };
    const std::string select = KitPrefix + "stan " + std::to_string(number);
    switch (standard.StdType()) {
    case TStdType::Short:
        card.Write(select);
        card.Write(StandardPrefix + "type short");
        if (vna.ShortHasInductance)
            coefficients("L");
        return true;
    case TStdType::Open:
        card.Write(select);
        card.Write(StandardPrefix + "type open;");
        coefficients("C");
        return true;
    case TStdType::Load:
        card.Write(select);
        card.Write(StandardPrefix +
                   (standard.LoadType() == TLoadType::Sliding ? "type sload" : "type load"));
        return true;
    case TStdType::Thru:
        card.Write(select);
        card.Write(StandardPrefix + "type thru");
        return true;
    default: return false; // none; arbitrary impedances do not exist on this model
    }
}

void WriteOffsetsAndLabel(TGpibCard& card, const TStandard& standard)
{
    card.Write(StandardPrefix + "delay " + FormatNumber(standard.OffsetDelay()) + "ps");
    card.Write(StandardPrefix + "loss " + FormatLossPerSecond(standard.OffsetLoss()));
    card.Write(StandardPrefix + "imp " + FormatNumber(standard.OffsetZ0()));
    card.Write(StandardPrefix + "fmin " + FormatNumber(standard.MinFreq()) + "ghz");
    card.Write(StandardPrefix + "fmax " + FormatNumber(standard.MaxFreq()) + "ghz");
    card.Write(StandardPrefix + (standard.Medium() == TMedium::Waveguide ? "char wave" : "char coax"));
    card.Write(StandardPrefix + "label " + Quoted(standard.Label()));
}

// "order<c> " and the standard numbers of the class, each followed by a comma but the last
// by a blank; nothing for a class without standards.
void WriteClass(TGpibCard& card, const TStdClass& stdClass, int number)
{
    std::string list;
    for (int position = 1; position <= TStdClass::PositionCount; ++position) {
        const std::int32_t standard = stdClass.GetStd(position);
        if (standard > 0)
            list += std::to_string(standard) + ",";
    }
    if (list.empty())
        return;
    list.back() = ' ';
    card.Write(KitPrefix + "order" + std::to_string(number) + " " + list);
}

} // namespace

void TPna::DownloadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    card.Write("*CLS");
    card.Write(KitPrefix + SelectedOptionCommand(*this));
    progress();
    for (int number = 1; number <= NumStandards; ++number) {
        const TStandard& standard = kit.Standard(number);
        if (!WriteType(card, *this, standard, number))
            continue;
        WriteOffsetsAndLabel(card, standard);
        progress();
    }
    for (int number = 1; number <= NumClasses; ++number)
        WriteClass(card, kit.StdClass(number), number);
    progress();
    card.Write(KitPrefix + "name " + Quoted(kit.Label()));
    card.Write("sens:corr:imp:inp:magn " + FormatNumber(kit.SystemZ0()));
    progress();
}
