#include "core/wheel/WheelBound.h"

#include <algorithm>
#include <bit>

#include "core/store/HistoryFormat.h"
#include "core/wheel/CoverTargets.h"
#include "core/wheel/WheelSettings.h"

namespace WheelBound {

int schoenheim(int v, int k, int t)
{
    qint64 bound = 1;
    for (int i = t - 1; i >= 0; --i)
        bound = ((v - i) * bound + (k - i) - 1) / (k - i);
    return int(bound);
}

int lowerBound(const WheelSettings& settings)
{
    const int fixedCount = int(settings.fixed.size());
    const int freeCount = int(settings.pool.size()) - fixedCount;
    const int ticketFree = kNumbersPerDraw - fixedCount;
    if (settings.matched == settings.drawnInPool) {
        // Every ticket holds the fixed numbers, so what is left is to hold every set of free numbers that a
        // p-set with the fewest fixed numbers leaves: a covering design on the free numbers.
        const int fewestFixedDrawn = std::max(0, settings.drawnInPool - freeCount);
        return schoenheim(freeCount, ticketFree, settings.drawnInPool - fewestFixedDrawn);
    }
    // Every ticket keeps as many p-sets as any other (the free numbers can be renamed at will).
    const CoverTargets sets = CoverTargets::forGuarantee(freeCount, fixedCount, settings.matched, settings.drawnInPool);
    const quint32 ticket = (quint32(1) << ticketFree) - 1;
    qint64 total = 0;
    qint64 kept = 0;
    for (int i = 0; i < sets.count(); ++i) {
        const CoverClass& c = sets.classOf(i);
        total += c.weight;
        if (std::popcount(ticket & sets.masks[std::size_t(i)]) >= c.need)
            kept += c.weight;
    }
    return std::max(1, int((total + kept - 1) / std::max<qint64>(kept, 1)));
}

} // namespace WheelBound
