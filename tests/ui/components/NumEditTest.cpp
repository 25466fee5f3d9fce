// The numeric edit with real key events: what it refuses, what it reverts, when it beeps and
// what it reports to its owner.
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "support/UiTestSupport.h"
#include "ui/components/NumEdit.h"
#include "ui/components/UserLocale.h"

namespace {

class NumEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Edit));
    }
    void Type(const QString& text) { QTest::keyClicks(&Edit, text); }

    TNumEdit Edit;
};

}  // namespace

TEST_F(NumEditTest, KeysThatWouldMakeNoNumberAreRefused)
{
    Edit.SetBeepOnError(true);
    TBeepCounter beeps;
    QSignalSpy changes(&Edit, &TNumEdit::Changed);
    Type(QStringLiteral("-1.5x"));
    EXPECT_EQ(Edit.text(), "-1.5");
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(changes.count(), 4);

    // A mantissa may not end in a bare exponent letter; before the exponent's digits it may.
    Type(QStringLiteral("E"));
    EXPECT_EQ(Edit.text(), "-1.5");
    Type(QStringLiteral("3"));
    QTest::keyClick(&Edit, Qt::Key_Left);
    Type(QStringLiteral("E"));
    EXPECT_EQ(Edit.text(), "-1.5E3");
    EXPECT_EQ(beeps.Count(), 2);

    // Backspace is tried too: taking the "E" would leave "-1.53", a number.
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit.text(), "-1.53");
    // Replacing a selection: "5" over ".53" gives "-15".
    Edit.setSelection(2, 3);
    Type(QStringLiteral("5"));
    EXPECT_EQ(Edit.text(), "-15");
    // Typing over everything may leave the field blank.
    Edit.selectAll();
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit.text(), "");
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Edit.LastValidText(), "");
}

TEST_F(NumEditTest, TextSetByTheProgramThatIsNoNumberGoesBackQuietly)
{
    TBeepCounter beeps;
    QSignalSpy changes(&Edit, &TNumEdit::Changed);
    Edit.setText(QStringLiteral(" 12.5 "));
    Edit.setText(QStringLiteral("12.5 ohm"));
    EXPECT_EQ(Edit.text(), " 12.5 ") << "blanks at the ends do not count";
    EXPECT_EQ(beeps.Count(), 0) << "quiet unless told to beep";
    EXPECT_EQ(changes.count(), 2) << "the owner hears of a reverted change too";
}

TEST_F(NumEditTest, TheDecimalSeparatorIsTheUsers)
{
    InstallUserLocaleFormat(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(TNumEdit::IsNumberText(QStringLiteral("2,5")));
    EXPECT_FALSE(TNumEdit::IsNumberText(QStringLiteral("2.5")));
    Type(QStringLiteral("2.5"));
    EXPECT_EQ(Edit.text(), "25");
    InstallUserLocaleFormat(QLocale::c());
    EXPECT_TRUE(TNumEdit::IsNumberText(QStringLiteral("-")));
    EXPECT_TRUE(TNumEdit::IsNumberText(QStringLiteral("  ")));
    EXPECT_FALSE(TNumEdit::IsNumberText(QStringLiteral("1-")));
}
