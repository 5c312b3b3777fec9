#pragma once

#include <QList>

#include <array>

/** The exact odds of a set of tickets over all 6,096,454 draws of 6 of 43. */
struct WheelOdds {
    static constexpr qint64 kDraws = 6'096'454;

    /** For k = 0 … 6, how many draws give a best ticket holding exactly k of the drawn numbers. */
    std::array<qint64, 7> bestHolds{};
    /** For k = 3 … 6, a prize class, the tickets holding exactly k of the drawn numbers summed over every draw. */
    std::array<qint64, 7> ticketHolds{};
    /** For k = 3 … 6, how many draws give some ticket holding exactly k: the draws that pay class k. */
    std::array<qint64, 7> drawsPaying{};
    /** For k = 3 … 6, how many tickets hold exactly k of the drawn numbers, on average over the draws. */
    std::array<double, 7> expectedTickets{};

    /** The probability that the best ticket holds exactly k. */
    double bestProbability(int k) const { return double(bestHolds[std::size_t(k)]) / double(kDraws); }
    /** The probability that some ticket holds k or more: for k = 3, that the tickets win any prize. */
    double atLeastProbability(int k) const;
    /** For k = 3 … 6, the probability that some ticket holds exactly k: that the draw pays class k at least once. */
    double payingProbability(int k) const { return double(drawsPaying[std::size_t(k)]) / double(kDraws); }

    /** Counts every draw; the tickets are six different numbers 1 … 43 each. */
    static WheelOdds of(const QList<QList<int>>& tickets);
};
