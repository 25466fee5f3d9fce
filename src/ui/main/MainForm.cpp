#include "ui/main/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTimer>

#include "analyzers/Vna.h"
#include "kit/UndoHistory.h"
#include "ui/components/CoreText.h"
#include "ui/components/ErrorDisplay.h"
#include "ui/components/IdleNotifier.h"
#include "ui/components/RecentFileList.h"
#include "ui/components/RegistrySettings.h"
#include "ui/components/SettingsScope.h"
#include "ui/dialogs/GpibSettingsValues.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/AboutCommand.h"
#include "ui/main/ArrivingKitFiles.h"
#include "ui/main/DebugMenu.h"
#include "ui/main/EditCommands.h"
#include "ui/main/FileCommands.h"
#include "ui/main/CompareCommands.h"
#include "ui/main/GpibCommands.h"
#include "ui/main/HelpCommands.h"
#include "ui/main/KitWindows.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/PrintCommands.h"
#include "ui/main/VnaSelector.h"

namespace {

const QString GpibKey = QStringLiteral("GPIB");
const QString VnaKey = QStringLiteral("VNA");
const QString LastKitKey = QStringLiteral("LastKit");

// A stored catalogue index, entry 0 for anything that is no index of the catalogue.
int StoredModelIndex(const QString& text)
{
    bool ok = false;
    const int index = text.trimmed().toInt(&ok);
    return ok && index >= 0 && index < VnaCount ? index : 0;
}

}  // namespace

TMainForm::TMainForm(const QStringList& commandLine, QWidget* parent)
    : QMainWindow(parent), FCommandLine(commandLine)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tessaly"));
    setWindowIcon(QApplication::windowIcon());
    setAccessibleName(QStringLiteral("Tessaly"));
    setAccessibleDescription(tr("Edits calibration kits of vector network analyzers"));
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(MinimumWidth, MinimumHeight);

    FActions = new TMainActions(*this);
    FMenus = std::make_unique<TMainMenus>(*this, *FActions);

    FWorkspace = new TKitWorkspace(this);
    setCentralWidget(FWorkspace);
    FWorkspace->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FWorkspace, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowPopupMenu(FWorkspace->mapToGlobal(pos)); });

    FStatusBar = new TMainStatusBar(this);
    setStatusBar(FStatusBar);

    FKitWindows = new TKitWindows(*FWorkspace, *this);
    FKitWindows->SetPopupMenu(FMenus->PopupMenu);
    connect(FKitWindows, &TKitWindows::ActiveEditorChanged, this, [this] { UpdateActions(); });

    FFileCommands = new TFileCommands(*this);
    FPrintCommands = new TPrintCommands(*this);
    FHelpCommands = new THelpCommands(*this);
    FArrivingFiles = new TArrivingKitFiles(*this);

    FSettings = std::make_unique<TRegistrySettings>(this, ProgramSettingsScope());
    FSettings->SetSubKeys({GpibKey, VnaKey, LastKitKey});
    FSettings->SetAutoClear(false);

    FRecentFiles = new TRecentFileList(FMenus->mnuFile, FMenus->OpenButtonMenu, ProgramSettingsScope(), this);
    FRecentFiles->SetHelpContext(RecentFilesHelpContext);
    connect(FRecentFiles, &TRecentFileList::Click, this,
            [this](int tag) { RunGuarded(this, [this, tag] { FFileCommands->RecentFileListClick(tag); }); });

    FIdle = new TIdleNotifier(this);
    connect(FIdle, &TIdleNotifier::Idle, this, [this] {
        UpdateActions();
        UpdateStatusText(QString());
    });

    FUserMsgForm = new TUserMsgForm(this);
    FGpibCommands = new TGpibCommands(*this);
    FCompareCommands = new TCompareCommands(*this);
    FDebugMenu = new TDebugMenu(*FMenus->mnuDebug, *this);
    FAboutCommand = new TAboutCommand(*this, *FActions->HelpAbout, *FDebugMenu);
    FEditCommands = new TEditCommands(*this, *FActions, [this] { return ActiveEditor(); },
                                      [this] { FIdle->Schedule(); });

    ConnectActions();
    connect(FMenus->mnuWindow, &QMenu::aboutToShow, this, &TMainForm::WindowMenuAboutToShow);
    UpdateActions();
}

TMainForm::~TMainForm()
{
    // The kit windows go while everything they report to still exists.
    delete FWorkspace;
    FWorkspace = nullptr;
}

TVnaSelector& TMainForm::VnaSelector() const
{
    return *FMenus->VnaSelector;
}

void TMainForm::SetFileDialogs(std::unique_ptr<TFileDialogs> dialogs)
{
    FFileCommands->SetFileDialogs(std::move(dialogs));
}

void TMainForm::ConnectActions()
{
    TMainActions& a = *FActions;
    TFileCommands* files = FFileCommands;
    const auto on = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] { RunGuarded(this, command); });
    };
    on(a.FileNew, [files] { files->FileNewExecute(); });
    on(a.FileOpen, [files] { files->FileOpenExecute(); });
    on(a.FileClose, [files] { files->FileCloseExecute(); });
    on(a.FileCloseAll, [files] { files->FileCloseAllExecute(); });
    on(a.WindowCloseAll, [files] { files->FileCloseAllExecute(); });
    on(a.FileSave, [files] { files->FileSaveExecute(); });
    on(a.FileSaveAs, [files] { files->FileSaveAsExecute(); });
    on(a.FileSaveAll, [files] { files->FileSaveAllExecute(); });
    on(a.FileExportToText, [files] { files->FileExportToTextExecute(); });
    on(a.FileOpenVnaDiskFile, [files] { files->FileOpenVnaDiskFileExecute(); });
    on(a.FileSaveAsVnaDiskFile, [files] { files->FileSaveAsVnaDiskFileExecute(); });
    on(a.FileExit, [files] { files->FileExitExecute(); });
    on(a.WindowCascade, [this] { FWorkspace->cascadeSubWindows(); });
    on(a.WindowTileHorizontal, [this] { FWorkspace->TileHorizontally(); });
    on(a.WindowTileVertical, [this] { FWorkspace->TileVertically(); });
    connect(&VnaSelector(), &TVnaSelector::Selected, this,
            [this](int index) { RunGuarded(this, [this, index] { VnaSelect(index); }); });
}

// ---- Model selection -----------------------------------------------------------------------

TVna& TMainForm::CurrentVna() const
{
    return FCurrentVna ? *FCurrentVna : *Vnas().front();
}

void TMainForm::SetCurrentVna(TVna& vna)
{
    if (&vna == FCurrentVna)
        return;
    FCurrentVna = &vna;
    VnaSelector().ShowSelected(vna.ModelIndex);
    FStatusBar->SetPanelText(1, FromCore(vna.ModelName));
}

void TMainForm::VnaSelect(int index)
{
    index &= 0x7F;
    const auto& catalogue = Vnas();
    if (index >= static_cast<int>(catalogue.size()))
        return;
    SetCurrentVna(*catalogue[static_cast<std::size_t>(index)]);
    if (TCalKitEditForm* editor = ActiveEditor())
        editor->ChangeVna(*FCurrentVna);
    UpdateActions();
}

// ---- Kit windows ---------------------------------------------------------------------------

TCalKitEditForm* TMainForm::CreateKitWindow(const QString& name)
{
    return FKitWindows->CreateKitWindow(name);
}

bool TMainForm::OpenKitFile(const QString& name)
{
    return FKitWindows->OpenKitFile(name);
}

TCalKitEditForm* TMainForm::ActiveEditor() const
{
    return FKitWindows->ActiveEditor();
}

void TMainForm::SaveEditor(TCalKitEditForm& editor)
{
    FKitWindows->Activate(editor);
    FFileCommands->FileSaveExecute();
}

void TMainForm::EditorStateChanged(TCalKitEditForm& editor)
{
    (void)editor;
    FIdle->Schedule();
}

std::optional<QString> TMainForm::AskFileName(const TFileDialogRequest& request)
{
    return FFileCommands->FileDialogs().Execute(request);
}

void TMainForm::ReportFileTrouble(const std::exception& error)
{
    FUserMsgForm->hide();
    FUserMsgForm->ShowFileError(error);
}

void TMainForm::ShowPopupMenu(const QPoint& globalPos)
{
    FMenus->PopupMenu->popup(globalPos);
}

void TMainForm::WindowMenuAboutToShow()
{
    for (QAction* item : FWindowListItems)
        delete item;
    FWindowListItems.clear();
    const QList<QMdiSubWindow*> windows = FWorkspace->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    FWindowListItems.append(FMenus->mnuWindow->addSeparator());
    TCalKitEditForm* active = ActiveEditor();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        auto* editor = qobject_cast<TCalKitEditForm*>(windows[i]->widget());
        if (!editor)
            continue;
        const QString number = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("%1 ").arg(i + 1);
        QAction* item = FMenus->mnuWindow->addAction(number + editor->windowTitle());
        item->setObjectName(QStringLiteral("mnuWindowItem%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(editor == active);
        item->setProperty("helpContext", TMainMenus::WindowHelpContext);
        connect(item, &QAction::triggered, this, [this, window = windows[i]] {
            if (auto* target = qobject_cast<TCalKitEditForm*>(window->widget()))
                FKitWindows->Activate(*target);
        });
        FWindowListItems.append(item);
    }
}

// ---- Command states and the status bar -------------------------------------------------------

void TMainForm::UpdateActions()
{
    TMainActions& a = *FActions;
    TCalKitEditForm* editor = ActiveEditor();
    const bool hasChild = FWorkspace && !FWorkspace->subWindowList().isEmpty();
    for (QAction* action : {a.FileNew, a.FileOpen, a.FileExit})
        action->setEnabled(true);
    for (QAction* action : {a.FileClose, a.FileCloseAll, a.FileSave, a.FileSaveAs, a.FileSaveAll,
                            a.FileExportToText, a.WindowCascade, a.WindowTileHorizontal,
                            a.WindowTileVertical, a.WindowCloseAll})
        action->setEnabled(hasChild);
    const bool hasDiskFiles = CurrentVna().HasDiskFiles;
    a.FileOpenVnaDiskFile->setEnabled(hasDiskFiles);
    a.FileSaveAsVnaDiskFile->setEnabled(hasDiskFiles && editor);
    FPrintCommands->UpdateActions();

    if (FEditCommands)
        FEditCommands->UpdateActions(editor);
    if (FGpibCommands)
        FGpibCommands->UpdateActions();
    if (FCompareCommands)
        FCompareCommands->UpdateActions();
}

void TMainForm::UpdateStatusText(const QString& text)
{
    if (!text.isEmpty()) {
        FStatusBar->SetPanelText(0, text);
        return;
    }
    // A transfer disables the window and a dialog holds it: their messages stay.
    if (!isEnabled() || QApplication::activeModalWidget())
        return;
    if (!FHint.isEmpty())
        FStatusBar->SetPanelText(0, FHint);
    else if (TCalKitEditForm* editor = ActiveEditor())
        FStatusBar->SetPanelText(0, editor->StatusText());
    else
        FStatusBar->SetPanelText(0, QString());
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        FHint = static_cast<QStatusTipEvent*>(event)->tip();
        UpdateStatusText(QString());
        return true;
    }
    return QMainWindow::event(event);
}

// ---- Start and end of the run ----------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event)
{
    if (!FFirstShowStarted) {
        FFirstShowStarted = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TMainForm::FormShow()
{
    FSettings->LoadSettings();
    TGpibCommands::RestoreSettings(*FSettings);
    VnaSelect(StoredModelIndex(FSettings->ReadValue(VnaKey, VnaKey, QStringLiteral("0"))));
    // The kits open once the window is on the screen, so their messages have an owner to
    // stand in front of.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { OpenStartupKits(); }); });
}

void TMainForm::OpenStartupKits()
{
    for (const QString& name : FCommandLine)
        FFileCommands->OpenStartupFile(name, true);
    if (FKitWindows->Count() == 0) {
        const QString lastKit = FSettings->ReadValue(LastKitKey, LastKitKey, QStringLiteral(" "));
        try {
            FFileCommands->OpenStartupFile(lastKit, false);
        } catch (const std::exception&) {
            // A last kit that cannot be opened is forgotten quietly.
        }
    }
    if (FKitWindows->Count() == 0)
        FFileCommands->FileNewExecute();
    FAboutCommand->ShowSplash();
    FFirstShowDone = true;
    UpdateActions();
    UpdateStatusText(QString());
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A running transfer holds a kit window and the card; the program ends after it.
    if (FGpibCommands->TransferRunning()) {
        event->ignore();
        return;
    }
    const QList<TCalKitEditForm*> editors = FKitWindows->Editors();
    for (TCalKitEditForm* editor : editors) {
        if (!editor->CloseQuery()) {
            event->ignore();
            return;
        }
    }
    FormClose();
    for (TCalKitEditForm* editor : editors)
        editor->AgreeToClose();
    event->accept();
}

void TMainForm::FormClose()
{
    StoreGpibSettings(*FSettings);
    FSettings->WriteValue(VnaKey, VnaKey, QString::number(CurrentVna().ModelIndex));
    FSettings->WriteValue(LastKitKey, LastKitKey, QStringLiteral(" "));
    if (TCalKitEditForm* editor = ActiveEditor(); editor && !editor->FileName().isEmpty())
        FSettings->WriteValue(LastKitKey, LastKitKey, editor->FileName());
    FSettings->SaveSettings();
}
