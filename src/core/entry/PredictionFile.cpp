#include "entry/PredictionFile.h"

#include <QSaveFile>
#include <QStringList>

#include <algorithm>

#include "entry/SixNumbers.h"
#include "text/EntryText.h"
#include "text/PredictText.h"

Result<QList<PredictionRecord>> PredictionFile::records() const
{
    return PredictionRecord::readFile(m_path, kNumbers);
}

Result<PredictionRecord> PredictionFile::appendPrediction(int draw, QList<int> numbers, int drawCount)
{
    if (auto fault = checkSixNumbers(numbers, EntryText::predictionNotSixNumbers()))
        return *fault;
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

    std::sort(numbers.begin(), numbers.end());
    const PredictionRecord record{draw, lastNumber + 1, numbers};
    list.insert(insertAt, record);
    if (auto fault = write(list))
        return *fault;
    return record;
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
    const qsizetype at = std::find_if(list.cbegin(), list.cend(), [draw, p](const PredictionRecord& record) {
                             return record.draw == draw && record.index == p;
                         }) - list.cbegin();
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

Status PredictionFile::write(const QList<PredictionRecord>& records) const
{
    QByteArray bytes;
    bytes.reserve(records.size() * PredictionRecord::length(kNumbers));
    for (const PredictionRecord& record : records)
        bytes += record.encode();
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return PredictText::predictionFileWriteFailed(m_path, file.errorString());
    return std::nullopt;
}
