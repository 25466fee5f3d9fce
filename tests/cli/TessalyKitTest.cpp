// tessaly-kit models and describe: the catalogue as text and as JSON, and wrong usage.
#include "KitRun.h"
#include "analyzers/Vna.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const QJsonValue& value)
{
    std::vector<std::string> out;
    for (const QJsonValue& v : value.toArray())
        out.push_back(v.isString() ? v.toString().toStdString() : "(no text)");
    return out;
}

template <typename Container>
std::vector<std::string> Strings(const Container& texts)
{
    return {texts.begin(), texts.end()};
}

std::vector<int> Ints(const QJsonValue& value)
{
    std::vector<int> out;
    for (const QJsonValue& v : value.toArray())
        out.push_back(v.isDouble() ? v.toInt() : -999);
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
        const TKitRun run = Kit({"describe", QString::number(vna->ModelIndex)});
        ASSERT_EQ(run.Status, 0) << run.Err;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(run.Out)).object();
        EXPECT_EQ(o.size(), 51) << o.keys().join(u' ').toStdString(); // every field below and no other
        const std::pair<const char*, QJsonValue> values[] = {
            {"ModelIndex", vna->ModelIndex}, {"ModelName", Q(vna->ModelName)}, {"ModelHint", Q(vna->ModelHint)},
            {"HelpOffset", vna->HelpOffset}, {"NumStandards", vna->NumStandards}, {"NumClasses", vna->NumClasses},
            {"ShortHasInductance", vna->ShortHasInductance}, {"MaxCoefficient", vna->MaxCoefficient},
            {"MaxTermZ", vna->MaxTermZ}, {"MaxOffsetDelay", vna->MaxOffsetDelay}, {"MinOffsetZ0", vna->MinOffsetZ0},
            {"MaxOffsetZ0", vna->MaxOffsetZ0}, {"MaxOffsetLoss", vna->MaxOffsetLoss}, {"MaxMinFreq", vna->MaxMinFreq},
            {"MaxMaxFreq", vna->MaxMaxFreq}, {"StdLabelLength", vna->StdLabelLength},
            {"ClassLabelLength", vna->ClassLabelLength}, {"KitLabelLength", vna->KitLabelLength},
            {"HasTrlCalZ0", vna->HasTrlCalZ0}, {"HasTrlSetRef", vna->HasTrlSetRef}, {"HasLowband", vna->HasLowband},
            {"MinLowband", vna->MinLowband}, {"MaxLowband", vna->MaxLowband}, {"MinSystemZ0", vna->MinSystemZ0},
            {"MaxSystemZ0", vna->MaxSystemZ0}, {"UploadNote", Q(vna->UploadNote)},
            {"HasDiskFiles", vna->HasDiskFiles}, {"DiskFilter", Q(vna->DiskFilter)},
            {"DiskExtension", Q(vna->DiskExtension)}, {"DiskPrefix", Q(vna->DiskPrefix)},
            {"DownloadStepCount", vna->DownloadStepCount}, {"UploadStepCount", vna->UploadStepCount},
            {"CanUpload", vna->CanUpload}, {"HasCalTypeChoice", vna->HasCalTypeChoice},
            {"SelectedOption", vna->SelectedOption}};
        for (const auto& [key, value] : values)
            EXPECT_EQ(o[QLatin1String(key)], value) << key;
        const std::pair<const char*, std::vector<std::string>> texts[] = {
            {"ColumnHeadings", Strings(vna->ColumnHeadings)}, {"StdTypeNames", vna->StdTypeNames},
            {"LoadTypeNames", vna->LoadTypeNames},            {"ArbLoadTypeNames", vna->ArbLoadTypeNames},
            {"MediumNames", vna->MediumNames},                {"ClassHints", Strings(vna->ClassHints)},
            {"KitHints", Strings(vna->KitHints)},             {"GpibOptions", vna->GpibOptions}};
        for (const auto& [key, value] : texts)
            EXPECT_EQ(Texts(o[QLatin1String(key)]), value) << key;
        const std::pair<const char*, std::vector<int>> numbers[] = {
            {"ClassColumns", vna->ClassColumns.Members()}, {"SoltClasses", vna->SoltClasses.Members()},
            {"TrlClasses", vna->TrlClasses.Members()},
            {"DiskClassOrder", {vna->DiskClassOrder.begin(), vna->DiskClassOrder.end()}},
            {"DiskTrlClassOrder", {vna->DiskTrlClassOrder.begin(), vna->DiskTrlClassOrder.end()}}};
        for (const auto& [key, value] : numbers)
            EXPECT_EQ(Ints(o[QLatin1String(key)]), value) << key;
        // One row per standard type; class entries 0..NumClasses as objects.
        const QJsonArray stdColumns = o["StdColumns"].toArray(), stdHints = o["StdHints"].toArray();
        ASSERT_EQ(stdColumns.size(), 6);
        ASSERT_EQ(stdHints.size(), 6);
        for (std::size_t type = 0; type < 6; ++type) {
            EXPECT_EQ(Ints(stdColumns[static_cast<qsizetype>(type)]), vna->StdColumns[type].Members()) << type;
            EXPECT_EQ(Texts(stdHints[static_cast<qsizetype>(type)]), Strings(vna->StdHints[type])) << type;
        }
        const QJsonArray classes = o["ClassInfo"].toArray();
        ASSERT_EQ(classes.size(), vna->NumClasses + 1);
        for (qsizetype n = 0; n < classes.size(); ++n) {
            const TStdClassInfo& info = vna->ClassInfo[static_cast<std::size_t>(n)];
            const QJsonObject expected{{"Name", Q(info.Name)}, {"HelpContext", info.HelpContext},
                                       {"Code", Q(info.Code)}, {"DefaultLabel", Q(info.DefaultLabel)}};
            EXPECT_EQ(classes[n].toObject(), expected)
                << "class " << n;
        }
    }
    EXPECT_EQ(Kit({"describe", "pna 3PORT"}).Out, Kit({"describe", "1"}).Out);
}

TEST(TessalyKit, WrongUsageExitsWithTwoAndShowsUsage)
{
    const QStringList wrongUsages[] = {{}, {"bogus"}, {"--bogus"}, {"models", "extra"}, {"models", "--bogus"},
                                       {"describe"}, {"describe", "8753D/E", "extra"}, {"describe", "17"},
                                       {"describe", "-1"}, {"describe", "Agilent 8753D/E"}};
    for (const QStringList& arguments : wrongUsages) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
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
