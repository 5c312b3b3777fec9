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
    DrawParts(const std::vector<quint64>& tickets, int used, WheelOdds& odds)
        : m_ticketCount(tickets.size()), m_used(used), m_odds(odds), m_holds(std::size_t(used) * tickets.size()),
          m_held(std::size_t(kNumbersPerDraw + 1) * tickets.size())
    {
        for (int n = 0; n < used; ++n) {
            for (std::size_t t = 0; t < tickets.size(); ++t)
                m_holds[std::size_t(n) * m_ticketCount + t] = quint8((tickets[t] >> n) & 1);
        }
    }

    void visit(int from, int size, int best, const std::array<quint32, kNumbersPerDraw + 1>& holding)
    {
        const qint64 draws = binomial(kNumberCount - m_used, kNumbersPerDraw - size);
        if (draws == 0)
            return;
        m_odds.bestHolds[std::size_t(best)] += draws;
        // Each ticket holds of every draw the part stands for what it holds of the part.
        for (std::size_t k = 0; k < holding.size(); ++k) {
            m_odds.ticketHolds[k] += qint64(holding[k]) * draws;
            if (holding[k] > 0)
                m_odds.drawsPaying[k] += draws;
        }
        if (size == kNumbersPerDraw)
            return;
        const quint8* held = m_held.data() + std::size_t(size) * m_ticketCount;
        quint8* deeper = m_held.data() + std::size_t(size + 1) * m_ticketCount;
        for (int i = from; i < m_used; ++i) {
            const quint8* holds = m_holds.data() + std::size_t(i) * m_ticketCount;
            quint8 most = 0;
            // The prize classes are counted in the same pass, which costs far less than a pass of their own.
            quint32 three = 0;
            quint32 four = 0;
            quint32 five = 0;
            quint32 six = 0;
            for (std::size_t t = 0; t < m_ticketCount; ++t) {
                deeper[t] = quint8(held[t] + holds[t]);
                most = std::max(most, deeper[t]);
                three += deeper[t] == 3 ? 1 : 0;
                four += deeper[t] == 4 ? 1 : 0;
                five += deeper[t] == 5 ? 1 : 0;
                six += deeper[t] == 6 ? 1 : 0;
            }
            visit(i + 1, size + 1, most, {0, 0, 0, three, four, five, six});
        }
    }

private:
    std::size_t m_ticketCount;
    int m_used;
    WheelOdds& m_odds;
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
    DrawParts(masks, used, odds).visit(0, 0, 0, {});
    for (std::size_t k = 0; k < odds.expectedTickets.size(); ++k)
        odds.expectedTickets[k] = double(odds.ticketHolds[k]) / double(kDraws);
    return odds;
}

double WheelOdds::atLeastProbability(int k) const
{
    qint64 draws = 0;
    for (int held = k; held <= kNumbersPerDraw; ++held)
        draws += bestHolds[std::size_t(held)];
    return double(draws) / double(kDraws);
}
