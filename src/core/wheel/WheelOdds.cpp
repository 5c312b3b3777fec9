#include "wheel/WheelOdds.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "store/HistoryFormat.h"
#include "wheel/Binomial.h"

namespace {

// A draw meets the tickets only in the numbers they use, so the draws are counted by that part: each part
// of a stands for C(43 - u, 6 - a) draws, u the numbers used.
class DrawParts {
public:
    DrawParts(std::vector<quint64> tickets, int used, std::array<qint64, 7>& bestHolds)
        : m_tickets(std::move(tickets)), m_used(used), m_bestHolds(bestHolds)
    {
    }

    void visit(int from, quint64 part, int size)
    {
        const qint64 draws = binomial(kNumberCount - m_used, kNumbersPerDraw - size);
        if (draws == 0)
            return;
        int best = 0;
        for (const quint64 ticket : m_tickets) {
            best = std::max(best, std::popcount(ticket & part));
            if (best == size)
                break;
        }
        m_bestHolds[std::size_t(best)] += draws;
        if (size == kNumbersPerDraw)
            return;
        for (int i = from; i < m_used; ++i)
            visit(i + 1, part | quint64(1) << i, size + 1);
    }

private:
    std::vector<quint64> m_tickets;
    int m_used;
    std::array<qint64, 7>& m_bestHolds;
};

} // namespace

WheelOdds WheelOdds::of(const QList<QList<int>>& tickets)
{
    // Bit i stands for the i-th number that some ticket uses.
    std::array<int, kNumberCount + 1> place{};
    place.fill(-1);
    int used = 0;
    for (const QList<int>& ticket : tickets) {
        for (const int n : ticket) {
            if (place[std::size_t(n)] < 0)
                place[std::size_t(n)] = used++;
        }
    }
    std::vector<quint64> masks;
    for (const QList<int>& ticket : tickets) {
        quint64 mask = 0;
        for (const int n : ticket)
            mask |= quint64(1) << place[std::size_t(n)];
        masks.push_back(mask);
    }

    WheelOdds odds;
    DrawParts(std::move(masks), used, odds.bestHolds).visit(0, 0, 0);
    for (int k = 0; k <= kNumbersPerDraw; ++k) {
        const qint64 drawsHoldingK =
            binomial(kNumbersPerDraw, k) * binomial(kNumberCount - kNumbersPerDraw, kNumbersPerDraw - k);
        odds.expectedTickets[std::size_t(k)] = double(tickets.size()) * double(drawsHoldingK) / double(kDraws);
    }
    return odds;
}
