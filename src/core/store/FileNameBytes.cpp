#include "core/store/FileNameBytes.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text/StoreText.h"

namespace FileNameBytes {
namespace {

constexpr char16_t kKeptByte = 0xDC00;

// Length of the valid UTF-8 sequence at i, 0 when the byte there starts none.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype i)
{
    const auto lead = uchar(bytes[i]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype k = 1; k < length; ++k) {
        const auto next = uchar(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isKeptByte(QChar c)
{
    return c.unicode() >= kKeptByte + 0x80 && c.unicode() <= kKeptByte + 0xFF;
}

QString readablePart(const QString& part)
{
    if (std::none_of(part.cbegin(), part.cend(), isKeptByte))
        return part;
    QStringDecoder shiftJis("windows-31j");
    return shiftJis.decode(encode(part));
}

} // namespace

QByteArray encode(const QString& path)
{
    QByteArray bytes;
    qsizetype plainStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        // The low half of a surrogate pair is a character, not a kept byte.
        if (path[i].isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            ++i;
        } else if (isKeptByte(path[i])) {
            bytes += QStringView(path).sliced(plainStart, i - plainStart).toUtf8();
            bytes += char(path[i].unicode() - kKeptByte);
            plainStart = i + 1;
        }
    }
    return bytes + QStringView(path).sliced(plainStart).toUtf8();
}

QString decode(const QByteArray& bytes)
{
    QString path;
    qsizetype plainStart = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        if (const qsizetype length = sequenceLength(bytes, i)) {
            i += length;
            continue;
        }
        path += QString::fromUtf8(bytes.sliced(plainStart, i - plainStart));
        path += QChar(char16_t(kKeptByte + uchar(bytes[i])));
        plainStart = ++i;
    }
    return path + QString::fromUtf8(bytes.sliced(plainStart));
}

QString readable(const QString& path)
{
    QStringList parts = path.split(QLatin1Char('/'));
    for (QString& part : parts)
        part = readablePart(part);
    return parts.join(QLatin1Char('/'));
}

namespace {

// Opens a folder to list; null, errno set, when it cannot be read. One that may be listed but not
// entered (no x permission) cannot be read either.
DIR* openFolder(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    struct stat entered {};
    if (dir && ::stat((folder + "/.").constData(), &entered) != 0) {
        const int error = errno;
        ::closedir(dir);
        errno = error;
        return nullptr;
    }
    return dir;
}

Listing entryNames(const QString& folder, bool folders)
{
    QList<QByteArray> names;
    const QByteArray path = encode(folder);
    DIR* dir = openFolder(path);
    if (!dir && errno != ENOENT)
        return {{}, StoreText::readFailedReason(errno)};
    if (dir) {
        const QByteArray prefix = path + '/';
        while (const dirent* entry = ::readdir(dir)) {
            struct stat status {};
            const QByteArray name(entry->d_name);
            if (name == "." || name == ".." || ::stat((prefix + name).constData(), &status) != 0)
                continue;
            if (folders ? S_ISDIR(status.st_mode) : S_ISREG(status.st_mode))
                names.append(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    Listing listing;
    for (const QByteArray& name : names)
        listing.names.append(decode(name));
    return listing;
}

} // namespace

QStringList fileNames(const QString& folder)
{
    return entryNames(folder, false).names;
}

Listing listFiles(const QString& folder)
{
    return entryNames(folder, false);
}

QStringList folderNames(const QString& folder)
{
    return entryNames(folder, true).names;
}

bool exists(const QString& path)
{
    struct stat status {};
    return ::stat(encode(path).constData(), &status) == 0;
}

bool remove(const QString& path)
{
    return ::unlink(encode(path).constData()) == 0 || errno == ENOENT;
}

Content read(const QString& path, qint64 maxBytes)
{
    // Not blocking, so that a named pipe is refused instead of waited on.
    const int fd = ::open(encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {std::nullopt, StoreText::readFailedReason(errno)};
    struct stat status {};
    QString refusal;
    if (::fstat(fd, &status) != 0)
        refusal = StoreText::readFailedReason(errno);
    else if (!S_ISREG(status.st_mode))
        refusal = StoreText::reasonNotRegularFile(S_ISDIR(status.st_mode), S_ISFIFO(status.st_mode));
    else if (status.st_size > maxBytes)
        refusal = StoreText::reasonFileTooLarge(maxBytes);
    if (!refusal.isEmpty()) {
        ::close(fd);
        return {std::nullopt, refusal};
    }
    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {std::nullopt, StoreText::readFailedReason(error)};
        }
        if (got == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + got > maxBytes) {
            ::close(fd);
            return {std::nullopt, StoreText::reasonFileTooLarge(maxBytes)};
        }
        bytes.append(buffer, got);
    }
    ::close(fd);
    return {bytes, QString()};
}

} // namespace FileNameBytes
