#include "core/entry/PredictionFile.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include "core/store/FileNameBytes.h"
#include "core/store/SixNumbers.h"
#include "core/text/EntryText.h"
#include "core/text/PredictText.h"

Result<QList<PredictionRecord>> PredictionFile::records() const
{
    return PredictionRecord::readFile(m_path, kNumbers);
}

Result<PredictionRecord> PredictionFile::appendPrediction(int draw, QList<int> numbers, int drawCount)
{
    const auto stored = appendPredictions(draw, {std::move(numbers)}, drawCount);
    if (!stored.ok())
        return stored.error();
    return stored.value().constFirst();
}

Result<QList<PredictionRecord>> PredictionFile::appendPredictions(int draw, QList<QList<int>> tickets, int drawCount)
{
    for (const QList<int>& numbers : tickets) {
        if (auto fault = checkSixNumbers(numbers, EntryText::predictionNotSixNumbers()))
            return *fault;
    }
    const int largest = std::min(drawCount + 1, kMaxDraw);
    if (draw > largest)
        return EntryText::predictionDrawTooLarge();
    if (draw < 1)
        return EntryText::predictionDrawTooSmall(largest);

    auto read = records();
    if (!read.ok())
        return read.error();
    QList<PredictionRecord> list = std::move(read).value();
    qsizetype insertAt = 0;
    int lastNumber = 0;
    for (const PredictionRecord& record : list) {
        if (record.draw <= draw)
            ++insertAt;
        if (record.draw == draw)
            lastNumber = std::max(lastNumber, record.index);
    }
    if (lastNumber >= kMaxPredictionsPerDraw)
        return EntryText::predictionsFull(draw, kMaxPredictionsPerDraw);
    if (lastNumber + tickets.size() > kMaxPredictionsPerDraw)
        return EntryText::ticketsPassTheLimit(draw, int(tickets.size()), kMaxPredictionsPerDraw - lastNumber);

    QList<PredictionRecord> added;
    for (QList<int>& numbers : tickets) {
        std::sort(numbers.begin(), numbers.end());
        added.append(PredictionRecord{draw, lastNumber + int(added.size()) + 1, numbers});
    }
    for (qsizetype i = 0; i < added.size(); ++i)
        list.insert(insertAt + i, added[i]);
    if (auto fault = write(list))
        return *fault;
    return added;
}

Result<std::optional<PredictionRecord>> PredictionFile::latestPrediction(int draw) const
{
    auto read = records();
    if (!read.ok())
        return read.error();
    std::optional<PredictionRecord> latest;
    for (const PredictionRecord& record : read.value()) {
        if (record.draw == draw && (!latest || record.index > latest->index))
            latest = record;
    }
    return latest;
}

Result<std::optional<PredictionRecord>> PredictionFile::predictionByNumber(int draw, int p) const
{
    auto read = records();
    if (!read.ok())
        return read.error();
    for (const PredictionRecord& record : read.value()) {
        if (record.draw == draw && record.index == p)
            return std::optional<PredictionRecord>(record);
    }
    return std::optional<PredictionRecord>();
}

Result<int> PredictionFile::largestDraw() const
{
    auto read = records();
    if (!read.ok())
        return read.error();
    int largest = 0;
    for (const PredictionRecord& record : read.value())
        largest = std::max(largest, record.draw);
    return largest;
}

Status PredictionFile::deletePrediction(int draw, int p)
{
    auto read = records();
    if (!read.ok())
        return read.error();
    QList<PredictionRecord> list = std::move(read).value();
    const qsizetype at =
        std::find_if(list.cbegin(), list.cend(),
                     [draw, p](const PredictionRecord& record) { return record.draw == draw && record.index == p; })
        - list.cbegin();
    if (at == list.size())
        return EntryText::noMatchingPrediction();
    list.removeAt(at);
    // The draw's later predictions close the gap; other draws keep their numbers.
    for (qsizetype i = at; i < list.size() && list[i].draw == draw && list[i].index > 1; ++i)
        --list[i].index;
    return write(list);
}

QString PredictionFile::numbersText(const std::optional<PredictionRecord>& prediction)
{
    if (!prediction)
        return EntryText::missingPrediction();
    QStringList numbers;
    for (const int n : prediction->numbers)
        numbers.append(QString::number(n));
    return numbers.join(QStringLiteral(". "));
}

QString PredictionFile::latestText(const std::optional<PredictionRecord>& prediction)
{
    if (!prediction)
        return EntryText::missingPrediction();
    return EntryText::predictionLabel(prediction->index) + QLatin1Char('+') + numbersText(prediction);
}

QString PredictionFile::backupBase() const
{
    // Kept versions are the program's own files: named in UTF-8 whatever the file's name is.
    return QFileInfo(FileNameBytes::readable(m_path)).completeBaseName();
}

Status PredictionFile::undoLastChange()
{
    const Result<QList<BackupName>> kept = m_backups.backups(backupBase());
    if (!kept.ok())
        return kept.error();
    if (kept.value().isEmpty())
        return EntryText::nothingToUndo(backupBase() + QStringLiteral(".txt"));
    const BackupName& newest = kept.value().first();
    const auto restored = PredictionRecord::readFile(m_backups.path(newest), kNumbers);
    if (!restored.ok())
        return restored.error();
    const auto present = records();
    if (!present.ok())
        return present.error();
    if (auto fault = m_backups.restore(newest, encode(restored.value()), m_path, encode(present.value()), std::nullopt,
                                       AtomicWriter::permissionsOf(m_path)))
        return AtomicWriter::failureMessage(*fault, PredictText::predictionFileWriteFailed(fault->path, fault->reason));
    return std::nullopt;
}

QByteArray PredictionFile::encode(const QList<PredictionRecord>& records)
{
    QByteArray bytes;
    bytes.reserve(records.size() * PredictionRecord::length(kNumbers));
    for (const PredictionRecord& record : records)
        bytes += record.encode();
    return bytes;
}

Status PredictionFile::write(const QList<PredictionRecord>& records) const
{
    QList<FileChange> changes;
    // A missing file has nothing to keep; an empty one is kept, so the first prediction can be undone.
    if (FileNameBytes::exists(m_path)) {
        auto present = this->records();
        if (!present.ok())
            return present.error();
        changes.append(m_backups.keep(backupBase(), encode(present.value()), std::nullopt)
                           .withPermissions(AtomicWriter::permissionsOf(m_path)));
    }
    changes.append(FileChange::write(m_path, encode(records)));
    if (auto fault = AtomicWriter::commit(changes))
        return AtomicWriter::failureMessage(
            *fault, PredictText::predictionFileWriteFailed(FileNameBytes::readable(fault->path), fault->reason));
    m_backups.prune(backupBase());
    return std::nullopt;
}
