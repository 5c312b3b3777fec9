#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "core/UserMessage.h"
#include "core/store/WriteFault.h"

class ChangeLock;

/** One file's part in a change of files: its new content, its removal, or its new name. */
struct FileChange {
    QString path;
    /** The new content; none when the file goes or moves. */
    std::optional<QByteArray> content;
    /** For a move: the file that takes the name path, as it is (a link stays a link). */
    QString movedFrom;
    /** The new file's permission bits; by default those of the file it replaces. */
    std::optional<unsigned> permissions;

    static FileChange write(QString path, QByteArray content) { return {std::move(path), std::move(content), {}, {}}; }
    static FileChange remove(QString path) { return {std::move(path), std::nullopt, {}, {}}; }
    static FileChange move(QString from, QString to) { return {std::move(to), std::nullopt, std::move(from), {}}; }

    FileChange withPermissions(std::optional<unsigned> bits) &&
    {
        permissions = bits;
        return std::move(*this);
    }
};

/**
 * The one way the program changes its files. Every new content goes to a spare file beside its
 * target (".<name>~XXXXXX.vemo-new"), with every write, the sync and the close checked. A file that
 * is a symbolic link has its target replaced, and stays a link; a file without write permission is
 * not replaced. A change of several files is recorded in a journal in the data folder once all its
 * new files and their folders are synced, and before its first rename (see ChangeJournal); the next
 * open settles a change that a crash cut short (see ChangeRecovery). A failure while the program runs
 * puts the old files back and removes the spare ones.
 */
namespace AtomicWriter {

/** Makes all the changes or none of them. */
std::optional<WriteFault> commit(const QList<FileChange>& changes);

/** Replaces one file (or creates it) with the content. */
inline std::optional<WriteFault> write(const QString& path, const QByteArray& content)
{
    return commit({FileChange::write(path, content)});
}

/** The permission bits of a file (through links); none when it cannot be read. */
std::optional<unsigned> permissionsOf(const QString& path);

/**
 * The lock that every change of this process holds exclusively while it is made, so that readers
 * holding it shared see each set of files wholly old or wholly new; its folder is where journals
 * go. None by default: then a journal goes in the folder that holds all the files.
 */
void setChangeLock(ChangeLock* lock);

/** The message for a fault: the caller's own when nothing changed, else one that says what happens next. */
UserMessage failureMessage(const WriteFault& fault, const UserMessage& whenUnchanged);

} // namespace AtomicWriter
