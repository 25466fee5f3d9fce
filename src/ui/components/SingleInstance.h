// Keeps the program to one running instance per user. The first start listens on a local
// socket of a fixed per-user name; a later start connects to it, hands over its file names
// whole, and ends without showing a window.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

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

    explicit TSingleInstance(const QString& key = QString::fromLatin1(ProgramKey), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // The local socket name of key for the logged-on user.
    static QString ServerNameFor(const QString& key);
    QString ServerName() const { return FServerName; }

    // Hands fileNames to a running instance when there is one that answers within timeoutMs,
    // else makes this process the running instance. A socket left behind by an instance that
    // ended without cleaning up is removed and taken over.
    TInstanceRole Start(const QStringList& fileNames, int timeoutMs = 5000);
    bool IsListening() const;

signals:
    // A later start asked the running instance to come to the front.
    void RaiseRequested();
    // A later start handed over these file names, in command-line order.
    void FilesReceived(const QStringList& fileNames);

private:
    bool HandOver(const QStringList& fileNames, int timeoutMs);
    bool Listen();
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    QString FServerName;
    QLocalServer* FServer = nullptr;
    QHash<QLocalSocket*, QByteArray> FPending;
};

// Brings window to the front, restoring it first when it is minimized and restoreMinimized.
void BringWindowToFront(QWidget& window, bool restoreMinimized = true);
