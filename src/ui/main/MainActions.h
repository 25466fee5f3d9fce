// The main window's action list: every command of the program with its caption, shortcut,
// tooltip, status-bar hint, help context and image. The one list feeds the main menu, the
// toolbar and the pop-up menu shared by the kit windows. Each action is created disabled;
// the main window enables the commands whose rules it evaluates.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QIcon;

// One row of the action list.
struct TActionDefinition {
    const char* Name;
    const char* Category;
    const char* Caption;
    const char* Shortcut;  // empty: none
    const char* Tooltip;
    const char* StatusHint;
    int HelpContext;
    int Image;  // position in the image list; -1: none
};

class TMainActions : public QObject {
    Q_OBJECT
public:
    // The actions belong to owner, where their shortcuts work.
    explicit TMainActions(QWidget& owner);

    // The list in the order of the main window's table.
    static const QList<TActionDefinition>& Definitions();
    // The icon of an image-list position; a null icon for a position without image.
    static QIcon Image(int image);

    const QList<QAction*>& All() const { return FAll; }
    // The action of that name; nullptr for none.
    QAction* Find(const QString& name) const;

    // The help context an action (or any object) carries, 0 for none.
    static int HelpContextOf(const QObject& object);

    QAction* FileNew;
    QAction* FileOpen;
    QAction* FileClose;
    QAction* FileCloseAll;
    QAction* FileSave;
    QAction* FileSaveAs;
    QAction* FileSaveAll;
    QAction* FileOpenVnaDiskFile;
    QAction* FileSaveAsVnaDiskFile;
    QAction* FileExportToText;
    QAction* FilePageSetup;
    QAction* FilePrint;
    QAction* FilePrintToClipboard;
    QAction* FileExit;
    QAction* EditUndo;
    QAction* EditRedo;
    QAction* EditCut;
    QAction* EditCopy;
    QAction* EditPaste;
    QAction* EditClearRow;
    QAction* EditFitToMeasurement;
    QAction* GpibSetting;
    QAction* GpibCheck;
    QAction* GpibSendKit;
    QAction* GpibReadKit;
    QAction* GpibOption1;
    QAction* GpibOption2;
    QAction* GpibOption3;
    QAction* GpibOption4;
    QAction* WindowCascade;
    QAction* WindowTileHorizontal;
    QAction* WindowTileVertical;
    // "Close All" of the "&Window" menu: Close All under the Window menu's help context.
    QAction* WindowCloseAll;
    QAction* HelpContents;
    QAction* HelpWhatsThis;
    QAction* HelpOnHelp;
    QAction* HelpTutorial;
    QAction* HelpHomePage;
    QAction* HelpAbout;
    QAction* FileCompare;

private:
    QAction* Make(QWidget& owner, const TActionDefinition& definition);

    QList<QAction*> FAll;
};
