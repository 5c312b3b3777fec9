#include "core/wheel/WheelMaker.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <mutex>
#include <thread>

#include "core/text/WheelText.h"
#include "core/wheel/CoverSearch.h"
#include "core/wheel/KnownDesigns.h"
#include "core/wheel/OrbitSearch.h"
#include "core/wheel/WheelBound.h"

namespace WheelMaker {
namespace {

using Masks = std::vector<quint32>;

// The tickets of masks over the free numbers, each with the fixed numbers, all ascending.
QList<QList<int>> ticketsOf(const std::vector<quint32>& masks, const QList<int>& fixed, const QList<int>& freeNumbers)
{
    QList<QList<int>> tickets;
    for (const quint32 mask : masks) {
        QList<int> ticket = fixed;
        for (qsizetype i = 0; i < freeNumbers.size(); ++i) {
            if (mask & (quint32(1) << i))
                ticket.append(freeNumbers[i]);
        }
        std::sort(ticket.begin(), ticket.end());
        tickets.append(ticket);
    }
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

// One search a core, each with a seed of its own: the same seed gives the same tickets on any machine.
constexpr int kSearches = 2;
constexpr quint32 kSeedStep = 0x9E3779B9;

// The searches' reports as one: the fewest tickets any of them has, from one thread at a time.
class SharedProgress {
public:
    explicit SharedProgress(const WheelControl& control) : m_control(control) {}

    WheelControl forSearch()
    {
        WheelControl control;
        control.cancel = m_control.cancel;
        if (m_control.progress)
            control.progress = [this](const WheelProgress& progress) { take(progress); };
        return control;
    }

private:
    void take(const WheelProgress& progress)
    {
        const std::lock_guard lock(m_mutex);
        if (progress.tickets > 0 && (m_fewest == 0 || progress.tickets < m_fewest))
            m_fewest = progress.tickets;
        m_control.progress({m_fewest, progress.elapsedSeconds});
    }

    const WheelControl& m_control;
    std::mutex m_mutex;
    int m_fewest = 0;
};

struct Found {
    std::vector<quint32> masks;
    bool timedOut = false;
    bool cancelled = false;
};

// A group of the numbers whose orbits a search starts from; modulus 0 starts from the greedy wheel.
struct Symmetry {
    int modulus = 0;
    int multiplier = 1;
};

// The starts each search tries in turn while it has time. The first search starts where it always did,
// from the greedy wheel, so that a wheel is never larger than that search alone finds; the second from
// cyclic groups, since many of the smallest wheels known keep one (one number or none left fixed did best
// on 14 … 25 numbers).
std::vector<Symmetry> startsOf(int search, int freeCount)
{
    if (search == 0)
        return {{0, 1}, {freeCount - 2, 1}};
    return {{freeCount - 1, 1}, {freeCount, 1}};
}

// The orbits take at most this share of the time left, so that the polish has its part.
constexpr double kOrbitShare = 0.5;

// Each start in turn, polished by CoverSearch, after the construction when there is one: the fewest
// tickets found.
Masks smallestOf(const CoverTargets& targets, const Masks& construction, int lowerBound, int search, quint32 seed,
                 SearchLimit& limit)
{
    Masks best =
        construction.empty() ? Masks{} : CoverSearch(targets, seed, limit).smallestCover(lowerBound, construction);
    for (const Symmetry symmetry : startsOf(search, targets.freeCount)) {
        if (!best.empty() && (limit.reached() || int(best.size()) <= lowerBound))
            break;
        Masks start;
        if (symmetry.modulus > 0) {
            if (limit.reached() || !OrbitSearch::fits(targets))
                continue;
            limit.startPhase(kOrbitShare);
            start =
                OrbitSearch(targets, NumberGroup(targets.freeCount, symmetry.modulus, symmetry.multiplier), seed, limit)
                    .smallestCover(2 * lowerBound);
            limit.endPhase();
            if (start.empty())
                continue;
        }
        const Masks found = CoverSearch(targets, seed, limit).smallestCover(lowerBound, start);
        if (best.empty() || found.size() < best.size())
            best = found;
    }
    // Without orbits to start from, the greedy wheel.
    return best.empty() ? CoverSearch(targets, seed, limit).smallestCover(lowerBound, {}) : best;
}

// The searches side by side; the fewest tickets win, the first search on a tie. The construction, when
// there is one, is where the first search starts.
Found search(const WheelSettings& settings, const CoverTargets& targets, const std::vector<quint32>& construction,
             int lowerBound, const WheelControl& control)
{
    const auto deadline =
        SearchLimit::Clock::now()
        + std::chrono::duration_cast<SearchLimit::Clock::duration>(std::chrono::duration<double>(settings.seconds));
    SharedProgress progress(control);
    std::array<Found, kSearches> found;
    const auto run = [&](int k) {
        const WheelControl own = progress.forSearch();
        SearchLimit limit(deadline, own);
        const quint32 seed = settings.seed + kSeedStep * quint32(k);
        if (settings.budgetMode()) {
            found[std::size_t(k)].masks = CoverSearch(targets, seed, limit).bestOf(settings.ticketBudget);
        } else {
            found[std::size_t(k)].masks =
                smallestOf(targets, k == 0 ? construction : Masks{}, lowerBound, k, seed, limit);
        }
        found[std::size_t(k)].timedOut = limit.timedOut();
        found[std::size_t(k)].cancelled = limit.cancelled();
    };
    {
        std::vector<std::jthread> others;
        for (int k = 1; k < kSearches; ++k)
            others.emplace_back(run, k);
        run(0);
    }
    Found best = found[0];
    for (const Found& other : found) {
        best.timedOut = best.timedOut || other.timedOut;
        best.cancelled = best.cancelled || other.cancelled;
        if (!settings.budgetMode() && other.masks.size() < best.masks.size())
            best.masks = other.masks;
    }
    return best;
}

} // namespace

Result<WheelResult> make(const WheelSettings& settings, const WheelControl& control)
{
    if (const Status fault = settings.check())
        return *fault;
    WheelResult result;
    result.lowerBound = WheelBound::lowerBound(settings);
    if (!settings.budgetMode() && result.lowerBound > settings.maxTickets)
        return WheelText::wheelTooLarge(result.lowerBound, settings.maxTickets);

    QList<int> freeNumbers;
    for (const int n : settings.pool) {
        if (!settings.fixed.contains(n))
            freeNumbers.append(n);
    }
    std::sort(freeNumbers.begin(), freeNumbers.end());
    const int fixedCount = int(settings.fixed.size());
    const int freeCount = int(freeNumbers.size());
    const CoverTargets targets =
        settings.budgetMode()
            ? CoverTargets::forDraws(freeCount, fixedCount, settings.matched)
            : CoverTargets::forGuarantee(freeCount, fixedCount, settings.matched, settings.drawnInPool);
    const Masks construction =
        settings.budgetMode()
            ? Masks{}
            : KnownDesigns::forGuarantee(freeCount, targets.ticketFreeCount, settings.matched, settings.drawnInPool);
    Found found;
    if (!construction.empty() && int(construction.size()) <= result.lowerBound)
        found.masks = construction;
    else
        found = search(settings, targets, construction, result.lowerBound, control);
    // More tickets than allowed are never given out, however the search ended.
    if (int(found.masks.size()) > settings.maxTickets)
        return WheelText::wheelAboveLimit(int(found.masks.size()), settings.maxTickets);
    result.timedOut = found.timedOut;
    result.cancelled = found.cancelled;
    result.tickets = ticketsOf(found.masks, settings.fixed, freeNumbers);

    result.proof = WheelProof::check(settings.pool, result.tickets, settings.matched, settings.drawnInPool);
    if (!settings.budgetMode() && !result.proof.kept()) {
        QStringList missed;
        for (const int n : result.proof.missed.first())
            missed.append(QString::number(n));
        return WheelText::guaranteeNotProven(missed.join(QStringLiteral("、")));
    }
    result.odds = WheelOdds::of(result.tickets);
    return result;
}

} // namespace WheelMaker
