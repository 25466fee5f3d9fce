// Cut, Copy, Paste and Clear Row of the kit editor on the control that has the focus: whole
// rows in the row formats (the exact records on the system clipboard), their undo steps,
// the commands' states, cell and edit-field text, and rows that travel between kits.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "kit/CalKit.h"
#include "kit/RowClipboard.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/SystemRowClipboard.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/KitPropertiesPage.h"
#include "ui/editor/StandardsPage.h"

namespace {

QByteArray ClipboardRecord(const std::string& format)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString type = TSystemRowClipboard::MimeType(format);
    return data && data->hasFormat(type) ? data->data(type) : QByteArray();
}

// Little-endian fields of a record, read byte by byte.
double DoubleAt(const QByteArray& record, int offset)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<std::uint8_t>(record[offset + i]);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t Int32At(const QByteArray& record, int offset)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<std::uint8_t>(record[offset + i]);
    return static_cast<std::int32_t>(bits);
}

bool ZeroBytes(const QByteArray& record, int offset, int count)
{
    for (int i = offset; i < offset + count; ++i)
        if (record[i] != 0)
            return false;
    return true;
}

class ClipboardCommandsTest : public TEditorWindowTest {
protected:
    void SetUp() override
    {
        QApplication::clipboard()->clear();
        OpenEditor("8753D/E");
        TCalKit& kit = Editor->Kit();
        kit.Standard(1).SetStdType(TStdType::Short);
        kit.Standard(1).SetOffsetDelay(31.5);
        kit.Standard(4).SetStdType(TStdType::Load);
        kit.Standard(4).SetLabel("LOAD4");
        kit.Standard(4).SetOffsetDelay(12.5);
        kit.Standard(4).SetLoadType(TLoadType::Sliding);
        kit.Standard(6).SetStdType(TStdType::Short);
        kit.Standard(6).SetLabel("SHORT6");
        kit.StdClass(2).SetStd(1, 1);
        kit.StdClass(2).SetStd(2, 5);
        kit.StdClass(2).SetLabel("OPENS");
        Editor->RefreshPages();
        FocusOn(Standards());
    }
    void TearDown() override
    {
        if (Other)
            Other->AgreeToClose();
        TEditorWindowTest::TearDown();
    }

    TDataGrid& Standards() const { return Editor->StandardsPage().Grid(); }
    TDataGrid& Classes() const { return Editor->ClassesPage().Grid(); }
    TStandard& Std(int number) const { return Editor->Kit().Standard(number); }
    // Selects a whole row of a grid by its fixed cell, as the user does.
    void SelectRow(TCalKitEditForm& editor, TDataGrid& grid, int row)
    {
        QApplication::setActiveWindow(&editor);
        ClickRowHeading(grid, row);
        ASSERT_EQ(grid.SelectedRow(), row);
        ASSERT_EQ(QApplication::focusWidget(), &grid);
    }
    std::vector<bool> States(const TCalKitEditForm& editor) const
    {
        return {editor.CanCutOrCopy(), editor.CanPaste(), editor.CanClearRow()};
    }

    std::unique_ptr<TCalKitEditForm> Other;
};

}  // namespace

TEST_F(ClipboardCommandsTest, CutRowAndPasteRowMoveAStandardAndTwoUndoStepsRestoreBoth)
{
    const TStandardValues former4 = Std(4).Values();
    const TStandardValues former6 = Std(6).Values();
    SelectRow(*Editor, Standards(), 4);
    EXPECT_EQ(States(*Editor), (std::vector<bool>{true, false, true})) << "nothing to paste yet";
    Editor->EditCut();
    EXPECT_EQ(Std(4).StdType(), TStdType::None);
    EXPECT_EQ(Std(4).OffsetDelay(), 12.5) << "a cleared standard keeps its other values";
    EXPECT_EQ(ClipboardRecord(VnaStandardFormat).size(), 120);
    TUndoHistory& history = Editor->UndoHistory();
    EXPECT_EQ(history.UndoMenuCaption(), "Undo Cut Row");

    SelectRow(*Editor, Standards(), 6);
    Editor->EditPaste();
    EXPECT_EQ(Std(6).Values(), former4);
    EXPECT_EQ(Standards().CellText(14, 6), "LOAD4");
    EXPECT_EQ(history.UndoMenuCaption(), "Undo Paste Row");
    EXPECT_EQ(history.Count(), 2);

    Editor->ShowPage(Editor->ClassesPage());
    Editor->EditUndo();
    EXPECT_EQ(Editor->PageControl().currentWidget(), &Editor->StandardsPage());
    EXPECT_EQ(Std(6).Values(), former6);
    EXPECT_EQ(Standards().CurrentRow(), 6);
    Editor->EditUndo();
    EXPECT_EQ(Std(4).Values(), former4);
    EXPECT_EQ(Standards().CellText(14, 4), "LOAD4");
    EXPECT_EQ(Editor->windowTitle(), "Kit1");
}

TEST_F(ClipboardCommandsTest, RowRecordsGoToTheClipboardInTheirExactLayout)
{
    TStandard& arbitrary = Std(3);
    arbitrary.SetStdType(TStdType::ArbiZ);
    arbitrary.SetC0(1.5);
    arbitrary.SetC1(-2.25);
    arbitrary.SetLoadType(TLoadType::Sliding);
    arbitrary.SetOffsetDelay(33.3);
    arbitrary.SetOffsetZ0(75);
    arbitrary.SetOffsetLoss(1.25);
    arbitrary.SetMinFreq(0.045);
    arbitrary.SetMaxFreq(26.5);
    arbitrary.SetMedium(TMedium::Waveguide);
    arbitrary.SetTermZ(100);
    arbitrary.SetLabel("TEN_CHARS_");
    SelectRow(*Editor, Standards(), 3);
    Editor->EditCopy();
    const QByteArray record = ClipboardRecord(VnaStandardFormat);
    ASSERT_EQ(record.size(), 120);
    EXPECT_EQ(record[0], 5) << "ArbiZ";
    EXPECT_TRUE(ZeroBytes(record, 1, 7));
    const std::pair<int, double> doubles[] = {{8, 1.5},   {16, -2.25}, {24, 0},      {48, 33.3},
                                              {56, 75},   {64, 1.25},  {72, 0.045}, {80, 26.5}, {96, 100}};
    for (const auto& [offset, value] : doubles)
        EXPECT_EQ(DoubleAt(record, offset), value) << offset;
    EXPECT_EQ(record[40], 1) << "Sliding";
    EXPECT_TRUE(ZeroBytes(record, 41, 7));
    EXPECT_EQ(record[88], 1) << "Waveguide";
    EXPECT_EQ(record.mid(104, 11), QByteArray("TEN_CHARS_\0", 11));
    EXPECT_TRUE(ZeroBytes(record, 115, 5));
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasText()) << "the row replaced what was there";
    EXPECT_EQ(Editor->UndoHistory().Count(), 0) << "Copy is no step";

    Editor->ShowPage(Editor->ClassesPage());
    SelectRow(*Editor, Classes(), 2);
    Editor->EditCopy();
    const QByteArray classRecord = ClipboardRecord(VnaStdClassFormat);
    ASSERT_EQ(classRecord.size(), 40);
    EXPECT_EQ(Int32At(classRecord, 0), 1);
    EXPECT_EQ(Int32At(classRecord, 4), 5);
    for (int position = 3; position <= 7; ++position)
        EXPECT_EQ(Int32At(classRecord, 4 * (position - 1)), 0) << position;
    EXPECT_EQ(classRecord.mid(28, 6), QByteArray("OPENS\0", 6));
    EXPECT_EQ(classRecord[39], 0);
    EXPECT_TRUE(ClipboardRecord(VnaStandardFormat).isEmpty());
}

TEST_F(ClipboardCommandsTest, ClearRowWantsAWholeRowAndTheDeleteKeyRunsIt)
{
    Standards().SetCurrentCell(8, 1);
    FocusOn(Standards());
    EXPECT_FALSE(Editor->CanClearRow()) << "a single cell is current";
    QTest::keyClick(&Standards(), Qt::Key_Delete);
    EXPECT_EQ(Std(1).StdType(), TStdType::Short);

    SelectRow(*Editor, Standards(), 1);
    EXPECT_TRUE(Editor->CanClearRow());
    QTest::keyClick(&Standards(), Qt::Key_Delete);
    EXPECT_EQ(Std(1).StdType(), TStdType::None);
    EXPECT_EQ(Std(1).OffsetDelay(), 31.5);
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo Clear");
    EXPECT_TRUE(ClipboardRecord(VnaStandardFormat).isEmpty()) << "Clear leaves the clipboard alone";

    Editor->ShowPage(Editor->ClassesPage());
    SelectRow(*Editor, Classes(), 2);
    Editor->EditClearRow();
    EXPECT_EQ(Editor->Kit().StdClass(2).Values(), TStdClassValues{});

    Editor->EditUndo();
    EXPECT_EQ(Editor->Kit().StdClass(2).Label(), "OPENS");
    EXPECT_EQ(Classes().CurrentRow(), 2);
    Editor->EditUndo();
    EXPECT_EQ(Std(1).StdType(), TStdType::Short);
}

TEST_F(ClipboardCommandsTest, PasteRowWantsTheGridsOwnRowFormat)
{
    QApplication::clipboard()->setText(QStringLiteral("12"));
    SelectRow(*Editor, Standards(), 6);
    EXPECT_FALSE(Editor->CanPaste()) << "text is no standard";
    Editor->ShowPage(Editor->ClassesPage());
    SelectRow(*Editor, Classes(), 2);
    Editor->EditCopy();
    EXPECT_TRUE(Editor->CanPaste());

    Editor->ShowPage(Editor->StandardsPage());
    SelectRow(*Editor, Standards(), 6);
    EXPECT_FALSE(Editor->CanPaste()) << "a class is no standard";
    Editor->EditPaste();
    EXPECT_EQ(Std(6).Label(), "SHORT6");
    EXPECT_EQ(Editor->UndoHistory().Count(), 0);

    // With TRL chosen the selected SOLT row is gone, and with it the row commands.
    Editor->ShowPage(Editor->ClassesPage());
    SelectRow(*Editor, Classes(), 2);
    Editor->Kit().SetCalType(ctTrl);
    Editor->ClassesPage().ShowActiveClassRows();
    EXPECT_FALSE(Classes().RowSelected());
    EXPECT_FALSE(Editor->CanClearRow());
    QApplication::clipboard()->clear();
    Editor->EditCopy();
    EXPECT_TRUE(ClipboardRecord(VnaStdClassFormat).isEmpty());
}

TEST_F(ClipboardCommandsTest, CellsAndEditFieldsExchangeText)
{
    Standards().SetCurrentCell(2, 1);
    FocusOn(Standards());
    EXPECT_EQ(States(*Editor), (std::vector<bool>{false, false, false})) << "a drop-down column";
    Standards().SetCurrentCell(8, 1);
    EXPECT_TRUE(Editor->CanCutOrCopy());
    Editor->EditCopy();
    EXPECT_EQ(QApplication::clipboard()->text(), "31.5");
    EXPECT_TRUE(Editor->CanPaste());

    Standards().SetCurrentCell(9, 1);
    Editor->EditPaste();
    EXPECT_EQ(Std(1).OffsetZ0(), 31.5);
    EXPECT_EQ(Editor->UndoHistory().UndoMenuCaption(), "Undo typing");
    Standards().EndEdit();
    Standards().SetCurrentCell(8, 2);  // standard 2 has no type: its cells are locked
    EXPECT_EQ(States(*Editor), (std::vector<bool>{false, false, false}));

    // The kit label on the properties page.
    Editor->ShowPage(Editor->PropertiesPage());
    QLineEdit& label = Editor->PropertiesPage().LabelEdit();
    FocusOn(label);
    EXPECT_FALSE(Editor->CanCutOrCopy()) << "nothing selected";
    label.selectAll();
    EXPECT_TRUE(Editor->CanCutOrCopy());
    Editor->EditCut();
    EXPECT_EQ(QApplication::clipboard()->text(), "New Kit");
    EXPECT_EQ(Editor->Kit().Label(), "");
    EXPECT_TRUE(Editor->CanPaste());
    Editor->EditPaste();
    EXPECT_EQ(Editor->Kit().Label(), "New Kit");
    EXPECT_FALSE(Editor->CanClearRow());

    // A radio item takes no text.
    FocusOn(*Editor->PropertiesPage().TrlCalZ0Control().Button(0));
    EXPECT_EQ(States(*Editor), (std::vector<bool>{false, false, false}));
}

TEST_F(ClipboardCommandsTest, RowsTravelBetweenKitsAndObeyTheTargetModel)
{
    Std(2).SetStdType(TStdType::ArbiZ);
    Std(2).SetTermZ(5000);
    Std(2).SetC0(50000);
    SelectRow(*Editor, Standards(), 2);
    Editor->EditCopy();

    Host.Selected = &Model("PNA");
    Other = ShowEditor(Host, QStringLiteral("Kit2"));
    TDataGrid& otherStandards = Other->StandardsPage().Grid();
    SelectRow(*Other, otherStandards, 3);
    ASSERT_TRUE(Other->CanPaste());
    Other->EditPaste();
    const TStandard& pasted = Other->Kit().Standard(3);
    EXPECT_EQ(pasted.StdType(), TStdType::None) << "the PNA has no arbitrary impedance";
    EXPECT_EQ(pasted.C0(), Model("PNA").MaxCoefficient);
    EXPECT_EQ(pasted.TermZ(), 5000);
    EXPECT_EQ(Other->UndoHistory().UndoMenuCaption(), "Undo Paste Row");
    EXPECT_EQ(Editor->UndoHistory().Count(), 0);

    // A class naming a standard the target model does not have keeps an empty place there.
    Other->ChangeVna(Model("8510C"));
    Other->Kit().StdClass(1).SetStd(1, 12);
    Other->Kit().StdClass(1).SetStd(2, 3);
    Other->ShowPage(Other->ClassesPage());
    SelectRow(*Other, Other->ClassesPage().Grid(), 1);
    Other->EditCopy();
    Editor->ShowPage(Editor->ClassesPage());
    SelectRow(*Editor, Classes(), 4);
    Editor->EditPaste();
    EXPECT_EQ(Editor->Kit().StdClass(4).GetStd(1), 0);
    EXPECT_EQ(Editor->Kit().StdClass(4).GetStd(2), 3);
}
