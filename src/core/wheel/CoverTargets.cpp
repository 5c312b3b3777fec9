#include "core/wheel/CoverTargets.h"

#include <bit>

#include "core/store/HistoryFormat.h"
#include "core/wheel/Binomial.h"

CoverTargets::CoverTargets(int freeCount, int fixedCount)
    : freeCount(freeCount), ticketFreeCount(kNumbersPerDraw - fixedCount)
{
}

const CoverClass& CoverTargets::classOf(int target) const
{
    std::size_t c = 0;
    while (c + 1 < classes.size() && classes[c + 1].offset <= target)
        ++c;
    return classes[c];
}

CoverTargets CoverTargets::forGuarantee(int freeCount, int fixedCount, int matched, int drawnInPool)
{
    CoverTargets sets(freeCount, fixedCount);
    for (int fixedDrawn = 0; fixedDrawn <= fixedCount && fixedDrawn < matched; ++fixedDrawn)
        sets.addSets(drawnInPool - fixedDrawn, matched - fixedDrawn, binomial(fixedCount, fixedDrawn));
    return sets;
}

CoverTargets CoverTargets::forDraws(int freeCount, int fixedCount, int matched)
{
    CoverTargets sets(freeCount, fixedCount);
    const int outside = kNumberCount - freeCount - fixedCount;
    for (int fixedDrawn = 0; fixedDrawn <= fixedCount && fixedDrawn < matched; ++fixedDrawn) {
        for (int size = matched - fixedDrawn; size + fixedDrawn <= kNumbersPerDraw; ++size)
            sets.addSets(size, matched - fixedDrawn,
                         binomial(fixedCount, fixedDrawn) * binomial(outside, kNumbersPerDraw - fixedDrawn - size));
    }
    return sets;
}

void CoverTargets::addSets(int size, int need, qint64 weight)
{
    // A set that no ticket can hit (too few free places) is no target.
    if (size < 1 || size > freeCount || need > ticketFreeCount || weight == 0)
        return;
    classes.push_back({size, need, weight, count()});
    // Gosper's step walks the masks of `size` bits in increasing order, which is colex order.
    const quint32 end = quint32(1) << freeCount;
    for (quint32 mask = (quint32(1) << size) - 1; mask < end;) {
        masks.push_back(mask);
        const quint32 low = mask & (~mask + 1);
        const quint32 ripple = mask + low;
        mask = (((ripple ^ mask) >> 2) / low) | ripple;
    }
}
