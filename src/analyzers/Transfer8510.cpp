// Sending a kit to and reading one from an 8510. The option command chooses which of the
// instrument's two user cal-kit slots is written or read. The family keeps no error status
// the program looks at, so an analyzer error does not raise.
#include "analyzers/CommandText.h"
#include "analyzers/Family8510.h"
#include "analyzers/LegacyKitWriter.h"
#include "analyzers/LegacyQueries.h"
#include "analyzers/Replies.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

namespace {

// The setting queries answer a word in quotes: "OFFS" (offset) and "SLIL" (sliding) are told
// apart by their first letter, the reply's second character.
TLoadType LoadTypeReply(const std::string& reply)
{
    switch (SecondCharacter(reply)) {
    case 'O': return TLoadType::Offset;
    case 'S': return TLoadType::Sliding;
    default: return TLoadType::Fixed;
    }
}

} // namespace

void T8510Family::DownloadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    TLegacyKitWriter writer(*this, Dialect8510, kit, card);
    card.Write(SelectedOptionCommand(*this));
    progress();
    writer.WriteStandards(progress);
    writer.WriteClasses(TColumnSet::Range(1, NumClasses));
    progress();
    writer.WriteKitProperties();
    progress();
}

void T8510Family::UploadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    const auto value = [&card](const char* name) { return ReplyRounded(ReadActiveValue(card, name)); };
    const auto scaled = [&card](const char* name, long double scale) {
        return ReplyScaled(ReadActiveValue(card, name), scale);
    };

    card.Write(SelectedOptionCommand(*this));
    progress();
    for (int number = 1; number <= NumStandards; ++number) {
        TStandard& standard = kit.Standard(number);
        card.Write("DEFS" + std::to_string(number) + ";");
        switch (SecondCharacter(Query(card, "STDT?;"))) {
        case 'A':
            standard.SetStdType(TStdType::ArbiZ);
            standard.SetTermZ(value("TERI"));
            standard.SetLoadType(LoadTypeReply(Query(card, "LOAT?;")));
            break;
        case 'D': standard.SetStdType(TStdType::Thru); break;
        case 'L':
            standard.SetStdType(TStdType::Load);
            standard.SetLoadType(LoadTypeReply(Query(card, "LOAT?;")));
            break;
        case 'O':
            standard.SetStdType(TStdType::Open);
            standard.SetC0(value("C0"));
            standard.SetC1(value("C1"));
            standard.SetC2(value("C2"));
            standard.SetC3(value("C3"));
            break;
        case 'S':
            standard.SetStdType(TStdType::Short);
            if (ShortHasInductance) {
                standard.SetC0(value("L0"));
                standard.SetC1(value("L1"));
                standard.SetC2(value("L2"));
                standard.SetC3(value("L3"));
            }
            break;
        default: break; // the type stays as it is
        }
        standard.SetOffsetDelay(scaled("OFFD", SecondsToPicoseconds));
        standard.SetOffsetLoss(scaled("OFFL", PerSecondToPerNanosecond));
        standard.SetOffsetZ0(value("OFFZ"));
        standard.SetMinFreq(scaled("MINF", HertzToGigahertz));
        standard.SetMaxFreq(scaled("MAXF", HertzToGigahertz));
        standard.SetMedium(SecondCharacter(Query(card, "MEDT?;")) == 'W' ? TMedium::Waveguide : TMedium::Coax);
        progress();
    }
    kit.SetSystemZ0(value("SETZ"));
    if (HasTrlCalZ0)
        kit.SetTrlCalZ0(SecondCharacter(Query(card, "CALZ?;")) == 'S' ? TTrlCalZ0::SystemZ0 : TTrlCalZ0::LineZ0);
    if (HasTrlSetRef)
        kit.SetTrlSetRef(SecondCharacter(Query(card, "SETR?;")) == 'R' ? TTrlSetRef::Reflect : TTrlSetRef::Thru);
    if (HasLowband)
        kit.SetLowbandFrequency(scaled("LOWF", HertzToGigahertz));
    card.Write("ENTO;");
    card.Write("MENUCAL;");
    progress();
}
