#include "ui/editor/StandardsPage.h"

#include <QSplitter>
#include <QVBoxLayout>

#include "kit/CalKit.h"
#include "ui/components/Beep.h"
#include "ui/components/CoreText.h"
#include "ui/components/HistoryKeys.h"
#include "ui/components/UserLocale.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/CellTag.h"
#include "ui/editor/EditorFonts.h"
#include "ui/editor/StandardCells.h"
#include "ui/grid/DataGrid.h"
#include "ui/grid/DataGridModel.h"
#include "ui/response/ResponseCommands.h"
#include "ui/response/ResponseView.h"

namespace {

// Column widths in pixels, column 1 first.
constexpr int ColumnWidths[StdColumn::Count] = {33, 84, 57, 57, 57, 57, 65, 57, 57, 57, 52, 52, 94, 95};
constexpr int RowHeight = 24;
constexpr int HeadingHeight = 36;
// The grid's and the response view's shares of the page's height at first.
constexpr int GridShare = 11;
constexpr int ResponseShare = 9;

}  // namespace

TStandardsPage::TStandardsPage(TCalKitEditForm& editor, QWidget* parent)
    : QWidget(parent),
      FEditor(editor),
      FSplitter(new QSplitter(Qt::Vertical, this)),
      tsgStandards(new TDataGrid(FSplitter)),
      FResponseView(new TResponseView(FSplitter)),
      FHistoryKeys(new THistoryKeys(this))
{
    setObjectName(QStringLiteral("TabStandards"));
    setProperty("tag", Tag);
    setAccessibleName(tr("Standard Definitions"));
    setAccessibleDescription(tr("The standards of the cal kit"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSplitter);
    // The response sits below the grid: the grid keeps the width its columns need, and the
    // chart and plots share the width side by side.
    FSplitter->setObjectName(QStringLiteral("StandardsSplitter"));
    FSplitter->setChildrenCollapsible(true);
    FSplitter->setCollapsible(0, false);
    FSplitter->setStretchFactor(0, GridShare);
    FSplitter->setStretchFactor(1, ResponseShare);
    FSplitter->setSizes({GridShare * 100, ResponseShare * 100});
    new TResponseCommands(*FResponseView, editor);

    TDataGrid& grid = *tsgStandards;
    grid.setObjectName(QStringLiteral("tsgStandards"));
    grid.setAccessibleName(tr("Standard definitions"));
    grid.setAccessibleDescription(
        tr("One row per standard: type, coefficients, load type, offset, frequency range, medium and label"));
    grid.setProperty("helpContext", GridHelpContext);
    grid.setProperty("tag", StandardsGridTag);
    grid.SetEditColor(palette().color(QPalette::ToolTipBase));
    grid.SetHeadingHeight(HeadingHeight);
    grid.setFont(FontOfHeight(grid.font(), CellLineHeight));
    grid.SetHeadingFont(BoldFontOfHeight(grid.font(), HeadingLineHeight));
    grid.SetColumnResizing(false);
    grid.SetRowSelection(true);
    grid.SetRowHeight(RowHeight);
    grid.setVisible(false);
    grid.setEnabled(false);

    connect(&grid, &TDataGrid::StartCellEdit, this, &TStandardsPage::tsgStandardsStartCellEdit);
    connect(&grid, &TDataGrid::CellEdit, this, &TStandardsPage::tsgStandardsCellEdit);
    connect(&grid, &TDataGrid::EndCellEdit, this, &TStandardsPage::tsgEndCellEdit);
    connect(&grid, &TDataGrid::CellChanged, this, &TStandardsPage::tsgStandardsCellChanged);
    connect(&grid, &TDataGrid::KeyPress, this, &TStandardsPage::tsgStandardsKeyPress);
    grid.SetOwner(this);
    // The view follows the current row and every change the grid shows: typed values,
    // undo and redo, pasted and cleared rows, a new model, a loaded kit.
    TDataGridModel& cells = grid.Model();
    connect(&cells, &QAbstractItemModel::dataChanged, this, &TStandardsPage::ShowResponse);
    connect(&cells, &QAbstractItemModel::rowsInserted, this, &TStandardsPage::ShowResponse);
    connect(&cells, &QAbstractItemModel::rowsRemoved, this, &TStandardsPage::ShowResponse);
}

TStandardsPage::~TStandardsPage()
{
    tsgStandards->Model().disconnect(this);
    tsgStandards->SetOwner(nullptr);
}

void TStandardsPage::BuildPage(const TVna& vna)
{
    TDataGrid& grid = *tsgStandards;
    grid.EndEdit();
    grid.SetColumnCount(StdColumn::Count);
    grid.SetFixedColumns(1);
    const QColor window = palette().color(QPalette::Base);
    for (int column = 1; column <= StdColumn::Count; ++column) {
        grid.SetColumnWidth(column, ColumnWidths[column - 1]);
        grid.SetColumnReadOnly(column, column == StdColumn::Number);
        grid.SetColumnColor(column, column == StdColumn::Number ? palette().color(QPalette::Button) : window);
        grid.SetColumnDropDown(column, IsPickListStandardColumn(column));
        const std::size_t heading = static_cast<std::size_t>(column - 1);
        grid.SetColumnHeading(column, heading < vna.ColumnHeadings.size() ? FromCore(vna.ColumnHeadings[heading])
                                                                          : QString());
    }
    grid.SetColumnMaxLength(StdColumn::Label, vna.StdLabelLength);
    grid.SetRowCount(vna.NumStandards);
    grid.SetRowHeight(RowHeight);
    grid.setVisible(true);
    grid.setEnabled(true);
    grid.SetCurrentCell(StdColumn::Type, 1);
}

void TStandardsPage::RefreshPage()
{
    tsgStandards->Reload();
}

void TStandardsPage::EnterPage()
{
    tsgStandards->Reload();
    ShowHint(tsgStandards->CurrentColumn(), tsgStandards->CurrentRow());
}

bool TStandardsPage::RestoreTyping(int tag, const QString& text)
{
    if (TagPlace(tag) != TTagPlace::tpStandardCell)
        return false;
    const int column = TagColumn(tag);
    const int row = TagRow(tag);
    FEditor.ShowPage(*this);
    TDataGrid& grid = *tsgStandards;
    grid.EndEdit();
    if (TStandard* standard = StandardOf(row)) {
        const std::string value = ToCore(text);
        ApplyStandardCell(*standard, column, value, value, UserDecimalSeparator());
    }
    grid.Reload();
    grid.SetCurrentCell(column, row);
    return true;
}

TStandard* TStandardsPage::StandardOf(int row) const
{
    return row >= 1 && row < TCalKit::RecordCount ? FEditor.Kit().GetStandard(row) : nullptr;
}

void TStandardsPage::CellLoaded(TDataGrid& grid, int column, int row, QString& text)
{
    const TStandard* standard = StandardOf(row);
    if (!standard)
        return;
    const std::optional<std::string> shown = StandardCellText(*standard, row, column, UserDecimalSeparator());
    if (column > StdColumn::Type) {
        // A column the standard's type does not use is neither edited nor offers a list.
        grid.SetCellReadOnly(column, row, shown ? TCellReadOnly::crOff : TCellReadOnly::crOn);
        grid.SetCellButton(column, row, shown ? TCellButton::cbColumn : TCellButton::cbNone);
    }
    text = shown ? FromCore(*shown) : QString();
}

int TStandardsPage::ComboInit(TDataGrid& grid, int column, int row)
{
    (void)grid;
    const TStandard* standard = StandardOf(row);
    FComboSource = standard ? StandardPickList(*standard, column) : nullptr;
    return FComboSource ? static_cast<int>(FComboSource->size()) : 0;
}

void TStandardsPage::ComboCellLoaded(TDataGrid& grid, int listRow, QString& text)
{
    (void)grid;
    if (FComboSource && listRow >= 1 && listRow <= static_cast<int>(FComboSource->size()))
        text = FromCore((*FComboSource)[static_cast<std::size_t>(listRow - 1)]);
}

void TStandardsPage::tsgStandardsStartCellEdit(int column, int row)
{
    (void)column;
    (void)row;
    FEditor.SetEditStartText(tsgStandards->CurrentText());
    FEditor.UndoHistory().SetTypingInProgress(false);
    // Undo and redo keys reach the editor's history, not the cell editor's own undo.
    if (QWidget* cellEditor = tsgStandards->CellEditor())
        FHistoryKeys->Watch(*cellEditor);
}

void TStandardsPage::tsgStandardsCellEdit(int column, int row)
{
    TStandard* standard = StandardOf(row);
    if (!standard)
        return;
    TDataGrid& grid = *tsgStandards;
    const char separator = UserDecimalSeparator();
    const std::string lastText = ToCore(FEditor.EditStartText());
    if (!ApplyStandardCell(*standard, column, ToCore(grid.CurrentText()), lastText, separator)) {
        // Text that is no number (pasted, say) goes back to the text the edit began with;
        // the standard takes that text's value, so cell and kit agree.
        grid.RestoreEditStartText();
        ApplyStandardCell(*standard, column, ToCore(grid.CurrentText()), lastText, separator);
        Beep();
    }
    grid.RedrawRow(row);
    const QString text = grid.CurrentText();
    FEditor.RecordTyping(FEditor.EditStartText(), text, CellTag(StandardsGridTag, row, column));
    FEditor.SetEditStartText(text);
}

void TStandardsPage::tsgEndCellEdit(int column, int row)
{
    (void)column;
    (void)row;
    FEditor.UndoHistory().SetTypingInProgress(false);
}

void TStandardsPage::ShowResponse()
{
    FResponseView->ShowStandard(FEditor.Kit(), tsgStandards->CurrentRow());
}

void TStandardsPage::tsgStandardsCellChanged(TGridCoord previous, TGridCoord current)
{
    if (previous.Row != current.Row)
        ShowResponse();
    ShowHint(current.Column, current.Row);
    FEditor.UndoHistory().SetTypingInProgress(false);
}

void TStandardsPage::ShowHint(int column, int row)
{
    const TStandard* standard = StandardOf(row);
    if (!standard)
        return;
    FEditor.SetStatusText(FromCore(FEditor.Kit().Vna().GetStdHint(standard->StdType(), column)));
}

void TStandardsPage::tsgStandardsKeyPress(TGridKey& key)
{
    const char16_t character = key.Char.unicode();
    // Enter, Tab and Escape end or leave the edit; they put nothing into the text.
    if (character == 13 || character == 9 || character == 27)
        return;
    const TDataGrid& grid = *tsgStandards;
    if (!IsNumericStandardColumn(grid.CurrentColumn()))
        return;
    const QString text = grid.CurrentText();
    const int start = grid.SelStart();
    const QString typed = character == 8 ? QString() : QString(key.Char);
    const QString result = text.left(start) + typed + text.mid(start + grid.SelLength());
    if (!IsNumericCellText(ToCore(result), UserDecimalSeparator())) {
        key.Refused = true;
        Beep();
    }
}
