// The kit editor window on its own: the standards grid driven with real key events, the
// undo steps of typing and of a model change, the unsaved-changes marker, the close question
// and the kit file.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "kit/Standard.h"
#include "EditorTestSupport.h"
#include "support/UiTestSupport.h"
#include "ui/components/CoreText.h"
#include "ui/components/UserLocale.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/EditorHost.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"

namespace {

class CalKitEditTest : public TEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.isValid());
        OpenEditor("8753D/E");
        TCalKit& kit = Editor->Kit();
        kit.Standard(1).SetStdType(TStdType::Short);
        kit.Standard(1).SetOffsetDelay(31.5);
        kit.Standard(2).SetStdType(TStdType::Open);
        kit.Standard(2).SetC0(49.5);
        kit.Standard(5).SetStdType(TStdType::Load);
        Editor->RefreshPages();
        FocusOn(Grid());
    }

    TDataGrid& Grid() const { return Editor->StandardsPage().Grid(); }
    TStandard& Std(int number) const { return Editor->Kit().Standard(number); }
    void Type(const QString& text) { TypeKeys(Grid(), text); }
    void Select(int column, int row)
    {
        Grid().EndEdit();
        ASSERT_TRUE(Grid().SetCurrentCell(column, row));
        Grid().setFocus();
    }

    QTemporaryDir Scratch;
};

}  // namespace

TEST_F(CalKitEditTest, BuildsTheStandardsGridForTheKitsModel)
{
    const TVna& vna = Editor->Kit().Vna();
    EXPECT_EQ(Grid().RowCount(), vna.NumStandards);
    EXPECT_EQ(Grid().Column(14).MaxLength, vna.StdLabelLength);
    EXPECT_EQ(Editor->PageControl().currentWidget(), &Editor->StandardsPage());
    // The current cell's hint is the status text.
    EXPECT_EQ(ToCore(Editor->StatusText()), vna.GetStdHint(TStdType::Short, 2));
}

TEST_F(CalKitEditTest, NoneStandardShowsOnlyItsNumber)
{
    Std(6).SetStdType(TStdType::None);
    Std(6).SetLabel("HIDDEN");
    Grid().Reload();
    EXPECT_EQ(Grid().CellText(1, 6), "#6");
    for (int column = 3; column <= 14; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(Grid().CellText(column, 6), "");
        EXPECT_TRUE(Grid().CellIsReadOnly(column, 6) && !Grid().CellHasButton(column, 6));
    }
    EXPECT_FALSE(Grid().CellIsReadOnly(2, 6)) << "the type can always be chosen";

    // Typing into such a cell changes nothing.
    Select(14, 6);
    Type(QStringLiteral("X"));
    EXPECT_EQ(Std(6).Label(), "HIDDEN");
}

TEST_F(CalKitEditTest, ColumnThreeOfAnArbitraryImpedanceEditsItsTerminalImpedance)
{
    Select(2, 3);
    ASSERT_TRUE(Grid().SetCurrentText(QStringLiteral("Arbi Imp")));
    ASSERT_EQ(Std(3).StdType(), TStdType::ArbiZ);
    Std(3).SetC0(12);
    Select(3, 3);
    Type(QStringLiteral("75"));
    EXPECT_EQ(Std(3).TermZ(), 75);
    EXPECT_EQ(Std(3).C0(), 12) << "C0 belongs to opens and shorts";
    EXPECT_EQ(Grid().CellText(3, 3), "75");
}

TEST_F(CalKitEditTest, NumericCellsStoreEachKeystrokeClampedAndRefuseLetters)
{
    TBeepCounter beeps;
    Select(4, 2);  // C1 of the open
    Type(QStringLiteral("-"));
    EXPECT_EQ(Grid().CurrentText(), "-");
    EXPECT_EQ(Std(2).C1(), 0);
    Type(QStringLiteral("5"));
    EXPECT_EQ(Std(2).C1(), -5);
    EXPECT_EQ(beeps.Count(), 0);

    Type(QStringLiteral("x"));
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(Grid().CurrentText(), "-5");
    EXPECT_EQ(Std(2).C1(), -5);

    // A mantissa may not end in a bare exponent letter.
    Type(QStringLiteral("E"));
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Grid().CurrentText(), "-5");
    // Typed before the exponent's digits, the letter is taken.
    Type(QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    Type(QStringLiteral("E"));
    EXPECT_EQ(Grid().CurrentText(), "-5E2");
    EXPECT_EQ(Std(2).C1(), -500);
    Press(Qt::Key_Return);

    // Values beyond the model's limit are forced into it and shown so after the edit.
    Select(3, 2);
    Type(QStringLiteral("123456789"));
    EXPECT_EQ(Std(2).C0(), Editor->Kit().Vna().MaxCoefficient);
    Press(Qt::Key_Return);
    EXPECT_EQ(Grid().CellText(3, 2), "10000000");

    // Letters typed on a cell that is not being edited are refused one by one.
    Select(9, 5);
    Type(QStringLiteral("abc"));
    EXPECT_EQ(beeps.Count(), 5);
    EXPECT_EQ(Std(5).OffsetZ0(), 50);
    EXPECT_FALSE(Grid().IsEditing());
}

TEST_F(CalKitEditTest, PastedTextThatIsNoNumberRollsBackWithABeep)
{
    TBeepCounter beeps;
    Select(8, 1);  // offset delay 31.5
    Type(QStringLiteral("7"));
    ASSERT_EQ(Std(1).OffsetDelay(), 7);
    QApplication::clipboard()->setText(QStringLiteral("12 ps"));
    ASSERT_TRUE(Grid().PasteFromClipboard());
    EXPECT_EQ(beeps.Count(), 1);
    // The cell goes back to the text its edit began with, and the kit holds that value.
    EXPECT_EQ(Grid().CurrentText(), "31.5");
    EXPECT_EQ(Std(1).OffsetDelay(), 31.5);
}

TEST_F(CalKitEditTest, KeystrokesInOneCellAreOneTypingStep)
{
    TUndoHistory& history = Editor->UndoHistory();
    Select(8, 1);
    Type(QStringLiteral("123"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Std(1).OffsetDelay(), 123);
    EXPECT_EQ(history.Count(), 1);
    EXPECT_EQ(history.UndoMenuCaption(), "Undo typing");
    EXPECT_EQ(Editor->windowTitle(), "Kit1*");

    // Another cell is another step.
    Select(10, 1);
    Type(QStringLiteral("2"));
    Press(Qt::Key_Return);
    EXPECT_EQ(history.Count(), 2);

    Select(14, 5);
    Editor->EditUndo();
    EXPECT_EQ(Std(1).OffsetLoss(), 0);
    Editor->EditUndo();
    EXPECT_EQ(Std(1).OffsetDelay(), 31.5);
    EXPECT_EQ(Grid().CurrentColumn(), 8);
    EXPECT_EQ(Grid().CurrentRow(), 1);
    EXPECT_EQ(Editor->windowTitle(), "Kit1") << "back at the saved state";

    Editor->EditRedo();
    EXPECT_EQ(Std(1).OffsetDelay(), 123);
    EXPECT_EQ(Editor->windowTitle(), "Kit1*");
}

TEST_F(CalKitEditTest, ModelChangeRebuildsTheGridAndUndoesInOneStep)
{
    TVna& first = Editor->Kit().Vna();
    TVna& narrow = Model("8510C");
    Std(2).SetC0(50000);  // beyond the 8510's limit
    Editor->ChangeVna(narrow);
    EXPECT_EQ(&Editor->Kit().Vna(), &narrow);
    EXPECT_EQ(Host.Selected, &narrow);
    EXPECT_EQ(Grid().RowCount(), narrow.NumStandards);
    EXPECT_EQ(Std(2).C0(), narrow.MaxCoefficient);
    EXPECT_EQ(Grid().CellText(3, 2), "10000");

    Editor->EditUndo();
    EXPECT_EQ(Host.Selected, &first);
    EXPECT_EQ(Grid().RowCount(), first.NumStandards);
    EXPECT_EQ(Std(2).C0(), 50000);
    EXPECT_EQ(Editor->UndoHistory().Count(), 1) << "undo makes no new step";
    EXPECT_EQ(Editor->windowTitle(), "Kit1");
}

TEST_F(CalKitEditTest, ClosingAModifiedKitAsksAndCancelKeepsTheWindow)
{
    Select(8, 1);
    Type(QStringLiteral("9"));
    Press(Qt::Key_Return);
    ASSERT_TRUE(Editor->UndoHistory().IsDirty());

    QString caption;
    auto asked = WhenModal([&](QWidget& dialog) {
        caption = dialog.windowTitle();
        ClickButton(dialog, QMessageBox::Cancel);
    });
    EXPECT_FALSE(Editor->close());
    EXPECT_TRUE(*asked);
    EXPECT_EQ(caption, "Kit1");
    EXPECT_TRUE(Editor->isVisible());

    // Yes with a save that does not happen (a cancelled Save As) keeps the window open.
    int saves = 0;
    Host.OnSave = [&](TCalKitEditForm&) { ++saves; };
    WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::Yes); });
    EXPECT_FALSE(Editor->close());
    EXPECT_EQ(saves, 1);

    // Yes with a save that succeeds closes it.
    const QString file = Scratch.filePath(QStringLiteral("closing.tsy"));
    Host.OnSave = [&](TCalKitEditForm& editor) { editor.SaveKitFile(file); };
    WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::Yes); });
    EXPECT_TRUE(Editor->close());
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(CalKitEditTest, SavesAndLoadsTheKitFile)
{
    const QString title = QString::fromUtf8("K\xC3\x9Chl \xC3\xB8.tsy"); // outside any ANSI code page
    const QString file = Scratch.filePath(title);
    Select(8, 1);
    Type(QStringLiteral("44"));
    Press(Qt::Key_Return);
    Editor->Kit().SetDateLastModified(1000);
    Editor->SaveKitFile(file);
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(Editor->windowTitle(), title);
    EXPECT_EQ(Editor->Kit().DateLastModified(), TodayOleDate());

    // A kit of another model loads into a window on the selected model and brings its
    // model along, without an undo step.
    Host.Selected = &Model("PNA");
    TCalKitEditForm loaded(Host);
    loaded.LoadKitFile(file);
    EXPECT_EQ(&loaded.Kit().Vna(), &Model("8753D/E"));
    EXPECT_EQ(Host.Selected, &Model("8753D/E"));
    EXPECT_EQ(loaded.Kit().Standard(2).C0(), 49.5);
    EXPECT_EQ(loaded.StandardsPage().Grid().CellText(8, 1), "44");
    EXPECT_EQ(loaded.UndoHistory().Count(), 0);

    // A failed save changes nothing.
    Select(8, 1);
    Type(QStringLiteral("5"));
    Press(Qt::Key_Return);
    const QString nowhere = Scratch.filePath(QStringLiteral("missing/folder/kit.tsy"));
    EXPECT_THROW(Editor->SaveKitFile(nowhere), ECannotSaveFile);
    EXPECT_EQ(Editor->FileName(), file);
    EXPECT_EQ(Editor->windowTitle(), title + "*") << "still unsaved";
}

TEST_F(CalKitEditTest, CellsFollowTheUsersDecimalSeparator)
{
    InstallUserLocaleFormat(QLocale(QLocale::German, QLocale::Germany));
    Grid().Reload();
    EXPECT_EQ(Grid().CellText(3, 2), "49,5");
    TBeepCounter beeps;
    Select(8, 2);
    Type(QStringLiteral("2,25"));
    EXPECT_EQ(Std(2).OffsetDelay(), 2.25);
    Type(QStringLiteral("."));
    EXPECT_EQ(beeps.Count(), 1) << "a full stop is no separator here";
    Press(Qt::Key_Return);
    InstallUserLocaleFormat(QLocale::c());
    Grid().Reload();
    EXPECT_EQ(Grid().CellText(8, 2), "2.25");
}

TEST_F(CalKitEditTest, ScreenReadersFindTheControlsAndTheCellTexts)
{
    for (QWidget* widget : {static_cast<QWidget*>(Editor.get()), static_cast<QWidget*>(&Editor->PageControl()),
                            static_cast<QWidget*>(&Editor->StandardsPage()), static_cast<QWidget*>(&Grid())})
        EXPECT_FALSE(widget->accessibleName().isEmpty() || widget->accessibleDescription().isEmpty())
            << widget->objectName().toStdString();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&Grid());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    // Model column 2 is grid column 3 (C0) of standard 2.
    QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "49.5");
}
