#include "store/FileLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "text/StoreText.h"

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::tryLock()
{
    if (m_fd >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = StoreText::systemReason(errno);
        return false;
    }
    // A lock belongs to its open file, so a second FileLock in the same process is kept out too.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_heldElsewhere = errno == EWOULDBLOCK;
        m_error = StoreText::systemReason(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
