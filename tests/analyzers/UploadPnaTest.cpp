// Reading kits from the PNA models: type keywords, unit scaling, unquoting, class lists filled
// from the right, and what the no-bus card's "0" replies make of a kit.
#include "RecordingCard.h"
#include "TransferKits.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::string Step = TRecordingCard::Step;
const std::string K = "sens:corr:coll:ckit:";
const std::string S = K + "stan:";

// Replies by standard: "n:query" while standard n is selected, then "query"; "0" otherwise.
struct TPnaScript {
    std::map<std::string, std::string> Replies;

    std::string operator()(const Lines& lines) const
    {
        int standard = 0;
        for (auto line = lines.rbegin(); line != lines.rend(); ++line)
            if (line->rfind(K + "stan ", 0) == 0) {
                standard = std::stoi(line->substr(K.size() + 5));
                break;
            }
        const std::string query = lines.back();
        if (const auto found = Replies.find(std::to_string(standard) + ":" + query); found != Replies.end())
            return found->second;
        if (const auto found = Replies.find(query); found != Replies.end())
            return found->second;
        return "0";
    }
};

Lines OffsetQueries()
{
    return {S + "delay?", S + "loss?", S + "imp?", S + "fmin?", S + "fmax?", S + "char?", S + "label?", Step};
}

} // namespace

TEST(UploadPna, RepliesBecomeStandardsClassesAndKitValues)
{
    TPnaScript script;
    script.Replies = {
        {"1:" + S + "type?", "OPEN"}, {"1:" + S + "C0?", "+1.25E+01"}, {"1:" + S + "C1?", "0.123456"},
        {"1:" + S + "C2?", "-3.9050E+02"}, {"1:" + S + "C3?", "1E-5"}, {"1:" + S + "delay?", "+2.5E-11"},
        {"1:" + S + "loss?", "1.3E9"}, {"1:" + S + "imp?", "+5.0E+01"}, {"1:" + S + "fmin?", "3E9"},
        {"1:" + S + "fmax?", " +2.65E+10 "}, {"1:" + S + "char?", " wave"}, {"1:" + S + "label?", "\"Open 3.5\""},
        {"2:" + S + "type?", " Short "}, {"2:" + S + "L0?", "2.10004"}, {"2:" + S + "L3?", "-7"},
        {"2:" + S + "label?", "'it''s'"},
        {"3:" + S + "type?", "SLOAD"}, {"3:" + S + "char?", ""},
        {"3:" + S + "label?", "\"a label that is longer than thirty characters\""},
        {"4:" + S + "type?", "load"}, {"4:" + S + "label?", "\""},
        {"5:" + S + "type?", "THRU"},
        {"6:" + S + "type?", "ARBI"}, {"6:" + S + "imp?", "25"},
        {"7:" + S + "type?", ""},
        {K + "olist1?", "1,2,0,0,0,0,0"},
        {K + "olist2?", "9,1"},
        {K + "olist3?", "3,5"},
        {K + "olist4?", "\"5,6,7,8,1,2,3\""},
        {K + "olist5?", " 4 , x ,6"},
        {K + "olist6?", "1,2,3,4,5,6,7,8"},
        {K + "name?", "\"My PNA kit\""},
        {"sens:corr:imp:inp:magn?", "+7.5E+01"},
    };
    auto kit = NewKit("PNA");
    kit->StdClass(1).SetLabel("kept");
    kit->Standard(6).SetStdType(TStdType::Open);
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());

    const TStandard& open = kit->Standard(1);
    EXPECT_EQ(open.StdType(), TStdType::Open);
    EXPECT_EQ(open.C0(), 12.5);
    EXPECT_EQ(open.C1(), 0.1235);
    EXPECT_EQ(open.C2(), -390.5);
    EXPECT_EQ(open.C3(), 0.0);
    EXPECT_EQ(open.OffsetDelay(), 25.0);
    EXPECT_EQ(open.OffsetLoss(), 1.3);
    EXPECT_EQ(open.OffsetZ0(), 50.0);
    EXPECT_EQ(open.MinFreq(), 3.0);
    EXPECT_EQ(open.MaxFreq(), 26.5);
    EXPECT_EQ(open.Medium(), TMedium::Waveguide);
    EXPECT_EQ(open.Label(), "Open 3.5");
    EXPECT_EQ(kit->Standard(2).StdType(), TStdType::Short);
    EXPECT_EQ(kit->Standard(2).C0(), 2.1);
    EXPECT_EQ(kit->Standard(2).C3(), -7.0);
    EXPECT_EQ(kit->Standard(2).Label(), "it''s"); // one quote off each end, nothing more
    EXPECT_EQ(kit->Standard(3).StdType(), TStdType::Load);
    EXPECT_EQ(kit->Standard(3).LoadType(), TLoadType::Sliding);
    EXPECT_EQ(kit->Standard(3).Medium(), TMedium::Coax);
    EXPECT_EQ(kit->Standard(3).Label(), "a label that is longer than th");
    EXPECT_EQ(kit->Standard(4).LoadType(), TLoadType::Fixed);
    EXPECT_EQ(kit->Standard(4).StdType(), TStdType::Load);
    EXPECT_EQ(kit->Standard(4).Label(), "");
    EXPECT_EQ(kit->Standard(5).StdType(), TStdType::Thru);
    EXPECT_EQ(kit->Standard(6).StdType(), TStdType::None);
    EXPECT_EQ(kit->Standard(6).OffsetZ0(), 25.0);
    EXPECT_EQ(kit->Standard(7).StdType(), TStdType::None);
    EXPECT_EQ(kit->Standard(7).Label(), "0");

    using Std = std::array<std::int32_t, 7>;
    EXPECT_EQ(kit->StdClass(1).Values().Std, (Std{1, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(kit->StdClass(1).Label(), "kept");
    EXPECT_EQ(kit->StdClass(2).Values().Std, (Std{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(kit->StdClass(3).Values().Std, (Std{0, 0, 0, 0, 0, 3, 5}));
    EXPECT_EQ(kit->StdClass(4).Values().Std, (Std{5, 6, 7, 8, 1, 2, 3}));
    EXPECT_EQ(kit->StdClass(5).Values().Std, (Std{0, 0, 0, 0, 4, 0, 6}));
    // An eighth number: the first two stay together and are no integer.
    EXPECT_EQ(kit->StdClass(6).Values().Std, (Std{0, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(kit->Label(), "My PNA kit");
    EXPECT_EQ(kit->SystemZ0(), 75.0);
    EXPECT_EQ(card.Steps, kit->UploadSteps());
    EXPECT_EQ(card.Steps, 11);
}

TEST(UploadPna, QueriesInOrderOnTheThreePortModel)
{
    TPnaScript script;
    script.Replies = {{"1:" + S + "type?", "OPEN"}, {"2:" + S + "type?", "SHOR"}};
    auto kit = NewKit("PNA 3port");
    TRecordingCard card;
    card.Responder = script;
    kit->Vna().UploadKit(*kit, card, card.Progress());

    Lines expected = Join({
        {"*CLS", Step},
        {K + "stan 1", S + "type?", S + "C0?", S + "C1?", S + "C2?", S + "C3?"}, OffsetQueries(),
        {K + "stan 2", S + "type?", S + "L0?", S + "L1?", S + "L2?", S + "L3?"}, OffsetQueries(),
    });
    for (int n = 3; n <= 8; ++n)
        expected = Join({expected, {K + "stan " + std::to_string(n), S + "type?"}, OffsetQueries()});
    for (int c = 1; c <= 15; ++c)
        expected.push_back(K + "olist" + std::to_string(c) + "?");
    expected = Join({expected, {Step, K + "name?", "sens:corr:imp:inp:magn?", Step}});
    EXPECT_LINES(card.Lines, expected);
}

TEST(UploadPna, NoBusRepliesGiveAnEmptyKit)
{
    auto kit = NewKit("PNA");
    Define(*kit, 1, {.StdType = TStdType::Thru, .OffsetDelay = 5, .OffsetZ0 = 50, .MaxFreq = 999, .Label = "T"});
    Assign(*kit, 1, {1, 0, 0, 0, 0, 0, 0}, "S11A");
    TNoGpibCard card;
    kit->Vna().UploadKit(*kit, card, [] {});
    for (int n = 1; n <= 8; ++n) {
        const TStandard& s = kit->Standard(n);
        EXPECT_EQ(s.StdType(), TStdType::None);
        EXPECT_EQ(s.OffsetDelay(), 0.0);
        EXPECT_EQ(s.OffsetZ0(), 0.0);
        EXPECT_EQ(s.MaxFreq(), 0.0);
        EXPECT_EQ(s.Medium(), TMedium::Coax);
        EXPECT_EQ(s.Label(), "0");
    }
    EXPECT_EQ(kit->StdClass(1).Values(), (TStdClassValues{{0, 0, 0, 0, 0, 0, 0}, "S11A"}));
    EXPECT_EQ(kit->Label(), "0");
    EXPECT_EQ(kit->SystemZ0(), 0.0);
}
