#include "ui/main/KitWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

#include "ui/editor/CalKitEdit.h"

TKitWindows::TKitWindows(QMdiArea& area, TEditorHost& host) : QObject(&area), FArea(area), FHost(host)
{
    connect(&FArea, &QMdiArea::subWindowActivated, this, &TKitWindows::SubWindowActivated);
}

QString TKitWindows::TitleForName(const QString& name)
{
    const QFileInfo info(name);
    if (info.isFile()) {
        // The directory's own spelling of the name (letter case as on disk).
        const QStringList entries = info.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (entries.contains(info.fileName()))
            return info.fileName();
        for (const QString& entry : entries)
            if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
                return entry;
    }
    return info.fileName();
}

QPoint TKitWindows::CascadePosition(int index) const
{
    // Each new window stands one title bar lower and further right than the one before,
    // starting again at the top-left corner when it would leave the workspace.
    constexpr int Step = 26;
    const QSize room = FArea.viewport()->size();
    const int across = std::max(1, (room.width() - TCalKitEditForm::MinimumWidth) / Step + 1);
    const int down = std::max(1, (room.height() - TCalKitEditForm::MinimumHeight) / Step + 1);
    const int place = index % std::min(across, down);
    return {place * Step, place * Step};
}

TCalKitEditForm* TKitWindows::CreateKitWindow(const QString& name)
{
    QString title = name;
    if (title.isEmpty())
        title = QStringLiteral("NewCalKit%1").arg(++FNewKitCounter);
    auto* editor = new TCalKitEditForm(FHost);
    editor->setWindowTitle(TitleForName(title));
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this, [this, editor](const QPoint& pos) {
        if (FPopupMenu)
            FPopupMenu->popup(editor->mapToGlobal(pos));
    });

    QMdiSubWindow* window = FArea.addSubWindow(editor);
    window->setObjectName(QStringLiteral("CalKitWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setMinimumSize(TCalKitEditForm::MinimumWidth, TCalKitEditForm::MinimumHeight);
    window->resize(TCalKitEditForm::InitialWidth, TCalKitEditForm::InitialHeight);
    window->move(CascadePosition(static_cast<int>(FArea.subWindowList().size()) - 1));
    window->show();
    Activate(*editor);
    return editor;
}

bool TKitWindows::OpenKitFile(const QString& name)
{
    // Only a missing name (or a folder) is passed over silently. Anything else goes to the
    // reader, which refuses a FIFO or a device with its message instead of waiting on it.
    const QFileInfo file(name);
    if (!file.exists() || file.isDir())
        return false;
    for (TCalKitEditForm* editor : Editors()) {
        if (editor->FileName() == name) {
            Activate(*editor);
            return false;
        }
    }
    TCalKitEditForm* editor = CreateKitWindow(name);
    try {
        editor->LoadKitFile(name);
    } catch (...) {
        Discard(*editor);
        throw;
    }
    return true;
}

TCalKitEditForm* TKitWindows::EditorOf(QMdiSubWindow* window)
{
    return window ? qobject_cast<TCalKitEditForm*>(window->widget()) : nullptr;
}

QMdiSubWindow* TKitWindows::WindowOf(const TCalKitEditForm& editor) const
{
    for (QMdiSubWindow* window : FArea.subWindowList())
        if (window->widget() == &editor)
            return window;
    return nullptr;
}

QList<TCalKitEditForm*> TKitWindows::Editors() const
{
    QList<TCalKitEditForm*> editors;
    QList<QMdiSubWindow*> windows = FArea.subWindowList(QMdiArea::StackingOrder);
    std::reverse(windows.begin(), windows.end());
    for (QMdiSubWindow* window : windows)
        if (TCalKitEditForm* editor = EditorOf(window))
            editors.append(editor);
    // The active window leads even when the workspace does not have the focus.
    if (FActive && editors.removeOne(FActive.data()))
        editors.prepend(FActive.data());
    return editors;
}

int TKitWindows::Count() const
{
    return static_cast<int>(Editors().size());
}

TCalKitEditForm* TKitWindows::ActiveEditor() const
{
    if (FActive && WindowOf(*FActive))
        return FActive.data();
    return EditorOf(FArea.currentSubWindow());
}

void TKitWindows::Activate(TCalKitEditForm& editor)
{
    QMdiSubWindow* window = WindowOf(editor);
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    FArea.setActiveSubWindow(window);
    window->raise();
    // Without the focus on the main window the workspace reports no activation.
    if (FActive != &editor)
        SubWindowActivated(window);
}

void TKitWindows::SubWindowActivated(QMdiSubWindow* window)
{
    TCalKitEditForm* editor = EditorOf(window);
    if (!editor || editor == FActive)
        return;
    FActive = editor;
    editor->FormActivate();
    emit ActiveEditorChanged(editor);
}

bool TKitWindows::Close(TCalKitEditForm& editor)
{
    QMdiSubWindow* window = WindowOf(editor);
    if (!window || !window->close())
        return false;
    if (FActive == &editor) {
        // The workspace names the next active window only while it has the focus.
        FActive = nullptr;
        const QList<TCalKitEditForm*> rest = Editors();
        if (!rest.isEmpty())
            Activate(*rest.constFirst());
    }
    return true;
}

void TKitWindows::Discard(TCalKitEditForm& editor)
{
    editor.AgreeToClose();
    Close(editor);
}
