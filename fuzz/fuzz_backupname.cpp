// Any text given as a file name in the backup folder is a kept version's name or none, never a
// crash, and a name that reads gives back exactly that text. The other way round, every name the
// folder makes reads back as what made it, so no kept version is lost to undo or pruning; and no
// such name is taken for the leftover of an interrupted save.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdlib>
#include <cstring>

#include "core/store/AtomicWriter.h"
#include "core/store/BackupFolder.h"
#include "core/store/HistoryFormat.h"

namespace {

void checkRead(const QString& text)
{
    const bool leftover = AtomicWriter::isInterruptedSave(text);
    const auto name = BackupName::parse(text);
    if (!name)
        return;
    if (name->fileName() != text || name->base.isEmpty() || !name->savedAt.isValid() || leftover)
        std::abort();
    if (name->drawCount && (*name->drawCount < 0 || *name->drawCount > 99999))
        std::abort();
}

// Bytes 0 … 8: what keep() is given besides the base (the time from the clock, this century);
// the rest: the base.
void checkMade(QByteArrayView bytes)
{
    if (bytes.size() < 10)
        return;
    const auto flags = quint8(bytes[0]);
    quint64 raw = 0;
    std::memcpy(&raw, bytes.data() + 1, sizeof raw);
    static const qint64 from = QDateTime(QDate(2000, 1, 1), QTime(0, 0)).toMSecsSinceEpoch();
    static const qint64 span = QDateTime(QDate(2100, 1, 1), QTime(0, 0)).toMSecsSinceEpoch() - from;

    BackupName made;
    made.base = QString::fromUtf8(bytes.sliced(9));
    made.savedAt = QDateTime::fromMSecsSinceEpoch(from + qint64(raw % quint64(span)));
    if (flags & 1)
        made.drawCount = int((raw >> 48) % (kMaxDraws + 1));
    made.undone = (flags & 2) != 0;

    const QString fileName = made.fileName();
    const auto read = BackupName::parse(fileName);
    if (!read || read->base != made.base || read->drawCount != made.drawCount || read->undone != made.undone
        || read->fileName() != fileName || AtomicWriter::isInterruptedSave(fileName))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    checkRead(QString::fromUtf8(bytes));
    checkRead(QString::fromLatin1(bytes));
    checkMade(bytes);
    return 0;
}
