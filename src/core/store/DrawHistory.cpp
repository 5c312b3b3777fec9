#include "core/store/DrawHistory.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include "core/store/ChangeRecovery.h"
#include "core/store/FileNameBytes.h"
#include "core/store/SixNumbers.h"
#include "core/text/StoreText.h"

namespace {

// Twice the largest history leaves room for the blanks a page may add, and stops a stray huge paste early.
constexpr qsizetype kMaxImportBytes = qsizetype(2) * kNumberCount * (kMaxDraws + 6);

// One writer at a time, and readers beside each other, each waiting as this process waits for another program.
Status takeLocks(const QString& path, DrawHistory::Access access, std::chrono::milliseconds wait,
                 std::unique_ptr<FileLock>& writerLock, ChangeLock& changeLock)
{
    const auto lockFailed = [&path](bool heldElsewhere, const QString& reason) {
        return heldElsewhere ? StoreText::historyLocked(path)
                             : StoreText::historyUnreadable(path, StoreText::reasonLockFailed(reason));
    };
    const bool writes = access == DrawHistory::Access::Write;
    if (writes) {
        writerLock = std::make_unique<FileLock>(path + QStringLiteral(".lock"));
        const auto lock = [&writerLock](std::chrono::milliseconds within) {
            return writerLock->lock(FileLock::Mode::Exclusive, within);
        };
        if (!ChangeLock::take(path, wait, lock, [&writerLock] { return writerLock->heldElsewhere(); }))
            return lockFailed(writerLock->heldElsewhere(), writerLock->errorString());
    }
    const auto lock = [&changeLock, writes](std::chrono::milliseconds within) {
        return writes ? changeLock.lockExclusive(within) : changeLock.lockShared(within);
    };
    if (!ChangeLock::take(path, wait, lock, [&changeLock] { return changeLock.heldElsewhere(); })) {
        changeLock.unlock();
        return lockFailed(changeLock.heldElsewhere(), changeLock.errorString());
    }
    return std::nullopt;
}

// A reader that finds what a crash left is the one to settle it, with the readers kept out. One that
// cannot (a folder it may not change, or a writer in) reads on and says so.
Result<std::optional<UserMessage>> settleForReader(const QString& path, ChangeLock& changeLock,
                                                   std::chrono::milliseconds wait)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!ChangeRecovery::pending(folder))
        return std::optional<UserMessage>();
    changeLock.unlock();
    std::optional<UserMessage> notice = StoreText::interruptedChangeLeft(folder);
    if (changeLock.lockExclusive(wait)) {
        const ChangeRecovery::Outcome outcome = ChangeRecovery::settle(folder);
        if (outcome.fault)
            return StoreText::interruptedChangeFailed(FileNameBytes::readable(outcome.fault->path),
                                                      outcome.fault->reason);
        notice = outcome.setAside;
    }
    changeLock.unlock();
    if (!changeLock.lockShared(wait))
        return StoreText::historyLocked(path);
    return notice;
}

// A writer settles what a crash left before anything else; a journal it cannot obey stops it once.
Status settleForWriter(const QString& path)
{
    const ChangeRecovery::Outcome outcome = ChangeRecovery::settle(QFileInfo(path).absolutePath());
    if (outcome.fault)
        return StoreText::interruptedChangeFailed(FileNameBytes::readable(outcome.fault->path), outcome.fault->reason);
    return outcome.setAside;
}

} // namespace

DrawHistory::DrawHistory(QString path, std::unique_ptr<FileLock> writerLock, std::unique_ptr<ChangeLock> changeLock,
                         FlagLines lines)
    : m_path(std::move(path)), m_writerLock(std::move(writerLock)), m_changeLock(std::move(changeLock)),
      m_lines(std::move(lines))
{
    if (m_writerLock)
        AtomicWriter::setChangeLock(m_changeLock.get());
}

DrawHistory::~DrawHistory()
{
    if (m_writerLock)
        AtomicWriter::setChangeLock(nullptr);
}

Result<std::unique_ptr<DrawHistory>> DrawHistory::open(const QString& path, Access access,
                                                       std::chrono::milliseconds lockWait)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return StoreText::installFolderMissing(QFileInfo(folder).absolutePath());
    std::unique_ptr<FileLock> writerLock;
    auto changeLock = std::make_unique<ChangeLock>(path);
    if (Status refusal = takeLocks(path, access, lockWait, writerLock, *changeLock))
        return *refusal;

    // The folder is whole again before anybody reads it.
    std::optional<UserMessage> notice;
    if (access == Access::Write) {
        if (Status refusal = settleForWriter(path))
            return *refusal;
    } else {
        auto settled = settleForReader(path, *changeLock, lockWait);
        if (!settled.ok())
            return settled.error();
        notice = settled.value();
    }

    const FileNameBytes::Content content = FileNameBytes::read(path);
    if (!content.bytes)
        return StoreText::historyUnreadable(path, content.reason);
    auto parsed = HistoryFormat::parse(*content.bytes);
    if (const auto* fault = std::get_if<FormatFault>(&parsed))
        return StoreText::historyMalformed(path, fault->line, fault->reason);
    // A writer lets readers in between its changes.
    if (access == Access::Write)
        changeLock->unlock();
    auto history = std::unique_ptr<DrawHistory>(
        new DrawHistory(path, std::move(writerLock), std::move(changeLock), std::move(std::get<FlagLines>(parsed))));
    history->m_openingNotice = std::move(notice);
    return history;
}

QByteArray DrawHistory::readHitString(int number) const
{
    QByteArray s = m_lines[number - 1];
    std::reverse(s.begin(), s.end());
    return s;
}

char DrawHistory::readFlag(int number, int draw) const
{
    if (number < 1 || number > kNumberCount || draw < 1 || draw > drawCount())
        return 0;
    return m_lines[number - 1][draw - 1];
}

Status DrawHistory::appendDraw(const DrawNumbers& numbers)
{
    if (auto fault = checkSixNumbers(numbers, StoreText::notSixNumbers()))
        return fault;
    if (drawCount() >= kMaxDraws)
        return StoreText::historyFull(kMaxDraws);
    FlagLines lines = m_lines;
    for (int n = 1; n <= kNumberCount; ++n)
        lines[n - 1].append(numbers.contains(n) ? '1' : '0');
    return write(lines);
}

Status DrawHistory::modifyDraw(const QString& drawText, const DrawNumbers& numbers)
{
    bool isNumber = false;
    const int draw = drawText.trimmed().toInt(&isNumber);
    if (!isNumber || draw < 1 || draw > drawCount())
        return StoreText::noSuchDraw(drawText, drawCount());
    if (auto fault = checkSixNumbers(numbers, StoreText::notSixNumbers()))
        return fault;
    FlagLines lines = m_lines;
    for (int n = 1; n <= kNumberCount; ++n)
        lines[n - 1][draw - 1] = numbers.contains(n) ? '1' : '0';
    return write(lines);
}

Status DrawHistory::deleteLastDraw()
{
    if (drawCount() == 0)
        return StoreText::nothingToDelete();
    FlagLines lines = m_lines;
    for (QByteArray& line : lines)
        line.chop(1);
    return write(lines);
}

std::array<bool, kNumberCount> DrawHistory::drawSelection(int draw) const
{
    std::array<bool, kNumberCount> ticks{};
    for (int n = 1; n <= kNumberCount; ++n)
        ticks[n - 1] = isHit(n, draw);
    return ticks;
}

Result<FlagLines> DrawHistory::checkImport(const QByteArray& text) const
{
    return checkImportText(text, QString());
}

Result<FlagLines> DrawHistory::checkImportFile(const QString& file) const
{
    const FileNameBytes::Content content = FileNameBytes::read(file, kMaxImportBytes);
    if (!content.bytes)
        return StoreText::importFileUnreadable(file, content.reason);
    if (content.bytes->isEmpty())
        return StoreText::importFileEmpty(file);
    return checkImportText(*content.bytes, file);
}

Result<FlagLines> DrawHistory::checkImportText(const QByteArray& text, const QString& file) const
{
    const bool fromFile = !file.isEmpty();
    if (!text.startsWith(HistoryFormat::tag(1)))
        return fromFile ? StoreText::importFileWrongTag(file) : StoreText::clipboardWrongTag();
    if (text.size() > kMaxImportBytes)
        return fromFile ? StoreText::importFileTooLarge(file, kMaxDraws) : StoreText::clipboardTooLarge(kMaxDraws);
    auto parsed = HistoryFormat::parseLenient(text);
    if (const auto* fault = std::get_if<FormatFault>(&parsed)) {
        return fromFile ? StoreText::importFileMalformed(file, fault->line, fault->reason)
                        : StoreText::clipboardMalformed(fault->line, fault->reason);
    }
    FlagLines lines = std::move(std::get<FlagLines>(parsed));
    // Every draw on the page is a whole result; a cut or doubled column would spoil every count.
    for (int draw = 1; draw <= int(lines[0].size()); ++draw) {
        const int found = int(std::count_if(lines.cbegin(), lines.cend(),
                                            [draw](const QByteArray& line) { return line[draw - 1] == '1'; }));
        if (found != kNumbersPerDraw) {
            return fromFile ? StoreText::importFileDrawNotSixNumbers(file, draw, found)
                            : StoreText::clipboardDrawNotSixNumbers(draw, found);
        }
    }
    if (lines[0].size() <= drawCount())
        return fromFile ? StoreText::importFileOlder(file) : StoreText::clipboardOlder();
    return lines;
}

Status DrawHistory::replaceAll(const FlagLines& lines)
{
    return write(lines);
}

BackupFolder DrawHistory::backupFolder() const
{
    return BackupFolder(QFileInfo(m_path).absolutePath() + QStringLiteral("/Backup"));
}

Result<QList<BackupName>> DrawHistory::backups() const
{
    return backupFolder().backups(backupBase());
}

Result<DrawHistory::UndoStep> DrawHistory::nextUndo() const
{
    const BackupFolder folder = backupFolder();
    const Result<QList<BackupName>> kept = folder.backups(backupBase());
    if (!kept.ok())
        return kept.error();
    if (kept.value().isEmpty())
        return StoreText::nothingToUndo();
    const BackupName& newest = kept.value().first();
    const Result<QByteArray> content = folder.read(newest);
    if (!content.ok())
        return content.error();
    const QString shownPath = FileNameBytes::readable(folder.path(newest));
    auto parsed = HistoryFormat::parse(content.value());
    if (const auto* fault = std::get_if<FormatFault>(&parsed))
        return StoreText::backupUnreadable(shownPath, StoreText::reasonBackupLine(fault->line, fault->reason));
    UndoStep step{newest, std::move(std::get<FlagLines>(parsed))};
    // The name is what the confirmation shows; a file that says otherwise is not what the user agrees to.
    if (!newest.drawCount || *newest.drawCount != step.drawCount())
        return StoreText::backupUnreadable(
            shownPath, StoreText::reasonBackupCount(newest.drawCount.value_or(0), step.drawCount()));
    return step;
}

Status DrawHistory::undoLastChange()
{
    Result<UndoStep> step = nextUndo();
    if (!step.ok())
        return step.error();
    const BackupFolder folder = backupFolder();
    if (auto fault =
            folder.restore(step.value().name, HistoryFormat::serialize(step.value().lines), m_path,
                           HistoryFormat::serialize(m_lines), drawCount(), AtomicWriter::permissionsOf(m_path)))
        return AtomicWriter::failureMessage(*fault, StoreText::historyWriteFailed(fault->path, fault->reason));
    m_lines = std::move(step.value().lines);
    return std::nullopt;
}

Status DrawHistory::write(const FlagLines& lines)
{
    const BackupFolder folder = backupFolder();
    // The kept version is as private as the history it keeps.
    FileChange backup = folder.keep(backupBase(), HistoryFormat::serialize(m_lines), drawCount())
                            .withPermissions(AtomicWriter::permissionsOf(m_path));
    if (auto fault =
            AtomicWriter::commit({std::move(backup), FileChange::write(m_path, HistoryFormat::serialize(lines))}))
        return AtomicWriter::failureMessage(*fault, StoreText::historyWriteFailed(fault->path, fault->reason));
    m_lines = lines;
    folder.prune(backupBase());
    return std::nullopt;
}
