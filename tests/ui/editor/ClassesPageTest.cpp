// The class assignments page driven through its real widgets: the layout for a model, the
// calibration type and the rows it shows, typing standard numbers, dragging them from the
// list of standards, and the undo steps of both.
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "kit/CalKit.h"
#include "ui/components/CoreText.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/StdDragCursor.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/StandardsPage.h"

namespace {

class ClassesPageTest : public TEditorWindowTest {
protected:
    void SetUp() override { Open("8753D/E"); }
    void Open(const char* model)
    {
        OpenEditor(model);
        TCalKit& kit = Editor->Kit();
        kit.Standard(1).SetStdType(TStdType::Short);
        kit.Standard(1).SetLabel("SHORT");
        kit.Standard(2).SetStdType(TStdType::Open);
        kit.Standard(6).SetLabel("UNUSED");
        kit.StdClass(1).SetStd(1, 1);
        kit.StdClass(1).SetStd(2, 5);
        kit.StdClass(2).SetLabel("OPENS");
        Editor->RefreshPages();
        Editor->ShowPage(Page());
        FocusOn(Grid());
    }

    TClassesPage& Page() const { return Editor->ClassesPage(); }
    TDataGrid& Grid() const { return Page().Grid(); }
    TDataGrid& List() const { return Page().StandardsList(); }
    TStdClass& Class(int number) const { return Editor->Kit().StdClass(number); }
    std::vector<int> ShownRows() const
    {
        std::vector<int> rows;
        for (int row = 1; row <= Grid().RowCount(); ++row)
            if (Grid().RowVisible(row))
                rows.push_back(row);
        return rows;
    }
    void Select(int column, int row)
    {
        Grid().EndEdit();
        ASSERT_TRUE(Grid().SetCurrentCell(column, row));
        FocusOn(Grid());
    }
    void Type(const QString& text) { TypeKeys(Grid(), text); }
    // Drops what was picked up in the list on the class grid's cell.
    void DropOn(int column, int row)
    {
        QMimeData data;
        QDragEnterEvent enter(CellCentre(Grid(), column, row), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Grid().viewport(), &enter);
        QDropEvent drop(QPointF(CellCentre(Grid(), column, row)), Qt::CopyAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(Grid().viewport(), &drop);
    }
    void PickUpFromList(int row)
    {
        QTest::mousePress(List().viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(List(), 1, row));
        QTest::mouseRelease(List().viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(List(), 1, row));
    }
};

}  // namespace

TEST_F(ClassesPageTest, LaysOutTheListAndTheClassGridForTheModel)
{
    const TVna& vna = Editor->Kit().Vna();

    TRadioGroup& calType = Page().CalTypeControl();
    EXPECT_FALSE(calType.isHidden()) << "the 8753D/E offers a TRL calibration";
    EXPECT_EQ(calType.ItemIndex(), 0) << "a new kit reads as SOLT";

    EXPECT_EQ(List().RowCount(), vna.NumStandards);
    EXPECT_EQ(List().CellText(1, 1), "#1  SHORT");
    EXPECT_EQ(List().CellText(1, 6), "#6") << "a standard of type None is listed as its number alone";
    EXPECT_TRUE(List().CellIsReadOnly(1, 2));

    EXPECT_EQ(Grid().RowCount(), vna.NumClasses);
    EXPECT_EQ(Grid().Column(9).MaxLength, vna.ClassLabelLength);
    EXPECT_EQ(Grid().CellText(3, 1), "5");
    EXPECT_EQ(Grid().CellText(4, 1), "") << "an empty position shows nothing";
    EXPECT_EQ(Grid().CellText(9, 2), "OPENS");
    EXPECT_EQ(ShownRows(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(ToCore(Editor->StatusText()), vna.GetClassHint(2));

    // A model without the choice hides it; one whose classes carry no label locks that column.
    Open("PNA");
    EXPECT_TRUE(Page().CalTypeControl().isHidden());
    EXPECT_EQ(Grid().CellText(9, 2), "");
    EXPECT_TRUE(Grid().CellIsReadOnly(9, 2));
    EXPECT_FALSE(Grid().CellIsReadOnly(8, 2));
}

TEST_F(ClassesPageTest, TrlCalShowsOnlyTheTrlRowsAndOneUndoBringsTheSoltRowsBack)
{
    TRadioGroup& calType = Page().CalTypeControl();
    ClickItem(calType, 1);
    EXPECT_EQ(Editor->Kit().CalType(), ctTrl);
    EXPECT_EQ(ShownRows(), (std::vector<int>{13, 14, 15}));
    EXPECT_EQ(Grid().CurrentRow(), 13) << "the current cell moved off the hidden rows";
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo typing");
    EXPECT_EQ(Editor->windowTitle(), "Kit1*");

    // Undo from another page shows the class page with the choice focused.
    Editor->ShowPage(Editor->StandardsPage());
    Editor->EditUndo();
    EXPECT_EQ(Editor->PageControl().currentWidget(), &Page());
    EXPECT_EQ(Editor->Kit().CalType(), ctSolt);
    EXPECT_EQ(ShownRows().size(), 12u);
    EXPECT_EQ(calType.ItemIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), calType.Button(0));
    EXPECT_EQ(Editor->windowTitle(), "Kit1");

    Editor->EditRedo();
    EXPECT_EQ(ShownRows(), (std::vector<int>{13, 14, 15}));

    // Each choice is a step of its own, even in a row without leaving the control.
    ClickItem(calType, 0);
    ClickItem(calType, 1);
    EXPECT_EQ(Editor->UndoHistory().Count(), 3);
    Editor->EditUndo();
    EXPECT_EQ(Editor->Kit().CalType(), ctSolt);
}

TEST_F(ClassesPageTest, NumbersThatNameNoStandardLeaveTheCellEmptyAndLettersBeep)
{
    TBeepCounter beeps;
    Select(4, 1);  // column "C"
    Type(QStringLiteral("12"));
    EXPECT_EQ(Grid().CurrentText(), "12") << "the text stays while it is typed";
    Press(Qt::Key_Return);
    EXPECT_EQ(Class(1).GetStd(3), 0) << "the 8753D/E has 8 standards";
    EXPECT_EQ(Grid().CellText(4, 1), "");
    EXPECT_EQ(beeps.Count(), 0);

    Select(3, 2);  // column "B"
    Type(QStringLiteral("x"));
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(Class(2).GetStd(2), 0);
    Type(QStringLiteral("7"));
    Type(QStringLiteral("-"));
    EXPECT_EQ(beeps.Count(), 2);
    EXPECT_EQ(Class(2).GetStd(2), 7);

    // A pasted text that is no integer rolls back to the text the edit began with.
    QApplication::clipboard()->setText(QStringLiteral("3a"));
    ASSERT_TRUE(Grid().PasteFromClipboard());
    EXPECT_EQ(beeps.Count(), 3);
    EXPECT_EQ(Grid().CurrentText(), "");
    EXPECT_EQ(Class(2).GetStd(2), 0);
    Press(Qt::Key_Return);

    // The label column takes every key.
    Select(9, 3);
    Type(QStringLiteral("Ab-9"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Class(3).Label(), "Ab-9");
    EXPECT_EQ(beeps.Count(), 3);
}

TEST_F(ClassesPageTest, DroppingAStandardTypesItsNumberIntoTheCellAsOneStep)
{
    PickUpFromList(3);
    EXPECT_EQ(Page().DragStdNumber(), 3);
    FocusOn(*Page().CalTypeControl().Button(0));

    DropOn(4, 2);  // column "C" of class 2
    EXPECT_EQ(Class(2).GetStd(3), 3);
    EXPECT_EQ(Grid().CellText(4, 2), "3");
    EXPECT_EQ(QApplication::focusWidget(), &Grid()) << "the grid takes the focus";
    EXPECT_FALSE(Grid().IsEditing());
    ASSERT_EQ(Editor->UndoHistory().Count(), 1);
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo typing");

    // A standard of type None can be dragged too.
    PickUpFromList(6);
    DropOn(4, 2);
    EXPECT_EQ(Class(2).GetStd(3), 6);
    Select(9, 5);
    Editor->ShowPage(Editor->StandardsPage());
    Editor->EditUndo();
    EXPECT_EQ(Editor->PageControl().currentWidget(), &Page()) << "undo shows the cell it changes";
    EXPECT_EQ(Grid().CurrentColumn(), 4);
    EXPECT_EQ(Grid().CurrentRow(), 2);
    EXPECT_EQ(Class(2).GetStd(3), 3);
    Editor->EditUndo();
    EXPECT_EQ(Class(2).GetStd(3), 0);
    EXPECT_EQ(Grid().CellText(4, 2), "");

    // On the label column and on the class names nothing changes, but the grid is focused.
    FocusOn(*Page().CalTypeControl().Button(0));
    DropOn(9, 2);
    EXPECT_EQ(Class(2).Label(), "OPENS");
    EXPECT_EQ(QApplication::focusWidget(), &Grid());
    FocusOn(*Page().CalTypeControl().Button(0));
    QHeaderView* names = Grid().verticalHeader();
    const QPoint nameCell = names->mapTo(&Grid(), QPoint(names->width() / 2, names->sectionViewportPosition(1) + 5));
    ASSERT_EQ(Grid().CellAt(nameCell).Column, 1);
    emit Grid().DragDrop(&List(), nameCell);
    EXPECT_EQ(Class(2).GetStd(1), 0);
    EXPECT_EQ(QApplication::focusWidget(), &Grid());
    EXPECT_EQ(Editor->UndoHistory().Position(), 0);
}

TEST_F(ClassesPageTest, DropsAreTakenOnlyFromTheListOnNumberCellsOfShownClasses)
{
    const auto accepts = [this](QObject* source, int column, int row) {
        bool accept = false;
        emit Grid().DragOver(source, CellPoint(Grid(), column, row), accept);
        return accept;
    };
    EXPECT_TRUE(accepts(&List(), 4, 2));
    EXPECT_TRUE(accepts(&List(), 2, 1));
    EXPECT_FALSE(accepts(&List(), 9, 2)) << "the label column";
    EXPECT_FALSE(accepts(nullptr, 4, 2)) << "a drag from another program";
    EXPECT_FALSE(accepts(&Grid(), 4, 2));

    // A real drag event without the list as its source is refused.
    QMimeData data;
    data.setText(QStringLiteral("3"));
    QDragMoveEvent move(CellCentre(Grid(), 4, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &move);
    EXPECT_FALSE(move.isAccepted());

    // With TRL chosen, the SOLT rows are neither shown nor targets; the rows follow a kit
    // whose calibration type changed outside the page once the pages are refreshed.
    Editor->Kit().SetCalType(ctTrl);
    Editor->RefreshPages();
    EXPECT_EQ(ShownRows(), (std::vector<int>{13, 14, 15}));
    EXPECT_TRUE(accepts(&List(), 3, 14));
}

TEST(StdDragCursorTest, EachStandardNumberHasItsOwnCursor)
{
    const QImage three = StdDragCursor(3).toImage();
    const QImage twelve = StdDragCursor(12).toImage();
    EXPECT_FALSE(StdDragCursor(21).isNull());
    EXPECT_NE(three, twelve) << "the cursor shows its number";
    EXPECT_TRUE(StdDragCursor(0).isNull());
    EXPECT_TRUE(StdDragCursor(22).isNull());
    // The corner far from the arrow is transparent, so the cursor does not hide the cells.
    EXPECT_EQ(qAlpha(three.pixel(31, 0)), 0);
}
