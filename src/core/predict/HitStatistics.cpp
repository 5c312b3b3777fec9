#include "core/predict/HitStatistics.h"

#include "core/predict/DataGodSettings.h"
#include "core/predict/PredictionRecord.h"
#include "core/store/DrawHistory.h"
#include "core/store/FileNameBytes.h"
#include "core/store/InstallPaths.h"
#include "core/text/PredictText.h"

HitStatistics HitStatistics::count(const QList<PredictionRecord>& records, const DrawHistory& history, int slot)
{
    HitStatistics statistics;
    statistics.m_hasData = true;
    for (const PredictionRecord& record : records) {
        if (record.draw > history.drawCount()
            || record.numbers.value(0, PredictionRecord::kEmptySlot) == PredictionRecord::kEmptySlot)
            break;
        const int hits = *record.hits(history);
        if (hits > kNumbersPerDraw) {
            statistics.m_warning = PredictText::tooManyHits(slot);
            break;
        }
        if (hits > 0)
            ++statistics.m_histogram[hits - 1];
        ++statistics.m_recordCount;
        ++statistics.m_recordsNaming[std::size_t(record.namedCount())];
        if (record.draw != statistics.m_newest.draw)
            statistics.m_newest = NewestDraw{record.draw};
        ++statistics.m_newest.tickets;
        ++statistics.m_newest.byHits[std::size_t(hits)];
    }
    return statistics;
}

Result<HitStatistics> HitStatistics::ofFile(const QString& path, int numberCount, const DrawHistory& history, int slot)
{
    // A file that is not there is "no data"; an empty one is data without records.
    if (!FileNameBytes::exists(path))
        return HitStatistics();
    const auto records = PredictionRecord::readFile(path, numberCount);
    if (!records.ok())
        return records.error();
    return count(records.value(), history, slot);
}

QList<Result<HitStatistics>> HitStatistics::ofDataGods(const InstallPaths& paths, int predictionCount,
                                                       const DrawHistory& history)
{
    const bool computed =
        predictionCount >= DataGodSettings::kMinCount && predictionCount <= DataGodSettings::kMaxCount;
    QList<Result<HitStatistics>> slots;
    for (int slot = 1; slot <= PredictText::kDataGodCount; ++slot) {
        if (!computed) {
            slots.append(HitStatistics());
            continue;
        }
        const QString path = paths.dataGodFile(PredictText::dataGods()[slot - 1].prefix, predictionCount);
        slots.append(ofFile(path, predictionCount, history, slot));
    }
    return slots;
}

QList<Result<HitStatistics>> HitStatistics::ofRegistrants(const InstallPaths& paths, const RegistrantNames& names,
                                                          const DrawHistory& history)
{
    QList<Result<HitStatistics>> slots;
    for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
        const QString& name = names[slot - 1];
        if (name.isEmpty())
            slots.append(HitStatistics());
        else
            slots.append(ofFile(findRegistrantFile(paths, slot, name), kNumbersPerDraw, history, slot));
    }
    return slots;
}

int HitStatistics::averageTenths() const
{
    if (m_recordCount == 0)
        return 0;
    qint64 total = 0;
    for (int k = 1; k <= kNumbersPerDraw; ++k)
        total += qint64(k) * m_histogram[k - 1];
    const qint64 hundredths = total * 100 / m_recordCount;
    return int(hundredths / 10 + (hundredths % 10 > 4 ? 1 : 0));
}
