#include "core/wheel/WheelProof.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/wheel/BitCount.h"

namespace {

quint64 maskOf(const QList<int>& numbers)
{
    quint64 mask = 0;
    for (const int n : numbers)
        mask |= quint64(1) << n;
    return mask;
}

} // namespace

WheelProof WheelProof::check(const QList<int>& pool, const QList<QList<int>>& tickets, int matched, int drawnInPool)
{
    QList<int> numbers = pool;
    std::sort(numbers.begin(), numbers.end());
    std::vector<quint64> ticketMasks;
    for (const QList<int>& ticket : tickets)
        ticketMasks.push_back(maskOf(ticket));

    WheelProof proof;
    const int size = int(numbers.size());
    if (drawnInPool > size)
        return proof;
    // The p-sets in lexicographic order of their places in the pool.
    std::vector<int> at(static_cast<std::size_t>(drawnInPool));
    std::iota(at.begin(), at.end(), 0);
    for (;;) {
        quint64 set = 0;
        for (const int i : at)
            set |= quint64(1) << numbers[i];
        ++proof.checked;
        const bool held = std::any_of(ticketMasks.begin(), ticketMasks.end(),
                                      [set, matched](quint64 ticket) { return bitCount(ticket & set) >= matched; });
        if (!held && proof.missedCount++ < kShownMisses) {
            QList<int> miss;
            for (const int i : at)
                miss.append(numbers[i]);
            proof.missed.append(miss);
        }
        int j = drawnInPool - 1;
        while (j >= 0 && at[std::size_t(j)] == size - drawnInPool + j)
            --j;
        if (j < 0)
            break;
        ++at[std::size_t(j)];
        for (int k = j + 1; k < drawnInPool; ++k)
            at[std::size_t(k)] = at[std::size_t(k - 1)] + 1;
    }
    return proof;
}
