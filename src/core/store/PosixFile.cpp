#include "core/store/PosixFile.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace PosixFile {
namespace {

const QByteArray kNewSuffix = QByteArrayLiteral(".vemo-new");
const QByteArray kOldSuffix = QByteArrayLiteral(".vemo-old");
constexpr int kRandomLetters = 6;

bool isRandomPart(const QByteArray& part)
{
    return part.size() == kRandomLetters
           && std::all_of(part.begin(), part.end(), [](char c) { return std::isalnum(uchar(c)) != 0; });
}

// Tries fresh names until make() does not find one taken.
QByteArray makeSpare(const QByteArray& target, Spare kind, const std::function<bool(const QByteArray&)>& make)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray folder = folderOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = folder + "/." + baseName(target) + '~';
        for (int i = 0; i < kRandomLetters; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        name += kind == Spare::New ? kNewSuffix : kOldSuffix;
        if (make(name))
            return name;
        if (errno != EEXIST)
            throw FileFault{target, errno};
    }
    throw FileFault{target, EEXIST};
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
            throw FileFault{target, written < 0 ? errno : ENOSPC};
        data += written;
        left -= written;
    }
}

// Writes a whole new file under a fresh name; it is synced and closed, or gone.
QByteArray writeNewFile(const QByteArray& target, Spare kind, const QByteArray& content, unsigned permissions)
{
    int fd = -1;
    QByteArray name = makeSpare(target, kind, [&fd](const QByteArray& candidate) {
        fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return fd >= 0;
    });
    try {
        if (::fchmod(fd, permissions) != 0)
            throw FileFault{target, errno};
        writeAll(fd, content, target);
        if (::fdatasync(fd) != 0)
            throw FileFault{target, errno};
    } catch (const FileFault&) {
        ::close(fd);
        ::unlink(name.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        throw FileFault{target, error};
    }
    return name;
}

std::optional<QByteArray> readWhole(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw FileFault{path, errno};
    }
    struct stat status {};
    QByteArray bytes;
    int error = ::fstat(fd, &status) != 0 ? errno : (S_ISREG(status.st_mode) ? 0 : EISDIR);
    char buffer[65536];
    while (error == 0) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    if (error != 0)
        throw FileFault{path, error};
    return bytes;
}

} // namespace

QByteArray Identity::text() const
{
    return absent() ? QByteArrayLiteral("-") : QByteArray::number(size) + ':' + sha256.toHex();
}

std::optional<Identity> Identity::parse(const QByteArray& text)
{
    if (text == "-")
        return Identity{};
    const QList<QByteArray> parts = text.split(':');
    bool isNumber = false;
    const qint64 size = parts.value(0).toLongLong(&isNumber);
    if (parts.size() != 2 || !isNumber || size < 0 || parts[1].size() != 64)
        return std::nullopt;
    return Identity{size, QByteArray::fromHex(parts[1])};
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray baseName(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool exists(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0;
}

bool isRealFolder(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

QList<QByteArray> namesIn(const QByteArray& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    return names;
}

bool isLink(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

QByteArray resolved(const QByteArray& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.constData(), buffer) ? QByteArray(buffer) : QByteArray();
}

Identity identityOf(const QByteArray& path)
{
    const std::optional<QByteArray> content = readWhole(path);
    return content ? identityOfContent(*content) : Identity{};
}

Identity identityOfContent(const QByteArray& content)
{
    return Identity{content.size(), QCryptographicHash::hash(content, QCryptographicHash::Sha256)};
}

void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw FileFault{folder, errno};
    // Some file systems cannot sync a folder; their renames are as safe as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(fd);
    if (!synced)
        throw FileFault{folder, error};
}

bool isSpareName(const QByteArray& name)
{
    const bool suffixed = name.endsWith(kNewSuffix) || name.endsWith(kOldSuffix);
    const qsizetype tilde = name.size() - kNewSuffix.size() - kRandomLetters - 1;
    return suffixed && name.startsWith('.') && tilde > 1 && name[tilde] == '~'
           && isRandomPart(name.mid(tilde + 1, kRandomLetters));
}

bool isSpareOf(const QByteArray& name, const QByteArray& targetName)
{
    return isSpareName(name) && name.size() == targetName.size() + 2 + kRandomLetters + kNewSuffix.size()
           && name.mid(1, targetName.size()) == targetName;
}

QByteArray writeSpare(const QByteArray& target, const QByteArray& content, std::optional<unsigned> permissions)
{
    // The new file keeps the old one's permissions.
    return writeNewFile(target, Spare::New, content, permissions.value_or(permissionsOf(target).value_or(0644)));
}

QByteArray keepSpare(const QByteArray& target)
{
    bool linked = false;
    QByteArray name = makeSpare(target, Spare::Old, [&target, &linked](const QByteArray& candidate) {
        linked = ::link(target.constData(), candidate.constData()) == 0;
        // A file system without hard links stops the tries at once.
        return linked || errno == EPERM || errno == EOPNOTSUPP || errno == EXDEV || errno == EMLINK || errno == ENOSYS;
    });
    if (linked)
        return name;
    // The old content is copied instead, and synced like any new file.
    const std::optional<QByteArray> content = readWhole(target);
    return writeNewFile(target, Spare::Old, content.value_or(QByteArray()), permissionsOf(target).value_or(0600));
}

std::optional<unsigned> permissionsOf(const QByteArray& path)
{
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return std::nullopt;
    return status.st_mode & 07777;
}

} // namespace PosixFile
