#include "gui/shell/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "core/store/FileLock.h"

namespace {

constexpr char kComeForward[] = "come-forward\n";
// The system takes the call at once, whether or not the running program is busy; nothing waits for it.
constexpr int kCallMs = 5000;

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath()
{
    return runtimeFolder() + QStringLiteral("/Rozore.lock");
}

QString SingleInstance::socketPath()
{
    return runtimeFolder() + QStringLiteral("/Rozore.socket");
}

bool SingleInstance::claim()
{
    // The lock goes with the program that holds it, however that program ends.
    auto lock = std::make_unique<FileLock>(lockPath());
    if (!lock->tryLock())
        return false;
    m_lock = std::move(lock);
    // A socket left by a program that crashed is this user's own and nobody listens on it any more.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerCall);
    // Without the socket the program still runs alone; a later start then says that it runs.
    m_server->listen(socketPath());
    return true;
}

void SingleInstance::answerCall()
{
    while (QLocalSocket* caller = m_server->nextPendingConnection()) {
        // The caller may have written and gone before it is taken; the server keeps it until then.
        const auto hear = [this, caller] {
            if (caller->canReadLine() && caller->readLine() == kComeForward)
                Q_EMIT called();
        };
        connect(caller, &QLocalSocket::readyRead, this, hear);
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        hear();
    }
}

bool SingleInstance::callRunning()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(kCallMs))
        return false;
    socket.write(kComeForward);
    const bool sent = socket.waitForBytesWritten(kCallMs);
    socket.disconnectFromServer();
    return sent;
}
