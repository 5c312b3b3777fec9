#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

#include "core/UserMessage.h"
#include "core/store/AtomicWriter.h"

/**
 * The name of one kept version of a file: "<base>_<yyyyMMdd-HHmmss-zzz>[_<n>draws][_undone].txt",
 * where base is the kept file's name without ".txt". Names of one base sort by time.
 */
struct BackupName {
    QString base;
    QDateTime savedAt;
    /** Draws in a kept history; none for other files. */
    std::optional<int> drawCount;
    /** A version that an undo replaced: kept, but never put back by undo. */
    bool undone = false;

    QString fileName() const;
    /** Reads a name made by fileName(); none for any other name. */
    static std::optional<BackupName> parse(const QString& fileName);
};

/**
 * The folder Vemo6Data/Backup, where each change of the history or of a registrant's prediction
 * file keeps the version it replaces, the newest kKept of each file. Undo puts the newest back.
 */
class BackupFolder {
public:
    /** Versions kept of each file, and undone versions of each file. */
    static constexpr int kKept = 20;

    explicit BackupFolder(QString folder) : m_folder(std::move(folder)) {}

    const QString& folder() const { return m_folder; }
    QString path(const BackupName& name) const { return m_folder + QLatin1Char('/') + name.fileName(); }

    /** The versions of a base that undo would use, newest first; a message naming the folder when it cannot be read. */
    Result<QList<BackupName>> backups(const QString& base) const;

    /**
     * The change that keeps a file's present content as its newest version (or as an undone one),
     * to be made together with the change of the file itself.
     */
    FileChange keep(const QString& base, const QByteArray& content, std::optional<int> drawCount,
                    bool undone = false) const;

    /**
     * Puts the newest version of a base back in the file's place, all or nothing: the version
     * leaves the list and the file's present content is kept as an undone version.
     */
    std::optional<WriteFault> restore(const BackupName& newest, const QByteArray& content, const QString& file,
                                      const QByteArray& present, std::optional<int> presentDrawCount,
                                      std::optional<unsigned> permissions) const;

    /** Removes all but the newest kKept versions of a base, and of its undone versions. */
    void prune(const QString& base) const;

    /** Reads a kept version; fails with a message naming it. */
    Result<QByteArray> read(const BackupName& name) const;

private:
    QList<BackupName> all(const QString& base) const;
    /** The versions of a base among a folder's file names, newest first. */
    static QList<BackupName> versionsOf(const QStringList& fileNames, const QString& base);

    QString m_folder;
};
