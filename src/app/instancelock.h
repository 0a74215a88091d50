#pragma once
// One program at a time per user: a second copy would write its own "Ornaveld.set" at its
// exit over the library edits of the first. The running program holds a lock file in the
// user's data folder and listens on a local socket beside it; a second start finds the lock
// taken, hands a project from its command line over through the socket and ends without
// touching the settings file. A lock left behind by a crashed run is taken over.

#include <optional>
#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace orv {

class InstanceLock {
public:
    // folder: the user's data folder of the program (created when missing).
    explicit InstanceLock(const QString& folder);

    // The per-user data folder of the program.
    static QString defaultFolder();

    // True when this run is now the only one; false while another run holds the lock.
    bool acquire();
    // Where the running program listens for a handed-over project.
    QString serverName() const;

private:
    QString folder_;
    QLockFile lock_;
};

// The handover: the second start sends the project's absolute path as one UTF-8 line and
// reads one line back, "1" when the running program opened it, "0" when it refused.
QByteArray handoverRequest(const QString& path);
// The path of a complete request line; nothing while the line is incomplete.
std::optional<QString> handoverPath(const QByteArray& received);
QByteArray handoverReply(bool opened);
bool handoverOpened(const QByteArray& reply);

// What the second start says before it ends: with nothing handed over, or with a project that
// the running program refused because it has a project open. Empty when it was opened.
QString secondStartMessage(const QString& project, bool opened);

} // namespace orv
