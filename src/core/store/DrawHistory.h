#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <memory>

#include "core/UserMessage.h"
#include "core/store/BackupFolder.h"
#include "core/store/ChangeLock.h"
#include "core/store/FileLock.h"
#include "core/store/HistoryFormat.h"

/** The six numbers of a draw, as entered; checked by the edits. */
using DrawNumbers = QList<int>;

/**
 * The draw history file KakoData.txt, opened for reading or for changing.
 *
 * Its folder is locked for as long as the object lives: readers side by side, one writer at a
 * time, and every change of files made while no reader reads. So the content is held in memory
 * and every read is served from there. Edits rewrite the whole file atomically, keep the version
 * they replace in the backup folder beside it, and change the memory copy only after the new
 * file is in place.
 */
class DrawHistory {
public:
    enum class Access { Read, Write };
    /** How long opening waits for another writer, or for a change being made, before it gives up. */
    static constexpr std::chrono::milliseconds kLockWait{10000};

    /**
     * Opens and checks the file; fails with a message naming the file (and the line) otherwise.
     * Opening finishes or undoes the changes of the folder that a crash interrupted.
     */
    static Result<std::unique_ptr<DrawHistory>> open(const QString& path, Access access = Access::Write,
                                                     std::chrono::milliseconds lockWait = kLockWait);
    ~DrawHistory();
    DrawHistory(const DrawHistory&) = delete;
    DrawHistory& operator=(const DrawHistory&) = delete;

    const QString& path() const { return m_path; }
    /**
     * What a reader found on opening and read around: a change cut short that it could not settle, or
     * a journal it set aside.
     */
    const std::optional<UserMessage>& openingNotice() const { return m_openingNotice; }

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
    /** The same for the text of a file, with messages that name it. */
    Result<FlagLines> checkImportFile(const QString& file) const;

    /** Replaces the history by checked import lines. */
    Status replaceAll(const FlagLines& lines);

    /** The folder "Backup" beside the file, where every change keeps the version it replaces. */
    BackupFolder backupFolder() const;
    /** The kept versions that undoLastChange() goes back to, newest first, or why the folder cannot be read. */
    Result<QList<BackupName>> backups() const;
    /** The kept version that an undo would put back, read and checked whole. */
    struct UndoStep {
        BackupName name;
        FlagLines lines;
        int drawCount() const { return int(lines[0].size()); }
    };
    /**
     * Reads the newest kept version and checks it: the history's layout, and as many draws as its
     * name says. Fails with a message naming the file, or when nothing is kept.
     */
    Result<UndoStep> nextUndo() const;
    /**
     * Puts the newest kept version back, checked as nextUndo() does; the present content is kept as
     * an undone version, so nothing is lost.
     */
    Status undoLastChange();

    /** The name that the kept versions of the history start with. */
    static QString backupBase() { return QStringLiteral("KakoData"); }

private:
    /** Who is told what went wrong in an import: the clipboard (no file) or a file. */
    Result<FlagLines> checkImportText(const QByteArray& text, const QString& file) const;

    DrawHistory(QString path, std::unique_ptr<FileLock> writerLock, std::unique_ptr<ChangeLock> changeLock,
                FlagLines lines);

    Status write(const FlagLines& lines);

    QString m_path;
    std::unique_ptr<FileLock> m_writerLock; // none for a reader
    std::unique_ptr<ChangeLock> m_changeLock;
    FlagLines m_lines;
    std::optional<UserMessage> m_openingNotice;
};
