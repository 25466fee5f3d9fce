// The kit, the models and the files keep single-byte Latin-1 texts; the windows show
// Unicode. These two conversions are the only crossing between them.
#pragma once

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

// File names go to the core's file functions in UTF-8 on every system (the core converts them
// where the system wants another form), and come back in messages that way.
inline std::string ToCorePath(const QString& path)
{
    const QByteArray bytes = path.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString FromCorePath(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
