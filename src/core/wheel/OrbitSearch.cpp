#include "core/wheel/OrbitSearch.h"

#include <algorithm>
#include <climits>
#include <set>

#include "core/wheel/Cooling.h"

namespace {

// A try at one orbit fewer has kTrySwaps swaps and kSwapsPerOrbit more for each orbit of targets; each failed
// try in a row doubles that, and kMostFailures in a row end the search.
constexpr qint64 kTrySwaps = 5'000;
constexpr qint64 kSwapsPerOrbit = 2000;
constexpr int kMostFailures = 4;

} // namespace

OrbitSearch::OrbitSearch(const CoverTargets& targets, NumberGroup group, quint32 seed, SearchLimit& limit)
    : m_targets(targets), m_group(std::move(group)), m_random(seed), m_limit(limit),
      m_orbitOf(std::size_t(targets.count()), -1)
{
    findOrbits();
}

bool OrbitSearch::fits(const CoverTargets& targets)
{
    return targets.classes.size() == 1 && targets.classes[0].size == targets.classes[0].need;
}

std::vector<quint32> OrbitSearch::smallestCover(int startTickets)
{
    setBlocks({});
    while (int(m_blocks.size()) * m_group.order() < startTickets)
        addRandomBlock();
    std::vector<quint32> best;
    int failures = 0;
    const qint64 trySwaps = kTrySwaps + kSwapsPerOrbit * qint64(m_sizeOf.size());
    while (!m_limit.reached() && failures < kMostFailures && m_blocks.size() > 1) {
        anneal(trySwaps << failures);
        // Until the first covering, a try that fails has one orbit more for the next.
        if (m_unhit.weight() > 0 && best.empty()) {
            addRandomBlock();
            continue;
        }
        if (m_unhit.weight() > 0) {
            ++failures;
            continue;
        }
        best = tickets();
        m_limit.report(int(best.size()));
        failures = 0;
        dropLeastUseful();
    }
    return best;
}

void OrbitSearch::findOrbits()
{
    const CoverClass& c = m_targets.classes[0];
    for (int target = 0; target < m_targets.count(); ++target) {
        if (m_orbitOf[std::size_t(target)] >= 0)
            continue;
        const int orbit = int(m_firstOf.size());
        m_firstOf.push_back(target);
        m_sizeOf.push_back(0);
        for (int p = 0; p < m_group.order(); ++p) {
            int& of =
                m_orbitOf[std::size_t(m_targets.indexOf(c, m_group.image(m_targets.masks[std::size_t(target)], p)))];
            if (of < 0) {
                of = orbit;
                m_sizeOf.back() += int(c.weight);
            }
        }
    }
    m_hits.assign(m_sizeOf.size(), 0);
    m_unhit = UnhitTargets(int(m_sizeOf.size()));
}

void OrbitSearch::setBlocks(const std::vector<quint32>& blocks)
{
    std::fill(m_hits.begin(), m_hits.end(), 0);
    m_unhit.clear();
    for (std::size_t orbit = 0; orbit < m_sizeOf.size(); ++orbit)
        m_unhit.add(int(orbit), m_sizeOf[orbit]);
    m_blocks = blocks;
    for (const quint32 block : m_blocks)
        countHits(0, block, 1);
}

void OrbitSearch::addRandomBlock()
{
    quint32 block = 0;
    while (bitCount(block) < m_targets.ticketFreeCount)
        block |= quint32(1) << m_random.below(std::size_t(m_targets.freeCount));
    m_blocks.push_back(block);
    countHits(0, block, 1);
}

void OrbitSearch::countHits(quint32 must, quint32 rest, int delta)
{
    const CoverClass& c = m_targets.classes[0];
    m_targets.forEachSet(c, must, rest, c.need - bitCount(must), 0, 0, [&](int target) {
        const int orbit = m_orbitOf[std::size_t(target)];
        int& hits = m_hits[std::size_t(orbit)];
        if (hits == 0)
            m_unhit.remove(orbit, m_sizeOf[std::size_t(orbit)]);
        hits += delta;
        if (hits == 0)
            m_unhit.add(orbit, m_sizeOf[std::size_t(orbit)]);
    });
}

void OrbitSearch::swapNumber(std::size_t block, int out, int in)
{
    const quint32 outBit = quint32(1) << out;
    const quint32 inBit = quint32(1) << in;
    const quint32 kept = m_blocks[block] & ~outBit;
    countHits(outBit, kept, -1);
    countHits(inBit, kept, 1);
    m_blocks[block] = kept | inBit;
}

void OrbitSearch::anneal(qint64 steps)
{
    std::vector<quint32> best = m_blocks;
    qint64 bestWeight = m_unhit.weight();
    // As in CoverSearch, 0.4 of a typical target, here an orbit of them, is the top temperature.
    Cooling::anneal(
        0.4 * double(m_targets.count()) / double(m_sizeOf.size()), steps, m_limit, [this] { return m_unhit.weight(); },
        [this](double temperature) { aimedSwap(temperature); },
        [&] {
            best = m_blocks;
            bestWeight = m_unhit.weight();
        });
    if (m_unhit.weight() > bestWeight)
        setBlocks(best);
}

void OrbitSearch::aimedSwap(double temperature)
{
    // An unhit orbit, and a block that holds the most of one of its targets: a swap brings that one closer.
    const quint32 target = m_targets.masks[std::size_t(m_firstOf[std::size_t(m_unhit.pick(m_random))])];
    int closest = -1;
    m_closest.clear();
    for (int p = 0; p < m_group.order(); ++p) {
        const quint32 image = m_group.image(target, p);
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const int held = bitCount(m_blocks[b] & image);
            if (held > closest) {
                closest = held;
                m_closest.clear();
            }
            if (held == closest)
                m_closest.emplace_back(b, image);
        }
    }
    const auto [block, aim] = m_closest[std::size_t(m_random.below(m_closest.size()))];
    const int out = m_random.bitOf(m_blocks[block] & ~aim);
    const int in = m_random.bitOf(aim & ~m_blocks[block]);
    const qint64 before = m_unhit.weight();
    swapNumber(block, out, in);
    const qint64 change = m_unhit.weight() - before;
    if (change > 0 && !m_random.takesWorse(change, temperature))
        swapNumber(block, in, out);
}

void OrbitSearch::dropLeastUseful()
{
    // The block whose orbit alone hits the least goes; the search then mends what it leaves.
    const CoverClass& c = m_targets.classes[0];
    std::size_t least = 0;
    qint64 leastAlone = LLONG_MAX;
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
        qint64 alone = 0;
        m_targets.forEachSet(c, 0, m_blocks[b], c.need, 0, 0, [&](int target) {
            const int orbit = m_orbitOf[std::size_t(target)];
            if (m_hits[std::size_t(orbit)] == 1)
                alone += m_sizeOf[std::size_t(orbit)];
        });
        if (alone < leastAlone) {
            least = b;
            leastAlone = alone;
        }
    }
    countHits(0, m_blocks[least], -1);
    m_blocks.erase(m_blocks.begin() + qsizetype(least));
}

std::vector<quint32> OrbitSearch::tickets() const
{
    std::set<quint32> tickets;
    for (const quint32 block : m_blocks) {
        for (int p = 0; p < m_group.order(); ++p)
            tickets.insert(m_group.image(block, p));
    }
    return {tickets.begin(), tickets.end()};
}
