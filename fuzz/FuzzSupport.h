// Files for the targets that read through the file system.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "core/store/DrawHistory.h"

namespace fuzz {

/**
 * A folder for the whole run, in memory where the system has one: every save syncs its file, which
 * on a disk would slow each run down to the disk's pace.
 */
inline QString scratchFolder()
{
    static const QTemporaryDir dir = [] {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        const QString parent = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
        return QTemporaryDir(parent + QStringLiteral("/vemo-fuzz-XXXXXX"));
    }();
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

inline QString writeScratchFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = scratchFolder() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        std::abort();
    return path;
}

/** A history written with the lines and opened; any failure ends the run. */
inline std::unique_ptr<DrawHistory> openHistory(const QString& relativePath, const FlagLines& lines)
{
    auto opened = DrawHistory::open(writeScratchFile(relativePath, HistoryFormat::serialize(lines)));
    if (!opened.ok())
        std::abort();
    return std::move(opened).value();
}

} // namespace fuzz
