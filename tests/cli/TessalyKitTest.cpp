// tessaly-kit as a user runs it: its output, its JSON and its exit status.
#include "KitRun.h"
#include "analyzers/Vna.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

QJsonObject Describe(const QString& model)
{
    const TKitRun run = Kit({QStringLiteral("describe"), model});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

std::vector<int> Ints(const QJsonValue& value)
{
    std::vector<int> out;
    for (const QJsonValue& v : value.toArray()) {
        EXPECT_TRUE(v.isDouble());
        out.push_back(v.toInt(-999));
    }
    return out;
}

std::vector<std::string> Texts(const QJsonValue& value)
{
    std::vector<std::string> out;
    for (const QJsonValue& v : value.toArray()) {
        EXPECT_TRUE(v.isString());
        out.push_back(v.toString().toStdString());
    }
    return out;
}

std::string Text(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toString().toStdString();
}

} // namespace

TEST(TessalyKit, ModelsListsTheCatalogueInOrder)
{
    const TKitRun run = Kit({QStringLiteral("models")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, QByteArray());
    EXPECT_EQ(run.Out.toStdString(), "0\tAgilent PNA\n"
                                     "1\tAgilent PNA 3port\n"
                                     "2\tAgilent 8510A\n"
                                     "3\tAgilent 8510B\n"
                                     "4\tAgilent 8510C\n"
                                     "5\tAgilent 8719A\n"
                                     "6\tAgilent 8719C\n"
                                     "7\tAgilent 8719D/E\n"
                                     "8\tAgilent 8720A/B\n"
                                     "9\tAgilent 8720B/C\n"
                                     "10\tAgilent 8720D/E\n"
                                     "11\tAgilent 8722A/C\n"
                                     "12\tAgilent 8722D/E\n"
                                     "13\tAgilent 8752A/B/C\n"
                                     "14\tAgilent 8753A/B/C\n"
                                     "15\tAgilent 8753Dtrl\n"
                                     "16\tAgilent 8753D/E\n");
}

TEST(TessalyKit, DescribeGivesTheFieldsOfAnAnalyzerAsJson)
{
    const QJsonObject o = Describe(QStringLiteral("8753d/e"));
    const QStringList fields{
        "ModelIndex",     "ModelName",        "ModelHint",        "HelpOffset",        "NumStandards",
        "ColumnHeadings", "StdTypeNames",     "ShortHasInductance", "MaxCoefficient",  "MaxTermZ",
        "LoadTypeNames",  "ArbLoadTypeNames", "MaxOffsetDelay",   "MinOffsetZ0",       "MaxOffsetZ0",
        "MaxOffsetLoss",  "MediumNames",      "MaxMinFreq",       "MaxMaxFreq",        "StdLabelLength",
        "NumClasses",     "ClassInfo",        "ClassLabelLength", "KitLabelLength",    "HasTrlCalZ0",
        "HasTrlSetRef",   "HasLowband",       "MinLowband",       "MaxLowband",        "MinSystemZ0",
        "MaxSystemZ0",    "StdColumns",       "ClassColumns",     "SoltClasses",       "TrlClasses",
        "StdHints",       "ClassHints",       "KitHints",         "UploadNote",        "HasDiskFiles",
        "DiskFilter",     "DiskExtension",    "DiskPrefix",       "DiskClassOrder",    "DiskTrlClassOrder",
        "DownloadStepCount", "UploadStepCount", "GpibOptions",    "CanUpload",         "HasCalTypeChoice",
        "SelectedOption"};
    QStringList keys = o.keys();
    QStringList expected = fields;
    keys.sort();
    expected.sort();
    EXPECT_EQ(keys, expected);

    EXPECT_TRUE(o["ModelIndex"].isDouble());
    EXPECT_EQ(o["ModelIndex"].toInt(), 16);
    EXPECT_EQ(Text(o, "ModelName"), "Agilent 8753D/E");
    EXPECT_EQ(o["MaxCoefficient"].toDouble(), 1e7);
    EXPECT_EQ(o["MaxOffsetDelay"].toDouble(), 1e13);
    EXPECT_TRUE(o["HasCalTypeChoice"].isBool() && o["HasCalTypeChoice"].toBool());
    EXPECT_TRUE(o["HasLowband"].isBool() && !o["HasLowband"].toBool());
    EXPECT_EQ(Texts(o["ColumnHeadings"]).at(1), "Standard\rType");
    EXPECT_EQ(Texts(o["LoadTypeNames"]), (std::vector<std::string>{"Fixed", "Sliding", "Offset"}));
    EXPECT_EQ(Ints(o["SoltClasses"]), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Ints(o["TrlClasses"]), (std::vector<int>{13, 14, 15}));
    EXPECT_EQ(Ints(o["ClassColumns"]), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));

    const QJsonArray stdColumns = o["StdColumns"].toArray();
    ASSERT_EQ(stdColumns.size(), 6);
    EXPECT_EQ(Ints(stdColumns[0]), std::vector<int>{2});
    EXPECT_EQ(Ints(stdColumns[1]), (std::vector<int>{2, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(Ints(stdColumns[5]), (std::vector<int>{2, 3, 7, 8, 9, 10, 11, 12, 13, 14}));
    const QJsonArray stdHints = o["StdHints"].toArray();
    ASSERT_EQ(stdHints.size(), 6);
    for (const QJsonValue& row : stdHints)
        EXPECT_EQ(row.toArray().size(), 13);
    EXPECT_EQ(Texts(stdHints[3]).at(7 - 2), "Load Type: fixed, sliding, or offset");
    EXPECT_EQ(Texts(stdHints[2]).at(3 - 2), "C0 (x 10e-15 F)");
    EXPECT_EQ(Texts(o["ClassHints"]).front(), "Standard Number: 1 to 8");
    EXPECT_EQ(Texts(o["KitHints"]).size(), 7u);

    const QJsonArray classes = o["ClassInfo"].toArray();
    ASSERT_EQ(classes.size(), 16); // entries 0..15
    const QJsonObject reflect = classes[14].toObject();
    EXPECT_EQ(Text(reflect, "Name"), "TRL Reflect");
    EXPECT_EQ(reflect["HelpContext"].toInt(), 60);
    EXPECT_EQ(Text(reflect, "Code"), "TRLR");
    EXPECT_EQ(Text(reflect, "DefaultLabel"), "Reflect");
    EXPECT_EQ(Text(classes[0].toObject(), "Code"), " ");
}

TEST(TessalyKit, DescribeShowsOptionsAndEmptyDiskTables)
{
    const QJsonObject pna = Describe(QStringLiteral("pna 3PORT"));
    EXPECT_EQ(pna["ModelIndex"].toInt(), 1);
    EXPECT_EQ(Texts(pna["GpibOptions"]).back(), "User Defined &10=sel 10");
    EXPECT_EQ(pna["SelectedOption"].toInt(), 4);
    EXPECT_TRUE(pna["DiskClassOrder"].isArray() && pna["DiskClassOrder"].toArray().isEmpty());
    EXPECT_TRUE(pna["DiskTrlClassOrder"].isArray() && pna["DiskTrlClassOrder"].toArray().isEmpty());
    EXPECT_EQ(Texts(pna["ClassHints"]).back(), "not applicable");

    const QJsonObject a8510 = Describe(QStringLiteral("2"));
    EXPECT_EQ(Text(a8510, "ModelName"), "Agilent 8510A");
    EXPECT_EQ(Texts(a8510["GpibOptions"]), (std::vector<std::string>{"Cal Kit &1=MODI1;", "Cal Kit &2=MODI2;"}));
    EXPECT_EQ(Ints(a8510["DiskTrlClassOrder"]), (std::vector<int>{14, 16, 15, 17}));
    EXPECT_EQ(Text(a8510, "DiskPrefix"), "CK_");
    EXPECT_TRUE(a8510["CanUpload"].isBool() && !a8510["CanUpload"].toBool());
}

TEST(TessalyKit, DescribeAgreesWithTheCatalogueForEveryModel)
{
    for (const auto& vna : Vnas()) {
        SCOPED_TRACE(vna->ModelName);
        const QJsonObject o = Describe(QString::number(vna->ModelIndex));
        const std::pair<const char*, double> numbers[] = {
            {"HelpOffset", vna->HelpOffset},   {"NumStandards", vna->NumStandards},  {"NumClasses", vna->NumClasses},
            {"MaxTermZ", vna->MaxTermZ},       {"MinOffsetZ0", vna->MinOffsetZ0},    {"MaxOffsetZ0", vna->MaxOffsetZ0},
            {"MaxMinFreq", vna->MaxMinFreq},   {"MaxMaxFreq", vna->MaxMaxFreq},      {"MinLowband", vna->MinLowband},
            {"MaxLowband", vna->MaxLowband},   {"MinSystemZ0", vna->MinSystemZ0},    {"MaxSystemZ0", vna->MaxSystemZ0},
            {"MaxOffsetLoss", vna->MaxOffsetLoss}, {"StdLabelLength", vna->StdLabelLength},
            {"ClassLabelLength", vna->ClassLabelLength}, {"KitLabelLength", vna->KitLabelLength},
            {"DownloadStepCount", vna->DownloadStepCount}, {"UploadStepCount", vna->UploadStepCount}};
        for (const auto& [key, value] : numbers)
            EXPECT_EQ(o[QLatin1String(key)].toDouble(-1), value) << key;
        const std::pair<const char*, bool> flags[] = {
            {"ShortHasInductance", vna->ShortHasInductance}, {"HasTrlCalZ0", vna->HasTrlCalZ0},
            {"HasTrlSetRef", vna->HasTrlSetRef}, {"HasDiskFiles", vna->HasDiskFiles}};
        for (const auto& [key, value] : flags)
            EXPECT_EQ(o[QLatin1String(key)].toBool(!value), value) << key;
        EXPECT_EQ(Text(o, "UploadNote"), vna->UploadNote);
        EXPECT_EQ(Texts(o["StdTypeNames"]), vna->StdTypeNames);
        EXPECT_EQ(Texts(o["ArbLoadTypeNames"]), vna->ArbLoadTypeNames);
        EXPECT_EQ(Ints(o["DiskClassOrder"]), std::vector<int>(vna->DiskClassOrder.begin(), vna->DiskClassOrder.end()));
        EXPECT_EQ(Texts(o["StdHints"].toArray()[1]).at(3 - 2), vna->GetStdHint(TStdType::Short, 3));
        const QJsonArray classes = o["ClassInfo"].toArray();
        ASSERT_EQ(classes.size(), vna->NumClasses + 1);
        EXPECT_EQ(Text(classes.last().toObject(), "Name"), vna->GetClassInfo(vna->NumClasses).Name);
    }
}

TEST(TessalyKit, WrongUsageExitsWithTwoAndShowsUsage)
{
    const QStringList wrongUsages[] = {
        {},
        {QStringLiteral("bogus")},
        {QStringLiteral("--bogus")},
        {QStringLiteral("models"), QStringLiteral("extra")},
        {QStringLiteral("models"), QStringLiteral("--bogus")},
        {QStringLiteral("describe")},
        {QStringLiteral("describe"), QStringLiteral("8753D/E"), QStringLiteral("extra")},
        {QStringLiteral("describe"), QStringLiteral("17")},
        {QStringLiteral("describe"), QStringLiteral("-1")},
        {QStringLiteral("describe"), QStringLiteral("Agilent 8753D/E")},
    };
    for (const QStringList& arguments : wrongUsages) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const TKitRun run = Kit(arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_TRUE(run.Err.contains("Usage:")) << run.Err.toStdString();
    }

    const TKitRun unknown = Kit({QStringLiteral("describe"), QStringLiteral("8753X")});
    EXPECT_EQ(unknown.Status, 2);
    EXPECT_TRUE(unknown.Err.startsWith("Unknown model \"8753X\"")) << unknown.Err.toStdString();

    const TKitRun help = Kit({QStringLiteral("describe"), QStringLiteral("--help")});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.contains("describe M"));
    EXPECT_TRUE(help.Err.isEmpty());
}
