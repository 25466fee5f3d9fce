#include "ui/components/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <algorithm>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

// A message between two starts: a 32-bit length, then the payload: magic, version, names.
constexpr quint32 Magic = 0x54534C59;  // "TSLY"
constexpr quint32 Version = 1;
constexpr quint32 MaxPayload = 64u * 1024u * 1024u;
constexpr char Acknowledge = 'A';

QString UserName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name;
}

QByteArray Encode(const QStringList& fileNames)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << Magic << Version << fileNames;
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << static_cast<quint32>(payload.size());
    message.append(payload);
    return message;
}

// The names of one complete payload; false when it is not a message of this program.
bool Decode(const QByteArray& payload, QStringList& fileNames)
{
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 version = 0;
    in >> magic >> version;
    if (magic != Magic || version != Version)
        return false;
    in >> fileNames;
    return in.status() == QDataStream::Ok;
}

}  // namespace

TSingleInstance::TSingleInstance(const QString& key, QObject* parent)
    : QObject(parent), FServerName(ServerNameFor(key))
{
}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerNameFor(const QString& key)
{
    const QByteArray user = QCryptographicHash::hash(UserName().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString name = key;
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return name + QLatin1Char('-') + QString::fromLatin1(user);
}

bool TSingleInstance::IsListening() const
{
    return FServer != nullptr && FServer->isListening();
}

TInstanceRole TSingleInstance::Start(const QStringList& fileNames, int timeoutMs)
{
    if (IsListening())
        return TInstanceRole::irFirst;
    if (HandOver(fileNames, timeoutMs))
        return TInstanceRole::irHandedOver;
    if (Listen())
        return TInstanceRole::irFirst;
    // Another start may have begun listening in the meantime.
    if (HandOver(fileNames, timeoutMs))
        return TInstanceRole::irHandedOver;
    // No guard could be set up: run on, rather than lose the files.
    return TInstanceRole::irFirst;
}

bool TSingleInstance::HandOver(const QStringList& fileNames, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
#ifdef Q_OS_WIN
    // This start is the foreground process; let the running instance take the foreground.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    socket.write(Encode(fileNames));
    QElapsedTimer clock;
    clock.start();
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, timeoutMs - clock.elapsed()))))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || !socket.waitForReadyRead(static_cast<int>(left)))
            return false;
    }
    char answer = 0;
    socket.getChar(&answer);
    socket.disconnectFromServer();
    return answer == Acknowledge;
}

bool TSingleInstance::Listen()
{
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(FServerName)) {
        // Nobody answered on the name, so what is left there belongs to an ended instance.
        QLocalServer::removeServer(FServerName);
        if (!server->listen(FServerName)) {
            delete server;
            return false;
        }
    }
    FServer = server;
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::Accept);
    return true;
}

void TSingleInstance::Accept()
{
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        FPending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            FPending.remove(socket);
            socket->deleteLater();
        });
        ReadFrom(socket);
    }
}

void TSingleInstance::ReadFrom(QLocalSocket* socket)
{
    auto pending = FPending.find(socket);
    if (pending == FPending.end())
        return;
    pending->append(socket->readAll());
    if (pending->size() < 4)
        return;
    quint32 length = 0;
    QDataStream(*pending) >> length;
    if (length > MaxPayload) {
        FPending.erase(pending);
        socket->abort();
        return;
    }
    if (static_cast<quint32>(pending->size()) < 4 + length)
        return;
    QStringList fileNames;
    const bool valid = Decode(pending->mid(4, length), fileNames);
    FPending.erase(pending);
    if (!valid) {
        socket->abort();
        return;
    }
    socket->putChar(Acknowledge);
    socket->flush();
    emit RaiseRequested();
    if (!fileNames.isEmpty())
        emit FilesReceived(fileNames);
}

void BringWindowToFront(QWidget& window, bool restoreMinimized)
{
    if (restoreMinimized && window.isMinimized())
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}
