#include "core/wheel/CoverSearch.h"

#include <algorithm>
#include <climits>
#include <numeric>

#include "core/wheel/Binomial.h"
#include "core/wheel/Cooling.h"

namespace {

// A try at one ticket fewer has kTrySwaps swaps and kSwapsPerTicket more for every ticket; each failed
// try in a row doubles that, and kMostFailures in a row end the search. A budget search anneals once.
constexpr qint64 kTrySwaps = 5'000;
constexpr qint64 kSwapsPerTicket = 2'000;
constexpr int kMostFailures = 5;
constexpr qint64 kBudgetSwaps = 400'000;
// A try that succeeds within this share of its swaps lets the next one drop more tickets, at most kMostDropped.
constexpr qint64 kQuickShare = 64;
constexpr int kMostDropped = 16;

} // namespace

CoverSearch::CoverSearch(const CoverTargets& targets, quint32 seed, SearchLimit& limit)
    : m_targets(targets), m_allFree((quint32(1) << targets.freeCount) - 1), m_random(seed), m_limit(limit),
      m_hitCount(std::size_t(targets.count()), 0), m_unhit(targets.count())
{
    qint64 total = 0;
    for (int i = 0; i < targets.count(); ++i)
        total += targets.weightOf(i);
    // A worse swap by one typical target is taken now and then at the start (0.4 of one did best on
    // 16 numbers 4 if 4 and 18 numbers 3 if 3 among 0.15 … 1).
    if (targets.count() > 0)
        m_startTemperature = 0.4 * double(total) / double(targets.count());
    if (targets.classes.size() == 1 && targets.classes[0].need > 1) {
        m_nearClass.size = targets.classes[0].need - 1;
        m_near.resize(std::size_t(binomial(targets.freeCount, m_nearClass.size)));
    }
    setTickets({});
}

std::vector<quint32> CoverSearch::smallestCover(int lowerBound, const std::vector<quint32>& start)
{
    if (start.empty())
        greedy(INT_MAX);
    else
        setTickets(start);
    dropRedundant();
    std::vector<quint32> best = m_tickets;
    m_limit.report(int(best.size()));
    // A count mended in a small part of a try is taken as a sign that the wheel is far from its end: the
    // next try drops twice as many tickets, and one that fails goes back to dropping one. A try at one fewer
    // that fails goes on from where it ended, with twice the swaps.
    int drop = 1;
    int failures = 0;
    while (!m_limit.reached() && int(best.size()) > lowerBound && failures < kMostFailures) {
        const int count = std::max(lowerBound, int(best.size()) - drop);
        while (int(m_tickets.size()) > count)
            dropLeastUseful();
        const qint64 swaps = (kTrySwaps + kSwapsPerTicket * count) << failures;
        const qint64 used = anneal(swaps);
        if (m_unhit.weight() == 0) {
            dropRedundant();
            best = m_tickets;
            m_limit.report(int(best.size()));
            failures = 0;
            drop = used < swaps / kQuickShare ? std::min(2 * drop, kMostDropped) : 1;
        } else if (drop > 1) {
            setTickets(best);
            drop = 1;
        } else {
            ++failures;
        }
    }
    return best;
}

std::vector<quint32> CoverSearch::bestOf(int count)
{
    greedy(count);
    if (m_unhit.weight() > 0 && !m_limit.reached())
        anneal(kBudgetSwaps);
    m_limit.report(int(m_tickets.size()));
    return m_tickets;
}

template <typename F>
void CoverSearch::forEachHit(quint32 ticket, const F& f) const
{
    for (const CoverClass& c : m_targets.classes) {
        for (int held = c.need; held <= std::min(c.size, m_targets.ticketFreeCount); ++held)
            m_targets.forEachSet(c, 0, ticket, held, m_allFree & ~ticket, c.size - held, f);
    }
}

void CoverSearch::indexTicket(int t, bool add)
{
    if (m_near.empty())
        return;
    m_targets.forEachSet(m_nearClass, 0, m_tickets[std::size_t(t)], m_nearClass.size, 0, 0, [&](int rank) {
        std::vector<int>& holders = m_near[std::size_t(rank)];
        if (add) {
            holders.push_back(t);
        } else {
            *std::find(holders.begin(), holders.end(), t) = holders.back();
            holders.pop_back();
        }
    });
}

void CoverSearch::rebuildIndex()
{
    for (std::vector<int>& holders : m_near)
        holders.clear();
    for (std::size_t t = 0; t < m_tickets.size(); ++t)
        indexTicket(int(t), true);
}

int CoverSearch::indexedCloseTicket(quint32 target)
{
    int total = 0;
    m_targets.forEachSet(m_nearClass, 0, target, m_nearClass.size, 0, 0,
                         [&](int rank) { total += int(m_near[std::size_t(rank)].size()); });
    if (total == 0)
        return -1;
    int pick = m_random.below(std::size_t(total));
    int chosen = -1;
    m_targets.forEachSet(m_nearClass, 0, target, m_nearClass.size, 0, 0, [&](int rank) {
        const std::vector<int>& holders = m_near[std::size_t(rank)];
        if (chosen < 0 && pick < int(holders.size()))
            chosen = holders[std::size_t(pick)];
        pick -= int(holders.size());
    });
    return chosen;
}

void CoverSearch::addTicket(quint32 ticket)
{
    m_tickets.push_back(ticket);
    indexTicket(int(m_tickets.size()) - 1, true);
    forEachHit(ticket, [this](int i) {
        if (m_hitCount[std::size_t(i)]++ == 0)
            m_unhit.remove(i, m_targets.weightOf(i));
    });
}

void CoverSearch::removeTicket(std::size_t at)
{
    forEachHit(m_tickets[at], [this](int i) {
        if (--m_hitCount[std::size_t(i)] == 0)
            m_unhit.add(i, m_targets.weightOf(i));
    });
    m_tickets.erase(m_tickets.begin() + qsizetype(at));
    rebuildIndex();
}

void CoverSearch::setTickets(const std::vector<quint32>& tickets)
{
    m_tickets.clear();
    m_unhit.clear();
    std::fill(m_hitCount.begin(), m_hitCount.end(), 0);
    for (std::vector<int>& holders : m_near)
        holders.clear();
    for (int i = 0; i < m_targets.count(); ++i)
        m_unhit.add(i, m_targets.weightOf(i));
    for (const quint32 ticket : tickets)
        addTicket(ticket);
}

void CoverSearch::dropLeastUseful()
{
    // The ticket that alone hits the least weight goes; the search then mends what it leaves.
    std::size_t least = 0;
    qint64 leastAlone = LLONG_MAX;
    for (std::size_t t = 0; t < m_tickets.size(); ++t) {
        qint64 alone = 0;
        forEachHit(m_tickets[t], [&](int i) {
            if (m_hitCount[std::size_t(i)] == 1)
                alone += m_targets.weightOf(i);
        });
        if (alone < leastAlone) {
            least = t;
            leastAlone = alone;
        }
    }
    removeTicket(least);
}

void CoverSearch::dropRedundant()
{
    // A ticket whose every set another ticket also hits is money thrown away; the last ones go first.
    for (std::size_t t = m_tickets.size(); t-- > 0 && m_tickets.size() > 1 && !m_limit.reached();) {
        bool needed = false;
        forEachHit(m_tickets[t], [&](int i) { needed = needed || m_hitCount[std::size_t(i)] == 1; });
        if (!needed)
            removeTicket(t);
    }
}

void CoverSearch::greedy(int maxTickets)
{
    // Heaviest targets first, equal ones in the seed's order; each still unhit gets a ticket built around it.
    std::vector<int> order(std::size_t(m_targets.count()));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), m_random.engine());
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_targets.weightOf(a) > m_targets.weightOf(b); });
    for (const int target : order) {
        if (int(m_tickets.size()) >= maxTickets)
            break;
        if (m_hitCount[std::size_t(target)] == 0)
            addTicket(greedyTicket(target));
    }
    // When the fixed numbers alone keep the guarantee, one ticket still has to be bought.
    if (m_tickets.empty() && maxTickets > 0)
        addTicket((quint32(1) << m_targets.ticketFreeCount) - 1);
}

quint32 CoverSearch::greedyTicket(int target)
{
    const quint32 mask = m_targets.masks[std::size_t(target)];
    quint32 ticket = 0;
    for (quint32 rest = mask; bitCount(ticket) < m_targets.classOf(target).need; rest &= ~ticket)
        ticket |= quint32(1) << m_random.bitOf(rest);
    // Past the time the search ends: the wheel is completed without weighing the numbers.
    const bool weigh = !m_limit.reached();
    while (bitCount(ticket) < m_targets.ticketFreeCount) {
        int chosen = -1;
        qint64 chosenGain = -1;
        for (int n = 0; n < m_targets.freeCount; ++n) {
            if (ticket & (quint32(1) << n))
                continue;
            const qint64 gain = weigh ? gainOf(ticket, n) : 0;
            // Equal gains are settled by the seed.
            if (gain > chosenGain || (gain == chosenGain && m_random.below(2) == 0)) {
                chosen = n;
                chosenGain = gain;
            }
        }
        ticket |= quint32(1) << chosen;
    }
    return ticket;
}

qint64 CoverSearch::gainOf(quint32 ticket, int added) const
{
    // The unhit sets holding `added` and one fewer of the ticket's numbers than they need.
    qint64 gain = 0;
    const quint32 addedBit = quint32(1) << added;
    for (const CoverClass& c : m_targets.classes) {
        m_targets.forEachSet(c, addedBit, ticket, c.need - 1, m_allFree & ~ticket & ~addedBit, c.size - c.need,
                             [&](int i) {
                                 if (m_hitCount[std::size_t(i)] == 0)
                                     gain += c.weight;
                             });
    }
    return gain;
}

qint64 CoverSearch::anneal(qint64 steps)
{
    std::vector<quint32> best = m_tickets;
    qint64 bestWeight = m_unhit.weight();
    const qint64 taken = Cooling::anneal(
        m_startTemperature, steps, m_limit, [this] { return m_unhit.weight(); },
        [this](double temperature) {
            const Swap swap = aimedSwap();
            const qint64 change = costChange(swap);
            if (change <= 0 || m_random.takesWorse(change, temperature))
                apply(swap);
        },
        [&] {
            best = m_tickets;
            bestWeight = m_unhit.weight();
        });
    if (m_unhit.weight() > bestWeight)
        setTickets(best);
    return taken;
}

CoverSearch::Swap CoverSearch::aimedSwap()
{
    // An unhit set, and a ticket among those that hold the most of it: a swap brings it one number closer.
    const quint32 target = m_targets.masks[std::size_t(m_unhit.pick(m_random))];
    int chosen = m_near.empty() ? -1 : indexedCloseTicket(target);
    int closest = chosen < 0 ? -1 : INT_MAX;
    int ties = 0;
    for (std::size_t t = 0; closest < INT_MAX && t < m_tickets.size(); ++t) {
        const int held = bitCount(m_tickets[t] & target);
        if (held > closest) {
            closest = held;
            chosen = int(t);
            ties = 1;
        } else if (held == closest && m_random.below(std::size_t(++ties)) == 0) {
            chosen = int(t);
        }
    }
    const quint32 ticket = m_tickets[std::size_t(chosen)];
    return {chosen, m_random.bitOf(ticket & ~target), m_random.bitOf(target & ~ticket)};
}

qint64 CoverSearch::costChange(const Swap& swap) const
{
    // Only sets holding one of the two numbers and exactly as many of the ticket's as they need (losing
    // one) or one fewer (gaining one) change.
    const quint32 ticket = m_tickets[std::size_t(swap.ticket)];
    const quint32 inBit = quint32(1) << swap.in;
    const quint32 outBit = quint32(1) << swap.out;
    const quint32 kept = ticket & ~outBit;
    const quint32 outside = m_allFree & ~ticket & ~inBit;
    qint64 change = 0;
    for (const CoverClass& c : m_targets.classes) {
        m_targets.forEachSet(c, outBit, kept, c.need - 1, outside, c.size - c.need, [&](int i) {
            if (m_hitCount[std::size_t(i)] == 1)
                change += c.weight;
        });
        m_targets.forEachSet(c, inBit, kept, c.need - 1, outside, c.size - c.need, [&](int i) {
            if (m_hitCount[std::size_t(i)] == 0)
                change -= c.weight;
        });
    }
    return change;
}

void CoverSearch::apply(const Swap& swap)
{
    indexTicket(swap.ticket, false);
    quint32& ticket = m_tickets[std::size_t(swap.ticket)];
    const quint32 inBit = quint32(1) << swap.in;
    const quint32 outBit = quint32(1) << swap.out;
    const quint32 kept = ticket & ~outBit;
    const quint32 outside = m_allFree & ~ticket & ~inBit;
    for (const CoverClass& c : m_targets.classes) {
        m_targets.forEachSet(c, outBit, kept, c.need - 1, outside, c.size - c.need, [&](int i) {
            if (--m_hitCount[std::size_t(i)] == 0)
                m_unhit.add(i, m_targets.weightOf(i));
        });
        m_targets.forEachSet(c, inBit, kept, c.need - 1, outside, c.size - c.need, [&](int i) {
            if (m_hitCount[std::size_t(i)]++ == 0)
                m_unhit.remove(i, m_targets.weightOf(i));
        });
    }
    ticket = kept | inBit;
    indexTicket(swap.ticket, true);
}
