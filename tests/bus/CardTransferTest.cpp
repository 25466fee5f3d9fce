// What the NI and SICL cards do alike: reply decoding, the command limit, empty commands and
// the inert card of a library that lacks a name.
#include "BusTestSupport.h"
#include "bus/ATGpibCard.h"
#include "bus/NIGpibCard.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

namespace {

struct NiCard {
    using Card = TNIGpibCard;
    static constexpr const char* Variable = "TESSALY_GPIB32_LIBRARY";
    static constexpr const char* Library = TESSALY_SIM_NI_LIBRARY;
    static constexpr const char* WriteHeading = "Error in NIGpibCard.Write:";
    static std::string WriteCall(const std::string& bytes)
    {
        return "Send(0, 16, \"" + bytes + "\", " + std::to_string(bytes.size()) + ", 1)";
    }
    static Lines Variants()
    {
        return {TESSALY_SIM_NI_NO_RESETSYS_LIBRARY, TESSALY_SIM_NI_NO_SEND_LIBRARY,
                TESSALY_SIM_NI_NO_USER_IBCNT_LIBRARY, NoLibrary};
    }
};

struct SiclCard {
    using Card = TATGpibCard;
    static constexpr const char* Variable = "TESSALY_SICL_LIBRARY";
    static constexpr const char* Library = TESSALY_SIM_SICL_LIBRARY;
    static constexpr const char* WriteHeading = "Error in ATGpibCard.Write:";
    static std::string WriteCall(const std::string& bytes)
    {
        return "iwrite(2, \"" + bytes + "\", " + std::to_string(bytes.size()) + ", 1)";
    }
    static Lines Variants()
    {
        return {TESSALY_SIM_SICL_NO_IGETERRSTR_LIBRARY, TESSALY_SIM_SICL_NO_IREAD_LIBRARY,
                TESSALY_SIM_SICL_NO_IONERROR_LIBRARY, NoLibrary};
    }
};

template <typename Kind>
class CardTransferTest : public ::testing::Test {
protected:
    ScopedEnvironment library{Kind::Variable, Kind::Library};
    SimCallLog calls;
    BusHookRecorder hooks;
};

using CardKinds = ::testing::Types<NiCard, SiclCard>;
TYPED_TEST_SUITE(CardTransferTest, CardKinds);

} // namespace

TYPED_TEST(CardTransferTest, RepliesEndBeforeTheLastByteAndAtAZeroByte)
{
    SimReplyFile reply;
    typename TypeParam::Card card;
    EXPECT_EQ(ReplyTo(card, reply, "+1.5E9\n"), "+1.5E9");
    EXPECT_EQ(ReplyTo(card, reply, std::string("AB\0CD\n", 6)), "AB");
    EXPECT_EQ(ReplyTo(card, reply, "\xB5\xE9\n"), "\xB5\xE9");
    EXPECT_EQ(ReplyTo(card, reply, "\n"), "");
    EXPECT_EQ(ReplyTo(card, reply, ""), "");
    // 1024 bytes arrive without END: the first 1023 are the reply.
    EXPECT_EQ(ReplyTo(card, reply, std::string(1500, 'x')), std::string(1023, 'x'));
}

TYPED_TEST(CardTransferTest, CommandsAreLimitedTo1024Characters)
{
    typename TypeParam::Card card;
    card.Open();
    this->calls.Clear();
    const std::string longest(1024, 'A');
    card.Write(longest);
    EXPECT_EQ(this->calls.Lines(), Lines{TypeParam::WriteCall(longest)});

    this->calls.Clear();
    const std::string tooLong = std::string(1024, 'B') + "C";
    EXPECT_EQ(GpibError([&] { card.Write(tooLong); }),
              std::string(TypeParam::WriteHeading) + "\nBuffer Overflow = 1025\n\"" + tooLong + "\"");
    EXPECT_TRUE(this->calls.Lines().empty());
    EXPECT_EQ(this->hooks.logged, Lines{longest});
    card.Close();
}

TYPED_TEST(CardTransferTest, EmptyCommandSendsLogsAndWaitsForNothing)
{
    typename TypeParam::Card card;
    card.Open();
    this->calls.Clear();
    this->hooks.events = 0;
    card.Write("");
    EXPECT_TRUE(this->calls.Lines().empty());
    EXPECT_TRUE(this->hooks.logged.empty());
    EXPECT_EQ(this->hooks.events, 0);
    card.Close();
}

TYPED_TEST(CardTransferTest, LibraryLackingOneNameLeavesTheCardInert)
{
    for (const std::string& path : TypeParam::Variants()) {
        ScopedEnvironment variant(TypeParam::Variable, path);
        typename TypeParam::Card card;
        EXPECT_FALSE(card.Loaded()) << path;
        std::string reply = "unchanged";
        card.Open();
        card.Write("*IDN?");
        card.Read(reply);
        card.Close();
        EXPECT_EQ(reply, "unchanged");
    }
    EXPECT_TRUE(this->calls.Lines().empty());
    EXPECT_TRUE(this->hooks.logged.empty());
    EXPECT_EQ(this->hooks.events, 0);
}
