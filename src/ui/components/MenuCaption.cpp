#include "ui/components/MenuCaption.h"

#include <algorithm>

namespace {

QString DrivePart(const QString& path, QChar separator)
{
    if (separator != QLatin1Char('\\'))
        return {};
    if (path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter())
        return path.left(2);
    if (!path.startsWith(QString(2, separator)))
        return {};
    // A network path: "\\server\share".
    const qsizetype serverEnd = path.indexOf(separator, 2);
    if (serverEnd < 0)
        return path;
    const qsizetype shareEnd = path.indexOf(separator, serverEnd + 1);
    return shareEnd < 0 ? path : path.left(shareEnd);
}

}  // namespace

QString MakeMenuCaption(const QString& path, int maxLength, const QString& currentFolder, QChar separator)
{
    const qsizetype limit = std::max(maxLength, 10);
    const QString drive = DrivePart(path, separator);
    QString folder = path.left(path.lastIndexOf(separator) + 1);
    const QString name = path.mid(folder.size());

    QString current = currentFolder;
    if (!current.endsWith(separator))
        current += separator;
    if (!folder.isEmpty() && folder.compare(current, Qt::CaseInsensitive) == 0)
        return name;

    QString caption = path;
    const QString ellipsis = QStringLiteral("...") + separator;
    while (caption.size() > limit && folder.size() > drive.size() + 1) {
        folder.chop(1);
        folder = folder.left(folder.lastIndexOf(separator) + 1);
        caption = folder + ellipsis + name;
    }
    if (caption.size() > limit)
        caption = caption.left(limit - 2) + QStringLiteral("...");
    return caption;
}
