#include "core/patterns/PatternStats.h"

#include <algorithm>

#include "core/store/DrawHistory.h"

namespace PatternStats {
namespace {

int bit(QByteArrayView hits, qsizetype i)
{
    return i < hits.size() && hits[i] == '1' ? 1 : 0;
}

// Pattern index of the k draws after position i (the draws before the hit at i).
int patternAfter(QByteArrayView hits, qsizetype i, int k)
{
    int p = 0;
    for (int j = 1; j <= k; ++j)
        p = (p << 1) | bit(hits, i + j);
    return p;
}

} // namespace

std::vector<int> countPatterns(QByteArrayView hits, int k)
{
    std::vector<int> counts(std::size_t(1) << k, 0);
    const qsizetype end = hits.size() - k;
    if (end <= 0)
        return counts;
    // Walk from the oldest window to the newest, shifting one draw in at the top each step.
    const int mask = (1 << k) - 1;
    int p = patternAfter(hits, end - 1, k);
    for (qsizetype i = end - 1;; --i) {
        if (hits[i] == '1')
            ++counts[p];
        if (i == 0)
            break;
        p = ((bit(hits, i) << (k - 1)) | (p >> 1)) & mask;
    }
    return counts;
}

int distinctPatternCount(QByteArrayView hits, int k)
{
    if (k < kMinPatternOrder || k > kMaxPatternOrder)
        return 0;
    const qsizetype end = hits.size() - (k == kMaxPatternOrder ? 9 : 8);
    std::array<bool, 1 << kMaxPatternOrder> seen{};
    int distinct = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (hits[i] != '1')
            continue;
        const int p = patternAfter(hits, i, k);
        if (!seen[p]) {
            seen[p] = true;
            ++distinct;
        }
    }
    return distinct;
}

int currentPattern(QByteArrayView hits, int k)
{
    return patternAfter(hits, -1, k);
}

int currentPatternCount(QByteArrayView hits, int k, bool weighting)
{
    const int count = countPatterns(hits, k)[currentPattern(hits, k)];
    return weighting ? count * distinctPatternCount(hits, k) : count;
}

std::array<int, kMaxPatternOrder - kMinPatternOrder + 1> currentPatternCounts(QByteArrayView hits, bool weighting)
{
    constexpr int kOrders = kMaxPatternOrder - kMinPatternOrder + 1;
    std::array<int, kOrders> current{};
    for (int k = kMinPatternOrder; k <= kMaxPatternOrder; ++k)
        current[k - kMinPatternOrder] = currentPattern(hits, k);
    std::array<int, kOrders> counts{};
    std::array<int, kOrders> distinct{};
    std::array<std::array<bool, 1 << kMaxPatternOrder>, kOrders> seen{};

    // w holds the nine draws before position i; the k draws before it are its top k bits.
    const qsizetype n = hits.size();
    int w = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        if (hits[i] == '1') {
            for (int k = kMinPatternOrder; k <= kMaxPatternOrder; ++k) {
                const int t = k - kMinPatternOrder;
                const int p = w >> (kMaxPatternOrder - k);
                if (i < n - k && p == current[t])
                    ++counts[t];
                if (i < n - (k == kMaxPatternOrder ? 9 : 8) && !seen[t][p]) {
                    seen[t][p] = true;
                    ++distinct[t];
                }
            }
        }
        w = (bit(hits, i) << (kMaxPatternOrder - 1)) | (w >> 1);
    }
    if (weighting) {
        for (int t = 0; t < kOrders; ++t)
            counts[t] *= distinct[t];
    }
    return counts;
}

int graphTop(int screenHeight)
{
    return 23 * screenHeight / 600;
}

PatternScales computePatternScales(QByteArrayView hits, int screenHeight)
{
    int tallest = 10;
    for (int k = 2; k <= 7; ++k) {
        const std::vector<int> counts = countPatterns(hits, k);
        tallest = std::max(tallest, *std::max_element(counts.begin(), counts.end()));
    }
    // 524 is the base line in design units while graphTop is in pixels; the mix is intended.
    const int height = 524 - graphTop(screenHeight);
    return {5 * height / tallest, height / 10 / 4};
}

} // namespace PatternStats

void CurrentPatternTables::updateCurrentPatternTables(const DrawHistory& history, int orderIndex, int selectedNumber,
                                                      bool weighting)
{
    for (int number = 1; number <= kNumberCount; ++number) {
        const QByteArray hits = history.readHitString(number);
        m_counts[number - 1] = PatternStats::currentPatternCounts(hits, weighting);
        if (number == selectedNumber) {
            const int k = orderIndex + kMinPatternOrder;
            const int current = PatternStats::currentPattern(hits, k);
            for (int j = 0; j < kMaxPatternOrder; ++j)
                m_bits[j] = j < k ? current >> (k - 1 - j) & 1 : kNoBit;
        }
    }
}
