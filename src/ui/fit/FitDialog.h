// "Fit to Measurement": the dialog that fits one standard of a kit window to a measured
// Touchstone file. The user picks the file and ticks the values to fit; every change fits
// again at once and lays the measured and fitted traces, with their difference, over the
// window's response view. Apply puts the fitted values into the standard as one undoable step
// ("Undo fit"); Cancel changes nothing.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "response/StandardFit.h"
#include "response/Touchstone.h"
#include "ui/response/ResponseTrace.h"

class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class TCalKitEditForm;
class TResponseView;

class TFitDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 5300;
    static constexpr int OpenFileHelpContext = 5305;
    static constexpr int ParametersHelpContext = 5310;
    static constexpr int ReportHelpContext = 5315;
    // The caption of the undoable step.
    static constexpr const char* UndoCaption = "fit";

    TFitDialog(TCalKitEditForm& editor, int standardNumber, QWidget* parent = nullptr);
    ~TFitDialog() override;

    // Asks for a measurement file and reads it.
    void ChooseFile();
    // Reads the measurement; a file that cannot be read is reported and leaves none loaded.
    void LoadFile(const QString& fileName);
    // The values offered for fitting, in the model's order, each with its check state.
    QStandardItemModel& Parameters() const { return *FParameters; }
    std::vector<TFitParameter> FreeParameters() const;
    void SetFree(TFitParameter parameter, bool free);

    const std::optional<TFitResult>& Result() const { return FResult; }
    QString ReportText() const;
    QPushButton& ApplyButton() const { return *FApply; }
    // Puts the fitted values into the standard as one step and closes the dialog.
    void Apply();

    // The traces laid over the response view: measured, fitted, and the magnitude of their
    // difference (S21 of a thru/line, else S11).
    static std::vector<TResponseTrace> Traces(const TFitResult& result);

protected:
    void done(int result) override;

private:
    void Refit();
    void ShowOutcome(const QString& text);

    TCalKitEditForm& FEditor;
    int FNumber;
    TResponseView& FView;
    std::optional<TTouchstoneData> FMeasured;
    std::optional<TFitResult> FResult;
    QLineEdit* FFileEdit;
    QStandardItemModel* FParameters;
    QListView* FParameterList;
    QPlainTextEdit* FReport;
    QPushButton* FApply;
};
