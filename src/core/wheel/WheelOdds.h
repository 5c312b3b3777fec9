#pragma once

#include <QList>

#include <array>

/** The exact odds of a set of tickets over all 6,096,454 draws of 6 of 43. */
struct WheelOdds {
    static constexpr qint64 kDraws = 6'096'454;

    /** For k = 0 … 6, how many draws give a best ticket holding exactly k of the drawn numbers. */
    std::array<qint64, 7> bestHolds{};
    /** For k = 0 … 6, how many tickets hold exactly k of the drawn numbers, on average over the draws. */
    std::array<double, 7> expectedTickets{};

    /** The probability that the best ticket holds exactly k. */
    double bestProbability(int k) const { return double(bestHolds[std::size_t(k)]) / double(kDraws); }
    /** The probability that some ticket holds k or more: for k = 3, that the tickets win any prize. */
    double atLeastProbability(int k) const;

    /** Counts every draw; the tickets are six different numbers 1 … 43 each. */
    static WheelOdds of(const QList<QList<int>>& tickets);
};
