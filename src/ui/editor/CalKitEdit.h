// The kit editor: the child window in which one calibration kit is edited. It owns the kit
// and its undo history, shows the kit on its pages, records every edit as an undoable step,
// marks unsaved changes with a "*" after its title, and asks before a modified kit is closed.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "analyzers/Vna.h"
#include "kit/UndoHistory.h"
#include "ui/editor/KitReport.h"

class QTabWidget;
class TCalKit;
class TClassesPage;
class TClipboardCommands;
class TEditorHost;
class TGpibCard;
class TEditorPage;
class TKitPropertiesPage;
class TStandard;
class TStandardsPage;
class TVna;

class TCalKitEditForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int UndoSize = 40;
    static constexpr int InitialWidth = 641;
    static constexpr int InitialHeight = 470;
    static constexpr int MinimumWidth = 240;
    static constexpr int MinimumHeight = 180;

    // A new kit on the host's selected model, shown on the standards page.
    explicit TCalKitEditForm(TEditorHost& host, QWidget* parent = nullptr);
    ~TCalKitEditForm() override;

    TCalKit& Kit() const { return *FKit; }
    TEditorHost& Host() const { return FHost; }
    // The kit file's path; empty until the kit was loaded from or saved to a kit file.
    const QString& FileName() const { return FFileName; }
    // The hint of the current cell, shown in the main window's status bar.
    const QString& StatusText() const { return FStatusText; }
    void SetStatusText(const QString& text);
    // The text of the edited cell when its editing began, or after its last accepted change.
    const QString& EditStartText() const { return FEditStartText; }
    void SetEditStartText(const QString& text) { FEditStartText = text; }
    TUndoHistory& UndoHistory() { return FUndoHistory; }
    const TUndoHistory& UndoHistory() const { return FUndoHistory; }
    QTabWidget& PageControl() const { return *FPageControl; }
    TStandardsPage& StandardsPage() const { return *FStandardsPage; }
    TClassesPage& ClassesPage() const { return *FClassesPage; }
    TKitPropertiesPage& PropertiesPage() const { return *FPropertiesPage; }

    // Lays every page out for the kit's model.
    void BuildPages();
    // Revalidates the kit and shows its values again on every page.
    void RefreshPages();
    // The page with this widget was entered.
    void TabSheetEnter(QWidget* page);
    void ShowPage(TEditorPage& page);
    // Makes vna the main window's selection; converts the kit to vna when it is on another
    // model, as one undoable step "VNA selection", and lays the pages out again.
    void ChangeVna(TVna& vna);
    // Puts a whole-kit snapshot back (undo and redo of a model change).
    void RestoreKit(const TCalKit& snapshot);
    // The window became the active kit window.
    void FormActivate();

    // Records the change of one place's text as a "typing" step; consecutive changes of the
    // same place merge until the typing flag is cleared. Nothing is recorded when the text
    // did not change.
    void RecordTyping(const QString& oldText, const QString& newText, int tag);
    // Applies the text of a typing step to its place and shows the place.
    void RestoreTyping(int tag, const QString& text);
    void EditUndo();
    void EditRedo();
    // The clipboard commands on the control that has the focus: its selected text, or the
    // whole selected row of a grid in the row formats.
    void EditCut();
    void EditCopy();
    void EditPaste();
    void EditClearRow();
    bool CanCutOrCopy() const;
    bool CanPaste() const;
    bool CanClearRow() const;
    // "Fit to Measurement...": the fit dialog for the standards grid's current standard, when
    // the standards page is shown and that standard has a model to fit.
    void EditFitToMeasurement();
    bool CanFitToMeasurement() const;
    // Standard number (1..32) changed by change as one undoable step with the caption, shown
    // in the grid; nothing is recorded when change reports no change.
    void ChangeStandard(int number, const char* caption, const std::function<bool(TStandard&)>& change);
    // Tells the main window that something it shows of the editor changed.
    void StateChanged();

    // Kit files: ECannotOpenFile / ECorruptCalKit, ECannotSaveFile / EFileReadOnly.
    void LoadKitFile(const QString& fileName);
    void SaveKitFile(const QString& fileName);
    // Text export with the delimiter: ECannotSaveFile / EFileReadOnly.
    void ExportText(const QString& fileName, char delimiter);
    // The analyzers' own disk files, through the kit's model. A read replaces the kit
    // without an undoable step, so the kit counts as modified for good.
    void ReadDiskFile(const QString& fileName);
    void WriteDiskFile(const QString& fileName);

    // The texts the printed report takes from the pages: the standards and class tables
    // (every class, also those the calibration type hides) and the selected TRL settings.
    TReportTexts ReportTexts() const;
    // The kit to the analyzer, and the analyzer's kit into this window's kit, through the
    // kit's model: the card is opened, and closed again whatever the transfer raises
    // (EGpibException, EUserAbort from progress). A read replaces the kit without an
    // undoable step, so the kit counts as modified for good; the pages show what was read.
    void SendKitToVna(TGpibCard& card, const TProgressProc& progress);
    void ReadKitFromVna(TGpibCard& card, const TProgressProc& progress);

    // The close question: true when the window may close (not modified, saved, or the user
    // chose not to save).
    bool CloseQuery();
    // The window closes without asking (it has been asked already, or it never held a kit
    // worth keeping).
    void AgreeToClose() { FCloseAgreed = true; }

    // The question's texts.
    static QString CloseQuestionText();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UndoHistoryDirtyChange();
    TEditorPage* PageOf(QWidget* widget) const;
    void AddPage(TEditorPage& page, const QString& caption);

    TEditorHost& FHost;
    std::unique_ptr<TCalKit> FKit;
    TUndoHistory FUndoHistory;
    QString FFileName;
    QString FStatusText;
    QString FEditStartText;
    QTabWidget* FPageControl;
    TStandardsPage* FStandardsPage;
    TClassesPage* FClassesPage;
    TKitPropertiesPage* FPropertiesPage;
    TClipboardCommands* FClipboardCommands;
    std::vector<TEditorPage*> FPages;
    bool FCloseAgreed = false;
};
