#include "ui/components/SystemRowClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/components/CoreText.h"

QString TSystemRowClipboard::MimeType(const std::string& format)
{
#ifdef Q_OS_WIN
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(FromCore(format));
#else
    return QStringLiteral("application/x-tessaly-%1").arg(FromCore(format));
#endif
}

void TSystemRowClipboard::Put(const std::string& format, std::vector<std::uint8_t> block)
{
    auto* data = new QMimeData;
    data->setData(MimeType(format), QByteArray(reinterpret_cast<const char*>(block.data()),
                                               static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::vector<std::uint8_t>> TSystemRowClipboard::Get(const std::string& format) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = MimeType(format);
    if (!data || !data->hasFormat(type))
        return std::nullopt;
    const QByteArray bytes = data->data(type);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool TSystemRowClipboard::Holds(const std::string& format) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(MimeType(format));
}
