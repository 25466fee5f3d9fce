// Keeps the program to one running instance per user. The first start listens on a local
// socket of a fixed per-user name in a folder only the user can enter (PrivateSocket.h); a
// later start connects to it, makes sure the listener runs as the same user, hands over its
// file names whole, and ends without showing a window. A socket that is not the user's, or a
// running instance that does not answer in time, is left alone: the later start then runs on
// its own.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;
class QWidget;

enum class TInstanceRole {
    irFirst,       // this process is the running instance and listens for later starts
    irHandedOver   // a running instance took the file names; this process should end
};

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // The program's own key; the socket name adds the user, so every user has one instance.
    static constexpr const char* ProgramKey = "Tessaly-{5E0B9C1A-7D42-4F36-A8E1-3C2B6D9F0A47}";

    // Whether the process at the other end of a connected socket (its native descriptor) may
    // be talked to: by default, when it runs as this user (PeerIsThisUser).
    using TPeerCheck = std::function<bool(qintptr descriptor)>;

    explicit TSingleInstance(const QString& key = QString::fromLatin1(ProgramKey), QObject* parent = nullptr,
                             TPeerCheck peerCheck = {});
    ~TSingleInstance() override;

    // The socket's file name for key: key (characters unsafe in a file name replaced) and the
    // user's id.
    static QString SocketNameFor(const QString& key);
    // The full local socket name of key for this user: the socket's file in the user's
    // private folder (on Windows the pipe name); empty when there is no safe folder.
    static QString ServerNameFor(const QString& key);
    QString ServerName() const { return FServerName; }

    // Hands fileNames to a running instance when there is one that answers within timeoutMs,
    // else makes this process the running instance. A socket nobody listens on (connecting
    // is refused) is left behind by an instance that ended without cleaning up: it is removed
    // and taken over. A listener of another user, or one that does not answer in time (a
    // stopped or busy instance), is neither used nor removed: this process then runs on its
    // own, without listening, as it does when there is no safe folder for a socket.
    TInstanceRole Start(const QStringList& fileNames, int timeoutMs = 5000);
    bool IsListening() const;

signals:
    // A later start asked the running instance to come to the front.
    void RaiseRequested();
    // A later start handed over these file names, in command-line order.
    void FilesReceived(const QStringList& fileNames);

private:
    enum class THandOver { Done, NoListener, Occupied };
    THandOver HandOver(const QStringList& fileNames, int timeoutMs);
    bool Listen();
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    QString FServerName;
    TPeerCheck FPeerCheck;
    QLocalServer* FServer = nullptr;
    QHash<QLocalSocket*, QByteArray> FPending;
};

// Brings window to the front, restoring it first when it is minimized and restoreMinimized.
void BringWindowToFront(QWidget& window, bool restoreMinimized = true);
