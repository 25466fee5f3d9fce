// The program's main window: a frame for any number of kit windows, with the command set
// (one action list for menu, toolbar and pop-up menu), the model selection, the status bar,
// the recent files and the settings kept between runs.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "ui/editor/EditorHost.h"

class QMenu;
class TArrivingKitFiles;
class TAboutCommand;
class TCalKitEditForm;
class TDebugMenu;
class TCompareCommands;
class TEditCommands;
class TFileCommands;
class TFileDialogs;
class THelpCommands;
class TGpibCommands;
class TIdleNotifier;
class TKitWindows;
class TKitWorkspace;
class TMainActions;
class TMainStatusBar;
class TPrintCommands;
class TRecentFileList;
class TRegistrySettings;
class TUserMsgForm;
class TVna;
class TVnaSelector;
struct TMainMenus;

class TMainForm : public QMainWindow, public TEditorHost {
    Q_OBJECT
public:
    static constexpr int MinimumWidth = 620;
    static constexpr int MinimumHeight = 440;
    static constexpr int RecentFilesHelpContext = 3042;

    // commandLine: the kit files to open at the first show.
    explicit TMainForm(const QStringList& commandLine = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // TEditorHost. CurrentVna is catalogue entry 0 until the first show selects a model.
    TVna& CurrentVna() const override;
    void SetCurrentVna(TVna& vna) override;
    void SaveEditor(TCalKitEditForm& editor) override;
    void EditorStateChanged(TCalKitEditForm& editor) override;
    // The file commands' dialogs, and their message dialog for trouble.
    std::optional<QString> AskFileName(const TFileDialogRequest& request) override;
    void ReportFileTrouble(const std::exception& error) override;

    // The model chosen in the "&VNA" menu or the model box (catalogue index, low 7 bits):
    // it becomes the selected model and the active kit is converted to it.
    void VnaSelect(int index);
    // A non-empty text goes to status panel 0; an empty one shows the hint under the mouse,
    // else the active kit's status text (not while a transfer or a dialog holds the window).
    void UpdateStatusText(const QString& text);
    // Enables the commands and names Undo and Redo as the active kit's history says.
    void UpdateActions();

    // Every kit window is made, and every kit file opened, here.
    TCalKitEditForm* CreateKitWindow(const QString& name);
    bool OpenKitFile(const QString& name);
    TCalKitEditForm* ActiveEditor() const;

    // The start-up work of the first show has run (files opened, else a new kit).
    bool FirstShowDone() const { return FFirstShowDone; }

    TMainActions& Actions() const { return *FActions; }
    const TMainMenus& Menus() const { return *FMenus; }
    TVnaSelector& VnaSelector() const;
    TMainStatusBar& MainStatusBar() const { return *FStatusBar; }
    TKitWorkspace& Workspace() const { return *FWorkspace; }
    TKitWindows& KitWindows() const { return *FKitWindows; }
    TFileCommands& FileCommands() const { return *FFileCommands; }
    TPrintCommands& PrintCommands() const { return *FPrintCommands; }
    THelpCommands& HelpCommands() const { return *FHelpCommands; }
    // Kit files dropped on the window or handed over by a later start of the program.
    TArrivingKitFiles& ArrivingFiles() const { return *FArrivingFiles; }
    TRecentFileList& RecentFiles() const { return *FRecentFiles; }
    TRegistrySettings& Settings() const { return *FSettings; }
    TUserMsgForm& UserMsgForm() const { return *FUserMsgForm; }
    TGpibCommands& GpibCommands() const { return *FGpibCommands; }
    TCompareCommands& CompareCommands() const { return *FCompareCommands; }
    TDebugMenu& DebugMenu() const { return *FDebugMenu; }
    TAboutCommand& AboutCommand() const { return *FAboutCommand; }
    void SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void OpenStartupKits();
    void FormClose();
    void ConnectActions();
    void WindowMenuAboutToShow();
    void ShowPopupMenu(const QPoint& globalPos);

    QStringList FCommandLine;
    TVna* FCurrentVna = nullptr;
    QString FHint;
    bool FFirstShowStarted = false;
    bool FFirstShowDone = false;
    TMainActions* FActions;
    std::unique_ptr<TMainMenus> FMenus;
    TMainStatusBar* FStatusBar;
    TKitWorkspace* FWorkspace;
    TKitWindows* FKitWindows;
    TFileCommands* FFileCommands;
    TPrintCommands* FPrintCommands;
    THelpCommands* FHelpCommands;
    TArrivingKitFiles* FArrivingFiles;
    TEditCommands* FEditCommands = nullptr;
    std::unique_ptr<TRegistrySettings> FSettings;
    TRecentFileList* FRecentFiles;
    TIdleNotifier* FIdle;
    TUserMsgForm* FUserMsgForm;
    TGpibCommands* FGpibCommands = nullptr;
    TCompareCommands* FCompareCommands = nullptr;
    TDebugMenu* FDebugMenu = nullptr;
    TAboutCommand* FAboutCommand = nullptr;
    QList<QAction*> FWindowListItems;
};
