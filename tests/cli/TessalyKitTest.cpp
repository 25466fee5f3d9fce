// tessaly-kit models and describe: the catalogue as text and as JSON, and wrong usage.
#include "CliSupport.h"
#include "KitRun.h"
#include "analyzers/Vna.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

using nlohmann::json;

// The core's Latin-1 text as the tool writes it, in UTF-8.
std::string Utf8(const std::string& latin1)
{
    return FromLatin1(latin1);
}

std::vector<std::string> Texts(const json& value)
{
    std::vector<std::string> out;
    for (const json& v : value)
        out.push_back(v.is_string() ? v.get<std::string>() : "(no text)");
    return out;
}

template <typename Container>
std::vector<std::string> Strings(const Container& texts)
{
    std::vector<std::string> out;
    for (const std::string& text : texts)
        out.push_back(Utf8(text));
    return out;
}

std::vector<int> Ints(const json& value)
{
    std::vector<int> out;
    for (const json& v : value)
        out.push_back(v.is_number_integer() ? v.get<int>() : -999);
    return out;
}

} // namespace

TEST(TessalyKit, ModelsListsTheCatalogueInOrder)
{
    std::string expected;
    for (const auto& vna : Vnas())
        expected += std::to_string(vna->ModelIndex) + "\t" + vna->ModelName + "\n";
    const TKitRun run = Kit({"models"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, expected);
    EXPECT_EQ(run.Err, "");
}

TEST(TessalyKit, DescribeGivesEveryFieldOfEveryModelAsJson)
{
    for (const auto& vna : Vnas()) {
        SCOPED_TRACE(vna->ModelName);
        const TKitRun run = Kit({"describe", std::to_string(vna->ModelIndex)});
        ASSERT_EQ(run.Status, 0) << run.Err;
        const json o = json::parse(run.Out, nullptr, false);
        ASSERT_TRUE(o.is_object()) << run.Out;
        EXPECT_EQ(o.size(), 51u) << o.dump(); // every field below and no other
        const std::pair<const char*, json> values[] = {
            {"ModelIndex", vna->ModelIndex}, {"ModelName", Utf8(vna->ModelName)}, {"ModelHint", Utf8(vna->ModelHint)},
            {"HelpOffset", vna->HelpOffset}, {"NumStandards", vna->NumStandards}, {"NumClasses", vna->NumClasses},
            {"ShortHasInductance", vna->ShortHasInductance}, {"MaxCoefficient", vna->MaxCoefficient},
            {"MaxTermZ", vna->MaxTermZ}, {"MaxOffsetDelay", vna->MaxOffsetDelay}, {"MinOffsetZ0", vna->MinOffsetZ0},
            {"MaxOffsetZ0", vna->MaxOffsetZ0}, {"MaxOffsetLoss", vna->MaxOffsetLoss}, {"MaxMinFreq", vna->MaxMinFreq},
            {"MaxMaxFreq", vna->MaxMaxFreq}, {"StdLabelLength", vna->StdLabelLength},
            {"ClassLabelLength", vna->ClassLabelLength}, {"KitLabelLength", vna->KitLabelLength},
            {"HasTrlCalZ0", vna->HasTrlCalZ0}, {"HasTrlSetRef", vna->HasTrlSetRef}, {"HasLowband", vna->HasLowband},
            {"MinLowband", vna->MinLowband}, {"MaxLowband", vna->MaxLowband}, {"MinSystemZ0", vna->MinSystemZ0},
            {"MaxSystemZ0", vna->MaxSystemZ0}, {"UploadNote", Utf8(vna->UploadNote)},
            {"HasDiskFiles", vna->HasDiskFiles}, {"DiskFilter", Utf8(vna->DiskFilter)},
            {"DiskExtension", Utf8(vna->DiskExtension)}, {"DiskPrefix", Utf8(vna->DiskPrefix)},
            {"DownloadStepCount", vna->DownloadStepCount}, {"UploadStepCount", vna->UploadStepCount},
            {"CanUpload", vna->CanUpload}, {"HasCalTypeChoice", vna->HasCalTypeChoice},
            {"SelectedOption", vna->SelectedOption}};
        for (const auto& [key, value] : values)
            EXPECT_EQ(o.value(key, json()), value) << key;
        const std::pair<const char*, std::vector<std::string>> texts[] = {
            {"ColumnHeadings", Strings(vna->ColumnHeadings)}, {"StdTypeNames", Strings(vna->StdTypeNames)},
            {"LoadTypeNames", Strings(vna->LoadTypeNames)},   {"ArbLoadTypeNames", Strings(vna->ArbLoadTypeNames)},
            {"MediumNames", Strings(vna->MediumNames)},       {"ClassHints", Strings(vna->ClassHints)},
            {"KitHints", Strings(vna->KitHints)},             {"GpibOptions", Strings(vna->GpibOptions)}};
        for (const auto& [key, value] : texts)
            EXPECT_EQ(Texts(o.value(key, json())), value) << key;
        const std::pair<const char*, std::vector<int>> numbers[] = {
            {"ClassColumns", vna->ClassColumns.Members()}, {"SoltClasses", vna->SoltClasses.Members()},
            {"TrlClasses", vna->TrlClasses.Members()},
            {"DiskClassOrder", {vna->DiskClassOrder.begin(), vna->DiskClassOrder.end()}},
            {"DiskTrlClassOrder", {vna->DiskTrlClassOrder.begin(), vna->DiskTrlClassOrder.end()}}};
        for (const auto& [key, value] : numbers)
            EXPECT_EQ(Ints(o.value(key, json())), value) << key;
        // One row per standard type; class entries 0..NumClasses as objects.
        const json stdColumns = o.value("StdColumns", json()), stdHints = o.value("StdHints", json());
        ASSERT_EQ(stdColumns.size(), 6u);
        ASSERT_EQ(stdHints.size(), 6u);
        for (std::size_t type = 0; type < 6; ++type) {
            EXPECT_EQ(Ints(stdColumns[type]), vna->StdColumns[type].Members()) << type;
            EXPECT_EQ(Texts(stdHints[type]), Strings(vna->StdHints[type])) << type;
        }
        const json classes = o.value("ClassInfo", json());
        ASSERT_EQ(classes.size(), static_cast<std::size_t>(vna->NumClasses + 1));
        for (std::size_t n = 0; n < classes.size(); ++n) {
            const TStdClassInfo& info = vna->ClassInfo[n];
            const json expected{{"Name", Utf8(info.Name)}, {"HelpContext", info.HelpContext},
                                {"Code", Utf8(info.Code)}, {"DefaultLabel", Utf8(info.DefaultLabel)}};
            EXPECT_EQ(classes[n], expected) << "class " << n;
        }
    }
    EXPECT_EQ(Kit({"describe", "pna 3PORT"}).Out, Kit({"describe", "1"}).Out);
}

TEST(TessalyKit, WrongUsageExitsWithTwoAndShowsUsage)
{
    const std::vector<std::string> wrongUsages[] = {{}, {"bogus"}, {"--bogus"}, {"models", "extra"}, {"models", "--bogus"},
                                       {"describe"}, {"describe", "8753D/E", "extra"}, {"describe", "17"},
                                       {"describe", "-1"}, {"describe", "Agilent 8753D/E"}};
    for (const std::vector<std::string>& arguments : wrongUsages) {
        SCOPED_TRACE(Joined(arguments));
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos) << run.Err;
    }
    const TKitRun unknown = Kit({"describe", "8753X"});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_EQ(unknown.Err.rfind("Unknown model \"8753X\"", 0), 0u) << unknown.Err;
    const TKitRun help = Kit({"describe", "--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("describe M"), std::string::npos);
    EXPECT_EQ(help.Err, "");
}

TEST(TessalyKit, OptionsAndArgumentsAreReadAsBefore)
{
    const std::pair<std::vector<std::string>, std::string> wrong[] = {
        {{"describe", "-1"}, "Unknown option '1'."},
        {{"identify", "-xy", "--card=none"}, "Unknown options: x, y."},
        {{"--bogus", "--other", "models"}, "Unknown options: bogus, other."},
        {{"identify", "--card", "none", "--log=x"}, "Unexpected value after '--log'."},
        {{"identify", "--card"}, "Missing value after '--card'."},
        {{"export", "kit.tsy", "-o"}, "Missing value after '-o'."},
        {{"models", "--", "extra"}, "Unexpected argument \"extra\"."},
        {{"models", "extra", "more"}, "Unexpected argument \"extra\"."},
        {{"identify", "--board", " 2x"}, "--board takes a whole number, not \" 2x\"."},
    };
    for (const auto& [arguments, message] : wrong) {
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 2) << Joined(arguments);
        EXPECT_EQ(run.Err.substr(0, run.Err.find('\n')), message) << Joined(arguments);
        EXPECT_NE(run.Err.find("Usage:"), std::string::npos) << Joined(arguments);
    }
    // "--" ends the options; "--name=value" is "--name value"; the last of two values counts;
    // a help request wins over surplus arguments.
    EXPECT_EQ(Kit({"--", "models"}).Out, Kit({"models"}).Out);
    EXPECT_EQ(Kit({"describe", "--", "1"}).Out, Kit({"describe", "1"}).Out);
    EXPECT_EQ(Kit({"identify", "--card=none", "--model=8510C", "--log"}).Out, "0\nOUTPIDEN;\n0\n");
    EXPECT_EQ(Kit({"identify", "--card", "lan", "--card", "none", "--model", "x", "--model", "PNA", "--log"}).Out,
              "0\n*IDN?\n0\n");
    EXPECT_EQ(Kit({"identify", "--card", "none", "--board", "+1", "--address", " 7 "}).Status, 0);
    const TKitRun help = Kit({"models", "extra", "-h"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("models"), std::string::npos);
    const TKitRun version = Kit({"--version"});
    EXPECT_EQ(version.Out, "tessaly-kit " TESSALY_VERSION "\n");
    const TKitRun overall = Kit({"-h"});
    EXPECT_EQ(overall.Status, 0);
    EXPECT_NE(overall.Out.find("  convert IN OUT        reads a kit and writes it in the format OUT names\n"),
              std::string::npos)
        << overall.Out;
}
