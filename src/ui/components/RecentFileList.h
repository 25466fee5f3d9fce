// The most recently used kit files, newest first, kept in the settings store and shown as
// numbered items in the "&File" menu (before its last item, "E&xit", followed by a
// separator) and in the drop-down menu of the toolbar's Open button.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "ui/components/SettingsScope.h"

class QAction;
class QMenu;

class TRecentFileList : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultMaxRecFiles = 5;
    static constexpr int DefaultMaxCaptionLength = 40;

    // Reads the stored list at once from the group "RecentFiles" of storage and builds the
    // menu items; an empty storage keeps nothing between runs. Either menu may be null.
    TRecentFileList(QMenu* fileMenu, QMenu* filePopupMenu, const TSettingsScope& storage,
                    QObject* parent = nullptr);
    ~TRecentFileList() override;

    void SetMaxRecFiles(int count);
    int MaxRecFiles() const { return FMaxRecFiles; }
    void SetMaxCaptionLength(int length);  // at least 10
    int MaxCaptionLength() const { return FMaxCaptionLength; }
    // The help context of the menu items, carried as their property "helpContext".
    void SetHelpContext(int context);
    int HelpContext() const { return FHelpContext; }

    // Puts name at the top (a name already listed, in any letter case, moves there), drops
    // the oldest names beyond MaxRecFiles, rebuilds the menus and stores the list.
    void AddFile(const QString& name);
    // The file of the menu item with this tag (1 for the newest); empty when there is none.
    QString GetFile(int tag) const;
    const QStringList& Files() const { return FFiles; }

    // The caption of a path in the menus, shortened to MaxCaptionLength characters.
    QString MakeMenuCaption(const QString& path) const;

signals:
    // A recent file's menu item was chosen; tag as for GetFile.
    void Click(int tag);

private:
    void LoadFiles();
    void StoreFiles() const;
    void RemoveMenuItems();
    void BuildMenus();
    QAction* NewItem(int tag, QObject* parent);

    QPointer<QMenu> FFileMenu;
    QPointer<QMenu> FFilePopupMenu;
    TSettingsScope FStorage;
    int FMaxRecFiles = DefaultMaxRecFiles;
    int FMaxCaptionLength = DefaultMaxCaptionLength;
    int FHelpContext = 0;
    QStringList FFiles;
    QList<QPointer<QAction>> FMenuItems;  // every item this list added to either menu
};
