#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

#include "core/store/PosixFile.h"

/** One file's part in a change of several, as the journal records it. */
struct JournalEntry {
    enum class Kind : char { Write = 'W', Remove = 'R', Move = 'M' };

    Kind kind;
    /** The file's name in the data folder, relative to it; for a move, its new name. */
    QByteArray name;
    /** A move's old name in the data folder. */
    QByteArray source;
    /** Where a write lands: the file itself, or what a link points at. */
    QByteArray place;
    /** The new content beside its place, and the old file kept beside it; empty when there is none. */
    QByteArray temporary;
    QByteArray kept;
    /** What the file held before the change and holds after it. */
    PosixFile::Identity before;
    PosixFile::Identity after;
};

/**
 * The record of a change of several files, ".journal.txt" in the data folder, written once every new
 * file and every folder holding one is synced, and before the first rename. It names each file by its
 * place in the data folder and what it held before and after, so that the next open can tell a
 * change cut short from one finished and from a file changed since: it finishes the first, leaves the
 * second, and sets the record aside in the third case. A change that fails is first marked as going
 * back (".journal.rollback.txt"), so that a crash on the way back goes on back.
 */
class ChangeJournal {
public:
    enum class Direction { Forward, Back };

    ChangeJournal(QByteArray dataFolder, QList<JournalEntry> entries)
        : m_folder(std::move(dataFolder)), m_entries(std::move(entries))
    {
    }

    const QList<JournalEntry>& entries() const { return m_entries; }

    /** Puts the journal in place, synced, before the first rename. */
    void write();
    /** Puts every new file in place, syncs, and takes the journal away; throws on the first failure. */
    void finish();
    /**
     * Marks the journal as going back (a change of one file has none), then puts every old file back;
     * throws when one cannot go back.
     */
    void rollBack();
    /** Removes the new and the kept files the change left; what fails to go is removed at the next open. */
    void removeSpares() const;

    /** Takes on the journal file of that name found in the data folder. */
    void adoptFile(const QByteArray& name) { m_onDisk = name; }

    /** Whether every file is in a state this direction can start from. */
    bool canGo(Direction direction) const;

    static QByteArray journalName() { return QByteArrayLiteral(".journal.txt"); }
    static QByteArray rollbackName() { return QByteArrayLiteral(".journal.rollback.txt"); }

    /** The journal's text. */
    QByteArray text() const;
    /** Reads a journal's text; none unless every line is sound and names only places in the data folder. */
    static std::optional<ChangeJournal> parse(const QByteArray& dataFolder, const QByteArray& text);
    /** The new and kept files a journal's text names, read leniently: recovery keeps them when it is set aside. */
    static QList<QByteArray> sparesNamedIn(const QByteArray& dataFolder, const QByteArray& text);

    /** Where a write to a name in the data folder lands: a link's target, else the file in its real folder. */
    static QByteArray placeOf(const QByteArray& lexicalPath);

private:
    QByteArray path(const QByteArray& name) const { return m_folder + '/' + name; }
    QByteArray relativePlace(const QByteArray& place) const;
    void goForward(const JournalEntry& entry) const;
    void goBack(const JournalEntry& entry) const;
    void syncTouchedFolders() const;
    void removeJournal(const QByteArray& name) const;

    QByteArray m_folder;
    QList<JournalEntry> m_entries;
    /** The journal's name in the data folder while it is there; empty for a change of one file. */
    QByteArray m_onDisk;
};
