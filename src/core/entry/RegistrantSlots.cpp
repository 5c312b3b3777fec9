#include "core/entry/RegistrantSlots.h"

#include <QStringEncoder>

#include <algorithm>

#include "core/store/FileNameBytes.h"
#include "core/text/EntryText.h"

namespace {

// The file as it is, broken or not: it moves or goes to the backups whole.
Result<QByteArray> readBytes(const QString& path)
{
    FileNameBytes::Content content = FileNameBytes::read(path);
    if (!content.bytes)
        return EntryText::registrantFileFailed(FileNameBytes::readable(path), content.reason);
    return std::move(*content.bytes);
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
    return PredictionFile(findRegistrantFile(m_paths, slot, name(slot)), backups);
}

Status RegistrantSlots::checkName(const QString& name)
{
    if (name.isEmpty())
        return EntryText::registrantNameEmpty();
    // Blanks alone make a name nobody can tell from an empty one, in the list or as a file.
    if (name.trimmed().isEmpty())
        return EntryText::registrantNameBlank();
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
    const QString current = findRegistrantFile(m_paths, slot, m_names[slot - 1]);
    // The same name keeps its file, even one named in Shift-JIS; a new name is written in UTF-8.
    const QString target =
        isRegistered(slot) && name == m_names[slot - 1] ? current : m_paths.registrantFile(slot, name);
    QList<FileChange> changes;
    if (isRegistered(slot) && target != current && FileNameBytes::exists(current)) {
        if (FileNameBytes::exists(target))
            return EntryText::registrantFileExists(target);
        // The file itself takes the new name, its mode with it, and a link stays a link.
        changes = {FileChange::move(current, target)};
    } else if (!FileNameBytes::exists(target)) {
        changes = {FileChange::write(target, QByteArray())};
    }
    if (auto fault = AtomicWriter::commit(changes))
        return AtomicWriter::failureMessage(
            *fault, EntryText::registrantFileFailed(FileNameBytes::readable(fault->path), fault->reason));
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
    if (FileNameBytes::exists(file.path())) {
        const Result<QByteArray> bytes = readBytes(file.path());
        if (!bytes.ok())
            return bytes.error();
        changes = {backups.keep(file.backupBase(), bytes.value(), std::nullopt)
                       .withPermissions(AtomicWriter::permissionsOf(file.path())),
                   FileChange::remove(file.path())};
    }
    if (auto fault = AtomicWriter::commit(changes))
        return AtomicWriter::failureMessage(
            *fault, EntryText::registrantFileFailed(FileNameBytes::readable(fault->path), fault->reason));
    backups.prune(file.backupBase());
    m_names[slot - 1].clear();
    return std::nullopt;
}
