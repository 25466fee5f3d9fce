// The commands of the "&File" menu that create, open, close and store kits: kit files, the
// text export and the analyzers' disk files. Kit-file trouble is reported with a status text
// and the message dialog; the initial folders of the dialogs follow the files chosen.
#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <memory>

#include "ui/main/FileDialogs.h"

class TCalKitEditForm;
class TMainForm;

class TFileCommands : public QObject {
    Q_OBJECT
public:
    explicit TFileCommands(TMainForm& form);
    ~TFileCommands() override;

    // Initial folders of the kit-file and disk-file dialogs: the current folder at first.
    const QString& KitDirectory() const { return FKitDirectory; }
    const QString& DiskFileDirectory() const { return FDiskFileDirectory; }

    // Replaces the dialogs that ask for file names (tests answer in place of the user).
    void SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs);
    TFileDialogs& FileDialogs() const { return *FDialogs; }

    void FileNewExecute();
    void FileOpenExecute();
    void RecentFileListClick(int tag);
    void FileCloseExecute();
    void FileCloseAllExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileSaveAllExecute();
    void FileExportToTextExecute();
    void FileOpenVnaDiskFileExecute();
    void FileSaveAsVnaDiskFileExecute();
    void FileExitExecute();

    // Opens a kit file named on the command line or at start-up; a file that opens a window
    // joins the recent files, kit-file trouble is reported and true comes back only then.
    bool OpenStartupFile(const QString& name, bool reportTrouble);

    // The status texts of failed commands.
    static QString OpenFailedText();
    static QString SaveFailedText();
    static QString OpenDiskFileFailedText();
    static QString SaveDiskFileFailedText();

private:
    // The chosen file of an accepted dialog; the current folder becomes its folder.
    std::optional<QString> Ask(const TFileDialogRequest& request);
    void ReportFileTrouble(const QString& statusText, const std::exception& error);
    void SaveAs(TCalKitEditForm& editor);

    TMainForm& FForm;
    std::unique_ptr<TFileDialogs> FDialogs;
    QString FKitDirectory;
    QString FDiskFileDirectory;
};
