#include "core/wheel/RandomTicketOdds.h"

#include <algorithm>
#include <cmath>

#include "core/chance/Hypergeometric.h"
#include "core/store/HistoryFormat.h"
#include "core/wheel/Binomial.h"

double RandomTicketOdds::bestProbability(int k) const
{
    return atLeastProbability(k) - (k < kNumbersPerDraw ? atLeastProbability(k + 1) : 0.0);
}

RandomTicketOdds RandomTicketOdds::of(int tickets)
{
    constexpr qint64 kAllTickets = binomial(kNumberCount, kNumbersPerDraw);
    RandomTicketOdds odds;
    odds.tickets = tickets;
    qint64 holding = 0; // tickets that hold k or more of a draw
    for (int k = kNumbersPerDraw; k >= 0; --k) {
        holding += binomial(kNumbersPerDraw, k) * binomial(kNumberCount - kNumbersPerDraw, kNumbersPerDraw - k);
        // All n drawn from the tickets that hold fewer: a product of n falling shares, summed as logarithms.
        double missAll = 0.0;
        for (int i = 0; i < tickets && missAll > -HUGE_VAL; ++i)
            missAll += std::log(double(std::max<qint64>(0, kAllTickets - holding - i)) / double(kAllTickets - i));
        odds.atLeast[std::size_t(k)] = 1.0 - std::exp(missAll);
        odds.expectedTickets[std::size_t(k)] = tickets * hitProbability(kNumbersPerDraw, k);
    }
    return odds;
}
