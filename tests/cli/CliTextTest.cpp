// The tool's text conversions: Latin-1 core strings to and from UTF-8, the layout of its JSON,
// the messages for unknown options.
#include "CliSupport.h"
#include "JsonText.h"

#include <gtest/gtest.h>

TEST(CliText, Latin1AndUtf8)
{
    const std::string latin1 = "K\xDChl \xF8 \xB5m 50\xA0\xFF";
    const std::string utf8 = "K\xC3\x9Chl \xC3\xB8 \xC2\xB5m 50\xC2\xA0\xC3\xBF";
    EXPECT_EQ(FromLatin1(latin1), utf8);
    EXPECT_EQ(ToLatin1(utf8), latin1);
    // Characters beyond Latin-1 and broken sequences become one '?' each.
    EXPECT_EQ(ToLatin1("1 \xE2\x82\xAC, 2 \xF0\x9F\x98\x80."), "1 ?, 2 ?.");
    EXPECT_EQ(ToLatin1("a\xC3"), "a?");
    EXPECT_EQ(ToLatin1("a\xC3z\x80\xC1\x81"), "a?z???");
    EXPECT_EQ(ToLatin1("\xE0\x82\x80|"), "?|"); // the long form of a Latin-1 character is none
}

TEST(CliText, JsonLayout)
{
    const auto value = nlohmann::json::object({
        {"b", nlohmann::json::array({1, 2.5, -3.0})},
        {"a", "K\xC3\x9Chl \"quoted\"\n"},
        {"empty", nlohmann::json::array()},
        {"none", nlohmann::json::object()},
        {"numbers", nlohmann::json::array({1e13, 1e21, 0.001, 1e16, -0.0})},
        {"nested", nlohmann::json::array({nlohmann::json::object({{"t", true}, {"f", false}})})},
    });
    EXPECT_EQ(IndentedJson(value), "{\n"
                                   "    \"a\": \"K\xC3\x9Chl \\\"quoted\\\"\\n\",\n"
                                   "    \"b\": [\n"
                                   "        1,\n"
                                   "        2.5,\n"
                                   "        -3\n"
                                   "    ],\n"
                                   "    \"empty\": [\n"
                                   "    ],\n"
                                   "    \"nested\": [\n"
                                   "        {\n"
                                   "            \"f\": false,\n"
                                   "            \"t\": true\n"
                                   "        }\n"
                                   "    ],\n"
                                   "    \"none\": {\n"
                                   "    },\n"
                                   "    \"numbers\": [\n"
                                   "        10000000000000,\n"
                                   "        1e+21,\n"
                                   "        0.001,\n"
                                   "        1e+16,\n"
                                   "        0\n"
                                   "    ]\n"
                                   "}\n");
}

TEST(CliText, UnknownOptionMessages)
{
    EXPECT_EQ(UnknownOptionMessage({}), "");
    EXPECT_EQ(UnknownOptionMessage({"--colour=red"}), "Unknown option 'colour'.");
    EXPECT_EQ(UnknownOptionMessage({"-xy", "--z"}), "Unknown options: x, y, z.");
    EXPECT_TRUE(LooksLikeOption("-1"));
    EXPECT_FALSE(LooksLikeOption("-"));
    EXPECT_FALSE(LooksLikeOption("kit.tsy"));
}
