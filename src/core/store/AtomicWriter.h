#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

/** One file's part in a change of files: its new content, or its removal. */
struct FileChange {
    QString path;
    /** The new content; none when the file goes. */
    std::optional<QByteArray> content;

    static FileChange write(QString path, QByteArray content) { return {std::move(path), std::move(content)}; }
    static FileChange remove(QString path) { return {std::move(path), std::nullopt}; }
};

/** Why a change of files failed: the file it failed on and the system's reason. */
struct WriteFault {
    QString path;
    QString reason;
};

/**
 * The one way the program changes its files. Every new content goes to a temporary file
 * "<file>.XXXXXX" beside its target, with every write, the sync and the close checked; the old
 * files are kept under such names until every new file is in place and its folder synced. Any
 * failure puts the old files back and removes the temporary ones, so a change happens to all of
 * its files or to none. A crash leaves each file old or new, never a mix; the leftovers it leaves
 * are removed by removeInterruptedSaves().
 */
namespace AtomicWriter {

/** Makes all the changes or none of them. */
std::optional<WriteFault> commit(const QList<FileChange>& changes);

/** Replaces one file (or creates it) with the content. */
inline std::optional<WriteFault> write(const QString& path, const QByteArray& content)
{
    return commit({FileChange::write(path, content)});
}

/** Whether a file name is a leftover of an interrupted change: "<name>.txt.XXXXXX". */
bool isInterruptedSave(const QString& fileName);

/** Removes from a folder the leftovers of changes that a crash interrupted. */
void removeInterruptedSaves(const QString& folder);

} // namespace AtomicWriter
