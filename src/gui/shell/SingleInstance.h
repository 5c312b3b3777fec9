#pragma once

#include <QObject>

#include <memory>

class FileLock;
class QLocalServer;

/**
 * One program per user: the first start holds the instance lock and listens on a local socket beside
 * it; a later start asks that program to come forward instead of opening the same files twice.
 */
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();
    ~SingleInstance() override;

    /** Takes the lock and listens; false when another instance holds it. */
    bool claim();
    /** Asks the running instance to come forward; false when it cannot be reached (it is still starting). */
    static bool callRunning();

    /** Where the marker of the running instance lives. */
    static QString lockPath();

Q_SIGNALS:
    /** A later start asked this program to come forward. */
    void called();

private:
    static QString socketPath();
    void answerCall();

    std::unique_ptr<FileLock> m_lock;
    QLocalServer* m_server = nullptr;
};
