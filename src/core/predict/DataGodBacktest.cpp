#include "core/predict/DataGodBacktest.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <vector>

#include "core/predict/DataGodEngine.h"
#include "core/predict/DataGodRanking.h"
#include "core/predict/DataGodWindow.h"
#include "core/predict/Workers.h"
#include "core/store/DrawHistory.h"
#include "core/wheel/BitCount.h"

namespace {

constexpr int kCountSpan = DataGodSettings::kMaxCount - DataGodSettings::kMinCount + 1;
constexpr int kWeightSpan = DataGodSettings::kMaxWeight + 1;
constexpr int kFewestCandidates = 14;
constexpr int kMostCandidates = DataGodSettings::kMaxWeight + kFewestCandidates;
constexpr int kTopHits = 6;
// Draws between two looks at the cancel flag and two progress reports.
constexpr int kReportEvery = 128;

using DrawnFlags = std::array<int, kNumberCount + 1>;

// The hits of every weight and count of one god, one DataAmount and one preference. A draw's hits
// change at few of the weights, so a draw adds a step where a run of equal hits starts and takes it
// back where the run ends; settle() then sums the steps over the weights.
class Tally {
public:
    // Draws with h hits at the weights first … last − 1 of one count.
    void addRun(int first, int last, int count, int h)
    {
        const std::size_t c = std::size_t(count - DataGodSettings::kMinCount);
        const std::size_t bucket = std::size_t(std::min(h, kTopHits));
        ++m_histograms[std::size_t(first)][c][bucket];
        m_hits[std::size_t(first)][c] += h;
        if (last < kWeightSpan) {
            --m_histograms[std::size_t(last)][c][bucket];
            m_hits[std::size_t(last)][c] -= h;
        }
    }

    // A drawn number among the first count of the weights from first on, for every count above rank.
    void addHit(int first, int rank)
    {
        // A corner of a rectangle of steps, summed over the counts and the weights by settle().
        ++m_hitCorners[std::size_t(first)][cornerColumn(rank)];
    }

    // The drawn number of addHit pushed one rank down from the weight on.
    void pushDown(int weight, int rank)
    {
        auto& row = m_hitCorners[std::size_t(weight)];
        --row[cornerColumn(rank)];
        ++row[cornerColumn(rank + 1)];
    }

    void settle()
    {
        for (std::size_t weight = 0; weight < kWeightSpan; ++weight) {
            qint64 corners = 0;
            for (std::size_t c = 0; c < kCountSpan; ++c) {
                corners += m_hitCorners[weight][c];
                m_hits[weight][c] += corners;
            }
        }
        for (std::size_t weight = 1; weight < kWeightSpan; ++weight) {
            for (std::size_t c = 0; c < kCountSpan; ++c) {
                m_hits[weight][c] += m_hits[weight - 1][c];
                for (std::size_t bucket = 0; bucket <= kTopHits; ++bucket)
                    m_histograms[weight][c][bucket] += m_histograms[weight - 1][c][bucket];
            }
        }
    }

    const std::array<int, kTopHits + 1>& histogram(int weight, int count) const
    {
        return m_histograms[std::size_t(weight)][std::size_t(count - DataGodSettings::kMinCount)];
    }
    qint64 hits(int weight, int count) const
    {
        return m_hits[std::size_t(weight)][std::size_t(count - DataGodSettings::kMinCount)];
    }

private:
    // The ranks below kMinCount count for every count; ranks from kMaxCount on for none, and go to the
    // column past the counts, which is never summed, so that a push down needs no branch.
    static std::size_t cornerColumn(int rank)
    {
        return std::size_t(std::clamp(rank + 1 - DataGodSettings::kMinCount, 0, kCountSpan));
    }

    std::array<std::array<std::array<int, kTopHits + 1>, kCountSpan>, kWeightSpan> m_histograms{};
    std::array<std::array<qint64, kCountSpan>, kWeightSpan> m_hits{};
    // addHit()'s and pushDown()'s steps over the weights and the counts.
    std::array<std::array<qint64, kCountSpan + 1>, kWeightSpan> m_hitCorners{};
};

// The ranked draws and the holdout draws.
constexpr int kParts = 2;

// One god with one DataAmount: the work one thread takes at a time.
struct Unit {
    int order = 0;
    int amount = 0;
    std::array<std::array<Tally, 2>, kParts> tallies; // [part][prefer frequent, prefer rare]
};

int preferenceIndex(bool preferFrequent)
{
    return preferFrequent ? 0 : 1;
}

NumberValues countsOf(const FlagLines& lines, int lastDraw)
{
    NumberValues counts{};
    for (int n = 0; n < kNumberCount; ++n)
        counts[n] = int(std::count(lines[n].begin(), lines[n].begin() + lastDraw, '1'));
    return counts;
}

using Ranking = std::array<std::uint8_t, kNumberCount>;

// The appearance ranking of a draw kept sorted as the counts grow by one draw: the order of the
// draw before is nearly right, so an insertion sort puts it right in one pass.
class SortedRanking {
public:
    explicit SortedRanking(bool preferFrequent) : m_preferFrequent(preferFrequent)
    {
        for (int n = 1; n <= kNumberCount; ++n)
            m_ranking[std::size_t(n - 1)] = std::uint8_t(n);
    }

    // The values and the ranking of DataGodRanking::rankValues and appearanceRanking for counts.
    void update(const NumberValues& counts)
    {
        m_values = DataGodRanking::rankValues(counts, m_preferFrequent);
        // As in rerank: numbers 1 and 2 change places unless 1 is strictly better; equal values keep
        // the earlier place ahead.
        const bool swapped = m_values[0] <= m_values[1];
        std::array<int, kNumberCount + 1> keyOf;
        for (int n = 1; n <= kNumberCount; ++n) {
            const int place = n <= 2 && swapped ? 2 - n : n - 1;
            keyOf[std::size_t(n)] = m_values[std::size_t(n - 1)] << 6 | (63 - place);
        }
        for (std::size_t i = 1; i < m_ranking.size(); ++i) {
            const std::uint8_t number = m_ranking[i];
            const int key = keyOf[number];
            std::size_t j = i;
            for (; j > 0 && keyOf[m_ranking[j - 1]] < key; --j)
                m_ranking[j] = m_ranking[j - 1];
            m_ranking[j] = number;
        }
    }

    const NumberValues& values() const { return m_values; }
    const Ranking& ranking() const { return m_ranking; }

private:
    bool m_preferFrequent;
    NumberValues m_values{};
    Ranking m_ranking;
};

// A set of numbers, bit n for number n.
using NumberSet = quint64;

// Where a drawn number stands in one preference's re-ranking, the same for every god and amount.
struct DrawnStanding {
    NumberSet above = 0;  // numbers of a higher value
    NumberSet equal = 0;  // the other numbers of its value
    NumberSet before = 0; // numbers ahead of it in AppearanceRanking
};

// A number drawn in a scored draw, with its standing for both preferences.
struct DrawnNumber {
    int number = 0;
    std::array<DrawnStanding, 2> standings;
};

// What the re-ranking and the fill-up of a draw read, for both preferences. It is the same for every
// god and amount, so it is taken once per run: once for the result files' counts, which stay the same,
// or once per draw walk-forward, each draw's from the one before.
class Appearances {
public:
    struct Step {
        std::array<NumberValues, 2> values;
        std::array<Ranking, 2> rankings;
    };

    Appearances(const FlagLines& lines, const BacktestChoice& choice)
        : m_firstDraw(choice.firstDraw), m_walkForward(choice.scoresWalkForward())
    {
        NumberValues counts = countsOf(lines, m_walkForward ? m_firstDraw - 1 : int(lines[0].size()));
        m_steps.resize(m_walkForward ? std::size_t(std::max(0, choice.lastDraw - m_firstDraw + 1)) : 1);
        std::array<SortedRanking, 2> sorted{SortedRanking(true), SortedRanking(false)};
        for (std::size_t i = 0; i < m_steps.size(); ++i) {
            for (std::size_t p = 0; p < sorted.size(); ++p) {
                sorted[p].update(counts);
                m_steps[i].values[p] = sorted[p].values();
                m_steps[i].rankings[p] = sorted[p].ranking();
            }
            for (int n = 0; n < kNumberCount && m_walkForward; ++n)
                counts[n] += lines[n][m_firstDraw - 1 + qsizetype(i)] == '1' ? 1 : 0;
        }
        for (int draw = m_firstDraw; draw <= choice.lastDraw; ++draw) {
            m_drawnStart.push_back(int(m_drawn.size()));
            std::array<std::array<DrawnStanding, kNumberCount + 1>, 2> standings;
            for (std::size_t p = 0; p < standings.size(); ++p)
                standings[p] = standingsOf(at(draw).values[p], at(draw).rankings[p]);
            for (int n = 1; n <= kNumberCount; ++n) {
                if (lines[n - 1][draw - 1] == '1')
                    m_drawn.push_back({n, {standings[0][std::size_t(n)], standings[1][std::size_t(n)]}});
            }
        }
        m_drawnStart.push_back(int(m_drawn.size()));
    }

    const Step& at(int draw) const { return m_steps[m_walkForward ? std::size_t(draw - m_firstDraw) : 0]; }

    const DrawnNumber* drawnBegin(int draw) const
    {
        return m_drawn.data() + m_drawnStart[std::size_t(draw - m_firstDraw)];
    }
    const DrawnNumber* drawnEnd(int draw) const
    {
        return m_drawn.data() + m_drawnStart[std::size_t(draw - m_firstDraw) + 1];
    }

private:
    // The standing of every number, by number, from the ranking, in which equal values stand together.
    static std::array<DrawnStanding, kNumberCount + 1> standingsOf(const NumberValues& values, const Ranking& ranking)
    {
        std::array<DrawnStanding, kNumberCount + 1> standings;
        const auto valueAt = [&](std::size_t i) { return values[std::size_t(ranking[i] - 1)]; };
        NumberSet before = 0;
        for (std::size_t start = 0; start < ranking.size();) {
            std::size_t end = start;
            NumberSet group = 0;
            for (; end < ranking.size() && valueAt(end) == valueAt(start); ++end)
                group |= NumberSet(1) << ranking[end];
            const NumberSet above = before;
            for (std::size_t i = start; i < end; ++i) {
                const NumberSet self = NumberSet(1) << ranking[i];
                standings[ranking[i]] = {above, group & ~self, before};
                before |= self;
            }
            start = end;
        }
        return standings;
    }

    int m_firstDraw;
    bool m_walkForward;
    std::vector<Step> m_steps;
    std::vector<DrawnNumber> m_drawn; // the numbers drawn in the draws scored, draw by draw
    std::vector<int> m_drawnStart;    // where each draw's numbers start in m_drawn
};

// A draw's candidates by place, highest score first, the re-ranking's first pair changed (see
// DataGodRanking::rerank), with the sets of the first places.
class Candidates {
public:
    explicit Candidates(const NumberValues& scores)
    {
        m_size = DataGodRanking::candidatePlaces(scores, kMostCandidates, m_byPlace.data());
        if (m_size >= 2)
            std::swap(m_byPlace[0], m_byPlace[1]);
        m_first[0] = 0;
        for (int q = 0; q < m_size; ++q) {
            const int number = m_byPlace[std::size_t(q)];
            m_placeOf[std::size_t(number)] = std::int8_t(q);
            m_first[std::size_t(q) + 1] = m_first[std::size_t(q)] | NumberSet(1) << number;
        }
    }

    int size() const { return m_size; }
    int at(int place) const { return m_byPlace[std::size_t(place)]; }
    // Valid for candidates only.
    int placeOf(int number) const { return m_placeOf[std::size_t(number)]; }
    // The numbers at the places before place.
    NumberSet first(int place) const { return m_first[std::size_t(place)]; }
    NumberSet all() const { return m_first[std::size_t(m_size)]; }

private:
    int m_size = 0;
    std::array<std::uint8_t, kNumberCount> m_byPlace;
    // Only what the draw sets is read: a draw's candidates are built for every god and draw, and
    // clearing these cost more than the rest of it.
    std::array<std::int8_t, kNumberCount + 1> m_placeOf;
    std::array<NumberSet, kMostCandidates + 1> m_first;
};

// The values of the best kMaxCount of the candidates named so far, and how many of the first c
// of them were drawn.
class TopNumbers {
public:
    TopNumbers(const NumberValues& values, const DrawnFlags& drawn) : m_values(values), m_drawn(drawn) {}

    int size() const { return m_size; }
    int hitsOfFirst(int count) const { return m_hits[std::size_t(count)]; }

    // Takes the first candidates, up to kFewestCandidates of them, in their order, all at once: a
    // candidate's place is the number of those before it by value, or by order among equal values,
    // counted without a branch, which costs less than inserting them one by one.
    template <typename Candidate>
    void start(int count, const Candidate& candidate)
    {
        constexpr int kPadded = 16; // whole groups of four
        static_assert(kFewestCandidates <= kPadded && (kMaxReadDraws << 4) < std::numeric_limits<int>::max());
        std::array<int, kPadded> keys;
        keys.fill(-1);
        for (int i = 0; i < count; ++i)
            keys[std::size_t(i)] = m_values[std::size_t(candidate(i) - 1)] << 4 | (kPadded - 1 - i);
        std::array<int, DataGodSettings::kMaxCount> drawnAt{};
        for (int i = 0; i < count; ++i) {
            int place = 0;
            for (int j = 0; j < kPadded; ++j)
                place += keys[std::size_t(j)] > keys[std::size_t(i)] ? 1 : 0;
            if (place < DataGodSettings::kMaxCount) {
                m_top[std::size_t(place)] = keys[std::size_t(i)] >> 4;
                drawnAt[std::size_t(place)] = m_drawn[std::size_t(candidate(i))];
            }
        }
        m_size = std::min(count, DataGodSettings::kMaxCount);
        for (int c = 1; c <= m_size; ++c)
            m_hits[std::size_t(c)] = m_hits[std::size_t(c - 1)] + drawnAt[std::size_t(c - 1)];
    }

    // Inserts a candidate behind the equal values, which came earlier; returns its place, or
    // kMaxCount when it is not among the best.
    int insert(int number)
    {
        const int value = m_values[std::size_t(number - 1)];
        if (m_size == DataGodSettings::kMaxCount && m_top[std::size_t(m_size - 1)] >= value)
            return DataGodSettings::kMaxCount;
        const int drawn = m_drawn[std::size_t(number)];
        // From the end: the last one drops out when all places are taken, and the first c hold one
        // number more than the first c − 1 did before.
        m_size = std::min(m_size + 1, DataGodSettings::kMaxCount);
        std::size_t at = std::size_t(m_size - 1);
        for (; at > 0 && m_top[at - 1] < value; --at) {
            m_top[at] = m_top[at - 1];
            m_hits[at + 1] = m_hits[at] + drawn;
        }
        m_top[at] = value;
        m_hits[at + 1] = m_hits[at] + drawn;
        return int(at);
    }

private:
    const NumberValues& m_values;
    const DrawnFlags& m_drawn;
    std::array<int, DataGodSettings::kMaxCount> m_top{};
    std::array<int, DataGodSettings::kMaxCount + 1> m_hits{};
    int m_size = 0;
};

// Adds one draw's hits for every weight and count. candidates: the best-scoring numbers, highest
// score first; weight w names the first 14 + w of them.
void tallyDraw(const Candidates& candidates, const NumberValues& values, const Ranking& ranking,
               const DrawnFlags& drawn, Tally& tally)
{
    const int size = candidates.size();
    const auto placed = [&candidates](int i) { return candidates.at(i); };

    // Fewer candidates than numbers: all of them are named and the ranking fills the rest, the
    // same numbers for every weight.
    std::array<int, DataGodSettings::kMaxCount + 1> fillHits{};
    if (size < DataGodSettings::kMaxCount) {
        int taken = 0;
        for (std::size_t i = 0; i < ranking.size() && taken < DataGodSettings::kMaxCount - size; ++i) {
            if ((candidates.all() >> ranking[i] & 1) != 0)
                continue;
            fillHits[std::size_t(taken) + 1] = fillHits[std::size_t(taken)] + drawn[ranking[i]];
            ++taken;
        }
    }

    TopNumbers top(values, drawn);
    top.start(std::min(size, kFewestCandidates), placed);
    const auto hitsOf = [&](int count) {
        const int named = top.size();
        return top.hitsOfFirst(std::min(count, named)) + (count > named ? fillHits[std::size_t(count - named)] : 0);
    };
    std::array<int, kCountSpan> hits;
    std::array<int, kCountSpan> since{};
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count)
        hits[std::size_t(count - DataGodSettings::kMinCount)] = hitsOf(count);
    // Each later weight names one candidate more, which changes the counts behind its place.
    for (int weight = 1; weight < kWeightSpan && weight + kFewestCandidates - 1 < size; ++weight) {
        const int at = top.insert(placed(weight + kFewestCandidates - 1));
        for (int count = std::max(at + 1, DataGodSettings::kMinCount); count <= DataGodSettings::kMaxCount; ++count) {
            const std::size_t c = std::size_t(count - DataGodSettings::kMinCount);
            const int now = top.hitsOfFirst(count);
            if (now == hits[c])
                continue;
            tally.addRun(since[c], weight, count, hits[c]);
            hits[c] = now;
            since[c] = weight;
        }
    }
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count) {
        const std::size_t c = std::size_t(count - DataGodSettings::kMinCount);
        tally.addRun(since[c], kWeightSpan, count, hits[c]);
    }
}

// The hits alone of one draw for every weight and count, what the best z needs: only the numbers
// drawn are followed. A drawn candidate is named from the weight that reaches its place on, and is
// among the first count while fewer than count named ones rank above it; each candidate named later
// that ranks above it pushes it one down. A drawn number that is no candidate, when fewer candidates
// than kMaxCount leave slots to the ranking, is named by every weight from the count that reaches its
// place among the numbers filled in. Gives the hits of tallyDraw.
void tallyHits(const Candidates& candidates, const DrawnNumber* begin, const DrawnNumber* end, int preference,
               Tally& tally)
{
    const int size = candidates.size();
    for (const DrawnNumber* drawn = begin; drawn != end; ++drawn) {
        const DrawnStanding& standing = drawn->standings[std::size_t(preference)];
        if ((candidates.all() >> drawn->number & 1) == 0) {
            const int filled = bitCount(standing.before & ~candidates.all());
            tally.addHit(0, size + filled);
            continue;
        }
        const int place = candidates.placeOf(drawn->number);
        // Ahead of it in the re-ranking: a higher value, or the same value at an earlier place.
        const NumberSet ahead = standing.above | (standing.equal & candidates.first(place));
        int weight = std::max(0, place - kFewestCandidates + 1);
        const int named = std::min(size, kFewestCandidates + weight);
        const int rank = bitCount(ahead & candidates.first(named));
        if (rank >= DataGodSettings::kMaxCount)
            continue;
        tally.addHit(weight, rank);
        // Each candidate named later that ranks above it pushes it down from the weight that names it on,
        // in the order of the places, which the numbers come in by the bits of their places.
        quint64 later = 0;
        for (NumberSet rest = ahead & candidates.all() & ~candidates.first(named); rest != 0; rest &= rest - 1)
            later |= quint64(1) << candidates.placeOf(std::countr_zero(rest));
        // Pushes among the ranks below kMinCount - 1 change no count, and those from kMaxCount on none.
        int pushed = rank;
        for (; later != 0 && pushed < DataGodSettings::kMinCount - 1; later &= later - 1)
            ++pushed;
        for (; later != 0 && pushed < DataGodSettings::kMaxCount; later &= later - 1)
            tally.pushDown(std::countr_zero(later) - kFewestCandidates + 1, pushed++);
    }
}

class Walker {
public:
    Walker(const FlagLines& lines, const DataGodPatterns& patterns, const Appearances& appearances,
           const BacktestChoice& choice, bool histograms, const std::atomic_bool* cancel)
        : m_lines(lines), m_patterns(patterns), m_appearances(appearances), m_choice(choice), m_histograms(histograms),
          m_cancel(cancel)
    {
    }

    // Scores the draws for one unit; false when cancelled. step() is told of every kReportEvery draws.
    template <typename Step>
    bool walk(Unit& unit, const Step& step) const
    {
        DataGodWindow window(m_patterns, unit.order);
        DrawnFlags drawn{};
        for (int draw = m_choice.firstDraw; draw <= m_choice.lastDraw; ++draw) {
            if ((draw - m_choice.firstDraw) % kReportEvery == kReportEvery - 1) {
                if (m_cancel && m_cancel->load())
                    return false;
                step();
            }
            const int a = draw - 1;
            window.moveTo(a - DataGodEngine::windowLength(unit.amount, a) + 1, a);
            NumberValues scores;
            window.scores(scores);
            const Candidates candidates(scores);
            for (int n = 1; n <= kNumberCount && m_histograms; ++n)
                drawn[n] = m_lines[n - 1][a] == '1' ? 1 : 0;
            const Appearances::Step& appearance = m_appearances.at(draw);
            auto& tallies = unit.tallies[m_choice.holdoutDraw > 0 && draw >= m_choice.holdoutDraw ? 1 : 0];
            for (const bool frequent : {true, false}) {
                if (!m_choice.preferences.contains(frequent))
                    continue;
                const int p = preferenceIndex(frequent);
                if (m_histograms)
                    tallyDraw(candidates, appearance.values[p], appearance.rankings[p], drawn, tallies[p]);
                else
                    tallyHits(candidates, m_appearances.drawnBegin(draw), m_appearances.drawnEnd(draw), p, tallies[p]);
            }
        }
        for (auto& part : unit.tallies) {
            for (Tally& tally : part)
                tally.settle();
        }
        return true;
    }

private:
    const FlagLines& m_lines;
    const DataGodPatterns& m_patterns;
    const Appearances& m_appearances;
    const BacktestChoice& m_choice;
    bool m_histograms;
    const std::atomic_bool* m_cancel;
};

// The units of the choice's amounts, every god, tallied by jobs threads, with the histograms of hits or
// the hits alone; nothing when cancelled.
std::optional<std::vector<Unit>> tallyUnits(const FlagLines& lines, const BacktestChoice& choice, int jobs,
                                            bool histograms, const DataGodBacktest::Progress& progress,
                                            const std::atomic_bool* cancel)
{
    std::vector<Unit> units;
    for (const int amount : DataGodSettings::kDataAmounts) {
        if (!choice.amounts.contains(amount))
            continue;
        for (int order = DataGodEngine::kLowestOrder; order <= DataGodEngine::kHighestOrder; ++order) {
            units.emplace_back();
            units.back().order = order;
            units.back().amount = amount;
        }
    }

    const int draws = std::max(0, choice.lastDraw - choice.firstDraw + 1);
    const int total = int(units.size()) * (draws / kReportEvery + 1);
    std::atomic_int done = 0;
    const DataGodPatterns patterns(lines);
    const Appearances appearances(lines, choice);
    const Walker walker(lines, patterns, appearances, choice, histograms, cancel);
    const auto report = [&progress, &done, total] {
        const int now = ++done;
        if (progress)
            progress(now, total);
    };
    const bool walked = workOnThreads(int(units.size()), jobs, [&](int at) {
        if (!walker.walk(units[std::size_t(at)], report))
            return false;
        report();
        return true;
    });
    if (!walked)
        return std::nullopt;
    return units;
}

// What A and B need of the draws of one part: only the numbers drawn.
struct DrawSums {
    int records = 0;
    qint64 drawn = 0;
    qint64 spread = 0;
};

DrawSums sumsOf(const FlagLines& lines, int firstDraw, int lastDraw)
{
    DrawSums sums;
    for (int draw = firstDraw; draw <= lastDraw; ++draw) {
        int k = 0;
        for (int n = 0; n < kNumberCount; ++n)
            k += lines[n][draw - 1] == '1' ? 1 : 0;
        ++sums.records;
        sums.drawn += k;
        sums.spread += qint64(k) * (kNumberCount - k);
    }
    return sums;
}

QList<int> sortedUnique(QList<int> values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

// Calls visit with the score of every setting of the choice on one part's draws, in the order of the lines.
template <typename Visit>
void visitScores(const std::vector<Unit>& units, int part, const BacktestChoice& choice, const DrawSums& sums,
                 const Visit& visit)
{
    constexpr int kGods = DataGodEngine::kHighestOrder - DataGodEngine::kLowestOrder + 1;
    const QList<int> weights = sortedUnique(choice.weights);
    for (const int count : sortedUnique(choice.counts)) {
        for (std::size_t first = 0; first < units.size(); first += kGods) {
            for (const bool frequent : {true, false}) {
                if (!choice.preferences.contains(frequent))
                    continue;
                for (const int weight : weights) {
                    for (int god = 0; god < kGods; ++god) {
                        const Unit& unit = units[first + god];
                        const Tally& tally = unit.tallies[part][preferenceIndex(frequent)];
                        BacktestScore score;
                        score.setting = DataGodSettings{count, unit.amount, frequent, weight, false};
                        score.order = unit.order;
                        score.records = sums.records;
                        score.histogram = tally.histogram(weight, count);
                        score.hits = tally.hits(weight, count);
                        score.chanceHits = count * sums.drawn;
                        score.spread = qint64(count) * (kNumberCount - count) * sums.spread;
                        visit(score);
                    }
                }
            }
        }
    }
}

} // namespace

BacktestChoice BacktestChoice::everySetting(int drawCount)
{
    BacktestChoice choice;
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count)
        choice.counts.append(count);
    choice.amounts = QList<int>(DataGodSettings::kDataAmounts.cbegin(), DataGodSettings::kDataAmounts.cend());
    choice.preferences = {true, false};
    for (int weight = 0; weight <= DataGodSettings::kMaxWeight; ++weight)
        choice.weights.append(weight);
    choice.firstDraw = DataGodEngine::kFirstPredictedDraw;
    choice.lastDraw = drawCount;
    choice.jobs = std::max(1, int(std::thread::hardware_concurrency()));
    return choice;
}

double BacktestScore::mean() const
{
    return records > 0 && spread > 0 ? double(hits) / records : 0.0;
}

double BacktestScore::chance() const
{
    return records > 0 && spread > 0 ? double(chanceHits) / (kNumberCount * double(records)) : 0.0;
}

double BacktestScore::meanMargin(double reach) const
{
    if (records == 0 || spread == 0)
        return 0.0;
    return reach * std::sqrt(double(spread) / (kNumberCount - 1)) / (kNumberCount * double(records));
}

double BacktestScore::z() const
{
    if (records == 0 || spread == 0)
        return 0.0;
    return double(kNumberCount * hits - chanceHits) * std::sqrt(double(kNumberCount - 1)) / std::sqrt(double(spread));
}

DataGodBacktest::DataGodBacktest(const DrawHistory& history)
{
    for (int n = 1; n <= kNumberCount; ++n) {
        m_lines[n - 1] = history.readHitString(n);
        std::reverse(m_lines[n - 1].begin(), m_lines[n - 1].end());
    }
}

DataGodBacktest::DataGodBacktest(FlagLines lines) : m_lines(std::move(lines))
{
}

std::optional<BacktestResult> DataGodBacktest::run(const BacktestChoice& choice, const Progress& progress,
                                                   const std::atomic_bool* cancel) const
{
    const std::optional<std::vector<Unit>> units = tallyUnits(m_lines, choice, choice.jobs, true, progress, cancel);
    if (!units)
        return std::nullopt;
    BacktestResult result;
    const auto append = [](QList<BacktestScore>& scores) {
        return [&scores](const BacktestScore& score) { scores.append(score); };
    };
    visitScores(*units, 0, choice, sumsOf(m_lines, choice.firstDraw, choice.rankedLastDraw()), append(result.scores));
    if (choice.holdoutDraw > 0)
        visitScores(*units, 1, choice, sumsOf(m_lines, choice.holdoutDraw, choice.lastDraw), append(result.checks));
    return result;
}

std::optional<double> DataGodBacktest::bestZ(const BacktestChoice& choice, const std::atomic_bool* cancel) const
{
    BacktestChoice ranked = choice;
    ranked.lastDraw = choice.rankedLastDraw();
    ranked.holdoutDraw = 0;
    ranked.walkForward = choice.scoresWalkForward();
    const std::optional<std::vector<Unit>> units = tallyUnits(m_lines, ranked, 1, false, {}, cancel);
    if (!units)
        return std::nullopt;
    double best = -std::numeric_limits<double>::infinity();
    visitScores(*units, 0, ranked, sumsOf(m_lines, ranked.firstDraw, ranked.lastDraw),
                [&best](const BacktestScore& score) { best = std::max(best, score.z()); });
    return best;
}
