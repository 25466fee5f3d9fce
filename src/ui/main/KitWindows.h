// The kit windows of the main window's workspace: creating them, opening kit files into them,
// finding the active one and following activation, so the editor that becomes active shows
// its kit's model as the selected one.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QMdiArea;
class QMdiSubWindow;
#include <QMenu>
class TCalKitEditForm;
class TEditorHost;

class TKitWindows : public QObject {
    Q_OBJECT
public:
    TKitWindows(QMdiArea& area, TEditorHost& host);

    // A new kit window on the host's selected model. An empty name gives the title
    // "NewCalKit" and the next number of the run; otherwise the title is the name of the file
    // as the file system spells it, or the name without its folder when there is no such file.
    TCalKitEditForm* CreateKitWindow(const QString& name);
    // Opens a kit file in a new window: false, silently, when there is no such file; false,
    // bringing that window to the front, when a window holds exactly that file name; true
    // when a window was opened. A failed load closes the new window and rethrows.
    bool OpenKitFile(const QString& name);

    // The active kit window; nullptr when there is none.
    TCalKitEditForm* ActiveEditor() const;
    // The open kit windows, the front one first.
    QList<TCalKitEditForm*> Editors() const;
    int Count() const;
    // Brings editor's window to the front and makes it the active one.
    void Activate(TCalKitEditForm& editor);
    // Asks editor's window to close (the editor may ask to save and may refuse).
    bool Close(TCalKitEditForm& editor);
    // Closes the window without the question (a kit that failed to load).
    void Discard(TCalKitEditForm& editor);

    // Untitled kits made so far; numbers are never reused during the run.
    int NewKitCounter() const { return FNewKitCounter; }

    // The window title for a kit opened under name.
    static QString TitleForName(const QString& name);

    // The pop-up menu of every kit window.
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

signals:
    // Another kit window became the active one.
    void ActiveEditorChanged(TCalKitEditForm* editor);

private:
    void SubWindowActivated(QMdiSubWindow* window);
    static TCalKitEditForm* EditorOf(QMdiSubWindow* window);
    // Where the index-th window of the workspace opens.
    QPoint CascadePosition(int index) const;
    QMdiSubWindow* WindowOf(const TCalKitEditForm& editor) const;

    QMdiArea& FArea;
    TEditorHost& FHost;
    QPointer<TCalKitEditForm> FActive;
    QPointer<QMenu> FPopupMenu;
    int FNewKitCounter = 0;
};
