#include "ui/fit/FitDialog.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "ui/components/CoreText.h"
#include "ui/components/HelpHook.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/EditorHost.h"
#include "ui/editor/StandardsPage.h"
#include "ui/help/WhatsThis.h"
#include "ui/main/FileDialogs.h"
#include "ui/response/ResponseView.h"

namespace {

constexpr int ParameterRole = Qt::UserRole + 1;

TResponseTrace Trace(const QString& name, const QColor& color, const TFitResult& result,
                     TComplex (*value)(const TFitResult&, std::size_t))
{
    TResponseTrace trace{name, color, result.FrequenciesGHz, {}};
    for (std::size_t k = 0; k < result.FrequenciesGHz.size(); ++k)
        trace.Values.push_back(value(result, k));
    return trace;
}

// The value a trace shows of a point: S21 of a thru/line, S11 of any other standard.
TComplex Shown(const TSParameters& s, TStdType type)
{
    return type == TStdType::Thru ? s.S21 : s.S11;
}

}  // namespace

TFitDialog::TFitDialog(TCalKitEditForm& editor, int standardNumber, QWidget* parent)
    : QDialog(parent),
      FEditor(editor),
      FNumber(standardNumber),
      FView(editor.StandardsPage().ResponseView()),
      FFileEdit(new QLineEdit(this)),
      FParameters(new QStandardItemModel(this)),
      FParameterList(new QListView(this)),
      FReport(new QPlainTextEdit(this)),
      FApply(nullptr)
{
    const TStandard& standard = editor.Kit().Standard(standardNumber);
    setObjectName(QStringLiteral("FitDialog"));
    setWindowTitle(tr("Fit Standard %1 to Measurement").arg(standardNumber));
    setAccessibleName(windowTitle());
    SetHelpContext(this, HelpContext);

    FFileEdit->setObjectName(QStringLiteral("FitFile"));
    FFileEdit->setReadOnly(true);
    FFileEdit->setAccessibleName(tr("Measurement file"));
    FFileEdit->setPlaceholderText(tr("A measured .s1p or .s2p file"));
    SetHelpContext(FFileEdit, OpenFileHelpContext);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("FitBrowse"));
    SetHelpContext(browse, OpenFileHelpContext);
    connect(browse, &QPushButton::clicked, this, &TFitDialog::ChooseFile);

    const TStdType type = standard.StdType();
    const auto free = DefaultFreeParameters(standard);
    for (TFitParameter parameter : FittableParameters(standard)) {
        auto* item = new QStandardItem(FromCore(FitParameterName(parameter, type) + " (" +
                                                FitParameterUnit(parameter, type) + ")"));
        item->setCheckable(true);
        item->setEditable(false);
        item->setData(static_cast<int>(parameter), ParameterRole);
        const bool ticked = std::find(free.begin(), free.end(), parameter) != free.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        FParameters->appendRow(item);
    }
    FParameterList->setObjectName(QStringLiteral("FitParameters"));
    FParameterList->setModel(FParameters);
    FParameterList->setAccessibleName(tr("Values to fit"));
    SetHelpContext(FParameterList, ParametersHelpContext);
    connect(FParameters, &QStandardItemModel::itemChanged, this, &TFitDialog::Refit);

    FReport->setObjectName(QStringLiteral("FitReport"));
    FReport->setReadOnly(true);
    FReport->setAccessibleName(tr("Fit report"));
    SetHelpContext(FReport, ReportHelpContext);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    FApply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    FApply->setObjectName(QStringLiteral("FitApply"));
    FApply->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFitDialog::Apply);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { ShowHelpContext(HelpContext); });

    auto* layout = new QGridLayout(this);
    auto* fileLabel = new QLabel(tr("&Measurement:"), this);
    fileLabel->setBuddy(browse);
    layout->addWidget(fileLabel, 0, 0);
    layout->addWidget(FFileEdit, 0, 1);
    layout->addWidget(browse, 0, 2);
    auto* valuesLabel = new QLabel(tr("&Values to fit:"), this);
    valuesLabel->setBuddy(FParameterList);
    layout->addWidget(valuesLabel, 1, 0, 1, 3);
    layout->addWidget(FParameterList, 2, 0, 1, 1);
    layout->addWidget(FReport, 2, 1, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    ShowOutcome(tr("Choose the measured file of the standard."));
}

TFitDialog::~TFitDialog() = default;

void TFitDialog::ChooseFile()
{
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdOpen;
    request.Title = tr("Open Measurement");
    request.Filter = QStringLiteral("Touchstone files (*.s1p;*.s2p)|*.s1p;*.s2p|All files (*.*)|*.*");
    request.HelpContext = OpenFileHelpContext;
    if (!FEditor.FileName().isEmpty())
        request.InitialDir = QFileInfo(FEditor.FileName()).absolutePath();
    if (const std::optional<QString> fileName = FEditor.Host().AskFileName(request))
        LoadFile(*fileName);
}

void TFitDialog::LoadFile(const QString& fileName)
{
    try {
        FMeasured = ReadTouchstone(ToCorePath(fileName));
        FFileEdit->setText(fileName);
    } catch (const ETessalyError& error) {
        FMeasured.reset();
        FFileEdit->clear();
        FEditor.Host().ReportFileTrouble(error);
    }
    Refit();
}

std::vector<TFitParameter> TFitDialog::FreeParameters() const
{
    std::vector<TFitParameter> free;
    for (int row = 0; row < FParameters->rowCount(); ++row) {
        const QStandardItem* item = FParameters->item(row);
        if (item->checkState() == Qt::Checked)
            free.push_back(static_cast<TFitParameter>(item->data(ParameterRole).toInt()));
    }
    return free;
}

void TFitDialog::SetFree(TFitParameter parameter, bool free)
{
    for (int row = 0; row < FParameters->rowCount(); ++row) {
        QStandardItem* item = FParameters->item(row);
        if (item->data(ParameterRole).toInt() == static_cast<int>(parameter))
            item->setCheckState(free ? Qt::Checked : Qt::Unchecked);
    }
}

QString TFitDialog::ReportText() const
{
    return FReport->toPlainText();
}

void TFitDialog::Refit()
{
    FResult.reset();
    FApply->setEnabled(false);
    if (!FMeasured) {
        FView.SetExtraTraces({});
        ShowOutcome(tr("Choose the measured file of the standard."));
        return;
    }
    try {
        FResult = FitStandard(FEditor.Kit().Standard(FNumber), *FMeasured, FreeParameters());
    } catch (const ETessalyError& error) {
        FView.SetExtraTraces({});
        ShowOutcome(FromCore(error.Message()));
        return;
    }
    FView.SetExtraTraces(Traces(*FResult));
    FApply->setEnabled(FResult->Converged);
    ShowOutcome(FromCore(FitReport(*FResult)) +
                (FResult->Converged ? QString() : tr("The fit did not converge; nothing can be applied.")));
}

void TFitDialog::ShowOutcome(const QString& text)
{
    FReport->setPlainText(text);
}

std::vector<TResponseTrace> TFitDialog::Traces(const TFitResult& result)
{
    const bool thru = result.Type == TStdType::Thru;
    const QString suffix = thru ? QStringLiteral(" S21") : QString();
    return {
        Trace(tr("Measured") + suffix, QColor(40, 40, 40), result,
              [](const TFitResult& r, std::size_t k) { return Shown(r.Measured[k], r.Type); }),
        Trace(tr("Fitted") + suffix, QColor(200, 0, 160), result,
              [](const TFitResult& r, std::size_t k) { return Shown(r.Modelled[k], r.Type); }),
        // The residual's phase is noise: its magnitude alone, at phase 0, keeps the phase plot
        // on the scale of the standard.
        Trace(tr("Residual") + suffix, QColor(230, 120, 0), result,
              [](const TFitResult& r, std::size_t k) {
                  return TComplex{std::abs(Shown(r.Measured[k], r.Type) - Shown(r.Modelled[k], r.Type)), 0};
              }),
    };
}

void TFitDialog::Apply()
{
    if (!FResult || !FResult->Converged)
        return;
    const TFitResult result = *FResult;
    FEditor.ChangeStandard(FNumber, UndoCaption, [&result](TStandard& standard) {
        ApplyFit(standard, result);
        return true;
    });
    accept();
}

void TFitDialog::done(int result)
{
    FView.SetExtraTraces({});
    QDialog::done(result);
}
