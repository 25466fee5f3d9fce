#include "analyzers/LegacyKitWriter.h"

#include "analyzers/CommandText.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

const TLegacyDialect Dialect8753{"OFSD", "OFSL", "OFSZ", "OFLS;", " "};
const TLegacyDialect Dialect8510{"OFFD", "OFFL", "OFFZ", "OFFS;", ""};

namespace {

std::string LoadTypeWord(TLoadType type, const std::string& offsetWord)
{
    switch (type) {
    case TLoadType::Fixed: return "FIXE;";
    case TLoadType::Sliding: return "SLIL;";
    case TLoadType::Offset: return offsetWord;
    }
    return {};
}

} // namespace

TLegacyKitWriter::TLegacyKitWriter(const TVna& vna, const TLegacyDialect& dialect, const TCalKit& kit,
                                   TGpibCard& card)
    : vna_(vna), dialect_(dialect), kit_(kit), card_(card)
{
}

void TLegacyKitWriter::WriteStandards(const TProgressProc& progress)
{
    for (int number = 1; number <= vna_.NumStandards; ++number)
        if (WriteStandard(number))
            progress();
}

bool TLegacyKitWriter::WriteStandard(int number)
{
    const TStandard& standard = kit_.Standard(number);
    if (!WriteTypeCommands("DEFS" + std::to_string(number) + "; ", standard))
        return false;
    WriteOffsetsAndLabel(standard);
    return true;
}

bool TLegacyKitWriter::WriteTypeCommands(const std::string& define, const TStandard& standard)
{
    const auto coefficients = [&](const char* letter) {
        const double values[] = {standard.C0(), standard.C1(), standard.C2(), standard.C3()};
        for (int n = 0; n < 4; ++n)
            card_.Write(letter + std::to_string(n) + " " + FormatNumber(values[n]) + ";");
    };
    switch (standard.StdType()) {
    case TStdType::Short:
        card_.Write(define + "STDTSHOR;");
        if (vna_.ShortHasInductance)
            coefficients("L");
        return true;
    case TStdType::Open:
        card_.Write(define + "STDTOPEN;");
        coefficients("C");
        return true;
    case TStdType::Load:
        card_.Write(define + "STDTLOAD;");
        card_.Write(LoadTypeWord(standard.LoadType(), dialect_.OffsetLoad));
        return true;
    case TStdType::Thru: card_.Write(define + "STDTDELA;"); return true;
    case TStdType::ArbiZ:
        card_.Write(define + "STDTARBI;");
        card_.Write(LoadTypeWord(standard.LoadType(), "OFFS;"));
        card_.Write("TERI " + FormatNumber(standard.TermZ()) + ";");
        return true;
    default: return false; // no type: nothing is sent
    }
}

void TLegacyKitWriter::WriteOffsetsAndLabel(const TStandard& standard)
{
    card_.Write(dialect_.DelayMnemonic + " " + FormatNumber(standard.OffsetDelay()) + "PS;");
    card_.Write(dialect_.LossMnemonic + " " + FormatLossPerSecond(standard.OffsetLoss()) + ";");
    card_.Write(dialect_.Z0Mnemonic + " " + FormatNumber(standard.OffsetZ0()) + ";");
    card_.Write("MINF " + FormatNumber(standard.MinFreq()) + "GHz;");
    card_.Write("MAXF " + FormatNumber(standard.MaxFreq()) + "GHz;");
    card_.Write(standard.Medium() == TMedium::Waveguide ? "WAVE;" : "COAX;");
    card_.Write(QuotedLabel("LABS", standard.Label()));
    card_.Write("STDD;");
}

void TLegacyKitWriter::WriteClasses(const TColumnSet& classes)
{
    for (int number = 1; number <= vna_.NumClasses; ++number)
        if (classes.Contains(number))
            WriteClass(number);
}

void TLegacyKitWriter::WriteClass(int number)
{
    const std::string code = vna_.GetClassInfo(number).Code;
    const TStdClass& stdClass = kit_.StdClass(number);
    std::string list;
    for (int position = 1; position <= TStdClass::PositionCount; ++position) {
        const std::int32_t standard = stdClass.GetStd(position);
        if (standard > 0)
            list += (list.empty() ? "" : ",") + std::to_string(standard);
    }
    // A class without standards sends nothing at all.
    if (list.empty())
        return;
    card_.Write("SPEC" + code + " " + list + ";");
    card_.Write("CLAD;");
    card_.Write(QuotedLabel("LABE" + code, stdClass.Label()));
}

void TLegacyKitWriter::WriteKitProperties()
{
    card_.Write(QuotedLabel("LABK", kit_.Label()));
    if (vna_.HasTrlCalZ0) {
        if (kit_.TrlCalZ0() == TTrlCalZ0::SystemZ0)
            card_.Write("CALZSYST;");
        else if (kit_.TrlCalZ0() == TTrlCalZ0::LineZ0)
            card_.Write("CALZLINE;");
    }
    if (vna_.HasTrlSetRef) {
        if (kit_.TrlSetRef() == TTrlSetRef::Thru)
            card_.Write("SETRTHRU;");
        else if (kit_.TrlSetRef() == TTrlSetRef::Reflect)
            card_.Write("SETRREFL;");
    }
    if (vna_.HasLowband)
        card_.Write("LOWF " + FormatNumber(kit_.LowbandFrequency()) + "GHz;");
    card_.Write("KITD;");
    card_.Write("SETZ " + FormatNumber(kit_.SystemZ0()) + ";");
    card_.Write("ENTO;");
}

std::string TLegacyKitWriter::QuotedLabel(const std::string& mnemonic, const std::string& label) const
{
    return mnemonic + dialect_.LabelGap + "\"" + LegacyLabel(label) + "\";";
}
