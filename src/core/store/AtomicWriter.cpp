#include "core/store/AtomicWriter.h"

#include <QDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "core/store/ChangeJournal.h"
#include "core/store/ChangeLock.h"
#include "core/store/ChangeRecovery.h"
#include "core/store/FileNameBytes.h"
#include "core/text/StoreText.h"

using namespace PosixFile;

namespace AtomicWriter {
namespace {

ChangeLock* s_changeLock = nullptr;

QByteArray absoluteBytes(const QString& path)
{
    return FileNameBytes::encode(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

QByteArray commonFolder(const QList<FileChange>& changes)
{
    QByteArray common = folderOf(absoluteBytes(changes.first().path));
    for (const FileChange& change : changes) {
        for (const QString& path : {change.path, change.movedFrom.isEmpty() ? change.path : change.movedFrom}) {
            while (!absoluteBytes(path).startsWith(common + '/') && common != "/")
                common = folderOf(common);
        }
    }
    return common;
}

// A change of several files keeps its journal in the data folder, whatever links its files are.
QByteArray journalFolderFor(const QList<FileChange>& changes)
{
    return s_changeLock && changes.size() > 1 ? absoluteBytes(s_changeLock->dataFolder()) : commonFolder(changes);
}

QByteArray nameIn(const QByteArray& folder, const QByteArray& path)
{
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    if (!path.startsWith(prefix))
        throw FileFault{path, EXDEV};
    return path.mid(prefix.size());
}

// A write goes to what a link points at, so that the link stays; a file nobody may write is left alone.
QByteArray writablePlace(const QByteArray& path)
{
    QByteArray place = ChangeJournal::placeOf(path);
    if (place.isEmpty())
        throw FileFault{path, ENOENT};
    struct stat status {};
    if (::stat(place.constData(), &status) != 0) {
        if (errno == ENOENT)
            return place;
        throw FileFault{path, errno};
    }
    if (S_ISDIR(status.st_mode))
        throw FileFault{path, EISDIR};
    // The mode bits speak even where the superuser could write anyway.
    if ((status.st_mode & 0222) == 0 || (::access(place.constData(), W_OK) != 0 && errno == EACCES))
        throw FileFault{path, EACCES};
    return place;
}

JournalEntry entryFor(const QByteArray& folder, const FileChange& change)
{
    const QByteArray path = absoluteBytes(change.path);
    if (change.content) {
        const QByteArray place = writablePlace(path);
        return {JournalEntry::Kind::Write,         nameIn(folder, path), {}, place, {}, {}, identityOf(place),
                identityOfContent(*change.content)};
    }
    if (!change.movedFrom.isEmpty()) {
        const QByteArray source = absoluteBytes(change.movedFrom);
        const Identity moved = identityOf(source);
        return {JournalEntry::Kind::Move, nameIn(folder, path), nameIn(folder, source), path, {}, {}, moved, moved};
    }
    return {JournalEntry::Kind::Remove, nameIn(folder, path), {}, path, {}, {}, identityOf(path), {}};
}

// The new contents and the kept old files, written and synced, and the folders that hold them synced
// before any journal names them: with the folder above, for a subfolder of the data folder that this
// change may have made (a link's target lies in a folder of the player's, made by nobody here).
void makeSpares(QList<JournalEntry>& entries, const QList<FileChange>& changes, const QByteArray& dataFolder)
{
    QList<QByteArray> folders;
    const QByteArray inside = resolved(dataFolder) + '/';
    const auto add = [&folders](const QByteArray& folder) {
        if (!folders.contains(folder))
            folders.append(folder);
    };
    for (qsizetype i = 0; i < entries.size(); ++i) {
        JournalEntry& entry = entries[i];
        if (entry.kind == JournalEntry::Kind::Write)
            entry.temporary = writeSpare(entry.place, *changes[i].content, changes[i].permissions);
        if (entry.kind != JournalEntry::Kind::Move && !entry.before.absent())
            entry.kept = keepSpare(entry.place);
        add(folderOf(entry.place));
        if (folderOf(entry.place).startsWith(inside))
            add(folderOf(folderOf(entry.place)));
    }
    for (const QByteArray& folder : folders)
        syncFolder(folder);
}

void removeSpares(const QList<JournalEntry>& entries)
{
    ChangeJournal(QByteArray(), entries).removeSpares();
}

/** Holds the change lock, if there is one, while a change is made. */
class ChangeLockScope {
public:
    ChangeLockScope() : m_held(!s_changeLock || s_changeLock->lockForChange()) {}
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

WriteFault faultOf(const FileFault& fault)
{
    return WriteFault{FileNameBytes::decode(fault.path), StoreText::systemReason(fault.error)};
}

// A change that an earlier failure of this run left pending is settled before the next one starts.
std::optional<WriteFault> settleEarlierChange()
{
    if (!s_changeLock)
        return std::nullopt;
    const QByteArray folder = absoluteBytes(s_changeLock->dataFolder());
    if (!exists(folder + '/' + ChangeJournal::journalName()) && !exists(folder + '/' + ChangeJournal::rollbackName()))
        return std::nullopt;
    const ChangeRecovery::Outcome outcome = ChangeRecovery::settle(s_changeLock->dataFolder());
    if (outcome.setAside)
        return WriteFault{s_changeLock->historyPath(), outcome.setAside->text};
    return outcome.fault;
}

// Puts every file in place; on a failure, puts every old file back. The spare files go once all is settled.
std::optional<WriteFault> carryOut(ChangeJournal& journal)
{
    std::optional<WriteFault> fault;
    try {
        journal.finish();
    } catch (const FileFault& failure) {
        fault = faultOf(failure);
        try {
            journal.rollBack();
        } catch (const FileFault&) {
            // The journal and the kept files stay for the next open to settle.
            fault->unchanged = false;
            return fault;
        }
    }
    journal.removeSpares();
    return fault;
}

} // namespace

std::optional<WriteFault> commit(const QList<FileChange>& changes)
{
    if (changes.isEmpty())
        return std::nullopt;
    const ChangeLockScope changeLock;
    if (!changeLock.held())
        return WriteFault{s_changeLock->historyPath(), StoreText::systemReason(EWOULDBLOCK)};
    if (auto fault = settleEarlierChange())
        return fault;
    const QByteArray folder = journalFolderFor(changes);
    QList<JournalEntry> entries;
    try {
        for (const FileChange& change : changes)
            entries.append(entryFor(folder, change));
        makeSpares(entries, changes, folder);
    } catch (const FileFault& failure) {
        removeSpares(entries);
        return faultOf(failure);
    }
    ChangeJournal journal(folder, entries);
    if (entries.size() > 1) {
        try {
            journal.write();
        } catch (const FileFault& failure) {
            removeSpares(entries);
            return faultOf(failure);
        }
    }
    return carryOut(journal);
}

std::optional<unsigned> permissionsOf(const QString& path)
{
    return PosixFile::permissionsOf(FileNameBytes::encode(path));
}

void setChangeLock(ChangeLock* lock)
{
    s_changeLock = lock;
}

UserMessage failureMessage(const WriteFault& fault, const UserMessage& whenUnchanged)
{
    return fault.unchanged ? whenUnchanged : StoreText::changeLeftUnsettled(fault.path, fault.reason);
}

} // namespace AtomicWriter
