// Reading a kit from a PNA: every standard, every class and the kit's name and system
// impedance of the kit the analyzer has selected, by SCPI queries.
#include "analyzers/Pna.h"
#include "analyzers/Replies.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

namespace {

const std::string KitPrefix = "sens:corr:coll:ckit:";
const std::string StandardPrefix = KitPrefix + "stan:";

// The longest standard-number item taken from a class reply.
constexpr std::size_t MaxListItem = 99;

void ReadType(TGpibCard& card, const TVna& vna, TStandard& standard)
{
    const auto coefficients = [&](const char* letter) {
        const std::string query = StandardPrefix + letter;
        standard.SetC0(ReplyRounded(Query(card, query + "0?")));
        standard.SetC1(ReplyRounded(Query(card, query + "1?")));
        standard.SetC2(ReplyRounded(Query(card, query + "2?")));
        standard.SetC3(ReplyRounded(Query(card, query + "3?")));
    };
    const std::string keyword = KeywordReply(Query(card, StandardPrefix + "type?"));
    if (keyword == "OPEN") {
        standard.SetStdType(TStdType::Open);
        coefficients("C");
    } else if (keyword == "SHOR") {
        standard.SetStdType(TStdType::Short);
        if (vna.ShortHasInductance)
            coefficients("L");
    } else if (keyword == "LOAD" || keyword == "SLOA") {
        standard.SetStdType(TStdType::Load);
        standard.SetLoadType(keyword == "SLOA" ? TLoadType::Sliding : TLoadType::Fixed);
    } else if (keyword == "THRU") {
        standard.SetStdType(TStdType::Thru);
    } else {
        standard.SetStdType(TStdType::None);
    }
}

void ReadOffsetsAndLabel(TGpibCard& card, TStandard& standard)
{
    standard.SetOffsetDelay(ReplyScaled(Query(card, StandardPrefix + "delay?"), SecondsToPicoseconds));
    standard.SetOffsetLoss(ReplyScaled(Query(card, StandardPrefix + "loss?"), PerSecondToPerNanosecond));
    standard.SetOffsetZ0(ReplyRounded(Query(card, StandardPrefix + "imp?")));
    standard.SetMinFreq(ReplyScaled(Query(card, StandardPrefix + "fmin?"), HertzToGigahertz));
    standard.SetMaxFreq(ReplyScaled(Query(card, StandardPrefix + "fmax?"), HertzToGigahertz));
    const std::string medium = KeywordReply(Query(card, StandardPrefix + "char?"));
    standard.SetMedium(!medium.empty() && medium.front() == 'W' ? TMedium::Waveguide : TMedium::Coax);
    standard.SetLabel(UnquotedReply(Query(card, StandardPrefix + "label?")));
}

// The standard numbers of a class reply, taken from the right: the last number goes to
// position 7, the one before it to position 6, and so on; what is left fills position 1.
// A reply with fewer than seven numbers leaves the first positions 0.
void ReadClass(TGpibCard& card, TStdClass& stdClass, int number)
{
    std::string list = UnquotedReply(Query(card, KitPrefix + "olist" + std::to_string(number) + "?"));
    for (int position = TStdClass::PositionCount; position >= 2; --position) {
        const std::size_t comma = list.rfind(',');
        const std::size_t start = comma == std::string::npos ? 0 : comma + 1;
        stdClass.SetStd(position, ReplyInteger(list.substr(start, MaxListItem)));
        list.erase(comma == std::string::npos ? 0 : comma);
    }
    stdClass.SetStd(1, ReplyInteger(list));
}

} // namespace

void TPna::UploadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    card.Write("*CLS");
    progress();
    for (int number = 1; number <= NumStandards; ++number) {
        TStandard& standard = kit.Standard(number);
        card.Write(KitPrefix + "stan " + std::to_string(number));
        ReadType(card, *this, standard);
        ReadOffsetsAndLabel(card, standard);
        progress();
    }
    for (int number = 1; number <= NumClasses; ++number)
        ReadClass(card, kit.StdClass(number), number);
    progress();
    kit.SetLabel(UnquotedReply(Query(card, KitPrefix + "name?")));
    kit.SetSystemZ0(ReplyRounded(Query(card, "sens:corr:imp:inp:magn?")));
    progress();
}
