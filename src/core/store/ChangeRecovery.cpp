#include "core/store/ChangeRecovery.h"

#include <QDateTime>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "core/store/ChangeJournal.h"
#include "core/store/FileNameBytes.h"
#include "core/text/StoreText.h"

using namespace PosixFile;

namespace ChangeRecovery {
namespace {

// A journal of the 40 result files is a few kilobytes; anything far larger is no journal of ours.
constexpr qint64 kMaxJournalBytes = qint64(1024) * 1024;
const QByteArray kSetAsidePrefix = QByteArrayLiteral("journal-set-aside-");

/** The data folder and its real subfolders: a linked subfolder is not the data folder's. */
QList<QByteArray> foldersOf(const QByteArray& root)
{
    QList<QByteArray> folders{root};
    for (const QByteArray& name : namesIn(root)) {
        if (isRealFolder(root + '/' + name))
            folders.append(root + '/' + name);
    }
    return folders;
}

/** The spare files that a set-aside journal names are kept for whoever looks into it. */
QList<QByteArray> namedBySetAsideJournals(const QByteArray& root)
{
    QList<QByteArray> spares;
    for (const QByteArray& name : namesIn(root)) {
        if (!name.startsWith(kSetAsidePrefix))
            continue;
        const FileNameBytes::Content text =
            FileNameBytes::read(FileNameBytes::decode(root + '/' + name), kMaxJournalBytes);
        spares += ChangeJournal::sparesNamedIn(root, text.bytes.value_or(QByteArray()));
    }
    return spares;
}

/** The writer's spare files in the data folder and beside the targets of its links, but for those kept. */
QList<QByteArray> strays(const QByteArray& root)
{
    const QList<QByteArray> kept = namedBySetAsideJournals(root);
    QList<QByteArray> found;
    const auto add = [&found, &kept](const QByteArray& path) {
        if (!kept.contains(path) && !found.contains(path))
            found.append(path);
    };
    for (const QByteArray& folder : foldersOf(root)) {
        for (const QByteArray& name : namesIn(folder)) {
            const QByteArray path = folder + '/' + name;
            if (isSpareName(name))
                add(path);
            const QByteArray target = isLink(path) ? resolved(path) : QByteArray();
            for (const QByteArray& beside : target.isEmpty() ? QList<QByteArray>() : namesIn(folderOf(target))) {
                if (isSpareOf(beside, baseName(target)))
                    add(folderOf(target) + '/' + beside);
            }
        }
    }
    return found;
}

QByteArray freeSetAsideName(const QByteArray& root)
{
    const QByteArray stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    QByteArray name = kSetAsidePrefix + stamp + ".txt";
    for (int n = 2; exists(root + '/' + name); ++n)
        name = kSetAsidePrefix + stamp + '-' + QByteArray::number(n) + ".txt";
    return name;
}

UserMessage setAside(const QByteArray& root, const QByteArray& journal, const QString& reason)
{
    const QByteArray aside = root + '/' + freeSetAsideName(root);
    if (::rename(journal.constData(), aside.constData()) != 0)
        throw FileFault{journal, errno};
    syncFolder(root);
    return StoreText::journalSetAside(FileNameBytes::readable(FileNameBytes::decode(aside)), reason);
}

/** Why a journal cannot be read as one; empty when it can, with its text. */
QString readJournal(const QByteArray& path, QByteArray& text)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return StoreText::systemReason(errno);
    if (!S_ISREG(status.st_mode))
        return StoreText::reasonNotRegularFile(S_ISDIR(status.st_mode), S_ISFIFO(status.st_mode));
    const FileNameBytes::Content content = FileNameBytes::read(FileNameBytes::decode(path), kMaxJournalBytes);
    if (!content.bytes)
        return content.reason;
    text = *content.bytes;
    return QString();
}

std::optional<UserMessage> settleJournal(const QByteArray& root, const QByteArray& name,
                                         ChangeJournal::Direction direction)
{
    const QByteArray path = root + '/' + name;
    if (!exists(path))
        return std::nullopt;
    QByteArray text;
    const QString unreadable = readJournal(path, text);
    if (!unreadable.isEmpty())
        return setAside(root, path, unreadable);
    std::optional<ChangeJournal> journal = ChangeJournal::parse(root, text);
    if (!journal)
        return setAside(root, path, StoreText::reasonJournalDamaged());
    journal->adoptFile(name);
    if (direction == ChangeJournal::Direction::Forward && journal->canGo(ChangeJournal::Direction::Forward))
        journal->finish();
    else if (journal->canGo(ChangeJournal::Direction::Back))
        journal->rollBack();
    else
        return setAside(root, path, StoreText::reasonJournalOverChangedFiles());
    journal->removeSpares();
    return std::nullopt;
}

} // namespace

bool pending(const QString& dataFolder)
{
    const QByteArray root = FileNameBytes::encode(dataFolder);
    return exists(root + '/' + ChangeJournal::journalName()) || exists(root + '/' + ChangeJournal::rollbackName())
           || !strays(root).isEmpty();
}

Outcome settle(const QString& dataFolder)
{
    const QByteArray root = FileNameBytes::encode(dataFolder);
    Outcome outcome;
    try {
        // A change on its way back goes on back; one whose journal is in place goes on forward if it can.
        outcome.setAside = settleJournal(root, ChangeJournal::rollbackName(), ChangeJournal::Direction::Back);
        if (const auto aside = settleJournal(root, ChangeJournal::journalName(), ChangeJournal::Direction::Forward))
            outcome.setAside = aside;
        for (const QByteArray& stray : strays(root))
            ::unlink(stray.constData());
    } catch (const FileFault& fault) {
        outcome.fault = WriteFault{FileNameBytes::decode(fault.path), StoreText::systemReason(fault.error)};
    }
    return outcome;
}

} // namespace ChangeRecovery
