#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

#include "UserMessage.h"
#include "store/BackupFolder.h"
#include "store/FileLock.h"
#include "store/HistoryFormat.h"

/** The six numbers of a draw, as entered; checked by the edits. */
using DrawNumbers = QList<int>;

/**
 * The draw history file KakoData.txt, opened for exclusive use.
 *
 * The file is locked for as long as the object lives, so its content is held in memory and
 * every read is served from there. Edits rewrite the whole file atomically, keep the version
 * they replace in the backup folder beside it, and change the memory copy only after the new
 * file is in place.
 */
class DrawHistory {
public:
    /** Opens and checks the file; fails with a message naming the file (and the line) otherwise. */
    static Result<std::unique_ptr<DrawHistory>> open(const QString& path);

    const QString& path() const { return m_path; }

    /** Number of draws; the newest draw is number drawCount(). */
    int drawCount() const { return int(m_lines[0].size()); }

    /** The flags of a number (1 … 43), newest draw first. */
    QByteArray readHitString(int number) const;

    /** The flag of a number in draw k (1 = oldest): '0' or '1'; 0 outside 1 … drawCount(). */
    char readFlag(int number, int draw) const;

    /** Whether a number was drawn in draw k; false outside 1 … drawCount(). */
    bool isHit(int number, int draw) const { return readFlag(number, draw) == '1'; }

    /** Adds a draw after the newest. */
    Status appendDraw(const DrawNumbers& numbers);

    /** Overwrites draw 1 … drawCount(); drawText is the draw number as the user typed it. */
    Status modifyDraw(const QString& drawText, const DrawNumbers& numbers);

    /** Removes the newest draw. */
    Status deleteLastDraw();

    /** The 43 ticks of draw n; all clear outside 1 … drawCount(). */
    std::array<bool, kNumberCount> drawSelection(int draw) const;

    /**
     * Checks pasted history text as the import does, without writing: the tag of line 1, the
     * size, the layout, six numbers in every draw, a draw count larger than the present one and
     * within the limit.
     */
    Result<FlagLines> checkImport(const QByteArray& text) const;

    /** Replaces the history by checked import lines. */
    Status replaceAll(const FlagLines& lines);

    /** The folder "Backup" beside the file, where every change keeps the version it replaces. */
    BackupFolder backupFolder() const;
    /** The kept versions that undoLastChange() goes back to, newest first. */
    QList<BackupName> backups() const;
    /**
     * Puts the newest kept version back; the present content is kept as an undone version, so
     * nothing is lost. A kept version that breaks the layout is refused.
     */
    Status undoLastChange();

    /** The name that the kept versions of the history start with. */
    static QString backupBase() { return QStringLiteral("KakoData"); }

private:
    DrawHistory(QString path, std::unique_ptr<FileLock> lock, FlagLines lines);

    Status write(const FlagLines& lines);

    QString m_path;
    std::unique_ptr<FileLock> m_lock;
    FlagLines m_lines;
};
