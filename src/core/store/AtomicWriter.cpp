#include "store/AtomicWriter.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "store/FileNameBytes.h"
#include "text/StoreText.h"

namespace AtomicWriter {
namespace {

/** One file of a change, through the steps of putting it in place. */
struct Step {
    FileChange change;
    QByteArray target;
    QByteArray temporary; // the new content until it is in place
    QByteArray kept;      // the old file until the change is final
    bool swapped = false;
};

class Failure {
public:
    Failure(const QByteArray& path, int error) : m_fault{FileNameBytes::decode(path), StoreText::systemReason(error)} {}
    const WriteFault& fault() const { return m_fault; }

private:
    WriteFault m_fault;
};

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Tries fresh names "<target>.XXXXXX" until make() does not find one taken.
QByteArray makeSibling(const QByteArray& target, const std::function<bool(const QByteArray&)>& make)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = target + '.';
        for (int i = 0; i < 6; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        if (make(name))
            return name;
        if (errno != EEXIST)
            throw Failure(target, errno);
    }
    throw Failure(target, EEXIST);
}

void writeAll(int fd, const QByteArray& bytes, const QByteArray& target)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw Failure(target, written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
}

void writeTemporary(Step& step)
{
    int fd = -1;
    step.temporary = makeSibling(step.target, [&fd](const QByteArray& name) {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    // The new file keeps the old one's permissions.
    struct stat old {};
    if (::stat(step.target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    try {
        writeAll(fd, *step.change.content, step.target);
        if (::fdatasync(fd) != 0)
            throw Failure(step.target, errno);
    } catch (const Failure&) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw Failure(step.target, errno);
}

// Where the file system has no hard links, the old content is copied instead.
bool copyFile(const QByteArray& from, const QByteArray& to)
{
    const FileNameBytes::Content in = FileNameBytes::read(FileNameBytes::decode(from));
    if (!in.bytes)
        return false;
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool written = true;
    try {
        writeAll(fd, *in.bytes, to);
    } catch (const Failure&) {
        written = false;
    }
    return ::close(fd) == 0 && written;
}

void keepOld(Step& step)
{
    struct stat old {};
    if (::lstat(step.target.constData(), &old) != 0) {
        if (errno == ENOENT)
            return;
        throw Failure(step.target, errno);
    }
    step.kept = makeSibling(step.target, [&step](const QByteArray& name) {
        if (::link(step.target.constData(), name.constData()) == 0)
            return true;
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EXDEV || errno == EMLINK || errno == ENOSYS)
            return copyFile(step.target, name) || (errno = EIO, false);
        return false;
    });
}

void swap(Step& step)
{
    if (step.change.content) {
        if (::rename(step.temporary.constData(), step.target.constData()) != 0)
            throw Failure(step.target, errno);
        step.temporary.clear();
    } else if (::unlink(step.target.constData()) != 0 && errno != ENOENT) {
        throw Failure(step.target, errno);
    }
    step.swapped = true;
}

void syncFolders(const QList<Step>& steps)
{
    QList<QByteArray> folders;
    for (const Step& step : steps) {
        const QByteArray folder = folderOf(step.target);
        if (!folders.contains(folder))
            folders.append(folder);
    }
    for (const QByteArray& folder : folders) {
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            throw Failure(folder, errno);
        // Some file systems cannot sync a folder; their renames are as safe as they get.
        const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
        const int error = errno;
        ::close(fd);
        if (!synced)
            throw Failure(folder, error);
    }
}

void rollBack(QList<Step>& steps)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (!step->swapped)
            continue;
        if (!step->kept.isEmpty()) {
            if (::rename(step->kept.constData(), step->target.constData()) == 0)
                step->kept.clear();
        } else if (step->change.content) {
            ::unlink(step->target.constData());
        }
    }
    try {
        syncFolders(steps);
    } catch (const Failure&) {
        // The change is reported as failed already.
    }
}

void removeLeftovers(const QList<Step>& steps)
{
    for (const Step& step : steps) {
        if (!step.temporary.isEmpty())
            ::unlink(step.temporary.constData());
        if (!step.kept.isEmpty())
            ::unlink(step.kept.constData());
    }
}

} // namespace

std::optional<WriteFault> commit(const QList<FileChange>& changes)
{
    QList<Step> steps;
    for (const FileChange& change : changes)
        steps.append(Step{change, FileNameBytes::encode(change.path), {}, {}, false});
    std::optional<WriteFault> fault;
    try {
        for (Step& step : steps) {
            if (step.change.content)
                writeTemporary(step);
        }
        for (Step& step : steps)
            keepOld(step);
        try {
            for (Step& step : steps)
                swap(step);
            syncFolders(steps);
        } catch (const Failure&) {
            rollBack(steps);
            throw;
        }
    } catch (const Failure& failure) {
        fault = failure.fault();
    }
    removeLeftovers(steps);
    return fault;
}

bool isInterruptedSave(const QString& fileName)
{
    // Anchored as a whole, so that a name with a line break is judged by all of it.
    static const QRegularExpression leftover(
        QRegularExpression::anchoredPattern(QStringLiteral(".+\\.txt\\.[A-Za-z0-9]{6}")),
        QRegularExpression::DotMatchesEverythingOption);
    return leftover.match(fileName).hasMatch();
}

void removeInterruptedSaves(const QString& folder)
{
    for (const QString& name : FileNameBytes::fileNames(folder)) {
        if (isInterruptedSave(FileNameBytes::readable(name)))
            FileNameBytes::remove(folder + QLatin1Char('/') + name);
    }
}

} // namespace AtomicWriter
