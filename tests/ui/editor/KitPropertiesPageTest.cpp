// The kit properties page driven through its real widgets: its panel, the values it shows,
// numbers forced into the model's range on leaving a field, refused keys, Enter moving on,
// the model's enabled states, and undo of property changes.
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "ui/components/CoreText.h"
#include "ui/components/NumEdit.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/UserLocale.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/KitPropertiesPage.h"
#include "ui/editor/PropertyEditing.h"
#include "ui/editor/StandardsPage.h"

namespace {

class KitPropertiesPageTest : public TEditorWindowTest {
protected:
    void SetUp() override { Open("8753D/E"); }
    void Open(const char* model)
    {
        OpenEditor(model);
        Editor->ShowPage(Page());
        QApplication::processEvents();
    }

    TKitPropertiesPage& Page() const { return Editor->PropertiesPage(); }
    // The tag of the control that has the focus; 0 for none.
    int FocusedTag() const { return Page().Editing().TagOf(QApplication::focusWidget()); }
    // Replaces the whole text of a line edit by typing.
    static void Retype(QLineEdit& edit, const QString& text)
    {
        FocusOn(edit);
        edit.selectAll();
        TypeKeys(edit, text);
    }
};

}  // namespace

TEST_F(KitPropertiesPageTest, ThePanelStaysCentredAndTabGoesThroughTheControlsInOrder)
{
    EXPECT_EQ(FocusedTag(), 1) << "entering the page focuses the kit label";

    // The panel stays in the middle of a wide window and at the left of a narrow one.
    Editor->resize(1001, 500);
    QApplication::processEvents();
    const int shown = Page().viewport()->width();
    ASSERT_GT(shown, 569);
    EXPECT_EQ(Page().Panel().x(), (shown - 569) / 2);
    Editor->resize(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(Page().Panel().x(), 0);

    // Tab goes label, description, TRL Cal Z0, (low-band frequency), system Z0, TRL Set Ref.
    std::vector<int> order;
    for (int step = 0; step < 4; ++step) {
        Press(Qt::Key_Tab);
        order.push_back(FocusedTag());
    }
    EXPECT_EQ(order, (std::vector<int>{2, 3, 5, 6})) << "the 8753D/E has no low-band frequency";
}

TEST_F(KitPropertiesPageTest, ShowsTheKitsValuesInTheirFormats)
{
    EXPECT_EQ(Page().DateLabel().text(), FromCore(FormatLongDate(TodayOleDate()))) << "a new kit shows today";

    Kit().SetLabel("ACME 3.5");
    Kit().SetSystemZ0(75.126);
    Kit().SetTrlCalZ0(TTrlCalZ0::SystemZ0);
    Kit().SetTrlSetRef(TTrlSetRef::Reflect);
    Kit().SetDescription("first line\r\nsecond line");
    Kit().SetDateLastModified(36008);  // 1 August 1998
    InstallUserLocaleFormat(QLocale(QLocale::German, QLocale::Germany));
    Editor->RefreshPages();
    EXPECT_EQ(Page().LabelEdit().text(), "ACME 3.5");
    EXPECT_EQ(Page().SystemZ0Edit().text(), "75,10");
    EXPECT_EQ(Page().TrlCalZ0Control().ItemIndex(), 1);
    EXPECT_EQ(Page().TrlSetRefControl().ItemIndex(), 1);
    EXPECT_EQ(Page().DescriptionEdit().toPlainText(), "first line\nsecond line");
    EXPECT_EQ(Page().DateLabel().text(),
              QLocale(QLocale::German, QLocale::Germany).toString(QDate(1998, 8, 1), QLocale::LongFormat));
    SetLocaleFormat(TLocaleFormat{});
    Editor->RefreshPages();
    EXPECT_EQ(Page().DateLabel().text(), "Saturday, August 1, 1998");
    EXPECT_EQ(Editor->UndoHistory().Count(), 0) << "showing values records nothing";
}

TEST_F(KitPropertiesPageTest, AValueBeyondTheModelsRangeShowsTheStoredValueOnLeaving)
{
    TNumEdit& z0 = Page().SystemZ0Edit();
    Retype(z0, QStringLiteral("5000"));
    EXPECT_EQ(z0.text(), "5000") << "the typed text stays while the field has the focus";
    EXPECT_EQ(Kit().SystemZ0(), 500);
    Press(Qt::Key_Tab);
    EXPECT_EQ(z0.text(), "500.00");
    ASSERT_EQ(Editor->UndoHistory().Count(), 1) << "the keystrokes are one step";
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo typing");
    EXPECT_EQ(Editor->windowTitle(), "Kit1*");

    // Undo from another page shows this page and focuses the field.
    Editor->ShowPage(Editor->StandardsPage());
    Editor->EditUndo();
    EXPECT_EQ(Editor->PageControl().currentWidget(), &Page());
    EXPECT_EQ(Kit().SystemZ0(), 50);
    EXPECT_EQ(z0.text(), "50.00");
    EXPECT_EQ(QApplication::focusWidget(), &z0);
    EXPECT_EQ(Editor->windowTitle(), "Kit1");
}

TEST_F(KitPropertiesPageTest, TheLowbandFieldRefusesLettersAndAClearedFieldStoresZero)
{
    Open("8510C");
    TBeepCounter beeps;
    TNumEdit& lowband = Page().LowbandEdit();
    ASSERT_TRUE(lowband.isEnabled());
    FocusOn(lowband);
    lowband.end(false);
    TypeKeys(lowband, QStringLiteral("x"));
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(lowband.text(), "2.0000");
    EXPECT_EQ(Kit().LowbandFrequency(), 2);

    // Pasted text that is no number goes back to the last valid text.
    QApplication::clipboard()->setText(QStringLiteral("GHz"));
    lowband.paste();
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(lowband.text(), "2.0000");
    EXPECT_EQ(Editor->UndoHistory().Count(), 0) << "nothing changed";

    // A cleared field stores 0, forced into the model's range, and shows it on leaving.
    lowband.selectAll();
    Press(Qt::Key_Backspace);
    EXPECT_EQ(lowband.text(), "");
    EXPECT_EQ(Kit().LowbandFrequency(), Kit().Vna().MinLowband);
    TypeKeys(lowband, QStringLiteral("-"));
    EXPECT_EQ(lowband.text(), "-");
    FocusOn(Page().LabelEdit());
    EXPECT_EQ(lowband.text(), "0.0000");
    EXPECT_EQ(beeps.Count(), 2);
}

TEST_F(KitPropertiesPageTest, EnterMovesToTheNextControlInsteadOfStartingALine)
{
    QPlainTextEdit& description = Page().DescriptionEdit();
    FocusOn(description);
    TypeKeys(description, QStringLiteral("ab"));
    Press(Qt::Key_Return);
    EXPECT_EQ(description.toPlainText(), "ab");
    EXPECT_EQ(FocusedTag(), 3) << "TRL Cal Z0";
    EXPECT_EQ(Kit().Description(), "ab");

    FocusOn(Page().LabelEdit());
    Press(Qt::Key_Enter);
    EXPECT_EQ(FocusedTag(), 2);

    // Pasted lines are kept, with the line ends of the kit file.
    description.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("one\ntwo"));
    description.paste();
    EXPECT_EQ(Kit().Description(), "one\r\ntwo");
}

TEST_F(KitPropertiesPageTest, TheModelDecidesWhichControlsAreEnabled)
{
    const auto enabled = [this] {
        return std::vector<bool>{Page().TrlCalZ0Control().isEnabled(), Page().TrlSetRefControl().isEnabled(),
                                 Page().LowbandEdit().isEnabled(), !Editor->ClassesPage().CalTypeControl().isHidden()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, true}));
    Editor->ChangeVna(Model("8753A/B/C"));
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));
    Editor->ChangeVna(Model("8510C"));
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
    EXPECT_TRUE(Page().Panel().findChild<QLabel*>(QStringLiteral("lblLowbandFreq"))->isEnabled());
    Editor->EditUndo();
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo VNA selection");

    // The label's limit follows the model; a shorter limit records no edit.
    Editor->ChangeVna(Model("PNA"));
    EXPECT_EQ(Page().LabelEdit().maxLength(), 30);
    Retype(Page().LabelEdit(), QStringLiteral("A LABEL OF TWENTY CHARS"));
    EXPECT_EQ(Kit().Label(), "A LABEL OF TWENTY CHARS");
    const int steps = Editor->UndoHistory().Count();
    Editor->ChangeVna(Model("8753D/E"));
    EXPECT_EQ(Page().LabelEdit().text(), "A LABEL OF");
    EXPECT_EQ(Editor->UndoHistory().Count(), steps + 1) << "only the model change";
}

TEST_F(KitPropertiesPageTest, UndoOfPropertyChangesMovesTheFocusBackToEachControl)
{
    Retype(Page().LabelEdit(), QStringLiteral("AB"));
    Press(Qt::Key_Tab);
    TypeKeys(Page().DescriptionEdit(), QStringLiteral("cd"));
    ClickItem(Page().TrlSetRefControl(), 1);
    ClickItem(Page().TrlSetRefControl(), 0);
    ClickItem(Page().TrlSetRefControl(), 1);
    EXPECT_EQ(Kit().TrlSetRef(), TTrlSetRef::Reflect);
    ASSERT_EQ(Editor->UndoHistory().Count(), 5) << "every choice of an item is a step of its own";

    Editor->EditUndo();
    EXPECT_EQ(Kit().TrlSetRef(), TTrlSetRef::Thru);
    EXPECT_EQ(Page().TrlSetRefControl().ItemIndex(), 0);
    EXPECT_EQ(FocusedTag(), 6);
    Editor->EditUndo();
    Editor->EditUndo();
    EXPECT_EQ(Kit().TrlSetRef(), TTrlSetRef::Thru);
    Editor->EditUndo();
    EXPECT_EQ(Kit().Description(), "");
    EXPECT_EQ(FocusedTag(), 2);
    Editor->EditUndo();
    EXPECT_EQ(Page().LabelEdit().text(), "New Kit");
    EXPECT_EQ(FocusedTag(), 1);
    EXPECT_EQ(Editor->windowTitle(), "Kit1");

    Editor->EditRedo();
    EXPECT_EQ(Kit().Label(), "AB");
    EXPECT_EQ(ToCore(Editor->StatusText()), Kit().Vna().GetKitHint(1));
}

TEST_F(KitPropertiesPageTest, ASavedKitEditedAndUndoneBackClosesWithoutAQuestion)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    Editor->SaveKitFile(scratch.filePath(QStringLiteral("saved.tsy")));
    Retype(Page().LabelEdit(), QStringLiteral("EDITED"));
    EXPECT_EQ(Editor->windowTitle(), "saved.tsy*");
    Editor->EditUndo();
    EXPECT_EQ(Editor->windowTitle(), "saved.tsy");
    EXPECT_EQ(Kit().Label(), "New Kit");

    auto asked = WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::Cancel); });
    EXPECT_TRUE(Editor->close());
    QTest::qWait(50);
    EXPECT_FALSE(*asked);
    StopModalAnswers();
}
