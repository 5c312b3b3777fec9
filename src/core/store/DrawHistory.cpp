#include "store/DrawHistory.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "entry/SixNumbers.h"
#include "text/StoreText.h"

DrawHistory::DrawHistory(QString path, std::unique_ptr<FileLock> lock, FlagLines lines)
    : m_path(std::move(path)), m_lock(std::move(lock)), m_lines(std::move(lines))
{
}

Result<std::unique_ptr<DrawHistory>> DrawHistory::open(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return StoreText::historyUnreadable(path, QStringLiteral("ファイルが見つかりません。"));

    auto lock = std::make_unique<FileLock>(path + QStringLiteral(".lock"));
    if (!lock->tryLock()) {
        if (lock->heldElsewhere())
            return StoreText::historyLocked(path);
        return StoreText::historyUnreadable(path, StoreText::reasonLockFailed(lock->errorString()));
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreText::historyUnreadable(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return StoreText::historyUnreadable(path, file.errorString());

    auto parsed = HistoryFormat::parse(bytes);
    if (const auto* fault = std::get_if<FormatFault>(&parsed))
        return StoreText::historyMalformed(path, fault->line, fault->reason);
    return std::unique_ptr<DrawHistory>(
        new DrawHistory(path, std::move(lock), std::move(std::get<FlagLines>(parsed))));
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
    if (!text.startsWith(HistoryFormat::tag(1)))
        return StoreText::clipboardWrongTag();
    // Twice the largest history leaves room for the blanks a page may add, and stops a stray huge paste early.
    if (text.size() > 2 * kNumberCount * (kMaxDraws + 6))
        return StoreText::clipboardTooLarge(kMaxDraws);
    auto parsed = HistoryFormat::parseLenient(text);
    if (const auto* fault = std::get_if<FormatFault>(&parsed))
        return StoreText::clipboardMalformed(fault->line, fault->reason);
    FlagLines lines = std::move(std::get<FlagLines>(parsed));
    // Every draw on the page is a whole result; a cut or doubled column would spoil every count.
    for (int draw = 1; draw <= int(lines[0].size()); ++draw) {
        const int found = int(std::count_if(lines.cbegin(), lines.cend(),
                                            [draw](const QByteArray& line) { return line[draw - 1] == '1'; }));
        if (found != kNumbersPerDraw)
            return StoreText::clipboardDrawNotSixNumbers(draw, found);
    }
    if (lines[0].size() <= drawCount())
        return StoreText::clipboardOlder();
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

QList<BackupName> DrawHistory::backups() const
{
    return backupFolder().backups(backupBase());
}

Status DrawHistory::undoLastChange()
{
    const BackupFolder folder = backupFolder();
    const QList<BackupName> kept = folder.backups(backupBase());
    if (kept.isEmpty())
        return StoreText::nothingToUndo();
    const Result<QByteArray> content = folder.read(kept.first());
    if (!content.ok())
        return content.error();
    auto parsed = HistoryFormat::parse(content.value());
    if (const auto* fault = std::get_if<FormatFault>(&parsed))
        return StoreText::historyMalformed(folder.path(kept.first()), fault->line, fault->reason);
    if (auto fault = folder.restore(kept.first(), content.value(), m_path, HistoryFormat::serialize(m_lines),
                                    drawCount()))
        return StoreText::historyWriteFailed(fault->path, fault->reason);
    m_lines = std::move(std::get<FlagLines>(parsed));
    return std::nullopt;
}

Status DrawHistory::write(const FlagLines& lines)
{
    const BackupFolder folder = backupFolder();
    if (auto fault = AtomicWriter::commit({folder.keep(backupBase(), HistoryFormat::serialize(m_lines), drawCount()),
                                           FileChange::write(m_path, HistoryFormat::serialize(lines))}))
        return StoreText::historyWriteFailed(fault->path, fault->reason);
    m_lines = lines;
    folder.prune(backupBase());
    return std::nullopt;
}
