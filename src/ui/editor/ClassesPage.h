// The "Class Assignments" page of the kit editor: the calibration-type choice, the list of
// the kit's standards, and the class grid that assigns standard numbers to the model's
// calibration classes. Numbers are typed into the grid or dragged from the list onto it.
#pragma once

#include <QWidget>

#include "ui/editor/EditorPage.h"
#include "ui/grid/GridOwner.h"
#include "ui/grid/GridTypes.h"

class TCalKitEditForm;
class TDataGrid;
class THistoryKeys;
class TRadioGroup;
class TStdClass;

class TClassesPage : public QWidget, public TEditorPage, public TGridOwner {
    Q_OBJECT
public:
    static constexpr int Tag = 2;
    static constexpr int CalTypeTag = 7;
    static constexpr int CalTypeHelpContext = 4195;
    static constexpr int ListHelpContext = 4190;
    static constexpr int GridHelpContext = 4100;
    // The MIME type of a standard number dragged from the list.
    static const char* const StdNumberMimeType;

    TClassesPage(TCalKitEditForm& editor, QWidget* parent = nullptr);
    ~TClassesPage() override;

    TDataGrid& Grid() const { return *tsgStdClasses; }
    TDataGrid& StandardsList() const { return *tsgStdList; }
    // The calibration type, "SOLT cal" or "TRL cal"; a kit property (tag 7).
    TRadioGroup& CalTypeControl() const { return *rgCalType; }
    // The standard number picked up in the list by the last mouse press on it.
    int DragStdNumber() const { return FDragStdNumber; }

    // Shows exactly the class rows that the kit's calibration type uses.
    void ShowActiveClassRows();

    // TEditorPage
    int PageTag() const override { return Tag; }
    QWidget& PageWidget() override { return *this; }
    void BuildPage(const TVna& vna) override;
    void RefreshPage() override;
    void EnterPage() override;
    bool RestoreTyping(int tag, const QString& text) override;

    // TGridOwner
    void CellLoaded(TDataGrid& grid, int column, int row, QString& text) override;

private:
    void BuildStandardsList(const TVna& vna);
    void BuildClassGrid(const TVna& vna);
    void StdListCellLoaded(int row, QString& text) const;
    void StdClassesCellLoaded(int column, int row, QString& text);

    void tsgStdClassesStartCellEdit(int column, int row);
    void tsgStdClassesCellEdit(int column, int row);
    void tsgEndCellEdit(int column, int row);
    void tsgStdClassesCellChanged(TGridCoord previous, TGridCoord current);
    void tsgStdClassesKeyPress(TGridKey& key);
    void tsgStdListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& pos);
    void tsgStdClassesDragOver(QObject* source, const QPoint& pos, bool& accept);
    void tsgStdClassesDragDrop(QObject* source, const QPoint& pos);
    void ShowHint(int column);
    TStdClass* ClassOf(int row) const;

    TCalKitEditForm& FEditor;
    TRadioGroup* rgCalType;
    TDataGrid* tsgStdList;
    TDataGrid* tsgStdClasses;
    THistoryKeys* FHistoryKeys;
    int FDragStdNumber = 0;
};
