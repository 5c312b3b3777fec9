#pragma once

#include <QtGlobal>

#include <array>
#include <bit>
#include <vector>

#include "core/wheel/Binomial.h"
#include "core/wheel/BitCount.h"

/** Every set of `size` free numbers is a target, hit by a ticket holding `need` of it, counting `weight`. */
struct CoverClass {
    int size = 0;
    int need = 0;
    /** How much a set counts: p-sets or draws that it stands for. */
    qint64 weight = 0;
    /** Where the class's sets start among all targets; within a class they lie in colex order. */
    int offset = 0;
};

/**
 * The sets a wheel's tickets are to hit, over the pool's free numbers (the pool without the
 * fixed numbers; bit i is free number i). Every ticket holds all fixed numbers and
 * ticketFreeCount free ones, so a set of the pool reduces to its free part, with the fixed
 * numbers it holds taken off its need; sets that every ticket hits are left out. A target's
 * index follows from its numbers, so the sets a ticket hits are walked, never searched for.
 */
struct CoverTargets {
    int freeCount = 0;
    int ticketFreeCount = 0;
    std::vector<CoverClass> classes;
    /** The numbers of every target, by index. */
    std::vector<quint32> masks;

    int count() const { return int(masks.size()); }
    const CoverClass& classOf(int target) const;
    qint64 weightOf(int target) const { return classOf(target).weight; }
    /** The index of the set `mask` of class `c`. */
    int indexOf(const CoverClass& c, quint32 mask) const;

    /**
     * Calls f(index) for every target of the class made of `must`, `fromA` of the numbers in
     * `a` and `fromB` of those in `b` (a, b and must disjoint).
     */
    template <typename F>
    void forEachSet(const CoverClass& c, quint32 must, quint32 a, int fromA, quint32 b, int fromB, const F& f) const;

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

    /** Calls f(chosen) for each way of taking `count` of the bits from `from` on into `chosen`. */
    template <typename F>
    static void choose(const quint32* bits, int from, int end, int count, quint32 chosen, const F& f);
};

namespace CoverRank {
// C(n, k) for the colex rank of a set of free numbers, n < 32 and k ≤ 6.
inline constexpr auto kBinomials = [] {
    std::array<std::array<int, 8>, 32> values{};
    for (int n = 0; n < 32; ++n) {
        for (int k = 0; k < 8; ++k)
            values[std::size_t(n)][std::size_t(k)] = int(binomial(n, k));
    }
    return values;
}();
} // namespace CoverRank

inline int CoverTargets::indexOf(const CoverClass& c, quint32 mask) const
{
    int rank = c.offset;
    for (std::size_t k = 1; mask != 0; ++k, mask &= mask - 1)
        rank += CoverRank::kBinomials[std::size_t(std::countr_zero(mask))][k];
    return rank;
}

template <typename F>
void CoverTargets::choose(const quint32* bits, int from, int end, int count, quint32 chosen, const F& f)
{
    if (count == 0) {
        f(chosen);
        return;
    }
    for (int i = from; i + count <= end; ++i)
        choose(bits, i + 1, end, count - 1, chosen | bits[i], f);
}

template <typename F>
void CoverTargets::forEachSet(const CoverClass& c, quint32 must, quint32 a, int fromA, quint32 b, int fromB,
                              const F& f) const
{
    if (fromA < 0 || fromB < 0)
        return;
    std::array<quint32, 32> aBits{};
    std::array<quint32, 32> bBits{};
    int aEnd = 0;
    int bEnd = 0;
    for (; a != 0; a &= a - 1)
        aBits[std::size_t(aEnd++)] = a & (~a + 1);
    for (; b != 0; b &= b - 1)
        bBits[std::size_t(bEnd++)] = b & (~b + 1);
    choose(aBits.data(), 0, aEnd, fromA, must, [&](quint32 withA) {
        choose(bBits.data(), 0, bEnd, fromB, withA, [&](quint32 set) { f(indexOf(c, set)); });
    });
}
