#include "core/store/BackupFolder.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

#include "core/store/FileNameBytes.h"
#include "core/text/StoreText.h"

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

} // namespace

QString BackupName::fileName() const
{
    QString name = base + QLatin1Char('_') + savedAt.toString(kStampFormat);
    if (drawCount)
        name += QStringLiteral("_%1draws").arg(*drawCount);
    if (undone)
        name += QStringLiteral("_undone");
    return name + QStringLiteral(".txt");
}

std::optional<BackupName> BackupName::parse(const QString& fileName)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral(
                                                "(.+)_(\\d{8}-\\d{6}-\\d{3})(?:_(\\d{1,5})draws)?(_undone)?\\.txt")),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    BackupName name;
    name.base = match.captured(1);
    name.savedAt = QDateTime::fromString(match.captured(2), kStampFormat);
    if (!name.savedAt.isValid())
        return std::nullopt;
    if (match.hasCaptured(3))
        name.drawCount = match.captured(3).toInt();
    name.undone = match.hasCaptured(4);
    // Only the name this gives back is one of ours.
    if (name.fileName() != fileName)
        return std::nullopt;
    return name;
}

QList<BackupName> BackupFolder::versionsOf(const QStringList& fileNames, const QString& base)
{
    QList<BackupName> names;
    for (const QString& entry : fileNames) {
        if (auto name = BackupName::parse(entry); name && name->base == base)
            names.append(*name);
    }
    std::sort(names.begin(), names.end(),
              [](const BackupName& a, const BackupName& b) { return a.savedAt > b.savedAt; });
    return names;
}

QList<BackupName> BackupFolder::all(const QString& base) const
{
    return versionsOf(FileNameBytes::fileNames(m_folder), base);
}

Result<QList<BackupName>> BackupFolder::backups(const QString& base) const
{
    // A folder that cannot be read must not pass for one with nothing to undo.
    const FileNameBytes::Listing listing = FileNameBytes::listFiles(m_folder);
    if (!listing.reason.isEmpty())
        return StoreText::backupFolderUnreadable(FileNameBytes::readable(m_folder), listing.reason);
    QList<BackupName> names = versionsOf(listing.names, base);
    names.removeIf([](const BackupName& name) { return name.undone; });
    return names;
}

FileChange BackupFolder::keep(const QString& base, const QByteArray& content, std::optional<int> drawCount,
                              bool undone) const
{
    QDir().mkpath(m_folder);
    // Names must sort by time even when the clock stands still or goes back.
    QDateTime savedAt = QDateTime::currentDateTime();
    const QList<BackupName> earlier = all(base);
    if (!earlier.isEmpty() && earlier.first().savedAt >= savedAt)
        savedAt = earlier.first().savedAt.addMSecs(1);
    return FileChange::write(path(BackupName{base, savedAt, drawCount, undone}), content);
}

std::optional<WriteFault> BackupFolder::restore(const BackupName& newest, const QByteArray& content,
                                                const QString& file, const QByteArray& present,
                                                std::optional<int> presentDrawCount,
                                                std::optional<unsigned> permissions) const
{
    // The file keeps its own mode whatever the kept version's was, and the undone version takes it too.
    auto fault = AtomicWriter::commit({keep(newest.base, present, presentDrawCount, true).withPermissions(permissions),
                                       FileChange::write(file, content).withPermissions(permissions),
                                       FileChange::remove(path(newest))});
    if (!fault)
        prune(newest.base);
    return fault;
}

void BackupFolder::prune(const QString& base) const
{
    int kept = 0;
    int undone = 0;
    for (const BackupName& name : all(base)) {
        if (++(name.undone ? undone : kept) > kKept)
            FileNameBytes::remove(path(name));
    }
}

Result<QByteArray> BackupFolder::read(const BackupName& name) const
{
    FileNameBytes::Content content = FileNameBytes::read(path(name));
    if (!content.bytes)
        return StoreText::backupUnreadable(FileNameBytes::readable(path(name)), content.reason);
    return std::move(*content.bytes);
}
