#pragma once

#include <QtGlobal>

#include <vector>

/** One set a ticket is to hit: it hits when it holds at least `need` of the set's numbers. */
struct CoverTarget {
    quint32 mask = 0;
    int need = 0;
    /** How much the set counts: p-sets or draws that it stands for. */
    qint64 weight = 0;
};

/**
 * The sets a wheel's tickets are to hit, over the pool's free numbers (the pool without the
 * fixed numbers; bit i is free number i). Every ticket holds all fixed numbers and
 * ticketFreeCount free ones, so a set of the pool reduces to its free part, with the fixed
 * numbers it holds taken off its need; sets that every ticket hits are left out.
 */
struct CoverTargets {
    int freeCount = 0;
    int ticketFreeCount = 0;
    std::vector<CoverTarget> targets;
    /** For each free number, the targets whose set holds it. */
    std::vector<std::vector<int>> holding;

    /** Every p-set of the pool, which a ticket hits by holding t of it. */
    static CoverTargets forGuarantee(int freeCount, int fixedCount, int matched, int drawnInPool);
    /**
     * Every part of a draw of 6 of 43 in the pool that has t numbers or more, weighted by the
     * draws it is part of: the weight hit is the number of draws where one ticket holds t.
     */
    static CoverTargets forDraws(int freeCount, int fixedCount, int matched);

private:
    CoverTargets(int freeCount, int fixedCount);
    /** Adds every set of `size` free numbers with that need and weight. */
    void addSets(int size, int need, qint64 weight);
};
