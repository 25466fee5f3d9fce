#include "ui/editor/RowCommands.h"

#include <memory>

#include "kit/CalKit.h"
#include "kit/RowClipboard.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/CellTag.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/RowSnapshot.h"
#include "ui/editor/StandardCells.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"

namespace {

// A row action names column 2 of its row.
constexpr int RowActionColumn = 2;

}  // namespace

TRowCommands::TRowCommands(TCalKitEditForm& editor, TRowClipboard& clipboard)
    : FEditor(editor), FClipboard(clipboard)
{
}

bool TRowCommands::IsStandardsGrid(const TDataGrid& grid) const
{
    return &grid == &FEditor.StandardsPage().Grid();
}

bool TRowCommands::IsClassGrid(const TDataGrid& grid) const
{
    return &grid == &FEditor.ClassesPage().Grid();
}

bool TRowCommands::HasRows(const TDataGrid& grid) const
{
    return IsStandardsGrid(grid) || IsClassGrid(grid);
}

std::string TRowCommands::RowFormat(const TDataGrid& grid) const
{
    if (IsStandardsGrid(grid))
        return VnaStandardFormat;
    if (IsClassGrid(grid))
        return VnaStdClassFormat;
    return std::string();
}

void TRowCommands::CutRow(TDataGrid& grid)
{
    RowAction(
        grid, "Cut Row",
        [this](TStandard& standard) {
            standard.Cut(FClipboard);
            return true;
        },
        [this](TStdClass& stdClass) {
            stdClass.Cut(FClipboard);
            return true;
        });
}

void TRowCommands::CopyRow(TDataGrid& grid)
{
    const int row = grid.SelectedRow();
    if (row < 1 || row >= TCalKit::RecordCount)
        return;
    TCalKit& kit = FEditor.Kit();
    if (IsStandardsGrid(grid))
        kit.Standard(row).CopyToClipboard(FClipboard);
    else if (IsClassGrid(grid) && kit.ActiveClasses().Contains(row))
        kit.StdClass(row).CopyToClipboard(FClipboard);
}

void TRowCommands::PasteRow(TDataGrid& grid)
{
    RowAction(
        grid, "Paste Row", [this](TStandard& standard) { return standard.PasteFromClipboard(FClipboard); },
        [this](TStdClass& stdClass) { return stdClass.PasteFromClipboard(FClipboard); });
}

void TRowCommands::ClearRow(TDataGrid& grid)
{
    RowAction(
        grid, "Clear",
        [](TStandard& standard) {
            standard.Clear();
            return true;
        },
        [](TStdClass& stdClass) {
            stdClass.Clear();
            return true;
        });
}

void TRowCommands::RowAction(TDataGrid& grid, const char* caption, const TStandardOperation& onStandard,
                             const TClassOperation& onClass)
{
    const int row = grid.SelectedRow();
    if (row < 1 || row >= TCalKit::RecordCount || !HasRows(grid))
        return;
    if (IsStandardsGrid(grid)) {
        ChangeStandard(row, caption, onStandard);
        return;
    }
    TCalKit& kit = FEditor.Kit();
    TStdClass& stdClass = kit.StdClass(row);
    auto before = TStdClass::CreateCopy(kit, stdClass);
    if (!onClass(stdClass))
        return;
    auto action = std::make_unique<TUndoAction>();
    action->SetBefore(std::make_unique<TStdClassSnapshot>(std::move(before)));
    action->SetAfter(std::make_unique<TStdClassSnapshot>(TStdClass::CreateCopy(kit, stdClass)));
    action->SetTag(CellTag(ClassGridTag, row, RowActionColumn));
    Record(std::move(action), caption);
}

void TRowCommands::ChangeStandard(int row, const char* caption, const TStandardOperation& operation)
{
    TCalKit& kit = FEditor.Kit();
    TStandard* standard = kit.GetStandard(row);
    if (row < 1 || standard == nullptr)
        return;
    auto before = TStandard::CreateCopy(kit, *standard);
    if (!operation(*standard))
        return;
    auto action = std::make_unique<TUndoAction>();
    action->SetBefore(std::make_unique<TStandardSnapshot>(std::move(before)));
    action->SetAfter(std::make_unique<TStandardSnapshot>(TStandard::CreateCopy(kit, *standard)));
    action->SetTag(CellTag(StandardsGridTag, row, RowActionColumn));
    Record(std::move(action), caption);
}

void TRowCommands::Record(std::unique_ptr<TUndoAction> action, const char* caption)
{
    action->SetUndoCaption(caption);
    action->SetRedoCaption(caption);
    action->OnUndo = [this](TUndoAction& done) { RestoreRow(done, false); };
    action->OnRedo = [this](TUndoAction& done) { RestoreRow(done, true); };
    FEditor.UndoHistory().AddAction(std::move(action));
}

void TRowCommands::RestoreRow(const TUndoAction& action, bool after)
{
    const int tag = action.Tag();
    const int row = TagRow(tag);
    const int column = TagColumn(tag);
    TCalKit& kit = FEditor.Kit();
    TDataGrid* grid = nullptr;
    if (TagPlace(tag) == TTagPlace::tpStandardCell) {
        const auto* copy = after ? action.AfterAs<TStandardSnapshot>() : action.BeforeAs<TStandardSnapshot>();
        TStandard* standard = kit.GetStandard(row);
        if (!copy || !standard)
            return;
        FEditor.ShowPage(FEditor.StandardsPage());
        grid = &FEditor.StandardsPage().Grid();
        grid->EndEdit();
        standard->Assign(copy->Row());
    } else if (TagPlace(tag) == TTagPlace::tpClassCell) {
        const auto* copy = after ? action.AfterAs<TStdClassSnapshot>() : action.BeforeAs<TStdClassSnapshot>();
        TStdClass* stdClass = kit.GetClass(row);
        if (!copy || !stdClass)
            return;
        FEditor.ShowPage(FEditor.ClassesPage());
        grid = &FEditor.ClassesPage().Grid();
        grid->EndEdit();
        stdClass->Assign(copy->Row());
    }
    if (grid) {
        grid->Reload();
        grid->SetCurrentCell(column, row);
    }
}
