#include "ReferenceDataGods.h"

#include <algorithm>

#include "core/store/DrawHistory.h"

namespace ReferenceDataGods {
namespace {

constexpr int kListSize = 40;

struct Entry {
    int number = 0;
    int score = 0;
};

bool placedAhead(int count, int other, bool preferFrequent)
{
    return preferFrequent ? count > other : count < other;
}

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

} // namespace

Run makeRun(const DrawHistory& history, int dataAmount, int predictionCount, int requestCode)
{
    Run run;
    run.dataAmount = dataAmount;
    run.predictionCount = predictionCount;
    run.requestCode = requestCode;
    for (int n = 1; n <= kNumberCount; ++n) {
        for (int d = 1; d <= history.drawCount(); ++d) {
            const char flag = history.readFlag(n, d);
            run.lines[n - 1].append(flag);
            if (flag == '1')
                ++run.appearanceCounts[n - 1];
        }
    }
    return run;
}

int windowScore(const QByteArray& window, int order)
{
    const int length = int(window.size());
    std::array<int, 256> counts{};
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (int j = 0; j < length - order; ++j) {
        if (window[j] != '1')
            continue;
        int p = 0;
        for (int m = 1; m <= order; ++m)
            p += (window[j + m] == '1' ? 1 : 0) << (order - m);
        ++counts[p];
        if (!seen[p]) {
            seen[p] = true;
            ++distinct;
        }
    }
    int current = 0;
    for (int m = 0; m < order; ++m)
        current += (m < length && window[m] == '1' ? 1 : 0) << (order - 1 - m);
    return counts[current] * distinct;
}

QList<int> rerank(const QList<int>& candidates, const Counts& counts, bool preferFrequent)
{
    if (candidates.size() < 2)
        return candidates;
    const int c0 = candidates[0];
    const int c1 = candidates[1];
    QList<int> placed;
    if (placedAhead(counts[c0 - 1], counts[c1 - 1], preferFrequent))
        placed = {c0, c1};
    else
        placed = {c1, c0};
    for (qsizetype i = 2; i < candidates.size(); ++i) {
        const int c = candidates[i];
        qsizetype at = 0;
        while (at < placed.size() && !placedAhead(counts[c - 1], counts[placed[at] - 1], preferFrequent))
            ++at;
        placed.insert(at, c);
    }
    return placed;
}

QByteArray godPrediction(const Run& run, int order, int a)
{
    // 1. Window length.
    int length = run.dataAmount;
    if (run.dataAmount == 900 || run.dataAmount > a)
        length = a;
    // 2. Priority.
    const bool preferFrequent = run.requestCode < 200;
    const int weight = preferFrequent ? run.requestCode - 100 : run.requestCode - 200;
    const int limit = weight + 14;
    // 3. Scores into the candidate list.
    std::array<Entry, kListSize + 1> list{};
    for (int n = 1; n <= kNumberCount; ++n) {
        QByteArray window = run.lines[n - 1].mid(a - length, length);
        std::reverse(window.begin(), window.end());
        const int score = windowScore(window, order);
        for (int pos = 0; pos < limit; ++pos) {
            if (list[pos].score < score) {
                for (int i = limit; i > pos; --i)
                    list[i] = list[i - 1];
                list[pos] = {n, score};
                break;
            }
        }
    }
    // 4. Candidates.
    QList<int> candidates;
    for (int pos = 0; pos < limit && list[pos].score > 0; ++pos)
        candidates.append(list[pos].number);
    // 5. Re-ranking; 6. the appearance ranking.
    const QList<int> ranked = rerank(candidates, run.appearanceCounts, preferFrequent);
    QList<int> all;
    for (int n = 1; n <= kNumberCount; ++n)
        all.append(n);
    const QList<int> ranking = rerank(all, run.appearanceCounts, preferFrequent);
    // 7. Slots.
    QList<int> slots;
    int scan = 0;
    for (int i = 0; i < run.predictionCount; ++i) {
        if (i < ranked.size()) {
            slots.append(ranked[i]);
            continue;
        }
        while (scan < ranking.size() && slots.contains(ranking[scan]))
            ++scan;
        slots.append(scan < ranking.size() ? ranking[scan++] : 99);
    }
    // 8. Ascending, two digits each.
    std::sort(slots.begin(), slots.end());
    QByteArray text;
    for (const int n : slots)
        text += twoDigits(n);
    return text;
}

QByteArray godFile(const Run& run, int order)
{
    const int drawCount = int(run.lines[0].size());
    QByteArray file;
    for (int d = 100; d <= drawCount + 1; ++d)
        file += QByteArray::number(d).rightJustified(4, '0') + "01" + godPrediction(run, order, d - 1);
    return file;
}

} // namespace ReferenceDataGods
