#include "core/wheel/ExpectedReturn.h"

#include "core/store/PrizeTable.h"
#include "core/wheel/Binomial.h"
#include "core/wheel/WheelOdds.h"

double ExpectedReturn::perDraw() const
{
    return double(paidOverAllDraws) / double(WheelOdds::kDraws);
}

ExpectedReturn ExpectedReturn::ofWheel(const WheelOdds& odds, int tickets, const PrizeTable& table)
{
    ExpectedReturn expected{tickets, 0, qint64(tickets) * table.ticketPrice};
    for (int matched = PrizeTable::kLowestClass; matched <= kNumbersPerDraw; ++matched)
        expected.paidOverAllDraws += table.amount(matched) * odds.ticketHolds[std::size_t(matched)];
    return expected;
}

ExpectedReturn ExpectedReturn::ofAnyTickets(int tickets, const PrizeTable& table)
{
    qint64 oneTicket = 0;
    for (int matched = PrizeTable::kLowestClass; matched <= kNumbersPerDraw; ++matched) {
        const qint64 drawsHolding =
            binomial(kNumbersPerDraw, matched) * binomial(kNumberCount - kNumbersPerDraw, kNumbersPerDraw - matched);
        oneTicket += table.amount(matched) * drawsHolding;
    }
    return {tickets, qint64(tickets) * oneTicket, qint64(tickets) * table.ticketPrice};
}
