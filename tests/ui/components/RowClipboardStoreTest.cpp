// The row clipboard on the system clipboard, and the small widgets that stand in for the
// desktop's own: the radio group.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/RowClipboard.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/SystemRowClipboard.h"

TEST(SystemRowClipboardTest, EachFormatTravelsAsItsOwnMimeTypeAndReplacesTheClipboard)
{
    TSystemRowClipboard store;
    EXPECT_NE(TSystemRowClipboard::MimeType(VnaStandardFormat), TSystemRowClipboard::MimeType(VnaStdClassFormat));
    QApplication::clipboard()->setText(QStringLiteral("text"));
    EXPECT_FALSE(store.Holds(VnaStandardFormat));
    EXPECT_FALSE(store.Get(VnaStandardFormat).has_value());

    const std::vector<std::uint8_t> block{1, 0, 255, 7};
    store.Put(VnaStdClassFormat, block);
    EXPECT_TRUE(store.Holds(VnaStdClassFormat));
    EXPECT_FALSE(store.Holds(VnaStandardFormat));
    EXPECT_EQ(store.Get(VnaStdClassFormat), block);
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText()) << "the text is gone";
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(TSystemRowClipboard::MimeType(VnaStdClassFormat)),
              QByteArray("\x01\x00\xff\x07", 4));

    // A standard copied from one kit pastes into another through the system clipboard.
    TCalKit source(*FindVna("8753D/E"));
    source.Standard(2).SetStdType(TStdType::Open);
    source.Standard(2).SetC0(42.5);
    source.Standard(2).SetLabel("OPEN");
    source.Standard(2).CopyToClipboard(store);
    EXPECT_FALSE(store.Holds(VnaStdClassFormat));
    TCalKit target(*FindVna("8510C"));
    ASSERT_TRUE(target.Standard(7).PasteFromClipboard(store));
    EXPECT_EQ(target.Standard(7).Values(), source.Standard(2).Values());
}

TEST(RadioGroupTest, OnlyTheUsersChoiceOfAnotherItemIsReported)
{
    TRadioGroup group(QStringLiteral("rgTest"), QStringLiteral("Choice:"), {QStringLiteral("One"), QStringLiteral("Two")});
    group.resize(120, 90);
    group.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
    QSignalSpy clicks(&group, &TRadioGroup::Clicked);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(group.IndexOf(QStringLiteral("Two")), 1);
    EXPECT_EQ(group.IndexOf(QStringLiteral("Three")), -1);
    EXPECT_EQ(group.Button(1)->objectName(), "rgTestItem1");

    group.SetItemIndex(1);
    EXPECT_TRUE(group.Button(1)->isChecked());
    EXPECT_EQ(clicks.count(), 0) << "the program's choice is silent";

    group.Button(0)->click();
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.front().front().toInt(), 1) << "the item chosen before";
    EXPECT_EQ(group.ItemIndex(), 0);
    group.Button(0)->click();
    EXPECT_EQ(clicks.count(), 1) << "the chosen item again is no change";

    group.SetItemIndex(-1);
    EXPECT_FALSE(group.Button(0)->isChecked());
    EXPECT_FALSE(group.Button(1)->isChecked());
    EXPECT_TRUE(group.IsItem(group.Button(1)));
    EXPECT_FALSE(group.IsItem(&group));
}
