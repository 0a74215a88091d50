#pragma once
// The socket side of one program at a time: the running program listens for a project handed
// over by a second start; the second start sends it and hears whether it was opened.

#include <functional>
#include <QObject>
#include <QString>

class QLocalServer;

namespace orv {

class InstanceServer : public QObject {
    Q_OBJECT
public:
    // accepts: whether the running program takes a project now; open: opens it, after the
    // second start has had its answer.
    InstanceServer(const QString& name, std::function<bool(const QString&)> accepts,
                   std::function<void(const QString&)> open, QObject* parent = nullptr);
    bool listening() const;

private:
    void answer();

    QLocalServer* server_;
    std::function<bool(const QString&)> accepts_;
    std::function<void(const QString&)> open_;
};

// The second start's side: true when the running program has taken the project.
bool handOverProject(const QString& serverName, const QString& path, int timeoutMs = 5000);

} // namespace orv
