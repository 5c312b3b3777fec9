#pragma once

#include <QString>

#include <chrono>

/**
 * A lock on a lock file, held while the object lives: shared among readers or exclusive. The system
 * drops it when the process ends, however it ends, so a crash never leaves a lock behind; and taking
 * it writes nothing, so a full disk cannot spoil it.
 */
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    explicit FileLock(QString path) : m_path(std::move(path)) {}
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    /**
     * Takes the lock in a mode, or changes the mode of a lock already held, waiting up to the time
     * given for whoever holds it elsewhere; false when it could not be had.
     */
    bool lock(Mode mode, std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    /** Takes the lock for this process alone without waiting. */
    bool tryLock() { return lock(Mode::Exclusive); }
    /** Lets the lock go; the file stays open for the next lock(). */
    void unlock();

    /** After a failed lock(): whether someone else holds the lock (rather than an error). */
    bool heldElsewhere() const { return m_heldElsewhere; }
    /** After a failed lock(): the system's reason. */
    const QString& errorString() const { return m_error; }
    /** After a failed lock(): the lock file is not there and this user may not make it. */
    bool unmakeable() const { return m_unmakeable; }

private:
    QString m_path;
    int m_fd = -1;
    bool m_heldElsewhere = false;
    bool m_unmakeable = false;
    QString m_error;
};
