// The shipped help topics: every context number and keyword the program uses leads to a
// topic, every link leads to a topic, and every topic can be reached from the contents.
#include "analyzers/Vna.h"
#include "ui/help/HelpContexts.h"
#include "ui/help/HelpTopics.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

TEST(HelpTopicsTest, EveryContextAndKeywordInUseHasATopic)
{
    const THelpTopics topics;
    ASSERT_GT(topics.Topics().size(), 50);
    const std::vector<int> contexts = UsedHelpContexts();
    for (int context : contexts)
        EXPECT_FALSE(topics.TopicOfContext(context).isEmpty()) << "no topic for help context " << context;
    for (const QString& keyword : UsedHelpKeywords())
        EXPECT_FALSE(topics.TopicOfKeyword(keyword).isEmpty()) << "no topic for " << keyword.toStdString();

    // The list holds what the windows use: commands, every model's menu item, grid cells.
    const auto used = [&](int context) { return std::find(contexts.begin(), contexts.end(), context) != contexts.end(); };
    for (const auto& vna : Vnas())
        EXPECT_TRUE(used(3200 + vna->HelpOffset)) << vna->ModelName;
    EXPECT_TRUE(used(4035));   // a standards grid heading
    EXPECT_TRUE(used(4117));   // port 3 of the 3-port PNA
    EXPECT_FALSE(used(4000));  // a grid always adds an offset

    EXPECT_EQ(topics.TopicOfKeyword("Tutorial1"), topics.TopicOfKeyword("tutorial1"));
    EXPECT_TRUE(topics.TopicOfKeyword("NoSuchTopic").isEmpty());
    EXPECT_TRUE(topics.TopicOfContext(4000).isEmpty());
}

TEST(HelpTopicsTest, NoDeadLinksNoOrphansNoContextClaimedTwice)
{
    const THelpTopics topics;
    QSet<QString> reached{QString::fromLatin1(THelpTopics::ContentsTopic)};
    QStringList waiting{QString::fromLatin1(THelpTopics::ContentsTopic)};
    while (!waiting.isEmpty()) {
        const QString topic = waiting.takeFirst();
        for (const QString& link : topics.Links(topic)) {
            if (link.startsWith("http") || link.startsWith("mailto:"))
                continue;
            EXPECT_TRUE(topics.Contains(link)) << topic.toStdString() << " links to " << link.toStdString();
            if (topics.Contains(link) && !reached.contains(link)) {
                reached.insert(link);
                waiting.append(link);
            }
        }
    }
    QMap<int, QString> owners;
    const QRegularExpression meta("<meta name=\"help-context\" content=\"([^\"]*)\">");
    for (const QString& topic : topics.Topics()) {
        EXPECT_TRUE(reached.contains(topic)) << topic.toStdString() << " cannot be reached from the contents";
        EXPECT_FALSE(topics.Title(topic).isEmpty()) << topic.toStdString();
        const QString html = topics.Html(topic);
        for (const QString& number : meta.match(html).captured(1).split(' ', Qt::SkipEmptyParts)) {
            EXPECT_FALSE(owners.contains(number.toInt()))
                << number.toStdString() << " in " << topic.toStdString() << " and "
                << owners.value(number.toInt()).toStdString();
            owners.insert(number.toInt(), topic);
        }
    }
}

TEST(HelpTopicsTest, PopupsShowTheTopicWithoutItsLinks)
{
    const THelpTopics topics;
    const QString topic = topics.TopicOfContext(4035);
    EXPECT_EQ(topic, "std-offset-delay.html");
    EXPECT_EQ(topics.Title(topic), "Offset Delay");
    const QString popup = topics.PopupHtml(topic);
    EXPECT_TRUE(popup.startsWith("<h2>Offset Delay</h2>"));
    EXPECT_FALSE(popup.contains("See also"));
    EXPECT_FALSE(popup.contains("<body>"));
    EXPECT_TRUE(topics.PopupHtml("missing.html").isEmpty());
}

TEST(HelpGridOffsetTest, CellsOfBothGrids)
{
    const TVna& vna = *FindVna("8753D/E");  // 8 standards, 15 classes
    const auto standards = [&](int column, int row) { return GridHelpOffset(THelpGrid::hgStandards, column, row, vna); };
    EXPECT_EQ(standards(8, 0), 35);  // the Offset Delay heading
    EXPECT_EQ(standards(4, 0), standards(5, 0)) << "C1 and C2 share their topic";
    EXPECT_EQ(standards(1, 0), 5);
    EXPECT_EQ(standards(15, 0), 5);
    EXPECT_EQ(standards(0, 8), 10);
    EXPECT_EQ(standards(1, 9), 5);   // below the last standard
    EXPECT_EQ(standards(8, 3), 5);   // a value cell

    const auto classes = [&](const TVna& model, int column, int row) {
        return GridHelpOffset(THelpGrid::hgClasses, column, row, model);
    };
    EXPECT_EQ(classes(vna, 1, 3), 10);   // S11C
    EXPECT_EQ(classes(vna, 0, 7), 25);   // forward transmission
    EXPECT_EQ(classes(vna, 1, 14), 60);  // TRL reflect
    EXPECT_EQ(classes(vna, 1, 16), 5);
    EXPECT_EQ(classes(vna, 9, 15), 80);
    EXPECT_EQ(classes(vna, 2, 3), 5);
    EXPECT_EQ(classes(*FindVna("8753Dtrl"), 1, 1), 75);
    EXPECT_EQ(classes(*FindVna("8510C"), 1, 17), 70);  // adapter

    EXPECT_EQ(HelpGridNamed("tsgStandards"), THelpGrid::hgStandards);
    EXPECT_EQ(HelpGridNamed("tsgStdClasses"), THelpGrid::hgClasses);
    EXPECT_FALSE(HelpGridNamed("tsgStdList").has_value());
}
