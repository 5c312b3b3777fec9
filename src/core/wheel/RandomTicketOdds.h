#pragma once

#include <array>

/**
 * The odds of as many different tickets as a wheel has, picked at random from all 6,096,454, to set
 * beside the wheel's own. Exact: for a fixed draw the tickets holding k or more are a known share of
 * all tickets, and n different tickets picked at random miss them all with the hypergeometric chance.
 */
struct RandomTicketOdds {
    int tickets = 0;
    /** For k = 0 … 6, the probability that some ticket holds k or more of the drawn numbers. */
    std::array<double, 7> atLeast{};
    /**
     * For k = 0 … 6, how many tickets hold exactly k, on average: n times the chance of one ticket,
     * the same for any n tickets, a wheel's included.
     */
    std::array<double, 7> expectedTickets{};

    double atLeastProbability(int k) const { return atLeast[std::size_t(k)]; }
    /** The probability that the best ticket holds exactly k. */
    double bestProbability(int k) const;

    static RandomTicketOdds of(int tickets);
};
