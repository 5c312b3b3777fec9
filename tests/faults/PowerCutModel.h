#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QStringList>

/**
 * What a power cut may leave of a folder tree that a program was changing, from the calls the fault
 * library recorded (VEMO_FAULT_RECORD), under the POSIX rules:
 * - a name made, moved or removed in a folder lasts only once that folder is synced through a descriptor
 *   of its own; until then any number of a folder's latest name changes may be lost, but never an earlier
 *   one while a later one of that folder stays;
 * - a file's bytes last as of its last fsync or fdatasync; a file whose later bytes are lost holds what it
 *   held at that sync, or nothing when it never was synced. Nothing in between: a write is not torn.
 * A hard link is a second name of the same file.
 */
namespace PowerCut {

/** One name in a folder tree. */
struct Entry {
    enum class Type { File, Folder, Link };
    Type type = Type::File;
    QByteArray content; // a file's bytes, a link's target
    int inode = 0;      // names with one inode are one file
};

/** A folder tree by path relative to its root, folders included and lock files left out. */
using Tree = QMap<QString, Entry>;

Tree readTree(const QString& root);
/** Makes root hold exactly this tree, hard links as links; false when it cannot. */
bool writeTree(const Tree& tree, const QString& root);
/** How found differs from expected in names, kinds and contents (not in which names share a file). */
QStringList differences(const Tree& expected, const Tree& found);

/** One recorded call, its paths relative to the root. */
struct Call {
    enum class Kind {
        Create,
        Open,
        Truncate,
        Write,
        Sync,
        SyncFolder,
        Close,
        Rename,
        Exchange,
        Link,
        Remove,
        MakeFolder,
        Symlink
    };
    Kind kind = Kind::Close;
    QByteArray word;   // as the record names the call
    QByteArray file;   // device:inode of a call on a descriptor
    qint64 number = 0; // a write's offset, a truncation's length
    QByteArray bytes;  // a write's bytes, a link's target
    QString path;
    QString target; // where a rename or link goes

    /** Whether the call moves or links a file: a change being finished or undone. */
    bool movesFiles() const { return kind == Kind::Rename || kind == Kind::Exchange || kind == Kind::Link; }
    QString label() const;
};

/** The calls of a record that concern the tree at root (a canonical path); a line it cannot read goes to errors. */
QList<Call> readRecord(const QByteArray& record, const QString& root, QStringList& errors);

/** The tree the calls leave when no power is cut, for telling whether the record missed a change. */
Tree replayed(const Tree& start, const QList<Call>& calls, QStringList& errors);

/** A tree a power cut may leave, and how it came about. */
struct CrashState {
    Tree tree;
    int call = 0;        // the number of calls made before the cut
    QStringList dropped; // what the cut took of the calls
};

/**
 * Every tree the rules allow at every point of the calls made from start, except those already seen,
 * which a new one joins; calls the model cannot follow go to errors.
 */
QList<CrashState> crashStates(const Tree& start, const QList<Call>& calls, QSet<QByteArray>& seen, QStringList& errors);

} // namespace PowerCut
