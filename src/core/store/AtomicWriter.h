#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class FileLock;

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

/** Why a change of files failed: the file it failed on and the system's reason. */
struct WriteFault {
    QString path;
    QString reason;
};

/**
 * The one way the program changes its files. Every new content goes to a temporary file
 * "<file>.XXXXXX" beside its target, with every write, the sync and the close checked. A file that is
 * a symbolic link has its target replaced, and stays a link; a file without write permission is not
 * replaced. A change of several files is written down, before its first rename, in a journal
 * ".journal.txt" in the folder that holds them all; a crash after that point is finished by
 * finishInterruptedChanges(), one before it is undone, so the set is always wholly old or wholly new.
 * A failure while the program runs puts the old files back and removes the temporary ones.
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
 * holding it shared see each set of files wholly old or wholly new. None by default.
 */
void setChangeLock(FileLock* lock);

/** Whether a file name is a leftover of an interrupted change: "<name>.txt.XXXXXX". */
bool isInterruptedSave(const QString& fileName);

/** Whether a folder or one of its subfolders holds a journal or leftovers of an interrupted change. */
bool hasInterruptedChanges(const QString& folder);

/**
 * Finishes the change whose journal lies in a folder or one of its subfolders, then removes the
 * leftovers of changes that a crash interrupted there. Only for whoever may change the folder.
 */
std::optional<WriteFault> finishInterruptedChanges(const QString& folder);

} // namespace AtomicWriter
