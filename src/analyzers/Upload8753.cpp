// Reading a kit from an analyzer of the 8753 family. Its command set gives the standards'
// types and values and the kit-wide values; labels, classes and load types other than Fixed
// cannot be asked for.
#include "analyzers/Family8753.h"
#include "analyzers/LegacyQueries.h"
#include "analyzers/Replies.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

namespace {

bool Yes(TGpibCard& card, const std::string& query)
{
    return IsYesReply(Query(card, query));
}

} // namespace

void T8753Family::UploadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    ClearAnalyzerErrors(card);
    progress();
    for (int number = 1; number <= NumStandards; ++number) {
        TStandard& standard = kit.Standard(number);
        card.Write("DEFS" + std::to_string(number) + ";");
        // Every type is asked for; a later yes overrides an earlier one.
        if (Yes(card, "STDTOPEN?")) {
            standard.SetStdType(TStdType::Open);
            standard.SetC0(ReplyRounded(ReadActiveValue(card, "C0")));
            standard.SetC1(ReplyRounded(ReadActiveValue(card, "C1")));
            standard.SetC2(ReplyRounded(ReadActiveValue(card, "C2")));
            standard.SetC3(ReplyRounded(ReadActiveValue(card, "C3")));
        }
        if (Yes(card, "STDTSHOR?")) {
            standard.SetStdType(TStdType::Short);
            if (ShortHasInductance) {
                standard.SetC0(ReplyNumber(ReadActiveValue(card, "L0")));
                standard.SetC1(ReplyNumber(ReadActiveValue(card, "L1")));
                standard.SetC2(ReplyNumber(ReadActiveValue(card, "L2")));
                standard.SetC3(ReplyNumber(ReadActiveValue(card, "L3")));
            }
        }
        if (Yes(card, "STDTLOAD?")) {
            standard.SetStdType(TStdType::Load);
            standard.SetLoadType(TLoadType::Fixed);
        }
        if (Yes(card, "STDTARBI?")) {
            standard.SetStdType(TStdType::ArbiZ);
            standard.SetTermZ(ReplyRounded(ReadActiveValue(card, "TERI")));
            standard.SetLoadType(TLoadType::Fixed);
        }
        if (Yes(card, "STDTDELA?"))
            standard.SetStdType(TStdType::Thru);
        standard.SetOffsetDelay(ReplyScaled(ReadActiveValue(card, "OFSD"), SecondsToPicoseconds));
        standard.SetOffsetLoss(ReplyScaled(ReadActiveValue(card, "OFSL"), PerSecondToPerNanosecond));
        standard.SetOffsetZ0(ReplyRounded(ReadActiveValue(card, "OFSZ")));
        standard.SetMinFreq(ReplyScaled(ReadActiveValue(card, "MINF"), HertzToGigahertz));
        standard.SetMaxFreq(ReplyScaled(ReadActiveValue(card, "MAXF"), HertzToGigahertz));
        standard.SetMedium(Query(card, "COAX?") == "0" ? TMedium::Waveguide : TMedium::Coax);
        progress();
    }
    kit.SetSystemZ0(ReplyRounded(Query(card, "SETZ?")));
    if (HasTrlCalZ0)
        kit.SetTrlCalZ0(Yes(card, "CALZLINE?") ? TTrlCalZ0::LineZ0 : TTrlCalZ0::SystemZ0);
    if (HasTrlSetRef)
        kit.SetTrlSetRef(Yes(card, "SETRTHRU?") ? TTrlSetRef::Thru : TTrlSetRef::Reflect);
    if (HasLowband)
        kit.SetLowbandFrequency(ReplyScaled(ReadActiveValue(card, "LOWF"), HertzToGigahertz));
    card.Write("ENTO;");
    progress();
    CheckAnalyzerStatus(card);
}
