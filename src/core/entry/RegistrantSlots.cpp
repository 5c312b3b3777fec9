#include "entry/RegistrantSlots.h"

#include <QFile>
#include <QStringEncoder>

#include <algorithm>

#include "text/EntryText.h"

namespace {

// The file as it is, broken or not: it moves or goes to the backups whole.
Result<QByteArray> readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return EntryText::registrantFileFailed(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return EntryText::registrantFileFailed(path, file.errorString());
    return bytes;
}

} // namespace

RegistrantSlots::RegistrantSlots(InstallPaths paths)
    : m_paths(std::move(paths)), m_names(scanRegistrants(m_paths.predictionFolder()))
{
}

QString RegistrantSlots::name(int slot) const
{
    return isSlot(slot) ? m_names[slot - 1] : QString();
}

PredictionFile RegistrantSlots::predictionFile(int slot) const
{
    const BackupFolder backups(m_paths.backupFolder());
    if (!isRegistered(slot))
        return PredictionFile(m_paths.sampleFile(), backups);
    return PredictionFile(m_paths.registrantFile(slot, name(slot)), backups);
}

Status RegistrantSlots::checkName(const QString& name)
{
    if (name.isEmpty())
        return EntryText::registrantNameEmpty();
    QStringEncoder encoder("Shift_JIS");
    const QByteArray bytes = encoder.encode(name);
    const bool unsafeCharacter = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c.category() == QChar::Other_Control;
    });
    if (!encoder.isValid() || encoder.hasError() || unsafeCharacter || name == QStringLiteral(".")
        || name == QStringLiteral(".."))
        return EntryText::registrantNameUnsafe(name);
    if (bytes.size() > kMaxNameBytes)
        return EntryText::registrantNameTooLong(name);
    return std::nullopt;
}

Status RegistrantSlots::setName(int slot, const QString& name)
{
    if (!isSlot(slot))
        return EntryText::registrantNotRegistered(slot);
    if (auto fault = checkName(name))
        return fault;
    const QString target = m_paths.registrantFile(slot, name);
    const QString current = m_paths.registrantFile(slot, m_names[slot - 1]);
    QList<FileChange> changes;
    if (isRegistered(slot) && target != current && QFile::exists(current)) {
        if (QFile::exists(target))
            return EntryText::registrantFileExists(target);
        // The predictions move to the new name in one change: both names never hold them at once.
        const Result<QByteArray> bytes = readBytes(current);
        if (!bytes.ok())
            return bytes.error();
        changes = {FileChange::write(target, bytes.value()), FileChange::remove(current)};
    } else if (!QFile::exists(target)) {
        changes = {FileChange::write(target, QByteArray())};
    }
    if (auto fault = AtomicWriter::commit(changes))
        return EntryText::registrantFileFailed(fault->path, fault->reason);
    m_names[slot - 1] = name;
    return std::nullopt;
}

Status RegistrantSlots::remove(int slot)
{
    if (!isRegistered(slot))
        return EntryText::registrantNotRegistered(slot);
    const PredictionFile file = predictionFile(slot);
    const BackupFolder backups(m_paths.backupFolder());
    QList<FileChange> changes;
    // The predictions stay in the backup folder. A file already deleted by someone else frees the
    // slot just the same.
    if (QFile::exists(file.path())) {
        const Result<QByteArray> bytes = readBytes(file.path());
        if (!bytes.ok())
            return bytes.error();
        changes = {backups.keep(file.backupBase(), bytes.value(), std::nullopt), FileChange::remove(file.path())};
    }
    if (auto fault = AtomicWriter::commit(changes))
        return EntryText::registrantFileFailed(fault->path, fault->reason);
    backups.prune(file.backupBase());
    m_names[slot - 1].clear();
    return std::nullopt;
}
