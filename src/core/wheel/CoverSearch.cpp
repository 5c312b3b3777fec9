#include "wheel/CoverSearch.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <numeric>

namespace {

// Work allowed for one ticket count, and for the whole of a budget search, counted in sets visited, each
// swap counting as kSwapWork besides: the small designs known to us are reached in a thirtieth of a try,
// and a count that is not there is given up after a second or so. Every try has kLeastSwaps at least,
// however many sets a swap visits.
constexpr qint64 kTryWork = 400'000'000;
constexpr qint64 kBudgetWork = kTryWork;
constexpr qint64 kSwapWork = 250;
constexpr qint64 kLeastSwaps = 200'000;
// A try that ends within this share of its work lets the next one drop more tickets, at most kMostDropped.
constexpr qint64 kQuickShare = 64;
constexpr int kMostDropped = 16;
// Annealing: the temperature falls by kCooling every kCoolingSteps swaps and starts again from the top
// once it is below kColdest of it.
constexpr int kCoolingSteps = 500;
constexpr double kCooling = 0.99;
constexpr double kColdest = 0.05;
constexpr int kStopCheckSteps = 128;
constexpr std::chrono::milliseconds kReportInterval(100);

} // namespace

CoverSearch::CoverSearch(const CoverTargets& targets, quint32 seed, double seconds, const WheelControl& control)
    : m_targets(targets), m_random(seed), m_control(control), m_start(std::chrono::steady_clock::now()),
      m_limit(seconds), m_lastReport(m_start), m_hitCount(targets.targets.size(), 0),
      m_unhitAt(targets.targets.size(), -1)
{
    qint64 total = 0;
    for (const CoverTarget& target : targets.targets)
        total += target.weight;
    // A worse swap by one typical target is taken now and then at the start.
    if (!targets.targets.empty())
        m_startTemperature = double(total) / double(targets.targets.size());
    setTickets({});
}

std::vector<quint32> CoverSearch::smallestCover(int lowerBound)
{
    greedy(INT_MAX);
    std::vector<quint32> best = m_tickets;
    report(int(best.size()));
    // A count mended in a small part of a try is taken as a sign that the wheel is far from its end: the
    // next try drops twice as many tickets, and one that fails goes back to dropping one.
    int drop = 1;
    while (m_stop == Stop::No && int(best.size()) > lowerBound) {
        const int count = std::max(lowerBound, int(best.size()) - drop);
        while (int(m_tickets.size()) > count)
            dropLeastUseful();
        const qint64 workLeft = anneal(kTryWork);
        if (m_unhitWeight == 0) {
            best = m_tickets;
            report(int(best.size()));
            drop = workLeft > kTryWork - kTryWork / kQuickShare ? std::min(2 * drop, kMostDropped) : 1;
        } else if (drop > 1) {
            setTickets(best);
            drop = 1;
        } else {
            break;
        }
    }
    return best;
}

std::vector<quint32> CoverSearch::bestOf(int count)
{
    greedy(count);
    if (m_unhitWeight > 0 && m_stop == Stop::No)
        anneal(kBudgetWork);
    report(int(m_tickets.size()));
    return m_tickets;
}

bool CoverSearch::hits(quint32 ticket, const CoverTarget& target) const
{
    return std::popcount(ticket & target.mask) >= target.need;
}

void CoverSearch::markHit(int target)
{
    const int at = m_unhitAt[std::size_t(target)];
    const int last = m_unhit.back();
    m_unhit[std::size_t(at)] = last;
    m_unhitAt[std::size_t(last)] = at;
    m_unhit.pop_back();
    m_unhitAt[std::size_t(target)] = -1;
    m_unhitWeight -= m_targets.targets[std::size_t(target)].weight;
}

void CoverSearch::markUnhit(int target)
{
    m_unhitAt[std::size_t(target)] = int(m_unhit.size());
    m_unhit.push_back(target);
    m_unhitWeight += m_targets.targets[std::size_t(target)].weight;
}

void CoverSearch::addTicket(quint32 ticket)
{
    m_tickets.push_back(ticket);
    for (std::size_t i = 0; i < m_targets.targets.size(); ++i) {
        if (hits(ticket, m_targets.targets[i]) && m_hitCount[i]++ == 0)
            markHit(int(i));
    }
}

void CoverSearch::setTickets(const std::vector<quint32>& tickets)
{
    m_tickets.clear();
    m_unhit.clear();
    m_unhitWeight = 0;
    for (std::size_t i = 0; i < m_targets.targets.size(); ++i) {
        m_hitCount[i] = 0;
        markUnhit(int(i));
    }
    for (const quint32 ticket : tickets)
        addTicket(ticket);
}

void CoverSearch::dropLeastUseful()
{
    // The ticket that alone hits the least weight goes; the search then mends what it leaves.
    std::vector<qint64> alone(m_tickets.size(), 0);
    for (std::size_t i = 0; i < m_targets.targets.size(); ++i) {
        if (m_hitCount[i] != 1)
            continue;
        for (std::size_t t = 0; t < m_tickets.size(); ++t) {
            if (hits(m_tickets[t], m_targets.targets[i])) {
                alone[t] += m_targets.targets[i].weight;
                break;
            }
        }
    }
    std::vector<quint32> kept = m_tickets;
    kept.erase(kept.begin() + (std::min_element(alone.begin(), alone.end()) - alone.begin()));
    setTickets(kept);
}

void CoverSearch::greedy(int maxTickets)
{
    // Heaviest targets first, equal ones in the seed's order; each still unhit gets a ticket built around it.
    std::vector<int> order(m_targets.targets.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), m_random);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return m_targets.targets[std::size_t(a)].weight > m_targets.targets[std::size_t(b)].weight;
    });
    for (const int target : order) {
        if (int(m_tickets.size()) >= maxTickets)
            break;
        if (m_hitCount[std::size_t(target)] == 0)
            addTicket(greedyTicket(m_targets.targets[std::size_t(target)]));
    }
    // When the fixed numbers alone keep the guarantee, one ticket still has to be bought.
    if (m_tickets.empty() && maxTickets > 0)
        addTicket((quint32(1) << m_targets.ticketFreeCount) - 1);
}

quint32 CoverSearch::greedyTicket(const CoverTarget& target)
{
    quint32 ticket = 0;
    for (quint32 rest = target.mask; std::popcount(ticket) < target.need; rest &= ~ticket)
        ticket |= quint32(1) << randomBit(rest);
    // Past the time the search ends: the wheel is completed without weighing the numbers.
    const bool weigh = !shouldStop();
    while (std::popcount(ticket) < m_targets.ticketFreeCount) {
        int chosen = -1;
        qint64 chosenGain = -1;
        for (int n = 0; n < m_targets.freeCount; ++n) {
            if (ticket & (quint32(1) << n))
                continue;
            const qint64 gain = weigh ? gainOf(ticket | quint32(1) << n, n) : 0;
            // Equal gains are settled by the seed.
            if (gain > chosenGain || (gain == chosenGain && below(2) == 0)) {
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
    qint64 gain = 0;
    for (const int i : m_targets.holding[std::size_t(added)]) {
        if (m_hitCount[std::size_t(i)] == 0 && hits(ticket, m_targets.targets[std::size_t(i)]))
            gain += m_targets.targets[std::size_t(i)].weight;
    }
    return gain;
}

qint64 CoverSearch::anneal(qint64 work)
{
    qint64 done = 0;
    std::vector<quint32> best = m_tickets;
    qint64 bestWeight = m_unhitWeight;
    double temperature = m_startTemperature;
    for (qint64 step = 1; m_unhitWeight > 0 && (done < work || step <= kLeastSwaps); ++step) {
        if (step % kStopCheckSteps == 0 && shouldStop())
            break;
        const Swap swap = aimedSwap();
        done += kSwapWork
                + qint64(m_tickets.size() + m_targets.holding[std::size_t(swap.out)].size()
                         + m_targets.holding[std::size_t(swap.in)].size());
        const qint64 change = costChange(swap);
        if (change <= 0 || std::ldexp(double(m_random()), -32) < std::exp(-double(change) / temperature)) {
            apply(swap);
            if (m_unhitWeight < bestWeight) {
                best = m_tickets;
                bestWeight = m_unhitWeight;
            }
        }
        if (step % kCoolingSteps == 0) {
            temperature *= kCooling;
            if (temperature < m_startTemperature * kColdest)
                temperature = m_startTemperature;
        }
    }
    if (m_unhitWeight > bestWeight)
        setTickets(best);
    return std::max<qint64>(0, work - done);
}

CoverSearch::Swap CoverSearch::aimedSwap()
{
    // An unhit set, and a ticket among those that hold the most of it: a swap brings it one number closer.
    const CoverTarget& target = m_targets.targets[std::size_t(m_unhit[std::size_t(below(m_unhit.size()))])];
    int chosen = 0;
    int closest = -1;
    int ties = 0;
    for (std::size_t t = 0; t < m_tickets.size(); ++t) {
        const int held = std::popcount(m_tickets[t] & target.mask);
        if (held > closest) {
            closest = held;
            chosen = int(t);
            ties = 1;
        } else if (held == closest && below(std::size_t(++ties)) == 0) {
            chosen = int(t);
        }
    }
    const quint32 ticket = m_tickets[std::size_t(chosen)];
    return {chosen, randomBit(ticket & ~target.mask), randomBit(target.mask & ~ticket)};
}

qint64 CoverSearch::costChange(const Swap& swap) const
{
    // Only sets holding exactly one of the two swapped numbers change how much of them the ticket holds.
    const quint32 ticket = m_tickets[std::size_t(swap.ticket)];
    const quint32 inBit = quint32(1) << swap.in;
    const quint32 outBit = quint32(1) << swap.out;
    qint64 change = 0;
    for (const int i : m_targets.holding[std::size_t(swap.out)]) {
        const CoverTarget& target = m_targets.targets[std::size_t(i)];
        if (!(target.mask & inBit) && m_hitCount[std::size_t(i)] == 1
            && std::popcount(ticket & target.mask) == target.need)
            change += target.weight;
    }
    for (const int i : m_targets.holding[std::size_t(swap.in)]) {
        const CoverTarget& target = m_targets.targets[std::size_t(i)];
        if (!(target.mask & outBit) && m_hitCount[std::size_t(i)] == 0
            && std::popcount(ticket & target.mask) == target.need - 1)
            change -= target.weight;
    }
    return change;
}

void CoverSearch::apply(const Swap& swap)
{
    quint32& ticket = m_tickets[std::size_t(swap.ticket)];
    const quint32 inBit = quint32(1) << swap.in;
    const quint32 outBit = quint32(1) << swap.out;
    for (const int i : m_targets.holding[std::size_t(swap.out)]) {
        const CoverTarget& target = m_targets.targets[std::size_t(i)];
        if (!(target.mask & inBit) && std::popcount(ticket & target.mask) == target.need
            && --m_hitCount[std::size_t(i)] == 0)
            markUnhit(i);
    }
    for (const int i : m_targets.holding[std::size_t(swap.in)]) {
        const CoverTarget& target = m_targets.targets[std::size_t(i)];
        if (!(target.mask & outBit) && std::popcount(ticket & target.mask) == target.need - 1
            && m_hitCount[std::size_t(i)]++ == 0)
            markHit(i);
    }
    ticket = (ticket & ~outBit) | inBit;
}

int CoverSearch::below(std::size_t bound)
{
    return int(m_random() % bound);
}

int CoverSearch::randomBit(quint32 mask)
{
    for (int skip = below(std::size_t(std::popcount(mask))); skip > 0; --skip)
        mask &= mask - 1;
    return std::countr_zero(mask);
}

bool CoverSearch::shouldStop()
{
    if (m_stop != Stop::No)
        return true;
    const auto now = std::chrono::steady_clock::now();
    if (m_control.cancel && m_control.cancel->load())
        m_stop = Stop::Cancel;
    else if (now - m_start >= m_limit)
        m_stop = Stop::Time;
    else if (now - m_lastReport >= kReportInterval)
        report(m_reportedTickets);
    return m_stop != Stop::No;
}

void CoverSearch::report(int tickets)
{
    m_reportedTickets = tickets;
    m_lastReport = std::chrono::steady_clock::now();
    if (m_control.progress)
        m_control.progress({tickets, std::chrono::duration<double>(m_lastReport - m_start).count()});
}
