#pragma once

#include <QString>

/**
 * An exclusive lock on a lock file, held while the object lives. The system drops it when the
 * process ends, however it ends, so a crash never leaves a lock behind; and taking it writes
 * nothing, so a full disk cannot spoil it.
 */
class FileLock {
public:
    explicit FileLock(QString path) : m_path(std::move(path)) {}
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    /** Takes the lock without waiting; false when it is held elsewhere or cannot be taken. */
    bool tryLock();
    /** After a failed tryLock(): whether someone else holds the lock (rather than an error). */
    bool heldElsewhere() const { return m_heldElsewhere; }
    /** After a failed tryLock(): the system's reason. */
    const QString& errorString() const { return m_error; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_heldElsewhere = false;
    QString m_error;
};
