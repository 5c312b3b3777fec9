#include "predict/DataGodBacktest.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "predict/DataGodEngine.h"
#include "predict/DataGodRanking.h"
#include "predict/DataGodWindow.h"
#include "store/DrawHistory.h"

namespace {

constexpr int kAmounts[] = {50, 100, 150, 200, DataGodSettings::kAllDraws};
constexpr int kCountSpan = DataGodSettings::kMaxCount - DataGodSettings::kMinCount + 1;
constexpr int kWeightSpan = DataGodSettings::kMaxWeight + 1;
constexpr int kFewestCandidates = 14;
constexpr int kMostCandidates = DataGodSettings::kMaxWeight + kFewestCandidates;
constexpr int kTopHits = 6;
// Draws between two looks at the cancel flag and two progress reports.
constexpr int kReportEvery = 128;

using DrawnFlags = std::array<int, kNumberCount + 1>;

// The hits of every weight and count of one god, one DataAmount and one preference.
struct Tally {
    std::array<std::array<int, kTopHits + 1>, kWeightSpan * kCountSpan> histograms{};
    std::array<qint64, kWeightSpan * kCountSpan> hits{};

    static int index(int weight, int count) { return weight * kCountSpan + count - DataGodSettings::kMinCount; }

    void add(int weight, int count, int h)
    {
        const int at = index(weight, count);
        ++histograms[at][std::min(h, kTopHits)];
        hits[at] += h;
    }
};

// One god with one DataAmount: the work one thread takes at a time.
struct Unit {
    int order = 0;
    int amount = 0;
    std::array<Tally, 2> tallies; // prefer frequent, prefer rare
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

// Inserts a candidate into the best kMaxCount by value; it goes behind equal values, which came earlier.
void insertByValue(QVarLengthArray<int, kNumberCount>& top, int number, const NumberValues& values)
{
    const int value = values[number - 1];
    qsizetype at = 0;
    while (at < top.size() && values[top[at] - 1] >= value)
        ++at;
    if (at >= DataGodSettings::kMaxCount)
        return;
    top.insert(at, number);
    if (top.size() > DataGodSettings::kMaxCount)
        top.removeLast();
}

// Adds one draw's hits for every weight and count. candidates: the best-scoring numbers, highest
// score first; every weight names a prefix of them.
void tallyDraw(const NumberList& candidates, const NumberValues& values, const NumberList& ranking,
               const DrawnFlags& drawn, Tally& tally)
{
    NumberList placed = candidates;
    if (placed.size() >= 2)
        std::swap(placed[0], placed[1]); // the re-ranking's first pair, see DataGodRanking::rerank

    // Fewer candidates than numbers: all of them are named and the ranking fills the rest, the
    // same numbers for every weight.
    std::array<int, DataGodSettings::kMaxCount + 1> fillHits{};
    if (placed.size() < DataGodSettings::kMaxCount) {
        std::array<bool, kNumberCount + 1> named{};
        for (const int n : placed)
            named[n] = true;
        int taken = 0;
        for (qsizetype i = 0; i < ranking.size() && taken < DataGodSettings::kMaxCount - placed.size(); ++i) {
            if (named[ranking[i]])
                continue;
            fillHits[taken + 1] = fillHits[taken] + drawn[ranking[i]];
            ++taken;
        }
    }

    QVarLengthArray<int, kNumberCount> top;
    qsizetype next = 0;
    for (int weight = 0; weight < kWeightSpan; ++weight) {
        for (; next < std::min<qsizetype>(weight + kFewestCandidates, placed.size()); ++next)
            insertByValue(top, placed[next], values);
        const int named = int(next);
        int hits = 0;
        for (int count = 1; count <= DataGodSettings::kMaxCount; ++count) {
            if (count <= top.size())
                hits += drawn[top[count - 1]];
            if (count >= DataGodSettings::kMinCount)
                tally.add(weight, count, hits + (count > named ? fillHits[count - named] : 0));
        }
    }
}

class Walker {
public:
    Walker(const FlagLines& lines, const DataGodPatterns& patterns, const BacktestChoice& choice,
           const std::atomic_bool* cancel)
        : m_lines(lines), m_patterns(patterns), m_choice(choice), m_cancel(cancel)
    {
    }

    // Scores the draws for one unit; false when cancelled. step() is told of every kReportEvery draws.
    template <typename Step>
    bool walk(Unit& unit, const Step& step) const
    {
        DataGodWindow window(m_patterns, unit.order);
        const int drawCount = int(m_lines[0].size());
        NumberValues counts = countsOf(m_lines, m_choice.walkForward ? m_choice.firstDraw - 1 : drawCount);
        std::array<NumberValues, 2> values;
        std::array<NumberList, 2> rankings;
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
            const NumberList candidates = DataGodRanking::candidateList(scores, kMostCandidates);
            for (int n = 1; n <= kNumberCount; ++n)
                drawn[n] = m_lines[n - 1][a] == '1' ? 1 : 0;
            for (const bool frequent : {true, false}) {
                if (!m_choice.preferences.contains(frequent))
                    continue;
                const int p = preferenceIndex(frequent);
                if (m_choice.walkForward || draw == m_choice.firstDraw) {
                    values[p] = DataGodRanking::rankValues(counts, frequent);
                    rankings[p] = DataGodRanking::appearanceRanking(counts, frequent);
                }
                tallyDraw(candidates, values[p], rankings[p], drawn, unit.tallies[p]);
            }
            if (m_choice.walkForward) {
                for (int n = 1; n <= kNumberCount; ++n)
                    counts[n - 1] += drawn[n];
            }
        }
        return true;
    }

private:
    const FlagLines& m_lines;
    const DataGodPatterns& m_patterns;
    const BacktestChoice& m_choice;
    const std::atomic_bool* m_cancel;
};

QList<int> sortedUnique(QList<int> values)
{
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

} // namespace

BacktestChoice BacktestChoice::everySetting(int drawCount)
{
    BacktestChoice choice;
    for (int count = DataGodSettings::kMinCount; count <= DataGodSettings::kMaxCount; ++count)
        choice.counts.append(count);
    choice.amounts = QList<int>(std::begin(kAmounts), std::end(kAmounts));
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

QList<BacktestScore> DataGodBacktest::run(const BacktestChoice& choice, const Progress& progress,
                                          const std::atomic_bool* cancel) const
{
    std::vector<Unit> units;
    for (const int amount : kAmounts) {
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
    std::atomic_int nextUnit = 0;
    std::atomic_int done = 0;
    std::atomic_bool stopped = false;
    const DataGodPatterns patterns(m_lines);
    const Walker walker(m_lines, patterns, choice, cancel);
    const auto report = [&progress, &done, total] {
        const int now = ++done;
        if (progress)
            progress(now, total);
    };
    const auto work = [&] {
        for (int at = nextUnit++; at < int(units.size()) && !stopped; at = nextUnit++) {
            if (!walker.walk(units[at], report))
                stopped = true;
            else
                report();
        }
    };
    std::vector<std::thread> workers;
    for (int j = 1; j < std::min<int>(choice.jobs, int(units.size())); ++j)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
    if (stopped)
        return {};

    // A and B need only the numbers drawn in the draws scored.
    qint64 drawnSum = 0;
    qint64 drawnSpread = 0;
    for (int draw = choice.firstDraw; draw <= choice.lastDraw; ++draw) {
        int k = 0;
        for (int n = 0; n < kNumberCount; ++n)
            k += m_lines[n][draw - 1] == '1' ? 1 : 0;
        drawnSum += k;
        drawnSpread += qint64(k) * (kNumberCount - k);
    }

    QList<BacktestScore> scores;
    constexpr int kGods = DataGodEngine::kHighestOrder - DataGodEngine::kLowestOrder + 1;
    for (const int count : sortedUnique(choice.counts)) {
        for (std::size_t first = 0; first < units.size(); first += kGods) {
            for (const bool frequent : {true, false}) {
                if (!choice.preferences.contains(frequent))
                    continue;
                for (const int weight : sortedUnique(choice.weights)) {
                    for (int god = 0; god < kGods; ++god) {
                        const Unit& unit = units[first + god];
                        const Tally& tally = unit.tallies[preferenceIndex(frequent)];
                        BacktestScore score;
                        score.setting = DataGodSettings{count, unit.amount, frequent, weight, false};
                        score.order = unit.order;
                        score.records = draws;
                        score.histogram = tally.histograms[Tally::index(weight, count)];
                        score.hits = tally.hits[Tally::index(weight, count)];
                        score.chanceHits = count * drawnSum;
                        score.spread = qint64(count) * (kNumberCount - count) * drawnSpread;
                        scores.append(score);
                    }
                }
            }
        }
    }
    return scores;
}

double DataGodBacktest::luckThreshold(int settings)
{
    // P(max of n standard normals > z) = 1 − Φ(z)^n = 5 %: the upper tail of one is 1 − 0.95^(1/n).
    const double tail = -std::expm1(std::log(0.95) / std::max(1, settings));
    double low = 0.0;
    double high = 40.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = (low + high) / 2;
        (0.5 * std::erfc(mid / std::sqrt(2.0)) > tail ? low : high) = mid;
    }
    return (low + high) / 2;
}
