#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

/**
 * The system calls under the one writer, each checked, on paths as bytes. A failed call throws
 * FileFault; the writer turns it into the message.
 */
namespace PosixFile {

/** A failed call: the file it was about and the system's error number. */
struct FileFault {
    QByteArray path;
    int error;
};

/** What a file held: its size and a hash of its bytes, or that it was not there. */
struct Identity {
    qint64 size = -1;
    QByteArray sha256;

    bool absent() const { return size < 0; }
    bool operator==(const Identity& other) const = default;
    /** "-" for a missing file, else "<size>:<hash in hex>". */
    QByteArray text() const;
    static std::optional<Identity> parse(const QByteArray& text);
};

QByteArray folderOf(const QByteArray& path);
QByteArray baseName(const QByteArray& path);
/** Whether a name is there at all: a file, a folder or a link, broken or not. */
bool exists(const QByteArray& path);
/** Whether a name is a folder and not a link to one. */
bool isRealFolder(const QByteArray& path);
/** The names in a folder, "." and ".." left out; empty when it cannot be read. */
QList<QByteArray> namesIn(const QByteArray& folder);
/** Whether a name is a symbolic link. */
bool isLink(const QByteArray& path);
/** The place a path names, every link on the way resolved; empty when some part is missing. */
QByteArray resolved(const QByteArray& path);

/** Reads what a file holds now (through a link); a missing file is absent. */
Identity identityOf(const QByteArray& path);
Identity identityOfContent(const QByteArray& content);

void syncFolder(const QByteArray& folder);

/**
 * The names the writer gives its own files beside a target: ".<name>~XXXXXX.vemo-new" for a new
 * content, ".<name>~XXXXXX.vemo-old" for the old one kept until the change is final. Nobody else
 * makes such names, so they are the only files that recovery removes.
 */
enum class Spare { New, Old };
bool isSpareName(const QByteArray& name);
bool isSpareOf(const QByteArray& name, const QByteArray& targetName);

/** Writes, syncs and closes a new file beside the target; the permissions default to the target's. */
QByteArray writeSpare(const QByteArray& target, const QByteArray& content, std::optional<unsigned> permissions);
/** A second name for the target's present file (a copy, synced, where the file system has no links). */
QByteArray keepSpare(const QByteArray& target);

/** The permission bits of a file (through links); none when it cannot be read. */
std::optional<unsigned> permissionsOf(const QByteArray& path);

} // namespace PosixFile
