#include "core/store/FileLock.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/text/StoreText.h"

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::lock(Mode mode, std::chrono::milliseconds wait)
{
    m_heldElsewhere = false;
    m_unmakeable = false;
    if (m_fd < 0) {
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // A reader may only be allowed to read the folder.
        if (m_fd < 0 && (errno == EACCES || errno == EROFS)) {
            m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
            m_unmakeable = m_fd < 0 && errno == ENOENT;
        }
        if (m_fd < 0) {
            m_error = StoreText::systemReason(errno);
            return false;
        }
    }
    // A lock belongs to its open file, so a second FileLock in the same process is kept out too.
    const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(m_fd, operation) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            m_error = StoreText::systemReason(errno);
            return false;
        }
        // Polling keeps the wait bounded; the holders are short commands.
        if (std::chrono::steady_clock::now() >= deadline) {
            m_heldElsewhere = true;
            m_error = StoreText::systemReason(EWOULDBLOCK);
            return false;
        }
        QThread::msleep(10);
    }
    return true;
}

void FileLock::unlock()
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
}
