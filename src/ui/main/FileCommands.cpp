#include "ui/main/FileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "analyzers/Vna.h"
#include "kit/Utility.h"
#include "ui/components/CoreText.h"
#include "ui/components/RecentFileList.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/KitWindows.h"
#include "ui/main/MainForm.h"

namespace {

const char* const KitFilterLower = "Cal kit files (*.tsy)|*.tsy|Any file (*.*)|*.*";
const char* const KitFilterUpper = "Cal Kit files (*.tsy)|*.tsy|Any file (*.*)|*.*";
const char* const TextFilter = "Comma-separated variables (*.csv)|*.csv|Any file (*.*)|*.*";

QString DiskFilter(const TVna& vna)
{
    return QStringLiteral("VNA cal kit files ") + FromCore(vna.DiskFilter) + QStringLiteral("|Any file (*.*)|*.*");
}

}  // namespace

TFileCommands::TFileCommands(TMainForm& form)
    : QObject(&form),
      FForm(form),
      FDialogs(std::make_unique<TDesktopFileDialogs>(&form)),
      FKitDirectory(QDir::currentPath()),
      FDiskFileDirectory(QDir::currentPath())
{
}

TFileCommands::~TFileCommands() = default;

void TFileCommands::SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs)
{
    FDialogs = std::move(dialogs);
}

QString TFileCommands::OpenFailedText()
{
    return tr("Error: unable to open file.");
}

QString TFileCommands::SaveFailedText()
{
    return tr("Error: unable to save file.");
}

QString TFileCommands::OpenDiskFileFailedText()
{
    return tr("Error: unable to open VNA disk file.");
}

QString TFileCommands::SaveDiskFileFailedText()
{
    return tr("Error: unable to save as VNA disk file.");
}

std::optional<QString> TFileCommands::Ask(const TFileDialogRequest& request)
{
    std::optional<QString> chosen = FDialogs->Execute(request);
    if (chosen)
        QDir::setCurrent(QFileInfo(*chosen).absolutePath());
    return chosen;
}

void TFileCommands::ReportFileTrouble(const QString& statusText, const std::exception& error)
{
    FForm.UpdateStatusText(statusText);
    TUserMsgForm& dialog = FForm.UserMsgForm();
    dialog.hide();
    dialog.ShowFileError(error);
}

void TFileCommands::FileNewExecute()
{
    FForm.KitWindows().CreateKitWindow(QString());
}

void TFileCommands::FileOpenExecute()
{
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdOpen;
    request.Title = tr("Open Cal Kit File");
    request.InitialDir = FKitDirectory;
    request.Filter = QString::fromLatin1(KitFilterLower);
    request.DefaultExt = QStringLiteral("tsy");
    request.HelpContext = 3020;
    const std::optional<QString> name = Ask(request);
    if (!name)
        return;
    try {
        if (FForm.KitWindows().OpenKitFile(*name))
            FForm.RecentFiles().AddFile(*name);
        FKitDirectory = QDir::currentPath();
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(OpenFailedText(), error);
    }
}

void TFileCommands::RecentFileListClick(int tag)
{
    const QString name = FForm.RecentFiles().GetFile(tag);
    if (name.isEmpty())
        return;
    try {
        if (FForm.KitWindows().OpenKitFile(name))
            FForm.RecentFiles().AddFile(name);
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(OpenFailedText(), error);
    }
}

bool TFileCommands::OpenStartupFile(const QString& name, bool reportTrouble)
{
    try {
        if (!FForm.KitWindows().OpenKitFile(name))
            return false;
        FForm.RecentFiles().AddFile(name);
        return true;
    } catch (const EFileTrouble& error) {
        if (reportTrouble)
            ReportFileTrouble(OpenFailedText(), error);
        return false;
    }
}

void TFileCommands::FileCloseExecute()
{
    if (TCalKitEditForm* editor = FForm.KitWindows().ActiveEditor())
        FForm.KitWindows().Close(*editor);
}

void TFileCommands::FileCloseAllExecute()
{
    QList<TCalKitEditForm*> editors = FForm.KitWindows().Editors();
    for (auto it = editors.crbegin(); it != editors.crend(); ++it)
        FForm.KitWindows().Close(**it);
}

void TFileCommands::FileSaveExecute()
{
    TCalKitEditForm* editor = FForm.KitWindows().ActiveEditor();
    if (!editor)
        return;
    if (editor->FileName().isEmpty()) {
        SaveAs(*editor);
        return;
    }
    try {
        editor->SaveKitFile(editor->FileName());
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(SaveFailedText(), error);
    }
}

void TFileCommands::FileSaveAsExecute()
{
    if (TCalKitEditForm* editor = FForm.KitWindows().ActiveEditor())
        SaveAs(*editor);
}

void TFileCommands::SaveAs(TCalKitEditForm& editor)
{
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdSave;
    request.Title = tr("Save Cal Kit File");
    request.InitialDir = FKitDirectory;
    request.Filter = QString::fromLatin1(KitFilterUpper);
    request.DefaultExt = QStringLiteral("tsy");
    request.HelpContext = 3520;
    const std::optional<QString> name = Ask(request);
    if (!name)
        return;
    try {
        editor.SaveKitFile(*name);
        FForm.RecentFiles().AddFile(*name);
        FKitDirectory = QDir::currentPath();
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(SaveFailedText(), error);
    }
}

void TFileCommands::FileSaveAllExecute()
{
    // The list is taken first: bringing a window to the front reorders the windows.
    const QList<TCalKitEditForm*> editors = FForm.KitWindows().Editors();
    for (TCalKitEditForm* editor : editors) {
        FForm.KitWindows().Activate(*editor);
        FileSaveExecute();
    }
}

void TFileCommands::FileExportToTextExecute()
{
    TCalKitEditForm* editor = FForm.KitWindows().ActiveEditor();
    if (!editor)
        return;
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdSave;
    request.Title = tr("Export Cal Kit to Text File");
    request.InitialDir = FKitDirectory;
    request.Filter = QString::fromLatin1(TextFilter);
    request.DefaultExt = QStringLiteral("csv");
    request.HelpContext = 3540;
    request.FileName = editor->FileName().isEmpty() ? QString() : QFileInfo(editor->FileName()).completeBaseName();
    const std::optional<QString> name = Ask(request);
    if (!name)
        return;
    try {
        editor->ExportText(*name, ',');
        FKitDirectory = QDir::currentPath();
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(SaveFailedText(), error);
    }
}

void TFileCommands::FileOpenVnaDiskFileExecute()
{
    const TVna& vna = FForm.CurrentVna();
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdOpen;
    request.Title = tr("Open Cal Kit from VNA Disk File");
    request.InitialDir = FDiskFileDirectory;
    request.Filter = DiskFilter(vna);
    request.HelpContext = 3570;
    const std::optional<QString> name = Ask(request);
    if (!name)
        return;
    TCalKitEditForm* editor = FForm.KitWindows().CreateKitWindow(*name);
    try {
        editor->ReadDiskFile(*name);
        FDiskFileDirectory = QDir::currentPath();
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(OpenDiskFileFailedText(), error);
        FForm.KitWindows().Discard(*editor);
    } catch (...) {
        FForm.KitWindows().Discard(*editor);
        throw;
    }
}

void TFileCommands::FileSaveAsVnaDiskFileExecute()
{
    TCalKitEditForm* editor = FForm.KitWindows().ActiveEditor();
    if (!editor)
        return;
    const TVna& vna = FForm.CurrentVna();
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdSave;
    request.Title = tr("Save Cal Kit as Vna Disk File");
    request.InitialDir = FDiskFileDirectory;
    request.Filter = DiskFilter(vna);
    request.DefaultExt = FromCore(vna.DiskExtension);
    request.HelpContext = 3580;
    request.FileName = FromCore(vna.DiskPrefix);
    const std::optional<QString> name = Ask(request);
    if (!name)
        return;
    try {
        editor->WriteDiskFile(*name);
        FDiskFileDirectory = QDir::currentPath();
    } catch (const EFileTrouble& error) {
        ReportFileTrouble(SaveDiskFileFailedText(), error);
    }
}

void TFileCommands::FileExitExecute()
{
    FForm.close();
}
