#include "ui/main/CompareCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "compare/ComparedKitFile.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "ui/compare/CompareHelp.h"
#include "ui/compare/KitComparisonDialog.h"
#include "ui/components/CoreText.h"
#include "ui/components/ErrorDisplay.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/FileCommands.h"
#include "ui/main/GpibCommands.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"

namespace {

const char* const CompareFilter =
    "Cal kit files (*.tsy)|*.tsy|VNA disk files (*.ck CK_*)|*.ck;CK_*|Any file (*.*)|*.*";

}  // namespace

TCompareCommands::TCompareCommands(TMainForm& form) : QObject(&form), FForm(form), FDirectory(QDir::currentPath())
{
    connect(form.Actions().FileCompare, &QAction::triggered, this,
            [this] { RunGuarded(&FForm, [this] { FileCompareExecute(); }); });
}

QString TCompareCommands::FileTitle(const QString& fileName)
{
    return tr("Compare with %1").arg(QFileInfo(fileName).fileName());
}

QString TCompareCommands::AnalyzerTitle()
{
    return tr("Compare with the VNA's kit");
}

void TCompareCommands::UpdateActions()
{
    FForm.Actions().FileCompare->setEnabled(FForm.ActiveEditor() != nullptr);
}

bool TCompareCommands::AnalyzerAvailable() const
{
    return TGpibCommands::BusUsable() && FForm.CurrentVna().CanUpload;
}

std::optional<TCompareSource> TCompareCommands::AskSource()
{
    TCompareSourceDialog dialog(AnalyzerAvailable(), &FForm);
    dialog.exec();
    return dialog.Choice();
}

void TCompareCommands::FileCompareExecute()
{
    TCalKitEditForm* const editor = FForm.ActiveEditor();
    if (!editor)
        return;
    const std::optional<TCompareSource> source = AskSource();
    if (source == TCompareSource::csKitFile)
        CompareWithFile(editor->Kit());
    else if (source == TCompareSource::csAnalyzer)
        CompareWithAnalyzer(editor->Kit());
}

void TCompareCommands::CompareWithFile(const TCalKit& kit)
{
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdOpen;
    request.Title = tr("Compare with");
    request.Filter = QString::fromLatin1(CompareFilter);
    request.InitialDir = FDirectory;
    request.HelpContext = CompareHelp::Command;
    const std::optional<QString> chosen = FForm.FileCommands().FileDialogs().Execute(request);
    if (!chosen)
        return;
    FDirectory = QFileInfo(*chosen).absolutePath();
    TComparedKit other;
    try {
        other = ReadComparedKit(ToCorePath(*chosen), kit.Vna());
    } catch (const EFileTrouble& error) {
        FForm.UpdateStatusText(TFileCommands::OpenFailedText());
        FForm.UserMsgForm().ShowFileError(error);
        return;
    }
    Show(FileTitle(*chosen), QFileInfo(*chosen).fileName(), other.Rules, CompareKits(kit, *other.Kit, other.Rules));
}

void TCompareCommands::CompareWithAnalyzer(const TCalKit& kit)
{
    const auto held = TCalKit::Create(kit.Vna());
    if (!FForm.GpibCommands().ReadAnalyzerKit(*held))
        return;
    const TCompareRules rules = TCompareRules::ReadBack(kit.Vna());
    Show(AnalyzerTitle(), tr("the kit the VNA holds"), rules, CompareKits(kit, *held, rules));
}

void TCompareCommands::Show(const QString& title, const QString& other, const TCompareRules& rules,
                            std::vector<TKitDifference> differences)
{
    TKitComparisonDialog dialog(title, other, TKitComparisonDialog::LeftOutNote(rules), std::move(differences),
                                &FForm);
    dialog.exec();
}
