#include "core/predict/BacktestLuck.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/predict/Workers.h"

namespace {

// SplitMix64: small, fast, and the same sequence on every machine and library.
class SplitMix {
public:
    explicit SplitMix(quint64 state) : m_state(state) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // 0 … bound − 1; the remainder's bias is below 2^−57.
    int below(int bound) { return int(next() % quint64(bound)); }

private:
    quint64 m_state;
};

} // namespace

FlagLines BacktestLuck::randomHistory(int drawCount, quint64 seed, int index)
{
    SplitMix random(seed ^ SplitMix(quint64(index)).next());
    FlagLines lines;
    for (QByteArray& line : lines)
        line = QByteArray(drawCount, '0');
    std::array<int, kNumberCount> numbers;
    for (int n = 0; n < kNumberCount; ++n)
        numbers[std::size_t(n)] = n;
    for (int draw = 0; draw < drawCount; ++draw) {
        // The first six of a shuffle that stops after six.
        for (int i = 0; i < kNumbersPerDraw; ++i) {
            std::swap(numbers[std::size_t(i)], numbers[std::size_t(i) + std::size_t(random.below(kNumberCount - i))]);
            lines[std::size_t(numbers[std::size_t(i)])][draw] = '1';
        }
    }
    return lines;
}

std::optional<BacktestLuck> BacktestLuck::measure(const BacktestChoice& choice, int drawCount, int histories,
                                                  quint64 seed, const DataGodBacktest::Progress& progress,
                                                  const std::atomic_bool* cancel, int first)
{
    // One history per thread at a time, each on its own generator: the jobs change only the speed.
    std::vector<double> best(std::size_t(std::max(0, histories)));
    std::atomic_int done = 0;
    const bool measured = workOnThreads(histories, choice.jobs, [&](int at) {
        const std::optional<double> z =
            DataGodBacktest(randomHistory(drawCount, seed, first + at)).bestZ(choice, cancel);
        if (!z || (cancel && cancel->load()))
            return false;
        best[std::size_t(at)] = *z;
        const int now = ++done;
        if (progress)
            progress(now, histories);
        return true;
    });
    if (!measured)
        return std::nullopt;
    return BacktestLuck(std::move(best));
}

BacktestLuck::BacktestLuck(std::vector<double> bestZ) : m_bestZ(std::move(bestZ))
{
    std::sort(m_bestZ.begin(), m_bestZ.end());
}

void BacktestLuck::add(const BacktestLuck& more)
{
    const auto middle = m_bestZ.insert(m_bestZ.end(), more.m_bestZ.begin(), more.m_bestZ.end());
    std::inplace_merge(m_bestZ.begin(), middle, m_bestZ.end());
}

double BacktestLuck::line() const
{
    // p < 1/20 when 20 × (1 + r) < S + 1 for the r best z's at or above z: z must beat all but the
    // ⌈(S + 1) / 20⌉ − 2 highest. Counted in whole numbers, so that p and the line cannot disagree.
    const int histories = int(m_bestZ.size());
    const int beaten = (histories + 1 + 19) / 20 - 2;
    if (beaten < 0)
        return std::numeric_limits<double>::infinity();
    return m_bestZ[std::size_t(histories - 1 - beaten)];
}

double BacktestLuck::quantile(double q) const
{
    if (m_bestZ.empty())
        return 0.0;
    const auto rank = std::size_t(std::ceil(q * double(m_bestZ.size()) - 1e-9));
    return m_bestZ[std::clamp<std::size_t>(rank, 1, m_bestZ.size()) - 1];
}

double BacktestLuck::pValue(double z) const
{
    const auto reached = m_bestZ.end() - std::lower_bound(m_bestZ.begin(), m_bestZ.end(), z);
    return double(1 + reached) / double(1 + m_bestZ.size());
}
