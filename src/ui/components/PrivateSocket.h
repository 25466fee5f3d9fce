// Where the single-instance socket of a user may live, and who may use it. On Linux and the
// other Unix systems the socket goes into a folder that only the user can enter:
// XDG_RUNTIME_DIR when that is such a folder, else "tessaly-UID" in the temporary folder
// (TMPDIR, else /tmp), created with mode 0700 and checked at every start: a real folder (no
// symbolic link), owned by the user, closed to group and others. The process at the other end
// of a connection is checked as well: only a process of the same user is talked to.
// On Windows the pipe namespace takes the place of the folder (see SingleInstance.cpp).
#pragma once

#include <QString>
#include <QtGlobal>

// The folder, created when it is missing; empty when no folder passes the checks.
QString PrivateSocketFolder();

// What tells the user's socket apart from those of other users: the numeric user id ("1000");
// on Windows, which has none, a digest of the user name.
QString UserIdText();

// True when the process at the other end of the connected local socket runs as this user
// (its credentials as the kernel recorded them at connect or listen time).
bool PeerIsThisUser(qintptr descriptor);

// Removes the file at path when it is a socket owned by this user; leaves anything else
// alone. True when it was removed.
bool RemoveOwnSocket(const QString& path);
