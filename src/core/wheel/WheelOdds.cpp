#include "core/wheel/WheelOdds.h"

#include <algorithm>
#include <vector>

#include "core/store/HistoryFormat.h"
#include "core/wheel/Binomial.h"

namespace {

// A draw meets the tickets only in the numbers they use, so the draws are counted by that part: each part
// of a stands for C(43 - u, 6 - a) draws, u the numbers used. The parts are walked one number deeper at a
// time, each ticket's count of the part's numbers kept per depth: one byte added a ticket, which the
// compiler does many at once, where counting bits anew for every part took seconds for a thousand tickets.
class DrawParts {
public:
    DrawParts(const std::vector<quint64>& tickets, int used, std::array<qint64, 7>& bestHolds)
        : m_ticketCount(tickets.size()), m_used(used), m_bestHolds(bestHolds),
          m_holds(std::size_t(used) * tickets.size()), m_held(std::size_t(kNumbersPerDraw + 1) * tickets.size())
    {
        for (int n = 0; n < used; ++n) {
            for (std::size_t t = 0; t < tickets.size(); ++t)
                m_holds[std::size_t(n) * m_ticketCount + t] = quint8((tickets[t] >> n) & 1);
        }
    }

    void visit(int from, int size, int best)
    {
        const qint64 draws = binomial(kNumberCount - m_used, kNumbersPerDraw - size);
        if (draws == 0)
            return;
        m_bestHolds[std::size_t(best)] += draws;
        if (size == kNumbersPerDraw)
            return;
        const quint8* held = m_held.data() + std::size_t(size) * m_ticketCount;
        quint8* deeper = m_held.data() + std::size_t(size + 1) * m_ticketCount;
        for (int i = from; i < m_used; ++i) {
            const quint8* holds = m_holds.data() + std::size_t(i) * m_ticketCount;
            quint8 most = 0;
            for (std::size_t t = 0; t < m_ticketCount; ++t) {
                deeper[t] = quint8(held[t] + holds[t]);
                most = std::max(most, deeper[t]);
            }
            visit(i + 1, size + 1, most);
        }
    }

private:
    std::size_t m_ticketCount;
    int m_used;
    std::array<qint64, 7>& m_bestHolds;
    /** For each number used and each ticket, 1 when the ticket holds it. */
    std::vector<quint8> m_holds;
    /** For each depth and each ticket, how many of the part's numbers the ticket holds. */
    std::vector<quint8> m_held;
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
    DrawParts(masks, used, odds.bestHolds).visit(0, 0, 0);
    for (int k = 0; k <= kNumbersPerDraw; ++k) {
        const qint64 drawsHoldingK =
            binomial(kNumbersPerDraw, k) * binomial(kNumberCount - kNumbersPerDraw, kNumbersPerDraw - k);
        odds.expectedTickets[std::size_t(k)] = double(tickets.size()) * double(drawsHoldingK) / double(kDraws);
    }
    return odds;
}

double WheelOdds::atLeastProbability(int k) const
{
    qint64 draws = 0;
    for (int held = k; held <= kNumbersPerDraw; ++held)
        draws += bestHolds[std::size_t(held)];
    return double(draws) / double(kDraws);
}
