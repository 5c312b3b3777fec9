#pragma once

#include <QtGlobal>

#include <utility>
#include <vector>

#include "core/wheel/CoverTargets.h"
#include "core/wheel/NumberGroup.h"
#include "core/wheel/SearchLimit.h"
#include "core/wheel/SearchRandom.h"
#include "core/wheel/UnhitTargets.h"

/**
 * Looks for a covering that a group of the free numbers maps onto itself, as most of the smallest
 * coverings known are. The tickets then come in orbits and so do the targets, so the search chooses one
 * ticket of each orbit and weighs the orbits of targets that none of them hits: a problem smaller by the
 * group's order, annealed one orbit fewer at a time as CoverSearch does. Only for targets of one kind that
 * a ticket hits by holding all of them. Measured in swaps, like CoverSearch.
 */
class OrbitSearch {
public:
    OrbitSearch(const CoverTargets& targets, NumberGroup group, quint32 seed, SearchLimit& limit);

    /** Whether the targets are of the kind this search takes. */
    static bool fits(const CoverTargets& targets);

    /**
     * Every ticket of the fewest orbits found that hit every target, starting from orbits enough for
     * `startTickets` tickets; empty when none was found.
     */
    std::vector<quint32> smallestCover(int startTickets);

private:
    void findOrbits();
    void setBlocks(const std::vector<quint32>& blocks);
    void addRandomBlock();
    /** Adds `delta` hits to the orbit of each target made of `must` and need − 1 of `rest`. */
    void countHits(quint32 must, quint32 rest, int delta);
    void swapNumber(std::size_t block, int out, int in);
    /** Anneals for at most `steps` swaps or until every orbit is hit, then keeps the best blocks seen. */
    void anneal(qint64 steps);
    void aimedSwap(double temperature);
    void dropLeastUseful();
    std::vector<quint32> tickets() const;

    const CoverTargets& m_targets;
    const NumberGroup m_group;
    SearchRandom m_random;
    SearchLimit& m_limit;
    /** Each target's orbit; each orbit's first target and its size (the weight it leaves when unhit). */
    std::vector<int> m_orbitOf;
    std::vector<int> m_firstOf;
    std::vector<int> m_sizeOf;
    /** One ticket of each orbit chosen. */
    std::vector<quint32> m_blocks;
    /** For each orbit, how many sets of the blocks lie in it. */
    std::vector<int> m_hits;
    UnhitTargets m_unhit{0};
    /** The blocks holding the most of the target aimed at, with the target turned to them. */
    std::vector<std::pair<std::size_t, quint32>> m_closest;
};
