#include "ui/components/PrivateSocket.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QCryptographicHash>
#else
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

// Named pipes live in one namespace for the whole machine; QLocalServer creates the pipe with
// UserAccessOption, whose DACL (like a pipe's default DACL) admits the creating user only, so
// a process of another user cannot connect to it.
QString PrivateSocketFolder()
{
    return QString();
}

QString UserIdText()
{
    const QString name = qEnvironmentVariable("USERNAME");
    return QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

bool PeerIsThisUser(qintptr)
{
    return true;
}

bool RemoveOwnSocket(const QString&)
{
    return false;
}

#else

namespace {

// A real folder (not a symbolic link) of this user that group and others cannot enter.
bool IsPrivateFolder(const QByteArray& path)
{
    struct stat status {};
    return lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
           (status.st_mode & 077) == 0;
}

QByteArray AbsoluteFolder(const char* variable)
{
    QByteArray path = qgetenv(variable);
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path.startsWith('/') ? path : QByteArray();
}

} // namespace

QString PrivateSocketFolder()
{
    const QByteArray runtime = AbsoluteFolder("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return QFile::decodeName(runtime);
    QByteArray base = AbsoluteFolder("TMPDIR");
    if (base.isEmpty())
        base = "/tmp";
    const QByteArray folder = (base == "/" ? QByteArray() : base) + "/tessaly-" + UserIdText().toLatin1();
    // An existing one is taken only when it passes the same checks as a new one.
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    return IsPrivateFolder(folder) ? QFile::decodeName(folder) : QString();
}

QString UserIdText()
{
    return QString::number(geteuid());
}

bool PeerIsThisUser(qintptr descriptor)
{
#if defined(SO_PEERCRED)
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           length == sizeof credentials && credentials.uid == geteuid();
#else
    uid_t user = 0;
    gid_t group = 0;
    return getpeereid(static_cast<int>(descriptor), &user, &group) == 0 && user == geteuid();
#endif
}

bool RemoveOwnSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    return lstat(name.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == geteuid() &&
           unlink(name.constData()) == 0;
}

#endif
