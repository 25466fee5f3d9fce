// The recent-file list: newest first, at most five, names compared without letter case,
// menu items before "E&xit", and the stored list read back by the next run.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <gtest/gtest.h>

#include "ui/components/RecentFileList.h"

namespace {

QStringList Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QString Item(int number, const QString& file)
{
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + QDir::toNativeSeparators(file);
}

class RecentFileListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scope = {QStringLiteral("Tessaly Tests"),
                 QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                 QSettings::IniFormat};
        Scope.Open()->clear();
        FileMenu.addAction(QStringLiteral("Print to Clipboard"));
        FileMenu.addSeparator();
        FileMenu.addAction(QStringLiteral("E&xit"));
    }

    TSettingsScope Scope;
    QMenu FileMenu;
    QMenu Popup;
};

TEST_F(RecentFileListTest, KeepsTheFiveNewestAndMovesReopenedFilesToTheTop)
{
    TRecentFileList list(&FileMenu, &Popup, Scope);
    EXPECT_EQ(Captions(FileMenu), QStringList({"Print to Clipboard", "-", "E&xit"}));
    for (int number = 1; number <= 6; ++number)
        list.AddFile(QStringLiteral("/kits/f%1.tsy").arg(number));
    EXPECT_EQ(list.Files(), QStringList({"/kits/f6.tsy", "/kits/f5.tsy", "/kits/f4.tsy", "/kits/f3.tsy",
                                         "/kits/f2.tsy"}));
    QStringList expected{"Print to Clipboard", "-"};
    for (int number = 1; number <= 5; ++number)
        expected.append(Item(number, list.Files()[number - 1]));
    EXPECT_EQ(Captions(FileMenu), (expected + QStringList{"-", "E&xit"}));
    EXPECT_EQ(Popup.actions().size(), 5);

    // The third file again, in other letters: to the top, no duplicate.
    list.AddFile(QStringLiteral("/KITS/F4.tsy"));
    EXPECT_EQ(list.Files(), QStringList({"/KITS/F4.tsy", "/kits/f6.tsy", "/kits/f5.tsy", "/kits/f3.tsy",
                                         "/kits/f2.tsy"}));
    EXPECT_EQ(FileMenu.actions().size(), 3 + 5 + 1);
    EXPECT_EQ(list.GetFile(6), "");

    // Choosing an item reports its tag.
    int clicked = 0;
    QObject::connect(&list, &TRecentFileList::Click, [&](int tag) { clicked = tag; });
    FileMenu.actions()[4]->trigger();
    EXPECT_EQ(clicked, 3);
    EXPECT_EQ(list.GetFile(clicked), "/kits/f5.tsy");

    // The next run reads the same list back.
    QMenu nextMenu;
    nextMenu.addAction(QStringLiteral("E&xit"));
    TRecentFileList next(&nextMenu, nullptr, Scope);
    EXPECT_EQ(next.Files(), list.Files());
    EXPECT_EQ(Captions(nextMenu).size(), 5 + 2);
    EXPECT_EQ(Scope.Open()->value("RecentFiles/File1").toString(), "/KITS/F4.tsy");
}

TEST_F(RecentFileListTest, SkipsEmptyStoredNamesAndStoresNothingWithoutAPlace)
{
    {
        const std::unique_ptr<QSettings> stored = Scope.Open();
        stored->setValue("RecentFiles/Num", "3");
        stored->setValue("RecentFiles/File1", "/a.tsy");
        stored->setValue("RecentFiles/File2", "");
        stored->setValue("RecentFiles/File3", "/c.tsy");
        stored->setValue("RecentFiles/File4", "/d.tsy");
    }
    TRecentFileList list(&FileMenu, nullptr, Scope);
    EXPECT_EQ(list.Files(), QStringList({"/a.tsy", "/c.tsy"}));
    list.AddFile("/e.tsy");
    const std::unique_ptr<QSettings> stored = Scope.Open();
    EXPECT_EQ(stored->value("RecentFiles/Num").toString(), "3");
    EXPECT_FALSE(stored->contains("RecentFiles/File4"));  // the group is rewritten whole

    TRecentFileList unstored(nullptr, nullptr, TSettingsScope{});
    unstored.AddFile("/x.tsy");
    TRecentFileList again(nullptr, nullptr, TSettingsScope{});
    EXPECT_TRUE(again.Files().isEmpty());
}

TEST_F(RecentFileListTest, AmpersandsInNamesAreNotMnemonics)
{
    TRecentFileList list(nullptr, &Popup, TSettingsScope{});
    list.AddFile("/kits/R&D.tsy");
    EXPECT_EQ(Popup.actions().front()->text(), Item(1, "/kits/R&&D.tsy"));
}

}  // namespace
