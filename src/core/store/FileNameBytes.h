#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

/**
 * File names on Linux are bytes, and a data folder from the Windows program names the registrants'
 * files in Shift-JIS, which is not UTF-8: Qt's own file classes skip such names or cannot reach
 * them. The program's paths therefore keep every byte that is not part of valid UTF-8 as the lone
 * surrogate U+DC00 + byte, so a path read from a folder names the very same file again. Every file
 * the core reads, writes, lists or removes by a path that may come from a folder goes through here.
 */
namespace FileNameBytes {

/** The bytes of a path: UTF-8, with each kept byte put back. */
QByteArray encode(const QString& path);
/** A path from its bytes, without loss. */
QString decode(const QByteArray& bytes);

/**
 * A path as the user reads it: each part of it that is not UTF-8 is read as Shift-JIS (code page
 * 932), the Windows program's encoding.
 */
QString readable(const QString& path);

/** The names of the files in a folder (no folders), in byte order. Empty when it cannot be read. */
QStringList fileNames(const QString& folder);
/** The files of a folder as fileNames() has them, or why the folder cannot be read; a missing folder holds none. */
struct Listing {
    QStringList names;
    QString reason;
};
Listing listFiles(const QString& folder);
/** The names of the folders in a folder, in byte order. */
QStringList folderNames(const QString& folder);

bool exists(const QString& path);
/** Removes a file; true when it is gone. */
bool remove(const QString& path);

/** The largest file the program reads: far above the largest history or prediction file. */
constexpr qint64 kMaxFileBytes = qint64(8) * 1024 * 1024;

/** A whole file, or the reason why it could not be read. */
struct Content {
    std::optional<QByteArray> bytes;
    QString reason;
};
/**
 * Reads a regular file of at most maxBytes. Anything else (a folder, a named pipe, a device) is
 * refused at once, without waiting for it, and so is a larger file.
 */
Content read(const QString& path, qint64 maxBytes = kMaxFileBytes);

} // namespace FileNameBytes
