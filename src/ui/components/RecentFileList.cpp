#include "ui/components/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <algorithm>

#include "ui/components/MenuCaption.h"

namespace {

const QString RecentFilesGroup = QStringLiteral("RecentFiles");
const QString CountValue = QStringLiteral("Num");

QString FileValue(int number)
{
    return QStringLiteral("File") + QString::number(number);
}

}  // namespace

TRecentFileList::TRecentFileList(QMenu* fileMenu, QMenu* filePopupMenu, const TSettingsScope& storage,
                                 QObject* parent)
    : QObject(parent), FFileMenu(fileMenu), FFilePopupMenu(filePopupMenu), FStorage(storage)
{
    LoadFiles();
    if (!FFiles.isEmpty())
        BuildMenus();
}

TRecentFileList::~TRecentFileList()
{
    RemoveMenuItems();
}

void TRecentFileList::SetMaxRecFiles(int count)
{
    FMaxRecFiles = std::max(count, 1);
    if (FFiles.size() > FMaxRecFiles) {
        RemoveMenuItems();
        FFiles = FFiles.mid(0, FMaxRecFiles);
        BuildMenus();
    }
}

void TRecentFileList::SetMaxCaptionLength(int length)
{
    FMaxCaptionLength = std::max(length, 10);
    RemoveMenuItems();
    BuildMenus();
}

void TRecentFileList::SetHelpContext(int context)
{
    FHelpContext = context;
    for (const QPointer<QAction>& item : FMenuItems)
        if (item && !item->isSeparator())
            item->setProperty("helpContext", context);
}

void TRecentFileList::AddFile(const QString& name)
{
    RemoveMenuItems();
    const auto known = std::find_if(FFiles.begin(), FFiles.end(), [&name](const QString& file) {
        return file.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (known != FFiles.end())
        FFiles.erase(known);
    FFiles.prepend(name);
    while (FFiles.size() > FMaxRecFiles)
        FFiles.removeLast();
    BuildMenus();
    StoreFiles();
}

QString TRecentFileList::GetFile(int tag) const
{
    if (tag < 1 || tag > FFiles.size())
        return {};
    return FFiles[tag - 1];
}

QString TRecentFileList::MakeMenuCaption(const QString& path) const
{
    return ::MakeMenuCaption(QDir::toNativeSeparators(path), FMaxCaptionLength,
                             QDir::toNativeSeparators(QDir::currentPath()), QDir::separator());
}

void TRecentFileList::LoadFiles()
{
    if (FStorage.IsEmpty())
        return;
    const std::unique_ptr<QSettings> store = FStorage.Open();
    QSettings& settings = *store;
    settings.beginGroup(RecentFilesGroup);
    const int count = settings.value(CountValue).toString().toInt();
    for (int number = 1; number <= count && FFiles.size() < FMaxRecFiles; ++number) {
        const QString name = settings.value(FileValue(number)).toString();
        if (!name.isEmpty())
            FFiles.append(name);
    }
}

void TRecentFileList::StoreFiles() const
{
    if (FStorage.IsEmpty())
        return;
    const std::unique_ptr<QSettings> store = FStorage.Open();
    QSettings& settings = *store;
    settings.beginGroup(RecentFilesGroup);
    settings.remove(QString());
    settings.setValue(CountValue, QString::number(FFiles.size()));
    for (int number = 1; number <= FFiles.size(); ++number)
        settings.setValue(FileValue(number), FFiles[number - 1]);
    settings.endGroup();
    settings.sync();
}

void TRecentFileList::RemoveMenuItems()
{
    for (const QPointer<QAction>& item : FMenuItems)
        delete item.data();
    FMenuItems.clear();
}

QAction* TRecentFileList::NewItem(int tag, QObject* parent)
{
    QString caption = MakeMenuCaption(FFiles[tag - 1]);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* item = new QAction(QLatin1Char('&') + QString::number(tag) + QLatin1Char(' ') + caption, parent);
    item->setData(tag);
    item->setProperty("helpContext", FHelpContext);
    connect(item, &QAction::triggered, this, [this, tag] { emit Click(tag); });
    FMenuItems.append(item);
    return item;
}

void TRecentFileList::BuildMenus()
{
    if (FFiles.isEmpty())
        return;
    if (FFileMenu) {
        // Everything goes in before the menu's last item.
        QAction* last = FFileMenu->actions().isEmpty() ? nullptr : FFileMenu->actions().constLast();
        for (int tag = 1; tag <= FFiles.size(); ++tag)
            FFileMenu->insertAction(last, NewItem(tag, FFileMenu));
        auto* separator = new QAction(FFileMenu);
        separator->setSeparator(true);
        FFileMenu->insertAction(last, separator);
        FMenuItems.append(separator);
    }
    if (FFilePopupMenu)
        for (int tag = 1; tag <= FFiles.size(); ++tag)
            FFilePopupMenu->addAction(NewItem(tag, FFilePopupMenu));
}
