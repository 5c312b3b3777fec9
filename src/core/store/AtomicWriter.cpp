#include "store/AtomicWriter.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "store/FileLock.h"
#include "store/FileNameBytes.h"
#include "text/StoreText.h"

namespace AtomicWriter {
namespace {

const QByteArray kJournalName = QByteArrayLiteral(".journal.txt");
const QByteArray kJournalHead = QByteArrayLiteral("VEMO-JOURNAL 1");
const QByteArray kJournalEnd = QByteArrayLiteral("END");
// A writer that waits this long for the readers gives up, as one waiting for another writer does.
constexpr std::chrono::seconds kChangeLockWait(10);

FileLock* s_changeLock = nullptr;

/** One file of a change, through the steps of putting it in place. */
struct Step {
    FileChange change;
    QByteArray target;    // the file replaced: a link's target for a write
    QByteArray source;    // a move's file under its old name
    QByteArray temporary; // the new content until it is in place
    QByteArray kept;      // the old file until the change is final
    bool swapped = false;

    bool writes() const { return change.content.has_value(); }
    bool moves() const { return !change.movedFrom.isEmpty(); }
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

QByteArray commonFolder(const QList<QByteArray>& paths)
{
    QByteArray common = folderOf(paths.first());
    for (const QByteArray& path : paths) {
        while (!(path.startsWith(common + '/') || common == "/" || common == "."))
            common = folderOf(common);
    }
    return common;
}

bool isSiblingName(const QByteArray& name, const QByteArray& target)
{
    if (name.size() != target.size() + 7 || !name.startsWith(target + '.'))
        return false;
    return std::all_of(name.end() - 6, name.end(), [](char c) { return std::isalnum(uchar(c)) != 0; });
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

// A write goes to what a link points at, so that the link stays; a file nobody may write is left alone.
QByteArray writableTarget(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        if (errno == ENOENT)
            return path;
        throw Failure(path, errno);
    }
    QByteArray target = path;
    if (S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(path.constData(), resolved) || ::stat(resolved, &status) != 0)
            throw Failure(path, errno);
        target = QByteArray(resolved);
    }
    if (S_ISDIR(status.st_mode))
        throw Failure(path, EISDIR);
    // The mode bits speak even where the superuser could write anyway.
    if ((status.st_mode & 0222) == 0 || (::access(target.constData(), W_OK) != 0 && errno == EACCES))
        throw Failure(path, EACCES);
    return target;
}

QByteArray writeTemporary(const QByteArray& target, const QByteArray& content, std::optional<unsigned> permissions)
{
    int fd = -1;
    const QByteArray temporary = makeSibling(target, [&fd](const QByteArray& name) {
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    // The new file keeps the old one's permissions.
    struct stat old {};
    if (!permissions && ::stat(target.constData(), &old) == 0)
        permissions = old.st_mode & 07777;
    if (permissions)
        ::fchmod(fd, *permissions);
    try {
        writeAll(fd, content, target);
        if (::fdatasync(fd) != 0)
            throw Failure(target, errno);
    } catch (const Failure&) {
        ::close(fd);
        ::unlink(temporary.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        throw Failure(target, error);
    }
    return temporary;
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
    if (step.moves() || ::lstat(step.target.constData(), &old) != 0) {
        if (step.moves() || errno == ENOENT)
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
    if (step.writes()) {
        if (::rename(step.temporary.constData(), step.target.constData()) != 0)
            throw Failure(step.target, errno);
        step.temporary.clear();
    } else if (step.moves()) {
        if (::rename(step.source.constData(), step.target.constData()) != 0)
            throw Failure(step.source, errno);
    } else if (::unlink(step.target.constData()) != 0 && errno != ENOENT) {
        throw Failure(step.target, errno);
    }
    step.swapped = true;
}

void syncFolder(const QByteArray& folder)
{
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

void syncFolders(const QList<QByteArray>& paths)
{
    QList<QByteArray> folders;
    for (const QByteArray& path : paths) {
        if (!folders.contains(folderOf(path)))
            folders.append(folderOf(path));
    }
    for (const QByteArray& folder : folders)
        syncFolder(folder);
}

QList<QByteArray> targetsOf(const QList<Step>& steps)
{
    QList<QByteArray> targets;
    for (const Step& step : steps)
        targets.append(step.target);
    return targets;
}

void rollBack(QList<Step>& steps)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (!step->swapped)
            continue;
        if (step->moves()) {
            ::rename(step->target.constData(), step->source.constData());
        } else if (!step->kept.isEmpty()) {
            if (::rename(step->kept.constData(), step->target.constData()) == 0)
                step->kept.clear();
        } else if (step->writes()) {
            ::unlink(step->target.constData());
        }
    }
    try {
        syncFolders(targetsOf(steps));
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

// Paths in the journal are relative to its folder where they lie inside it, so that a moved folder
// still finishes its change.
QByteArray journalPath(const QByteArray& folder, const QByteArray& path)
{
    return (path.startsWith(folder + '/') ? path.mid(folder.size() + 1) : path).toHex();
}

QByteArray journalText(const QByteArray& folder, const QList<Step>& steps)
{
    QByteArray text = kJournalHead + '\n';
    for (const Step& step : steps) {
        if (step.writes())
            text += "W " + journalPath(folder, step.temporary) + ' ' + journalPath(folder, step.target) + '\n';
        else if (step.moves())
            text += "M " + journalPath(folder, step.source) + ' ' + journalPath(folder, step.target) + '\n';
        else
            text += "R " + journalPath(folder, step.target) + '\n';
    }
    return text + kJournalEnd + '\n';
}

QByteArray writeJournal(const QList<Step>& steps)
{
    QList<QByteArray> paths = targetsOf(steps);
    for (const Step& step : steps) {
        if (step.moves())
            paths.append(step.source);
    }
    const QByteArray folder = commonFolder(paths);
    const QByteArray journal = folder + '/' + kJournalName;
    const QByteArray temporary = writeTemporary(journal, journalText(folder, steps), std::nullopt);
    if (::rename(temporary.constData(), journal.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        throw Failure(journal, error);
    }
    try {
        syncFolder(folder);
    } catch (const Failure&) {
        ::unlink(journal.constData());
        throw;
    }
    return journal;
}

// Once gone for good, the journal can no longer replay the change over later ones.
void removeJournal(QByteArray& journal)
{
    if (journal.isEmpty())
        return;
    if (::unlink(journal.constData()) != 0 && errno != ENOENT)
        throw Failure(journal, errno);
    const QByteArray folder = folderOf(journal);
    journal.clear();
    syncFolder(folder);
}

/** One line of a journal, its paths made whole. */
struct JournalEntry {
    char kind;
    QByteArray first;
    QByteArray second;
};

bool isInside(const QByteArray& relative)
{
    return !relative.isEmpty() && !relative.startsWith('/') && !relative.split('/').contains("..");
}

// Only what a change of ours writes is taken: a journal copied in from elsewhere cannot move or
// remove files outside its folder.
std::optional<QList<JournalEntry>> readJournal(const QByteArray& folder, const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 3 || lines.first() != kJournalHead || lines.takeLast() != QByteArray()
        || lines.takeLast() != kJournalEnd)
        return std::nullopt;
    QList<JournalEntry> entries;
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() < 2 || words.first().size() != 1)
            return std::nullopt;
        QList<QByteArray> paths;
        for (const QByteArray& word : words.mid(1))
            paths.append(QByteArray::fromHex(word));
        const char kind = words.first()[0];
        const auto whole = [&folder](const QByteArray& path) {
            return path.startsWith('/') ? path : folder + '/' + path;
        };
        if (kind == 'W' && paths.size() == 2 && isSiblingName(paths[0], paths[1]))
            entries.append({kind, whole(paths[0]), whole(paths[1])});
        else if (kind == 'M' && paths.size() == 2 && isInside(paths[0]) && isInside(paths[1]))
            entries.append({kind, whole(paths[0]), whole(paths[1])});
        else if (kind == 'R' && paths.size() == 1 && isInside(paths[0]))
            entries.append({kind, whole(paths[0]), {}});
        else
            return std::nullopt;
    }
    return entries;
}

bool exists(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0;
}

// Every step of a journal is done again where it is not done yet, so a crash while finishing is finished too.
void finishJournal(const QByteArray& folder)
{
    const QByteArray journal = folder + '/' + kJournalName;
    if (!exists(journal))
        return;
    const FileNameBytes::Content text = FileNameBytes::read(FileNameBytes::decode(journal));
    if (!text.bytes)
        throw Failure(journal, EIO);
    const auto entries = readJournal(folder, *text.bytes);
    QList<QByteArray> changed;
    for (const JournalEntry& entry : entries.value_or(QList<JournalEntry>())) {
        const bool pending = entry.kind == 'R' ? exists(entry.first)
                                               : exists(entry.first) && (entry.kind == 'W' || !exists(entry.second));
        if (!pending)
            continue;
        const bool done = entry.kind == 'R' ? ::unlink(entry.first.constData()) == 0
                                            : ::rename(entry.first.constData(), entry.second.constData()) == 0;
        if (!done)
            throw Failure(entry.kind == 'W' ? entry.second : entry.first, errno);
        changed.append(entry.kind == 'R' ? entry.first : entry.second);
    }
    syncFolders(changed);
    if (::unlink(journal.constData()) != 0)
        throw Failure(journal, errno);
    syncFolder(folder);
}

QStringList folderAndSubfolders(const QString& folder)
{
    QStringList folders{folder};
    for (const QString& name : FileNameBytes::folderNames(folder))
        folders.append(folder + QLatin1Char('/') + name);
    return folders;
}

/** Holds the change lock, if there is one, while a change is made. */
class ChangeLockScope {
public:
    ChangeLockScope() : m_held(!s_changeLock || s_changeLock->lock(FileLock::Mode::Exclusive, kChangeLockWait)) {}
    ~ChangeLockScope()
    {
        if (s_changeLock && m_held)
            s_changeLock->unlock();
    }
    ChangeLockScope(const ChangeLockScope&) = delete;
    ChangeLockScope& operator=(const ChangeLockScope&) = delete;

    bool held() const { return m_held; }

private:
    bool m_held;
};

} // namespace

std::optional<WriteFault> commit(const QList<FileChange>& changes)
{
    if (changes.isEmpty())
        return std::nullopt;
    const ChangeLockScope changeLock;
    if (!changeLock.held())
        return WriteFault{changes.first().path, StoreText::systemReason(EWOULDBLOCK)};
    QList<Step> steps;
    QByteArray journal;
    std::optional<WriteFault> fault;
    try {
        for (const FileChange& change : changes) {
            Step step{change, FileNameBytes::encode(change.path), {}, {}, {}, false};
            if (step.writes())
                step.target = writableTarget(step.target);
            if (step.moves())
                step.source = FileNameBytes::encode(change.movedFrom);
            steps.append(step);
        }
        for (Step& step : steps) {
            if (step.writes())
                step.temporary = writeTemporary(step.target, *step.change.content, step.change.permissions);
        }
        for (Step& step : steps)
            keepOld(step);
        if (steps.size() > 1)
            journal = writeJournal(steps);
        try {
            for (Step& step : steps)
                swap(step);
            syncFolders(targetsOf(steps));
            removeJournal(journal);
        } catch (const Failure&) {
            rollBack(steps);
            throw;
        }
    } catch (const Failure& failure) {
        fault = failure.fault();
    }
    if (!journal.isEmpty())
        ::unlink(journal.constData());
    removeLeftovers(steps);
    return fault;
}

std::optional<unsigned> permissionsOf(const QString& path)
{
    struct stat status {};
    if (::stat(FileNameBytes::encode(path).constData(), &status) != 0)
        return std::nullopt;
    return status.st_mode & 07777;
}

void setChangeLock(FileLock* lock)
{
    s_changeLock = lock;
}

bool isInterruptedSave(const QString& fileName)
{
    // Anchored as a whole, so that a name with a line break is judged by all of it.
    static const QRegularExpression leftover(
        QRegularExpression::anchoredPattern(QStringLiteral(".+\\.txt\\.[A-Za-z0-9]{6}")),
        QRegularExpression::DotMatchesEverythingOption);
    return leftover.match(fileName).hasMatch();
}

bool hasInterruptedChanges(const QString& folder)
{
    for (const QString& each : folderAndSubfolders(folder)) {
        for (const QString& name : FileNameBytes::fileNames(each)) {
            if (name == QString::fromLatin1(kJournalName) || isInterruptedSave(FileNameBytes::readable(name)))
                return true;
        }
    }
    return false;
}

std::optional<WriteFault> finishInterruptedChanges(const QString& folder)
{
    const QStringList folders = folderAndSubfolders(folder);
    try {
        for (const QString& each : folders)
            finishJournal(FileNameBytes::encode(each));
    } catch (const Failure& failure) {
        return failure.fault();
    }
    for (const QString& each : folders) {
        for (const QString& name : FileNameBytes::fileNames(each)) {
            if (isInterruptedSave(FileNameBytes::readable(name)))
                FileNameBytes::remove(each + QLatin1Char('/') + name);
        }
    }
    return std::nullopt;
}

} // namespace AtomicWriter
