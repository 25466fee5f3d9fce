// The "Standard Definitions" page of the kit editor: the standards grid, one row per standard
// of the kit's model. The page owns the grid's cell texts (read from the kit at every paint),
// its drop-down lists, the keys it refuses, and the typing it records in the editor's undo
// history.
#pragma once

#include <QWidget>

#include "analyzers/Vna.h"
#include "ui/editor/EditorPage.h"
#include "ui/grid/GridOwner.h"
#include "ui/grid/GridTypes.h"

class QSplitter;
class THistoryKeys;
class TResponseView;

class TCalKitEditForm;
class TDataGrid;
class TStandard;

class TStandardsPage : public QWidget, public TEditorPage, public TGridOwner {
    Q_OBJECT
public:
    static constexpr int Tag = 1;
    static constexpr int GridHelpContext = 4000;

    TStandardsPage(TCalKitEditForm& editor, QWidget* parent = nullptr);
    ~TStandardsPage() override;

    TDataGrid& Grid() const { return *tsgStandards; }
    // The response of the current row's standard, below the grid.
    TResponseView& ResponseView() const { return *FResponseView; }
    QSplitter& Splitter() const { return *FSplitter; }

    // TEditorPage
    int PageTag() const override { return Tag; }
    QWidget& PageWidget() override { return *this; }
    void BuildPage(const TVna& vna) override;
    void RefreshPage() override;
    void EnterPage() override;
    bool RestoreTyping(int tag, const QString& text) override;

    // TGridOwner
    void CellLoaded(TDataGrid& grid, int column, int row, QString& text) override;
    int ComboInit(TDataGrid& grid, int column, int row) override;
    void ComboCellLoaded(TDataGrid& grid, int listRow, QString& text) override;

private:
    void tsgStandardsStartCellEdit(int column, int row);
    void tsgStandardsCellEdit(int column, int row);
    void tsgEndCellEdit(int column, int row);
    void tsgStandardsCellChanged(TGridCoord previous, TGridCoord current);
    void tsgStandardsKeyPress(TGridKey& key);
    void ShowHint(int column, int row);
    TStandard* StandardOf(int row) const;
    void ShowResponse();

    TCalKitEditForm& FEditor;
    QSplitter* FSplitter;
    TDataGrid* tsgStandards;
    TResponseView* FResponseView;
    THistoryKeys* FHistoryKeys;
    const TStringList* FComboSource = nullptr;
};
