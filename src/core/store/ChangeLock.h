#pragma once

#include <QString>

#include <chrono>
#include <functional>

#include "core/store/FileLock.h"

/**
 * The lock on a data folder that its readers share and a change of its files holds alone, so that
 * readers see every set of files wholly old or wholly new. A writer waiting for the readers first
 * takes a turnstile that every reader passes on its way in: readers who come after it wait behind it,
 * so a stream of readers cannot keep it out. A reader of a folder where no lock file can be made reads
 * without one: nobody can change such a folder.
 */
class ChangeLock {
public:
    /** Tries to take the lock within the time given; true once it is had. */
    using Attempt = std::function<bool(std::chrono::milliseconds)>;
    /**
     * How this process waits for another program on a history: it gets the longest wait asked for and
     * the attempt, and says whether the lock was had. The command line says that it waits; the program
     * waits off its window's thread, for as long as the player lets it.
     */
    using Waiter = std::function<bool(const QString& historyPath, std::chrono::milliseconds limit, const Attempt&)>;

    /** How long a change waits by default, as opening waits for another writer. */
    static constexpr std::chrono::milliseconds kWait{10000};

    explicit ChangeLock(const QString& historyPath);

    const QString& historyPath() const { return m_historyPath; }
    /** The folder whose changes the lock guards: the one that holds the history. */
    const QString& dataFolder() const { return m_dataFolder; }

    bool lockShared(std::chrono::milliseconds wait);
    /** A writer that fails keeps its place ahead of later readers until unlock(). */
    bool lockExclusive(std::chrono::milliseconds wait);
    /** Takes the lock for a change, waiting as this process's waiter does. */
    bool lockForChange();
    void unlock();

    /** After a failed lock: whether someone else holds it (rather than an error), and the reason. */
    bool heldElsewhere() const { return m_heldElsewhere; }
    const QString& errorString() const { return m_error; }

    static void setWaiter(Waiter waiter);
    /**
     * Tries at once; while the lock is busy (rather than failing), waits as this process's waiter
     * does (by default, up to the limit).
     */
    static bool take(const QString& historyPath, std::chrono::milliseconds limit, const Attempt& attempt,
                     const std::function<bool()>& busy);

private:
    static std::chrono::milliseconds timeLeft(std::chrono::steady_clock::time_point deadline);
    bool failed(const FileLock& lock);

    QString m_historyPath;
    QString m_dataFolder;
    FileLock m_readers;
    FileLock m_turnstile;
    bool m_inTurnstile = false;
    bool m_heldElsewhere = false;
    QString m_error;
};
