#include "predict/DataGodRecords.h"

#include <QFile>

#include "store/DrawHistory.h"
#include "text/PredictText.h"

namespace DataGodRecords {

Result<QList<PredictionRecord>> read(const QString& path, int numberCount)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PredictText::predictionFileUnreadable(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return PredictText::predictionFileUnreadable(path, file.errorString());

    int badRecord = -1;
    auto records = PredictionRecord::decodeAll(bytes, numberCount, &badRecord);
    if (!records) {
        return PredictText::predictionFileMalformed(
            path, badRecord < 0 ? PredictText::reasonRecordLength(PredictionRecord::length(numberCount))
                                : PredictText::reasonNotDigits(badRecord + 1));
    }
    for (qsizetype r = 0; r < records->size(); ++r) {
        for (const int n : records->at(r).numbers) {
            if ((n < 1 || n > kNumberCount) && n != PredictionRecord::kEmptySlot)
                return PredictText::predictionFileMalformed(path, PredictText::reasonNumber(int(r + 1), n));
        }
    }
    return std::move(*records);
}

std::optional<int> hits(const PredictionRecord& record, const DrawHistory& history)
{
    const bool named = !record.numbers.isEmpty() && record.numbers.first() != PredictionRecord::kEmptySlot;
    if (record.draw > history.drawCount())
        return named ? std::nullopt : std::optional<int>(0);
    int hits = 0;
    for (const int n : record.numbers) {
        if (n != PredictionRecord::kEmptySlot && history.isHit(n, record.draw))
            ++hits;
    }
    return hits;
}

} // namespace DataGodRecords
