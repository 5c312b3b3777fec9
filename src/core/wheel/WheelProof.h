#pragma once

#include <QList>

/**
 * The proof of a guarantee: every p-set of the pool checked against the tickets with bit sets,
 * independent of how the tickets were found.
 */
struct WheelProof {
    /** At most this many missed p-sets are kept to be shown. */
    static constexpr int kShownMisses = 10;

    /** How many p-sets were checked: C(pool size, p). */
    qint64 checked = 0;
    /** How many of them no ticket holds t of. */
    qint64 missedCount = 0;
    /** The first of those, numbers ascending. */
    QList<QList<int>> missed;

    bool kept() const { return missedCount == 0; }

    /** Checks "t if p": every p numbers of the pool have t on one ticket. */
    static WheelProof check(const QList<int>& pool, const QList<QList<int>>& tickets, int matched, int drawnInPool);
};
