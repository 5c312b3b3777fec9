#include "core/predict/HitChance.h"

#include "core/chance/Hypergeometric.h"
#include "core/predict/HitStatistics.h"

HitChance HitChance::of(const HitStatistics& statistics)
{
    HitChance chance;
    const int records = statistics.hitRecordCount();
    if (records == 0)
        return chance;
    const auto& naming = statistics.recordsNaming();
    double mean = 0;
    double variance = 0;
    for (int named = 0; named <= kNumberCount; ++named) {
        const int n = naming[std::size_t(named)];
        mean += n * hitMean(named);
        variance += n * hitVariance(named);
    }
    chance.m_average = ChanceBand::ofNormal(mean / records, variance / (double(records) * records));
    for (int hits = 1; hits <= kNumbersPerDraw; ++hits) {
        std::vector<ChanceBand::Binomial> groups;
        for (int named = 0; named <= kNumberCount; ++named) {
            if (naming[std::size_t(named)] > 0)
                groups.push_back({naming[std::size_t(named)], hitProbability(named, hits)});
        }
        chance.m_records[std::size_t(hits - 1)] = ChanceBand::ofBinomialSum(groups);
    }
    return chance;
}
