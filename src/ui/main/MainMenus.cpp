#include "ui/main/MainMenus.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/main/MainActions.h"
#include "ui/main/VnaSelector.h"

namespace {

QMenu* AddMenu(QMainWindow& form, const char* name, const QString& caption, int helpContext,
               const QString& description)
{
    QMenu* menu = form.menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setProperty("helpContext", helpContext);
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')) + QMainWindow::tr(" menu"));
    menu->setAccessibleDescription(description);
    menu->setToolTipsVisible(false);
    return menu;
}

void AddToolButton(QToolBar& bar, QAction* action)
{
    bar.addAction(action);
    if (QWidget* button = bar.widgetForAction(action)) {
        button->setObjectName(QStringLiteral("tbut") + action->objectName());
        button->setAccessibleName(action->toolTip());
        button->setAccessibleDescription(action->statusTip());
    }
}

}  // namespace

TMainMenus::TMainMenus(QMainWindow& form, TMainActions& actions)
{
    TMainActions& a = actions;
    form.menuBar()->setObjectName(QStringLiteral("MainMenu"));
    form.menuBar()->setAccessibleName(QMainWindow::tr("Main menu"));

    mnuFile = AddMenu(form, "mnuFile", QMainWindow::tr("&File"), FileHelpContext,
                      QMainWindow::tr("Create, open, save, export and print cal kits"));
    mnuFile->addActions({a.FileNew, a.FileOpen, a.FileClose, a.FileCloseAll});
    mnuFile->addSeparator();
    mnuFile->addActions({a.FileSave, a.FileSaveAs, a.FileSaveAll});
    mnuFile->addSeparator();
    mnuFile->addActions({a.FileOpenVnaDiskFile, a.FileSaveAsVnaDiskFile});
    mnuFile->addSeparator();
    mnuFile->addAction(a.FileExportToText);
    mnuFile->addAction(a.FileCompare);
    mnuFile->addSeparator();
    mnuFile->addActions({a.FilePageSetup, a.FilePrint, a.FilePrintToClipboard});
    mnuFile->addSeparator();
    mnuFile->addAction(a.FileExit);

    mnuEdit = AddMenu(form, "mnuEdit", QMainWindow::tr("&Edit"), EditHelpContext,
                      QMainWindow::tr("Undo, redo and the clipboard"));
    mnuEdit->addActions({a.EditUndo, a.EditRedo});
    mnuEdit->addSeparator();
    mnuEdit->addActions({a.EditCut, a.EditCopy, a.EditPaste, a.EditClearRow});
    mnuEdit->addSeparator();
    mnuEdit->addAction(a.EditFitToMeasurement);

    mnuVNA = AddMenu(form, "mnuVNA", QMainWindow::tr("&VNA"), VnaHelpContext,
                     QMainWindow::tr("Select the model of VNA of the active cal kit"));

    mnuGPIB = AddMenu(form, "mnuGPIB", QMainWindow::tr("&GPIB"), GpibHelpContext,
                      QMainWindow::tr("Transfer cal kits to and from the VNA"));
    mnuGPIB->addActions({a.GpibSetting, a.GpibCheck, a.GpibSendKit, a.GpibReadKit});
    mnuGPIB->addSeparator();
    mnuGPIB->addActions({a.GpibOption1, a.GpibOption2, a.GpibOption3, a.GpibOption4});

    mnuWindow = AddMenu(form, "mnuWindow", QMainWindow::tr("&Window"), WindowHelpContext,
                        QMainWindow::tr("Arrange and choose the cal kit windows"));
    mnuWindow->addActions({a.WindowCascade, a.WindowTileHorizontal, a.WindowTileVertical, a.WindowCloseAll});

    mnuHelp = AddMenu(form, "mnuHelp", QMainWindow::tr("&Help"), HelpHelpContext,
                      QMainWindow::tr("Help topics and program information"));
    mnuHelp->addActions({a.HelpContents, a.HelpWhatsThis, a.HelpTutorial, a.HelpOnHelp});
    mnuHelp->addSeparator();
    mnuHelp->addAction(a.HelpHomePage);
    mnuHelp->addSeparator();
    mnuHelp->addAction(a.HelpAbout);

    mnuDebug = AddMenu(form, "mnuDebug", QMainWindow::tr("&Debug"), 0,
                       QMainWindow::tr("Instrument bus diagnostics"));
    mnuDebug->menuAction()->setVisible(false);
    mnuDebug->menuAction()->setEnabled(false);

    PopupMenu = new QMenu(&form);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    PopupMenu->setAccessibleName(QMainWindow::tr("Edit commands"));
    PopupMenu->addActions({a.EditUndo, a.EditRedo});
    PopupMenu->addSeparator();
    PopupMenu->addActions({a.EditCut, a.EditCopy, a.EditPaste, a.EditClearRow});
    PopupMenu->addSeparator();
    PopupMenu->addAction(a.EditFitToMeasurement);

    ToolBar = form.addToolBar(QMainWindow::tr("Commands"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setAccessibleName(QMainWindow::tr("Toolbar"));
    ToolBar->setAccessibleDescription(QMainWindow::tr("The most used commands and the VNA model"));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setIconSize(QSize(20, 20));
    ToolBar->toggleViewAction()->setEnabled(false);

    AddToolButton(*ToolBar, a.FileNew);
    OpenButtonMenu = new QMenu(&form);
    OpenButtonMenu->setObjectName(QStringLiteral("OpenButtonMenu"));
    OpenButtonMenu->setAccessibleName(QMainWindow::tr("Recent files"));
    AddToolButton(*ToolBar, a.FileOpen);
    OpenButton = qobject_cast<QToolButton*>(ToolBar->widgetForAction(a.FileOpen));
    if (OpenButton) {
        OpenButton->setMenu(OpenButtonMenu);
        OpenButton->setPopupMode(QToolButton::MenuButtonPopup);
    }
    AddToolButton(*ToolBar, a.FileSave);
    AddToolButton(*ToolBar, a.FileSaveAll);
    AddToolButton(*ToolBar, a.FilePrint);
    ToolBar->addSeparator();
    for (QAction* action : {a.EditUndo, a.EditRedo, a.EditCut, a.EditCopy, a.EditPaste})
        AddToolButton(*ToolBar, action);
    ToolBar->addSeparator();

    VnaSelector = new TVnaSelector(*mnuVNA, VnaHelpContext, ToolBar);
    ToolBar->addWidget(&VnaSelector->Combo());
    ToolBar->addSeparator();
    AddToolButton(*ToolBar, a.GpibSendKit);
    ToolBar->addSeparator();
    for (QAction* action : {a.WindowCascade, a.WindowTileHorizontal, a.WindowTileVertical})
        AddToolButton(*ToolBar, action);
    ToolBar->addSeparator();
    AddToolButton(*ToolBar, a.HelpContents);
    AddToolButton(*ToolBar, a.HelpWhatsThis);
}
