#include "core/store/ChangeLock.h"

#include <QFileInfo>

#include <algorithm>

namespace {

ChangeLock::Waiter s_waiter;

} // namespace

ChangeLock::ChangeLock(const QString& historyPath)
    : m_historyPath(historyPath), m_dataFolder(QFileInfo(historyPath).absolutePath()),
      m_readers(historyPath + QStringLiteral(".readers.lock")),
      m_turnstile(historyPath + QStringLiteral(".writer-waiting.lock"))
{
}

std::chrono::milliseconds ChangeLock::timeLeft(std::chrono::steady_clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(0));
}

bool ChangeLock::failed(const FileLock& lock)
{
    m_heldElsewhere = lock.heldElsewhere();
    m_error = lock.errorString();
    return false;
}

bool ChangeLock::lockShared(std::chrono::milliseconds wait)
{
    m_heldElsewhere = false;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    if (!m_turnstile.lock(FileLock::Mode::Shared, wait))
        return m_turnstile.unmakeable() || failed(m_turnstile);
    const bool held = m_readers.lock(FileLock::Mode::Shared, timeLeft(deadline));
    m_turnstile.unlock();
    return held || m_readers.unmakeable() || failed(m_readers);
}

bool ChangeLock::lockExclusive(std::chrono::milliseconds wait)
{
    m_heldElsewhere = false;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    // A writer keeps its place in the turnstile from one try to the next, so that no reader slips in
    // between them; it gives the place up when it stops waiting.
    if (!m_inTurnstile) {
        if (!m_turnstile.lock(FileLock::Mode::Exclusive, wait))
            return failed(m_turnstile);
        m_inTurnstile = true;
    }
    if (m_readers.lock(FileLock::Mode::Exclusive, timeLeft(deadline)))
        return true;
    return failed(m_readers);
}

bool ChangeLock::lockForChange()
{
    if (take(
            m_historyPath, kWait, [this](std::chrono::milliseconds wait) { return lockExclusive(wait); },
            [this] { return m_heldElsewhere; }))
        return true;
    unlock();
    return false;
}

bool ChangeLock::take(const QString& historyPath, std::chrono::milliseconds limit, const Attempt& attempt,
                      const std::function<bool()>& busy)
{
    if (attempt(std::chrono::milliseconds(0)))
        return true;
    if (!busy())
        return false;
    return s_waiter ? s_waiter(historyPath, limit, attempt) : attempt(limit);
}

void ChangeLock::unlock()
{
    m_readers.unlock();
    m_turnstile.unlock();
    m_inTurnstile = false;
}

void ChangeLock::setWaiter(Waiter waiter)
{
    s_waiter = std::move(waiter);
}
