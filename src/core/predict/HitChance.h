#pragma once

#include <array>

#include "core/chance/ChanceBand.h"
#include "core/store/HistoryFormat.h"

class HitStatistics;

/**
 * What luck alone gives for the records a HitStatistics counted: a record naming m numbers hits a
 * draw of six out of 43 as the hypergeometric law says, whoever chose them.
 */
class HitChance {
public:
    /** Records taken as independent of one another; without records every band is 0. */
    static HitChance of(const HitStatistics& statistics);

    /** Average hits per record: mean and a normal 95 % band. */
    const ChanceBand& average() const { return m_average; }
    /** Records with exactly hits (1 … 6) hits: mean and the exact 95 % band. */
    const ChanceBand& records(int hits) const { return m_records.at(std::size_t(hits - 1)); }

private:
    ChanceBand m_average;
    std::array<ChanceBand, kNumbersPerDraw> m_records{};
};
