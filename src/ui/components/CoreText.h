// The kit, the models and the files keep single-byte Latin-1 texts; the windows show
// Unicode. These two conversions are the only crossing between them.
#pragma once

#include <QFile>
#include <QString>
#include <string>

inline QString FromCore(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become "?".
inline std::string ToCore(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// File names go to the core's file functions in the file system's own 8-bit encoding, and
// come back in messages that way.
inline std::string ToCorePath(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString FromCorePath(const std::string& text)
{
    return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}
