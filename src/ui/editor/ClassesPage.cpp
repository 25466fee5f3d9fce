#include "ui/editor/ClassesPage.h"

#include <QHBoxLayout>
#include <QMimeData>
#include <QVBoxLayout>

#include "kit/CalKit.h"
#include "ui/components/Beep.h"
#include "ui/components/CoreText.h"
#include "ui/components/HistoryKeys.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/StdDragCursor.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/CellTag.h"
#include "ui/editor/ClassCells.h"
#include "ui/editor/EditorFonts.h"
#include "ui/grid/DataGrid.h"

namespace {

constexpr int LeftPanelWidth = 185;
constexpr int TopSpacing = 8;
constexpr int CalTypeHeight = 80;
constexpr int GapWidth = 24;
constexpr int ListColumnWidth = 170;
constexpr int ListHeadingHeight = 24;
constexpr int GridHeadingHeight = 36;
constexpr int RowHeight = 24;
constexpr int NameColumnWidth = 180;
constexpr int NumberColumnWidth = 40;
constexpr int LabelColumnWidth = 110;

// Settings the two grids of the page share with the standards grid.
void SetUpGrid(TDataGrid& grid, const QFont& base)
{
    grid.setFont(FontOfHeight(base, CellLineHeight));
    grid.SetHeadingFont(BoldFontOfHeight(grid.font(), HeadingLineHeight));
    grid.SetColumnResizing(false);
    grid.SetRowHeight(RowHeight);
    grid.setVisible(false);
    grid.setEnabled(false);
}

}  // namespace

const char* const TClassesPage::StdNumberMimeType = "application/x-tessaly-standard-number";

TClassesPage::TClassesPage(TCalKitEditForm& editor, QWidget* parent)
    : QWidget(parent),
      FEditor(editor),
      rgCalType(new TRadioGroup(QStringLiteral("rgCalType"), tr("Calibration Type"),
                                {tr("SOLT cal"), tr("TRL cal")})),
      tsgStdList(new TDataGrid),
      tsgStdClasses(new TDataGrid),
      FHistoryKeys(new THistoryKeys(this))
{
    setObjectName(QStringLiteral("TabClasses"));
    setProperty("tag", Tag);
    setAccessibleName(tr("Class Assignments"));
    setAccessibleDescription(tr("The standards assigned to the calibration classes"));

    auto* leftPanel = new QWidget;
    leftPanel->setObjectName(QStringLiteral("ClassesLeftPanel"));
    leftPanel->setFixedWidth(LeftPanelWidth);
    auto* left = new QVBoxLayout(leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addSpacing(TopSpacing);
    left->addWidget(rgCalType);
    left->addWidget(tsgStdList, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(leftPanel);
    layout->addSpacing(GapWidth);
    layout->addWidget(tsgStdClasses, 1);

    rgCalType->setProperty("tag", CalTypeTag);
    rgCalType->setProperty("helpContext", CalTypeHelpContext);
    rgCalType->setFixedHeight(CalTypeHeight);
    rgCalType->setAccessibleName(tr("Calibration Type"));
    rgCalType->setAccessibleDescription(tr("Whether the kit's SOLT or TRL classes are shown and used"));

    TDataGrid& list = *tsgStdList;
    list.setObjectName(QStringLiteral("tsgStdList"));
    list.setAccessibleName(tr("Standards"));
    list.setAccessibleDescription(tr("The kit's standards; drag one onto a class to assign it"));
    list.setProperty("helpContext", ListHelpContext);
    list.setFocusPolicy(Qt::ClickFocus);
    list.SetHeadingHeight(ListHeadingHeight);
    list.SetRowSelection(false);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetUpGrid(list, font());

    TDataGrid& grid = *tsgStdClasses;
    grid.setObjectName(QStringLiteral("tsgStdClasses"));
    grid.setAccessibleName(tr("Class assignments"));
    grid.setAccessibleDescription(
        tr("One row per calibration class: the numbers of its standards in columns A to G, and its label"));
    grid.setProperty("helpContext", GridHelpContext);
    grid.setProperty("tag", ClassGridTag);
    grid.SetEditColor(palette().color(QPalette::ToolTipBase));
    grid.SetHeadingHeight(GridHeadingHeight);
    grid.SetRowSelection(true);
    grid.SetAcceptDrops(true);
    SetUpGrid(grid, font());

    connect(&grid, &TDataGrid::StartCellEdit, this, &TClassesPage::tsgStdClassesStartCellEdit);
    connect(&grid, &TDataGrid::CellEdit, this, &TClassesPage::tsgStdClassesCellEdit);
    connect(&grid, &TDataGrid::EndCellEdit, this, &TClassesPage::tsgEndCellEdit);
    connect(&grid, &TDataGrid::CellChanged, this, &TClassesPage::tsgStdClassesCellChanged);
    connect(&grid, &TDataGrid::KeyPress, this, &TClassesPage::tsgStdClassesKeyPress);
    connect(&grid, &TDataGrid::DragOver, this, &TClassesPage::tsgStdClassesDragOver);
    connect(&grid, &TDataGrid::DragDrop, this, &TClassesPage::tsgStdClassesDragDrop);
    connect(&list, &TDataGrid::MouseDown, this, &TClassesPage::tsgStdListMouseDown);
    list.SetOwner(this);
    grid.SetOwner(this);
}

TClassesPage::~TClassesPage()
{
    tsgStdList->SetOwner(nullptr);
    tsgStdClasses->SetOwner(nullptr);
}

// ---- Layout ------------------------------------------------------------------------------

void TClassesPage::BuildPage(const TVna& vna)
{
    rgCalType->setVisible(vna.HasCalTypeChoice);
    BuildStandardsList(vna);
    BuildClassGrid(vna);
}

void TClassesPage::BuildStandardsList(const TVna& vna)
{
    TDataGrid& list = *tsgStdList;
    list.EndEdit();
    list.SetColumnCount(1);
    list.SetFixedColumns(0);
    list.SetColumnWidth(1, ListColumnWidth);
    list.SetColumnHeading(1, tr("Standards:"));
    list.SetColumnReadOnly(1, true);
    list.SetRowCount(vna.NumStandards);
    list.SetRowHeight(RowHeight);
    list.setVisible(true);
    list.setEnabled(true);
}

void TClassesPage::BuildClassGrid(const TVna& vna)
{
    TDataGrid& grid = *tsgStdClasses;
    grid.EndEdit();
    grid.SetColumnCount(ClassColumn::Count);
    grid.SetFixedColumns(1);
    const QColor window = palette().color(QPalette::Base);
    for (int column = 1; column <= ClassColumn::Count; ++column) {
        const bool name = column == ClassColumn::Name;
        grid.SetColumnWidth(column, name ? NameColumnWidth
                                         : column == ClassColumn::Label ? LabelColumnWidth : NumberColumnWidth);
        grid.SetColumnReadOnly(column, name);
        grid.SetColumnColor(column, name ? palette().color(QPalette::Button) : window);
        grid.SetColumnDropDown(column, false);
        if (IsClassNumberColumn(column))
            grid.SetColumnHeading(column, QString(QChar(u'A' + (column - ClassColumn::FirstStd))));
    }
    grid.SetColumnHeading(ClassColumn::Name, QString());
    grid.SetColumnHeading(ClassColumn::Label, tr("Standard\rClass Label"));
    grid.SetColumnMaxLength(ClassColumn::Label, vna.ClassLabelLength);
    grid.SetRowCount(vna.NumClasses);
    grid.SetRowHeight(RowHeight);
    ShowActiveClassRows();
    grid.setVisible(true);
    grid.setEnabled(true);
    grid.SetCurrentCell(ClassColumn::FirstStd, 1);
}

void TClassesPage::ShowActiveClassRows()
{
    TDataGrid& grid = *tsgStdClasses;
    const TColumnSet active = FEditor.Kit().ActiveClasses();
    // The new rows are shown before the old ones go, so a current cell on a row that goes
    // moves to a row that stays.
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (active.Contains(row))
            grid.SetRowVisible(row, true);
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (!active.Contains(row))
            grid.SetRowVisible(row, false);
    grid.Reload();
}

void TClassesPage::RefreshPage()
{
    tsgStdList->Reload();
    // A kit read from a file or an analyzer may bring another calibration type.
    ShowActiveClassRows();
}

void TClassesPage::EnterPage()
{
    tsgStdList->Reload();
    tsgStdClasses->Reload();
    ShowHint(tsgStdClasses->CurrentColumn());
}

bool TClassesPage::RestoreTyping(int tag, const QString& text)
{
    if (TagPlace(tag) != TTagPlace::tpClassCell)
        return false;
    const int column = TagColumn(tag);
    const int row = TagRow(tag);
    FEditor.ShowPage(*this);
    TDataGrid& grid = *tsgStdClasses;
    grid.EndEdit();
    if (TStdClass* stdClass = ClassOf(row)) {
        const std::string value = ToCore(text);
        ApplyClassCell(*stdClass, column, value, value);
    }
    grid.Reload();
    grid.SetCurrentCell(column, row);
    return true;
}

// ---- Cell texts --------------------------------------------------------------------------

TStdClass* TClassesPage::ClassOf(int row) const
{
    return row >= 1 && row < TCalKit::RecordCount ? FEditor.Kit().GetClass(row) : nullptr;
}

void TClassesPage::CellLoaded(TDataGrid& grid, int column, int row, QString& text)
{
    if (&grid == tsgStdList)
        StdListCellLoaded(row, text);
    else if (&grid == tsgStdClasses)
        StdClassesCellLoaded(column, row, text);
}

void TClassesPage::StdListCellLoaded(int row, QString& text) const
{
    const TStandard* standard = row >= 1 && row < TCalKit::RecordCount ? FEditor.Kit().GetStandard(row) : nullptr;
    if (!standard)
        return;
    text = QLatin1Char('#') + QString::number(row);
    if (standard->StdType() != TStdType::None)
        text += QStringLiteral("  ") + FromCore(standard->Label());
}

void TClassesPage::StdClassesCellLoaded(int column, int row, QString& text)
{
    const TStdClass* stdClass = ClassOf(row);
    if (!stdClass)
        return;
    const std::optional<std::string> shown = ClassCellText(*stdClass, row, column);
    if (column > ClassColumn::Name) {
        // A column the model does not use for its classes is neither edited nor shown.
        tsgStdClasses->SetCellReadOnly(column, row, shown ? TCellReadOnly::crOff : TCellReadOnly::crOn);
        tsgStdClasses->SetCellButton(column, row, shown ? TCellButton::cbColumn : TCellButton::cbNone);
    }
    text = shown ? FromCore(*shown) : QString();
}

// ---- Editing -----------------------------------------------------------------------------

void TClassesPage::tsgStdClassesStartCellEdit(int column, int row)
{
    (void)column;
    (void)row;
    FEditor.SetEditStartText(tsgStdClasses->CurrentText());
    FEditor.UndoHistory().SetTypingInProgress(false);
    if (QWidget* cellEditor = tsgStdClasses->CellEditor())
        FHistoryKeys->Watch(*cellEditor);
}

void TClassesPage::tsgStdClassesCellEdit(int column, int row)
{
    TStdClass* stdClass = ClassOf(row);
    if (!stdClass)
        return;
    TDataGrid& grid = *tsgStdClasses;
    if (!ApplyClassCell(*stdClass, column, ToCore(grid.CurrentText()), ToCore(FEditor.EditStartText()))) {
        // Text that is no integer (pasted, say) goes back to the text the edit began with;
        // the class takes that text's number, so cell and kit agree.
        grid.RestoreEditStartText();
        const std::string restored = ToCore(grid.CurrentText());
        ApplyClassCell(*stdClass, column, restored, restored);
        Beep();
    }
    grid.RedrawRow(row);
    const QString text = grid.CurrentText();
    FEditor.RecordTyping(FEditor.EditStartText(), text, CellTag(ClassGridTag, row, column));
    FEditor.SetEditStartText(text);
}

void TClassesPage::tsgEndCellEdit(int column, int row)
{
    (void)column;
    (void)row;
    FEditor.UndoHistory().SetTypingInProgress(false);
}

void TClassesPage::tsgStdClassesCellChanged(TGridCoord previous, TGridCoord current)
{
    (void)previous;
    ShowHint(current.Column);
    FEditor.UndoHistory().SetTypingInProgress(false);
}

void TClassesPage::ShowHint(int column)
{
    FEditor.SetStatusText(FromCore(FEditor.Kit().Vna().GetClassHint(column)));
}

void TClassesPage::tsgStdClassesKeyPress(TGridKey& key)
{
    if (!ClassCellAcceptsKey(tsgStdClasses->CurrentColumn(), key.Char.unicode())) {
        key.Refused = true;
        Beep();
    }
}

// ---- Dragging standard numbers onto classes ------------------------------------------------

void TClassesPage::tsgStdListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos)
{
    (void)modifiers;
    if (button != Qt::LeftButton)
        return;
    const TGridCoord cell = tsgStdList->CellAt(pos);
    FDragStdNumber = cell.Row;
    if (cell.Row < 1 || cell.Column != 1)
        return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(StdNumberMimeType), QByteArray::number(FDragStdNumber));
    tsgStdList->BeginDrag(data, StdDragCursor(FDragStdNumber));
}

void TClassesPage::tsgStdClassesDragOver(QObject* source, const QPoint& pos, bool& accept)
{
    const TGridCoord cell = tsgStdClasses->CellAt(pos);
    accept = source == tsgStdList && FEditor.Kit().Vna().ClassColumns.Contains(cell.Column) &&
             cell.Column < ClassColumn::Label && FEditor.Kit().ActiveClasses().Contains(cell.Row);
}

void TClassesPage::tsgStdClassesDragDrop(QObject* source, const QPoint& pos)
{
    (void)source;
    TDataGrid& grid = *tsgStdClasses;
    const TGridCoord cell = grid.CellAt(pos);
    if (cell.Row >= 1 && IsClassNumberColumn(cell.Column) && grid.SetCurrentCell(cell.Column, cell.Row) &&
        grid.CurrentRow() == cell.Row) {
        // Applied and recorded exactly like the number typed into the cell.
        grid.SetCurrentText(QString::number(FDragStdNumber));
    }
    grid.setFocus(Qt::OtherFocusReason);
}
