#include "ui/components/SingleInstance.h"

#include "ui/components/PrivateSocket.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <algorithm>
#include <utility>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

// The exchange between two starts: the running instance greets every connection of its own
// user; the later start, having checked who listens, sends a message (a 32-bit length, then
// the payload: magic, version, names), which the running instance acknowledges. A later
// start whose greeting does not come in time has sent nothing, so a stopped instance that
// resumes finds nothing to open twice.
constexpr quint32 Magic = 0x54534C59;  // "TSLY"
constexpr quint32 Version = 2;
constexpr quint32 MaxPayload = 64u * 1024u * 1024u;
constexpr char Greeting = 'T';
constexpr char Acknowledge = 'A';

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

// The milliseconds left of timeoutMs measured on clock; 0 once they have passed.
int Left(const QElapsedTimer& clock, int timeoutMs)
{
    return static_cast<int>(std::max<qint64>(0, timeoutMs - clock.elapsed()));
}

// True when the next byte from socket, within the time left, is expected.
bool ReceiveByte(QLocalSocket& socket, char expected, const QElapsedTimer& clock, int timeoutMs)
{
    while (socket.bytesAvailable() < 1) {
        const int left = Left(clock, timeoutMs);
        if (left <= 0 || !socket.waitForReadyRead(left))
            return false;
    }
    char received = 0;
    return socket.getChar(&received) && received == expected;
}

}  // namespace

TSingleInstance::TSingleInstance(const QString& key, QObject* parent, TPeerCheck peerCheck)
    : QObject(parent), FServerName(ServerNameFor(key)),
      FPeerCheck(peerCheck ? std::move(peerCheck) : TPeerCheck(PeerIsThisUser))
{
}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::SocketNameFor(const QString& key)
{
    QString name = key;
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return name + QLatin1Char('-') + UserIdText();
}

QString TSingleInstance::ServerNameFor(const QString& key)
{
#ifdef Q_OS_WIN
    return SocketNameFor(key);
#else
    const QString folder = PrivateSocketFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + SocketNameFor(key);
#endif
}

bool TSingleInstance::IsListening() const
{
    return FServer != nullptr && FServer->isListening();
}

TInstanceRole TSingleInstance::Start(const QStringList& fileNames, int timeoutMs)
{
    if (IsListening() || FServerName.isEmpty())
        return TInstanceRole::irFirst;
    // A second round when another start began listening between this one's two steps.
    for (int round = 0; round < 2; ++round) {
        switch (HandOver(fileNames, timeoutMs)) {
        case THandOver::Done:
            return TInstanceRole::irHandedOver;
        case THandOver::Occupied:
            return TInstanceRole::irFirst;
        case THandOver::NoListener:
            // Connecting was refused: what is left there belongs to an ended instance.
            RemoveOwnSocket(FServerName);
            if (Listen())
                return TInstanceRole::irFirst;
            break;
        }
    }
    // No guard could be set up: run on, rather than lose the files.
    return TInstanceRole::irFirst;
}

TSingleInstance::THandOver TSingleInstance::HandOver(const QStringList& fileNames, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(timeoutMs)) {
        const QLocalSocket::LocalSocketError error = socket.error();
        return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError
                   ? THandOver::NoListener
                   : THandOver::Occupied;
    }
    // Nothing goes to a listener of another user, not even a byte.
    if (!FPeerCheck(socket.socketDescriptor()) || !ReceiveByte(socket, Greeting, clock, timeoutMs)) {
        socket.abort();
        return THandOver::Occupied;
    }
#ifdef Q_OS_WIN
    // This start is the foreground process; let the running instance take the foreground.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    socket.write(Encode(fileNames));
    while (socket.bytesToWrite() > 0) {
        const int left = Left(clock, timeoutMs);
        if (left <= 0 || !socket.waitForBytesWritten(left))
            return THandOver::Occupied;
    }
    const bool acknowledged = ReceiveByte(socket, Acknowledge, clock, timeoutMs);
    socket.disconnectFromServer();
    return acknowledged ? THandOver::Done : THandOver::Occupied;
}

bool TSingleInstance::Listen()
{
    auto* server = new QLocalServer(this);
#ifdef Q_OS_WIN
    server->setSocketOptions(QLocalServer::UserAccessOption);
#endif
    // Elsewhere the private folder keeps everyone else out; with socket options set, the
    // socket would be made aside and renamed over whatever has the name by now.
    if (!server->listen(FServerName)) {
        delete server;
        return false;
    }
    FServer = server;
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::Accept);
    return true;
}

void TSingleInstance::Accept()
{
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        if (!FPeerCheck(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        FPending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            FPending.remove(socket);
            socket->deleteLater();
        });
        socket->putChar(Greeting);
        socket->flush();
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
