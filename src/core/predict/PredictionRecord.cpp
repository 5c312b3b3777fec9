#include "core/predict/PredictionRecord.h"

#include "core/store/DrawHistory.h"
#include "core/store/FileNameBytes.h"
#include "core/text/PredictText.h"

namespace {

std::optional<int> digits(QByteArrayView bytes, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = bytes[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

QByteArray padded(int value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0');
}

} // namespace

QByteArray PredictionRecord::encode() const
{
    QByteArray bytes = padded(draw, 4) + padded(index, 2);
    for (const int n : numbers)
        bytes += padded(n, 2);
    return bytes;
}

std::optional<PredictionRecord> PredictionRecord::decode(QByteArrayView bytes, int numberCount)
{
    if (bytes.size() != length(numberCount))
        return std::nullopt;
    PredictionRecord record;
    const auto draw = digits(bytes, 0, 4);
    const auto index = digits(bytes, 4, 2);
    if (!draw || !index)
        return std::nullopt;
    record.draw = *draw;
    record.index = *index;
    for (int i = 0; i < numberCount; ++i) {
        const auto n = digits(bytes, 6 + 2 * i, 2);
        if (!n)
            return std::nullopt;
        record.numbers.append(*n);
    }
    return record;
}

std::optional<QList<PredictionRecord>> PredictionRecord::decodeAll(const QByteArray& bytes, int numberCount,
                                                                   int* badRecord)
{
    const int recordLength = length(numberCount);
    if (bytes.size() % recordLength != 0) {
        if (badRecord)
            *badRecord = -1;
        return std::nullopt;
    }
    QList<PredictionRecord> records;
    records.reserve(bytes.size() / recordLength);
    for (qsizetype at = 0; at < bytes.size(); at += recordLength) {
        auto record = decode(QByteArrayView(bytes).sliced(at, recordLength), numberCount);
        if (!record) {
            if (badRecord)
                *badRecord = int(at / recordLength);
            return std::nullopt;
        }
        records.append(std::move(*record));
    }
    return records;
}

Result<QList<PredictionRecord>> PredictionRecord::readFile(const QString& path, int numberCount)
{
    if (!FileNameBytes::exists(path))
        return QList<PredictionRecord>();
    const FileNameBytes::Content content = FileNameBytes::read(path);
    if (!content.bytes)
        return PredictText::predictionFileUnreadable(FileNameBytes::readable(path), content.reason);
    const QByteArray& bytes = *content.bytes;

    int badRecord = -1;
    auto records = decodeAll(bytes, numberCount, &badRecord);
    if (!records) {
        return PredictText::predictionFileMalformed(FileNameBytes::readable(path),
                                                    badRecord < 0 ? PredictText::reasonRecordLength(length(numberCount))
                                                                  : PredictText::reasonNotDigits(badRecord + 1));
    }
    for (qsizetype r = 0; r < records->size(); ++r) {
        for (const int n : records->at(r).numbers) {
            if ((n < 1 || n > kNumberCount) && n != kEmptySlot)
                return PredictText::predictionFileMalformed(FileNameBytes::readable(path),
                                                            PredictText::reasonNumber(int(r + 1), n));
        }
    }
    return std::move(*records);
}

std::optional<int> PredictionRecord::hits(const DrawHistory& history) const
{
    const bool named = !numbers.isEmpty() && numbers.first() != kEmptySlot;
    if (draw > history.drawCount())
        return named ? std::nullopt : std::optional<int>(0);
    int hits = 0;
    for (const int n : numbers) {
        if (n != kEmptySlot && history.isHit(n, draw))
            ++hits;
    }
    return hits;
}

int PredictionRecord::namedCount() const
{
    std::array<bool, kNumberCount + 1> named{};
    int count = 0;
    for (const int n : numbers) {
        if (n >= 1 && n <= kNumberCount && !named[std::size_t(n)]) {
            named[std::size_t(n)] = true;
            ++count;
        }
    }
    return count;
}
