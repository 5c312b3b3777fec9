#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/UserMessage.h"

/**
 * Texts of the data store: the installation folder, the draw history, its edits and its import.
 * The program's own wording, used as it stands by the GUI and the command-line front end.
 */
namespace StoreText {

/** Menu text of the information item that shows the last draw number. */
QString lastDrawMenu(int drawCount);

/** The short notes after a change of the history: draw appended, draw modified, draw deleted, history undone. */
QString drawAppendedNote(int draw);
QString drawModifiedNote(int draw);
QString drawDeletedNote(int draw);
QString undoneNote(int drawCount);

/** Fewer or more than six numbers chosen for a draw. */
UserMessage notSixNumbers();
/** A chosen number outside 1 … 43. */
UserMessage numberOutOfRange(int number);
/** A number chosen twice. */
UserMessage repeatedNumber(int number);
/** Confirmation before a stored draw is overwritten; drawText is the draw number field as typed. */
UserMessage confirmModify(const QString& drawText);
/** Confirmation before the newest draw is removed. */
UserMessage confirmDeleteLast(int drawCount);
/** A draw number that names no stored draw. */
UserMessage noSuchDraw(const QString& drawText, int drawCount);
/** Delete asked for while the history holds no draw. */
UserMessage nothingToDelete();
/** An edit or import would take the history past its largest size. */
UserMessage historyFull(int maxDraws);
/** A stored draw holding one to five numbers. */
UserMessage drawNotSixNumbers(int found);

/** The history file could not be opened or read; the text says what to do (the copies in Backup). */
UserMessage historyUnreadable(const QString& path, const QString& reason);
/** The data folder, which holds the history, does not exist; the text says how to name another. */
UserMessage installFolderMissing(const QString& folder);
/** Another program holds the history file. */
UserMessage historyLocked(const QString& path);
/** The history file breaks its layout at the given line (1-based). */
UserMessage historyMalformed(const QString& path, int line, const QString& reason);
/** Writing the history file failed; the old content is kept. */
UserMessage historyWriteFailed(const QString& path, const QString& reason);

/** The system's reason for a failed file operation, from its error number. */
QString systemReason(int error);
/** The same for a failed read: a permission refused is one to read, not to write. */
QString readFailedReason(int error);
/** Why something that is not a plain file was not read. */
QString reasonNotRegularFile(bool isFolder, bool isPipe);
/** Why a file larger than the program reads was not read. */
QString reasonFileTooLarge(qint64 maxBytes);

/** Undo asked for while no change of the history is kept. */
UserMessage nothingToUndo();
/** The folder of the kept versions is there but cannot be read, so what undo would go back to is unknown. */
UserMessage backupFolderUnreadable(const QString& path, const QString& reason);
/** A kept version of a file could not be read or is broken. */
UserMessage backupUnreadable(const QString& path, const QString& reason);
/** Why a kept version of the history is not put back: a broken line, or a draw count its name does not say. */
QString reasonBackupLine(int line, const QString& reason);
QString reasonBackupCount(int named, int held);
/** Confirmation before the history goes back to a kept version of drawCount draws saved at that time. */
UserMessage confirmUndo(int drawCount, const QDateTime& savedAt);

/** Reasons for a malformed history, used in the messages above and in the import messages. */
QString reasonLineCount(int lines);
QString reasonTag(int line);
QString reasonLength();
QString reasonCharacters();
QString reasonTooManyDraws(int maxDraws);
QString reasonLockFailed(const QString& systemReason);

/** Clipboard import. */
UserMessage clipboardEmpty();
UserMessage clipboardWrongTag();
UserMessage clipboardOlder();
UserMessage clipboardMalformed(int line, const QString& reason);
UserMessage confirmImport();
UserMessage importDone();
/** Pasted text longer than any history of the largest size could be. */
UserMessage clipboardTooLarge(int maxDraws);
/** A pasted draw (1 = oldest) that does not hold six numbers. */
UserMessage clipboardDrawNotSixNumbers(int draw, int found);

/** The main-number update guide: its six steps and two notes, top to bottom, and its two buttons. */
QStringList updateGuideLines();
QString updateGuideImportButton();
QString updateGuideCancelButton();

/** A file given for import could not be read. */
UserMessage importFileUnreadable(const QString& path, const QString& reason);
/** The import from a file: the same checks as the clipboard's, speaking of the file. */
UserMessage importFileEmpty(const QString& path);
UserMessage importFileWrongTag(const QString& path);
UserMessage importFileOlder(const QString& path);
UserMessage importFileMalformed(const QString& path, int line, const QString& reason);
UserMessage importFileTooLarge(const QString& path, int maxDraws);
UserMessage importFileDrawNotSixNumbers(const QString& path, int draw, int found);

/** The installation folder could not be prepared, and the system's reason. */
UserMessage installFolderFailed(const QString& path, const QString& reason);
/** Why the folder could not be made: the bundled sample is missing. */
QString reasonNoSample(const QString& sampleFolder);

/** A change that a crash interrupted could not be finished. */
UserMessage interruptedChangeFailed(const QString& path, const QString& reason);
/** A reader found a change cut short that only a writer of the folder can settle; it reads on. */
UserMessage interruptedChangeLeft(const QString& folder);
/** The journal of a change cut short could not be obeyed and was set aside under the name given. */
UserMessage journalSetAside(const QString& path, const QString& reason);
/** Why a journal was set aside: it is not one of ours, or names places outside the data folder. */
QString reasonJournalDamaged();
/** Why a journal was set aside: a file it names was changed after it was written. */
QString reasonJournalOverChangedFiles();
/** A change failed and a second failure stopped the way back: the next open settles it. */
UserMessage changeLeftUnsettled(const QString& path, const QString& reason);
/** The note of a command or window that waits for another program to be done with the history. */
QString waitingForOtherProgram(const QString& path);
/** What the bundled example history is, wherever it is shown. */
QString exampleHistoryNote();

} // namespace StoreText
