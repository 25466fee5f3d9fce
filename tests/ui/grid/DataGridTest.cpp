// The data grid as the kit editor uses it: texts asked of the owner, keystroke commits,
// key filtering, drop-down lists, row selection, hidden rows and drops.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "ui/grid/DataGrid.h"
#include "ui/grid/DataGridModel.h"
#include "ui/grid/GridOwner.h"

namespace {

using TCell = std::pair<int, int>;  // column, row

// Stands in for the editor window: the "kit" is a map of cell texts; locked cells behave
// like the cells a standard's type does not use (read-only, no button, empty).
class TTestOwner : public TGridOwner {
public:
    std::map<TCell, QString> Texts;
    std::set<TCell> Locked;
    QStringList List;
    int Loads = 0;

    void CellLoaded(TDataGrid& grid, int column, int row, QString& text) override
    {
        ++Loads;
        if (column == 1) {
            text = QStringLiteral("#") + QString::number(row);
            return;
        }
        const bool locked = Locked.count({column, row}) > 0;
        grid.SetCellReadOnly(column, row, locked ? TCellReadOnly::crOn : TCellReadOnly::crOff);
        grid.SetCellButton(column, row, locked ? TCellButton::cbNone : TCellButton::cbColumn);
        text = locked ? QString() : Texts[{column, row}];
    }
    int ComboInit(TDataGrid&, int, int) override { return static_cast<int>(List.size()); }
    void ComboCellLoaded(TDataGrid&, int listRow, QString& text) override { text = List[listRow - 1]; }
};

class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Owner.List = {QStringLiteral("OPEN"), QStringLiteral("SHORT"), QStringLiteral("LOAD")};
        Owner.Texts[{2, 1}] = QStringLiteral("OPEN");
        Owner.Texts[{3, 1}] = QStringLiteral("7");
        Owner.Texts[{4, 1}] = QStringLiteral("label");
        Window.resize(500, 300);
        Grid = new TDataGrid(&Window);
        Grid->setObjectName(QStringLiteral("tsgTest"));
        Grid->setGeometry(0, 0, 500, 300);
        Grid->SetColumnCount(4);
        Grid->SetFixedColumns(1);
        Grid->SetRowCount(5);
        Grid->SetColumnWidth(1, 40);
        for (int column = 2; column <= 4; ++column)
            Grid->SetColumnWidth(column, 90);
        Grid->SetColumnDropDown(2, true);
        Grid->SetColumnMaxLength(4, 6);
        Grid->SetColumnHeading(1, QStringLiteral("Std"));
        Grid->SetColumnHeading(3, QStringLiteral("Offset\rDelay"));
        Grid->SetOwner(&Owner);
        // The editor's way of applying each change: store the text at once.
        QObject::connect(Grid, &TDataGrid::CellEdit, [this](int column, int row) {
            Edits.push_back(Grid->CurrentText());
            Owner.Texts[{column, row}] = Grid->CurrentText();
        });
        Window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
        Window.activateWindow();
        Grid->setFocus();
        QApplication::processEvents();
    }

    QPoint CellCentre(int column, int row) const
    {
        const QRect cell = Grid->visualRect(Grid->Model().IndexOf(column, row));
        return cell.center();
    }
    QPoint RowHeadingCentre(int row) const
    {
        QHeaderView* headings = Grid->verticalHeader();
        return QPoint(headings->width() / 2, headings->sectionViewportPosition(row - 1) + headings->sectionSize(row - 1) / 2);
    }
    void ClickRowHeading(int row) const
    {
        QTest::mouseClick(Grid->verticalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, RowHeadingCentre(row));
    }
    QWidget* KeyTarget() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : Grid;
    }
    void Type(const QString& text)
    {
        for (const QChar character : text)
            QTest::keyClick(KeyTarget(), character.toLatin1());
    }

    // The window and its grid go first, while what their signals reach still exists.
    TTestOwner Owner;
    QStringList Edits;
    QWidget Window;
    TDataGrid* Grid = nullptr;
};

TEST_F(DataGridTest, AsksTheOwnerForEveryTextAndShowsHeadingLines)
{
    const QModelIndex index = Grid->Model().IndexOf(3, 1);
    EXPECT_EQ(index.data(Qt::DisplayRole).toString(), "7");
    // Nothing is kept: a change in the owner shows as soon as the grid asks again.
    Owner.Texts[{3, 1}] = QStringLiteral("8.25");
    Grid->Reload();
    EXPECT_EQ(index.data(Qt::DisplayRole).toString(), "8.25");

    // Column 1 is the row heading; a carriage return breaks a heading into two lines.
    EXPECT_EQ(Grid->Model().headerData(3, Qt::Vertical, Qt::DisplayRole).toString(), "#4");
    EXPECT_EQ(Grid->Model().headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Offset\nDelay");
}

TEST_F(DataGridTest, KeystrokesReachTheOwnerOncePerChange)
{
    QObject scope;  // the connections to this test's locals end with it
    std::vector<TGridCoord> started;
    int ends = 0;
    QObject::connect(Grid, &TDataGrid::StartCellEdit, &scope, [&](int column, int row) { started.push_back({column, row}); });
    QObject::connect(Grid, &TDataGrid::EndCellEdit, &scope, [&](int, int) { ++ends; });

    ASSERT_TRUE(Grid->SetCurrentCell(3, 1));
    Type(QStringLiteral("12"));
    EXPECT_EQ(started, std::vector<TGridCoord>({{3, 1}}));
    EXPECT_EQ(Grid->EditStartText(), "7");
    EXPECT_EQ(Edits, QStringList({"1", "12"}));
    EXPECT_EQ(Owner.Texts[TCell(3, 1)], "12");  // applied while the editor is still open

    // The owner redraws the row after each change; the text being typed stays on screen even
    // when the stored value reads differently (a lone "-" stores 0).
    QObject::connect(Grid, &TDataGrid::CellEdit, &scope, [this](int column, int row) {
        if (Grid->CurrentText() == "-")
            Owner.Texts[{column, row}] = QStringLiteral("0");
        Grid->RedrawRow(row);
    });
    QTest::keyClick(KeyTarget(), Qt::Key_Backspace);
    QTest::keyClick(KeyTarget(), Qt::Key_Backspace);
    QTest::keyClick(KeyTarget(), '-');
    EXPECT_EQ(Grid->CurrentText(), "-");
    EXPECT_EQ(Owner.Texts[TCell(3, 1)], "0");
    EXPECT_EQ(ends, 0);
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
    QApplication::processEvents();  // the editor closes once the key has been handled
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(Grid->CellText(3, 1), "0");

    // The column's length limit holds while typing.
    ASSERT_TRUE(Grid->SetCurrentCell(4, 2));
    Type(QStringLiteral("abcdefgh"));
    EXPECT_EQ(Grid->CurrentText(), "abcdef");
}

TEST_F(DataGridTest, OwnerCanRefuseKeysAndEachKeyIsOfferedOnce)
{
    QObject scope;  // the connections to this test's locals end with it
    QString offered;
    int keyDowns = 0;
    QObject::connect(Grid, &TDataGrid::KeyDown, &scope, [&](TGridKey& key) {
        ++keyDowns;
        key.Refused = key.Key == Qt::Key_Delete;
    });
    // Digits only, as in the class grid's number columns.
    QObject::connect(Grid, &TDataGrid::KeyPress, &scope, [&](TGridKey& key) {
        offered += key.Char;
        key.Refused = key.Char.isLetter();
    });
    ASSERT_TRUE(Grid->SetCurrentCell(3, 2));
    // The key that would start editing is offered too, and refusing it starts nothing.
    QTest::keyClick(KeyTarget(), 'x');
    EXPECT_FALSE(Grid->IsEditing());
    Type(QStringLiteral("1a2"));
    EXPECT_EQ(Grid->CurrentText(), "12");
    EXPECT_EQ(offered, "x1a2");
    EXPECT_EQ(keyDowns, 4);
    QTest::keyClick(KeyTarget(), Qt::Key_Home);
    QTest::keyClick(KeyTarget(), Qt::Key_Delete);
    EXPECT_EQ(Grid->CurrentText(), "12");

    // A key the cell editor leaves alone moves the current cell; it is offered only once.
    keyDowns = 0;
    QTest::keyClick(KeyTarget(), Qt::Key_Down);
    EXPECT_EQ(keyDowns, 1);
    EXPECT_EQ(Grid->CurrentRow(), 3);
    EXPECT_EQ(Owner.Texts[TCell(3, 2)], "12");
}

TEST_F(DataGridTest, ReadOnlyCellsAndTheFixedColumnAreNotEdited)
{
    Owner.Locked.insert({3, 2});
    Owner.Texts[{3, 2}] = QStringLiteral("99");
    Grid->Reload();
    ASSERT_TRUE(Grid->SetCurrentCell(3, 2));
    QTest::keyClick(KeyTarget(), '5');
    QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(3, 2));
    EXPECT_FALSE(Grid->IsEditing());
    EXPECT_FALSE(Grid->SetCurrentText(QStringLiteral("5")));
    EXPECT_TRUE(Edits.isEmpty());
    EXPECT_EQ(Grid->CurrentRow(), 2) << "typing in a read-only cell does not wander";

    // A cell's own state outranks its column's.
    Grid->SetColumnReadOnly(3, true);
    EXPECT_FALSE(Grid->CellIsReadOnly(3, 1));
    EXPECT_FALSE(Grid->SetCurrentCell(1, 1));
}

TEST_F(DataGridTest, DropDownOffersOnlyItsListEntries)
{
    ASSERT_TRUE(Grid->SetCurrentCell(2, 1));
    ASSERT_TRUE(Grid->StartEdit());
    auto* combo = qobject_cast<QComboBox*>(Grid->CellEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->count(), Owner.List.size());
    EXPECT_TRUE(Grid->SetCurrentText(QStringLiteral("load")));
    EXPECT_EQ(Grid->CurrentText(), "LOAD");
    EXPECT_FALSE(Grid->SetCurrentText(QStringLiteral("THRU")));
    EXPECT_EQ(Edits, QStringList({"LOAD"}));
    Grid->EndEdit();

    // A locked cell loses its button; a click on the button of an open cell opens the list.
    Owner.Locked.insert({2, 2});
    EXPECT_FALSE(Grid->CellHasButton(2, 2));
    const QRect cell = Grid->visualRect(Grid->Model().IndexOf(2, 3));
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.right() - 4, cell.center().y()));
    combo = qobject_cast<QComboBox*>(Grid->CellEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
}

TEST_F(DataGridTest, ClickOnRowHeadingSelectsTheRow)
{
    QObject scope;  // the connections to this test's locals end with it
    TGridArea downArea = TGridArea::gaNone;
    QObject::connect(Grid, &TDataGrid::ClickCell, &scope,
                     [&](TGridCoord, TGridArea area, TGridCoord, TGridArea) { downArea = area; });
    ASSERT_TRUE(Grid->SetCurrentCell(3, 1));
    ASSERT_TRUE(Grid->StartEdit());
    ClickRowHeading(3);
    EXPECT_EQ(Grid->SelectedRow(), 3);
    EXPECT_FALSE(Grid->IsEditing()) << "no cell edit while a row is selected";
    EXPECT_EQ(downArea, TGridArea::gaFixedColumn);
    QTest::keyClick(Grid, Qt::Key_Delete);  // for the owner (Clear Row), not an edit
    EXPECT_FALSE(Grid->IsEditing());
    EXPECT_TRUE(Grid->RowSelected());

    // Clicking a cell ends the row selection; a second click edits the cell.
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(4, 2));
    EXPECT_FALSE(Grid->RowSelected());
    EXPECT_FALSE(Grid->IsEditing());
    QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(4, 2));
    EXPECT_TRUE(Grid->IsEditing());

    // Down on one row's heading and up on another's selects nothing, nor does a grid
    // without row selection.
    QHeaderView* headings = Grid->verticalHeader();
    QTest::mousePress(headings->viewport(), Qt::LeftButton, Qt::NoModifier, RowHeadingCentre(2));
    QTest::mouseRelease(headings->viewport(), Qt::LeftButton, Qt::NoModifier, RowHeadingCentre(4));
    EXPECT_FALSE(Grid->RowSelected());
    Grid->SetRowSelection(false);
    ClickRowHeading(3);
    EXPECT_FALSE(Grid->RowSelected());
}

TEST_F(DataGridTest, HiddenRowsAreSkipped)
{
    Grid->SetRowVisible(2, false);
    ASSERT_TRUE(Grid->SetCurrentCell(3, 2));
    EXPECT_EQ(Grid->CurrentRow(), 3);  // the next row shown
    QTest::keyClick(Grid, Qt::Key_Up);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    QTest::keyClick(Grid, Qt::Key_Down);
    EXPECT_EQ(Grid->CurrentRow(), 3);

    // Hiding the current row moves the current cell to a row that can be seen.
    for (int row = 3; row <= 5; ++row)
        Grid->SetRowVisible(row, false);
    EXPECT_EQ(Grid->CurrentRow(), 1);
    Grid->SelectRow(2);
    EXPECT_FALSE(Grid->RowSelected());  // a hidden row cannot be selected
}

TEST_F(DataGridTest, CutCopyAndPasteWorkOnTheCurrentCell)
{
    ASSERT_TRUE(Grid->SetCurrentCell(4, 1));
    EXPECT_EQ(Grid->SelLength(), 5);  // a cell not being edited counts as wholly selected
    ASSERT_TRUE(Grid->CopyToClipboard());
    ASSERT_TRUE(Grid->SetCurrentCell(4, 2));
    ASSERT_TRUE(Grid->PasteFromClipboard());
    EXPECT_EQ(Owner.Texts[TCell(4, 2)], "label");

    // While editing, only the selected part is cut.
    auto* edit = qobject_cast<QLineEdit*>(Grid->CellEditor());
    ASSERT_NE(edit, nullptr);
    edit->setSelection(1, 3);
    ASSERT_TRUE(Grid->CutToClipboard());
    EXPECT_EQ(QApplication::clipboard()->text(), "abe");
    EXPECT_EQ(Owner.Texts[TCell(4, 2)], "ll");

    // Nothing is pasted into a drop-down cell.
    ASSERT_TRUE(Grid->SetCurrentCell(2, 1));
    EXPECT_FALSE(Grid->PasteFromClipboard());
}

TEST_F(DataGridTest, DropsAreOfferedToTheOwner)
{
    QObject scope;  // the connections to this test's locals end with it
    Grid->SetAcceptDrops(true);
    QObject::connect(Grid, &TDataGrid::DragOver, &scope, [this](QObject*, const QPoint& pos, bool& accept) {
        accept = Grid->CellAt(pos).Column == 3;
    });
    int drops = 0;
    QObject::connect(Grid, &TDataGrid::DragDrop, &scope, [&](QObject*, const QPoint&) { ++drops; });
    QMimeData data;
    data.setText(QStringLiteral("3"));

    // Entering is always taken, whatever the owner says, so that every move is asked about.
    QDragEnterEvent enter(CellCentre(4, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent refused(CellCentre(4, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid->viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    QDragMoveEvent accepted(CellCentre(3, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid->viewport(), &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    QDropEvent drop(QPointF(CellCentre(3, 2)), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid->viewport(), &drop);
    EXPECT_EQ(drops, 1);
}

}  // namespace
